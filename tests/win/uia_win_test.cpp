#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "dev/dev_jobs_win.h"
#include "uia/uia_client_win.h"
#include "uia/uia_com_win.h"
#include "uia/uia_win.h"
#include "util/text.h"
#include "win/env.h"
#include "win/messages.h"
#include "win/post_result.h"

#include "support/test_support_win.h"
#include "support/vtable_order_win.h"

using namespace uia_com;

namespace {

using namespace test_support;

HWND make_window() { return create_test_popup({L"OrmickUiaTestTarget"}, Rect{10, 10, 210, 160}, 0, L"uia test"); }

// The next WM_APP_UIA_RESULT of the window, taken over; null after 10 s without one.
std::unique_ptr<UiaResult> wait_result(HWND window, WPARAM& id) {
    const ULONGLONG deadline = GetTickCount64() + 10000;
    for (;;) {
        MSG msg;
        if (PeekMessageW(&msg, window, WM_APP_UIA_RESULT, WM_APP_UIA_RESULT, PM_REMOVE)) {
            id = msg.wParam;
            return take_result<UiaResult>(msg.lParam);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return nullptr;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_POSTMESSAGE);
    }
}


void check_bench_report(const std::string& report) {
    const size_t first_end = report.find('\n');
    ASSERT_NE(first_end, std::string::npos) << report;
    int x = 0, y = 0;
    char tail = 0;
    EXPECT_EQ(std::sscanf(report.substr(0, first_end).c_str(), "cursor %d,%d%c", &x, &y, &tail), 2) << report;
    const std::string second = report.substr(first_end + 1);
    const std::string prefix = "uia unavailable: ";
    EXPECT_EQ(second.rfind(prefix, 0), 0u) << report;
    EXPECT_GT(second.size(), prefix.size() + 1) << report;
    EXPECT_EQ(second.back(), '\n');
    EXPECT_EQ(second.find('\n'), second.size() - 1) << report;  // one line, nothing after it
}

}  // namespace

// The documented method order (UIAutomationClient's interface definitions) of each interface
// we declare, written out independently of our declarations.
const DocumentedOrder AUTOMATION{AFTER_IUNKNOWN,
    "CompareElements CompareRuntimeIds GetRootElement ElementFromHandle ElementFromPoint GetFocusedElement "
    "GetRootElementBuildCache ElementFromHandleBuildCache ElementFromPointBuildCache GetFocusedElementBuildCache "
    "CreateTreeWalker get_ControlViewWalker get_ContentViewWalker get_RawViewWalker get_RawViewCondition "
    "get_ControlViewCondition get_ContentViewCondition CreateCacheRequest CreateTrueCondition CreateFalseCondition "
    "CreatePropertyCondition CreatePropertyConditionEx CreateAndCondition CreateAndConditionFromArray "
    "CreateAndConditionFromNativeArray CreateOrCondition CreateOrConditionFromArray CreateOrConditionFromNativeArray "
    "CreateNotCondition AddAutomationEventHandler RemoveAutomationEventHandler "
    "AddPropertyChangedEventHandlerNativeArray AddPropertyChangedEventHandler RemovePropertyChangedEventHandler "
    "AddStructureChangedEventHandler RemoveStructureChangedEventHandler AddFocusChangedEventHandler "
    "RemoveFocusChangedEventHandler RemoveAllEventHandlers IntNativeArrayToSafeArray IntSafeArrayToNativeArray "
    "RectToVariant VariantToRect SafeArrayToRectNativeArray CreateProxyFactoryEntry get_ProxyFactoryMapping "
    "GetPropertyProgrammaticName GetPatternProgrammaticName PollForPotentialSupportedPatterns "
    "PollForPotentialSupportedProperties CheckNotSupported get_ReservedNotSupportedValue "
    "get_ReservedMixedAttributeValue ElementFromIAccessible ElementFromIAccessibleBuildCache "
    // IUIAutomation2
    "get_AutoSetFocus put_AutoSetFocus get_ConnectionTimeout put_ConnectionTimeout get_TransactionTimeout "
    "put_TransactionTimeout"};
const DocumentedOrder ELEMENT{AFTER_IUNKNOWN,
    "SetFocus GetRuntimeId FindFirst FindAll FindFirstBuildCache FindAllBuildCache BuildUpdatedCache "
    "GetCurrentPropertyValue GetCurrentPropertyValueEx GetCachedPropertyValue GetCachedPropertyValueEx "
    "GetCurrentPatternAs GetCachedPatternAs GetCurrentPattern GetCachedPattern GetCachedParent GetCachedChildren "
    "get_CurrentProcessId get_CurrentControlType get_CurrentLocalizedControlType get_CurrentName "
    "get_CurrentAcceleratorKey get_CurrentAccessKey get_CurrentHasKeyboardFocus get_CurrentIsKeyboardFocusable "
    "get_CurrentIsEnabled get_CurrentAutomationId get_CurrentClassName get_CurrentHelpText get_CurrentCulture "
    "get_CurrentIsControlElement get_CurrentIsContentElement get_CurrentIsPassword get_CurrentNativeWindowHandle "
    "get_CurrentItemType get_CurrentIsOffscreen get_CurrentOrientation get_CurrentFrameworkId "
    "get_CurrentIsRequiredForForm get_CurrentItemStatus get_CurrentBoundingRectangle get_CurrentLabeledBy "
    "get_CurrentAriaRole get_CurrentAriaProperties get_CurrentIsDataValidForForm get_CurrentControllerFor "
    "get_CurrentDescribedBy get_CurrentFlowsTo get_CurrentProviderDescription get_CachedProcessId "
    "get_CachedControlType get_CachedLocalizedControlType get_CachedName get_CachedAcceleratorKey "
    "get_CachedAccessKey get_CachedHasKeyboardFocus get_CachedIsKeyboardFocusable get_CachedIsEnabled "
    "get_CachedAutomationId get_CachedClassName get_CachedHelpText get_CachedCulture get_CachedIsControlElement "
    "get_CachedIsContentElement get_CachedIsPassword get_CachedNativeWindowHandle get_CachedItemType "
    "get_CachedIsOffscreen get_CachedOrientation get_CachedFrameworkId get_CachedIsRequiredForForm "
    "get_CachedItemStatus get_CachedBoundingRectangle"};
const DocumentedOrder ELEMENT_ARRAY{AFTER_IUNKNOWN, "get_Length GetElement"};
const DocumentedOrder CACHE_REQUEST{AFTER_IUNKNOWN, "AddProperty AddPattern Clone"};
const DocumentedOrder TREE_WALKER{AFTER_IUNKNOWN,
    "GetParentElement GetFirstChildElement GetLastChildElement GetNextSiblingElement GetPreviousSiblingElement "
    "NormalizeElement GetParentElementBuildCache"};

TEST(UiaInterfaces, SlotsFollowTheDocumentedOrder) {
    struct Case {
        const DocumentedOrder& documented;
        const char* method;
        size_t declared;
    };
    const Case cases[] = {
        {AUTOMATION, "ElementFromHandleBuildCache", vtable_slot(&IUIAutomation::ElementFromHandleBuildCache)},
        {AUTOMATION, "ElementFromPointBuildCache", vtable_slot(&IUIAutomation::ElementFromPointBuildCache)},
        {AUTOMATION, "get_ControlViewWalker", vtable_slot(&IUIAutomation::get_ControlViewWalker)},
        {AUTOMATION, "get_ControlViewCondition", vtable_slot(&IUIAutomation::get_ControlViewCondition)},
        {AUTOMATION, "CreateCacheRequest", vtable_slot(&IUIAutomation::CreateCacheRequest)},
        {AUTOMATION, "ElementFromIAccessibleBuildCache", vtable_slot(&IUIAutomation::unused_ElementFromIAccessibleBuildCache)},
        {AUTOMATION, "put_TransactionTimeout", vtable_slot(&IUIAutomation2::put_TransactionTimeout)},
        {ELEMENT, "FindAllBuildCache", vtable_slot(&IUIAutomationElement::FindAllBuildCache)},
        {ELEMENT, "get_CachedIsOffscreen", vtable_slot(&IUIAutomationElement::get_CachedIsOffscreen)},
        {ELEMENT, "get_CachedBoundingRectangle", vtable_slot(&IUIAutomationElement::get_CachedBoundingRectangle)},
        {ELEMENT_ARRAY, "get_Length", vtable_slot(&IUIAutomationElementArray::get_Length)},
        {ELEMENT_ARRAY, "GetElement", vtable_slot(&IUIAutomationElementArray::GetElement)},
        {CACHE_REQUEST, "AddProperty", vtable_slot(&IUIAutomationCacheRequest::AddProperty)},
        {TREE_WALKER, "GetParentElementBuildCache", vtable_slot(&IUIAutomationTreeWalker::GetParentElementBuildCache)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.declared, documented_slot(c.documented, c.method)) << c.method;
}

TEST(UiaInterfaces, IdentifiersMatchTheirDocumentedText) {
    struct Case {
        const wchar_t* text;
        const GUID& value;
    };
    const Case cases[] = {
        {L"{FF48DBA4-60EF-4201-AA87-54103EEF594E}", CLSID_CUIAUTOMATION},
        {L"{30CBE57D-D9D0-452A-AB13-7AC5AC4825EE}", IID_IUIAUTOMATION},
        {L"{34723AFF-0C9D-49D0-9896-7AB52DF8CD8A}", IID_IUIAUTOMATION2},
        {L"{D22108AA-8AC5-49A5-837B-37BBB3D7591E}", IID_IUIAUTOMATION_ELEMENT},
        {L"{14314595-B4BC-4055-95F2-58F2E42C9855}", IID_IUIAUTOMATION_ELEMENT_ARRAY},
        {L"{B32A92B5-BC25-4078-9C08-D7EE95C48E03}", IID_IUIAUTOMATION_CACHE_REQUEST},
        {L"{4042C624-389C-4AFC-A630-9DF854A541FC}", IID_IUIAUTOMATION_TREE_WALKER},
        {L"{352FFBA8-0973-437C-A61F-F64CAFD81DF9}", IID_IUIAUTOMATION_CONDITION},
    };
    for (const Case& c : cases) {
        GUID parsed{};
        ASSERT_EQ(IIDFromString(c.text, &parsed), S_OK);
        EXPECT_TRUE(IsEqualGUID(parsed, c.value)) << from_wide(c.text);
    }
}

TEST(UiaCreate, FailsCleanlyWhereUiAutomationIsMissing) {
    const ComApartment com(COINIT_MULTITHREADED);
    Result<UiaState> created = uia_create();
    if (created) GTEST_SKIP() << "UI Automation is available here";
    ASSERT_TRUE(created.error().code.has_value());
    EXPECT_EQ(*created.error().code, static_cast<int64_t>(REGDB_E_CLASSNOTREG));
    EXPECT_FALSE(created.error().message.empty());
}

TEST(UiaElementRectAt, AWindowOfThisProcessGivesNothing) {
    const HWND window = make_window();
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UiaState state;
    EXPECT_TRUE(uia_element_rect_at(state, window, 50, 50).empty());
    EXPECT_TRUE(uia_element_rect_at(state, nullptr, 50, 50).empty());
    EXPECT_TRUE(state.path.entries.empty());
    DestroyWindow(window);
}

TEST(UiaWorker, AnswersAtTheTargetWithTheRequestId) {
    const HWND window = make_window();
    ASSERT_NE(window, nullptr);
    uia_start_worker();
    uia_start_worker();

    uia_send_request(UiaRequest{60, 70, uia_window_value(window), uia_window_value(window), 4242});
    WPARAM id = 0;
    std::unique_ptr<UiaResult> result = wait_result(window, id);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(id, 4242u);
    EXPECT_TRUE(result->rects.empty());  // a window of this process
    EXPECT_EQ(result->root, uia_window_value(window));
    EXPECT_EQ(result->x, 60);
    EXPECT_EQ(result->y, 70);

    uia_send_request(UiaRequest{-5, 3, 0, uia_window_value(window), 4243});  // the window under the point
    result = wait_result(window, id);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(id, 4243u);
    EXPECT_EQ(result->x, -5);
    DestroyWindow(window);
}

TEST(UiaBench, WritesTheCursorLineAndWhyUiAutomationIsMissing) {
    const ComApartment com(COINIT_MULTITHREADED);
    if (uia_create()) GTEST_SKIP() << "UI Automation is available here";
    const std::string out = join_path(temp_dir(), "ormick-uia-bench-test-" + std::to_string(GetCurrentProcessId()) + ".txt");
    run_uia_bench({"ormick-oxel.exe", "--uia-bench", "--out", out});
    check_bench_report(read_whole_file(out));
    DeleteFileW(to_wide(out).c_str());
}
