// The one window pattern: a record per window, freed exactly once whatever way the window
// goes, never reachable once freed; and the start-up registration every test relies on.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "main/window_classes_win.h"
#include "win/post_result.h"
#include "win/subclass.h"
#include "win/window.h"

#include "support/main_window_support_win.h"

namespace {

// The program registers its classes once at start-up; the tests do the same, once.
class WindowClassesEnvironment : public ::testing::Environment {
public:
    void SetUp() override { register_window_classes(); }
};
[[maybe_unused]] ::testing::Environment* const WINDOW_CLASSES =
    ::testing::AddGlobalTestEnvironment(new WindowClassesEnvironment);

struct Counts {
    int messages = 0;
    int deleted = 0;
    int after_destroy = 0;
    int posted_freed = 0;
};

enum class Behaviour { Plain, FailCreate, DestroyInHandler, Throw, PostWhileDestroyed };

constexpr UINT WM_TEST_PING = WM_APP + 0x3B0;
constexpr UINT WM_TEST_RESULT = WM_APP + 0x3B1;

// A worker's record, counted when freed.
struct PostedRecord {
    explicit PostedRecord(int* frees) : frees(frees) {}
    PostedRecord(const PostedRecord&) = delete;
    PostedRecord& operator=(const PostedRecord&) = delete;
    ~PostedRecord() { ++*frees; }
    int* frees;
};

struct TestRecord : BaseWindow<TestRecord> {
    static constexpr const wchar_t* CLASS_NAME = L"OrmickOxelWindowTest";
    TestRecord(Counts* counts, Behaviour behaviour) : counts(counts), behaviour(behaviour) {}
    ~TestRecord() { ++counts->deleted; }

    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == WM_CREATE && behaviour == Behaviour::FailCreate) return -1;
        // A worker's post landing after WM_DESTROY has begun still succeeds.
        if (message == WM_DESTROY && behaviour == Behaviour::PostWhileDestroyed)
            post_result(hwnd(), WM_TEST_RESULT, 0, std::make_unique<PostedRecord>(&counts->posted_freed));
        if (message == WM_TEST_PING) {
            ++counts->messages;
            if (behaviour == Behaviour::Throw) throw std::runtime_error("handler failed");
            if (behaviour == Behaviour::DestroyInHandler) {
                DestroyWindow(hwnd());
                // Still here until this handler returns, but the window is gone.
                return alive() ? 1 : 2;
            }
            return 7;
        }
        return default_handle(message, wparam, lparam);
    }
    void drain_posted() { drain_results<PostedRecord>(hwnd(), WM_TEST_RESULT); }

    Counts* counts;
    Behaviour behaviour;
};

struct HandedOverRecord : BaseWindow<HandedOverRecord> {
    static constexpr const wchar_t* CLASS_NAME = L"OrmickOxelWindowHandOverTest";
    explicit HandedOverRecord(Counts* counts) : counts(counts) {}
    ~HandedOverRecord() { ++counts->deleted; }
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam) { return default_handle(message, wparam, lparam); }
    static void after_destroy(std::unique_ptr<HandedOverRecord> record) {
        ++record->counts->after_destroy;
        EXPECT_FALSE(record->alive());
    }
    Counts* counts;
};

struct Unregistered : BaseWindow<Unregistered> {
    static constexpr const wchar_t* CLASS_NAME = L"OrmickOxelWindowNeverRegistered";
    explicit Unregistered(Counts* c) : counts(c) {}
    ~Unregistered() { ++counts->deleted; }
    LRESULT handle(UINT m, WPARAM w, LPARAM l) { return default_handle(m, w, l); }
    Counts* counts;
};

void register_test_classes() {
    static const bool done = [] {
        register_window_class(window_class<TestRecord>(0, IDC_ARROW));
        register_window_class(window_class<HandedOverRecord>(0, nullptr));
        return true;
    }();
    (void)done;
}

HWND make(Counts& counts, Behaviour behaviour) {
    register_test_classes();
    return TestRecord::create(std::make_unique<TestRecord>(&counts, behaviour), 0, L"", WS_POPUP, 0, 0, 10, 10);
}

// A subclassed EDIT's handler: answers the ping (or throws), counts its last message.
LRESULT edit_handler(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, DWORD_PTR data) {
    auto* counts = reinterpret_cast<Counts*>(data);
    if (message == WM_TEST_PING) {
        ++counts->messages;
        if (wparam) throw std::runtime_error("control handler failed");
        return 7;
    }
    if (message == WM_NCDESTROY) ++counts->deleted;
    return DefSubclassProc(edit, message, wparam, lparam);
}

HWND make_edit() {
    return CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

TEST(BaseWindow, TheRecordLivesExactlyAsLongAsItsWindow) {
    Counts counts;
    const HWND window = make(counts, Behaviour::Plain);
    ASSERT_NE(window, nullptr);
    TestRecord* record = TestRecord::from(window);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->hwnd(), window);
    EXPECT_EQ(SendMessageW(window, WM_TEST_PING, 0, 0), 7);
    EXPECT_EQ(counts.messages, 1);

    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_EQ(counts.deleted, 1);
    EXPECT_EQ(TestRecord::from(window), nullptr);
    EXPECT_EQ(SendMessageW(window, WM_TEST_PING, 0, 0), 0) << "nothing reaches the freed record";
    EXPECT_EQ(counts.messages, 1);
}

TEST(BaseWindow, OtherWindowsHaveNoRecord) {
    Counts counts;
    const HWND window = make(counts, Behaviour::Plain);
    ASSERT_NE(window, nullptr);
    const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    SetWindowLongPtrW(other, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(TestRecord::from(window)));
    EXPECT_EQ(TestRecord::from(other), nullptr);
    EXPECT_EQ(HandedOverRecord::from(window), nullptr);
    EXPECT_EQ(TestRecord::from(nullptr), nullptr);
    DestroyWindow(other);
    DestroyWindow(window);
    EXPECT_EQ(counts.deleted, 1);
}

TEST(BaseWindow, EveryWayOfFailingToCreateFreesTheRecordOnce) {
    {
        SCOPED_TRACE("WM_CREATE refuses");
        Counts counts;
        EXPECT_EQ(make(counts, Behaviour::FailCreate), nullptr);
        EXPECT_EQ(counts.deleted, 1);
    }
    {
        SCOPED_TRACE("the class is not registered");
        Counts counts;
        EXPECT_EQ(Unregistered::create(std::make_unique<Unregistered>(&counts), 0, L"", WS_POPUP, 0, 0, 1, 1), nullptr);
        EXPECT_EQ(counts.deleted, 1);
    }
    {
        SCOPED_TRACE("made without its record");
        register_test_classes();
        EXPECT_EQ(CreateWindowExW(0, TestRecord::CLASS_NAME, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
                  nullptr);
    }
}

TEST(BaseWindow, AWindowDestroyedInsideItsOwnHandlerKeepsItsRecordUntilTheHandlerReturns) {
    Counts counts;
    const HWND window = make(counts, Behaviour::DestroyInHandler);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageW(window, WM_TEST_PING, 0, 0), 2) << "the handler saw its window gone, its record intact";
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(counts.deleted, 1);
}

TEST(BaseWindow, ARecordPostedWhileTheWindowIsDestroyedIsFreedWithIt) {
    Counts counts;
    const HWND window = make(counts, Behaviour::PostWhileDestroyed);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_EQ(counts.posted_freed, 1);
    EXPECT_EQ(counts.deleted, 1);
}

TEST(BaseWindow, AfterDestroyTakesTheRecordOver) {
    register_test_classes();
    Counts counts;
    const HWND window = HandedOverRecord::create(std::make_unique<HandedOverRecord>(&counts), 0, L"", WS_POPUP, 0, 0, 1, 1);
    ASSERT_NE(window, nullptr);
    DestroyWindow(window);
    EXPECT_EQ(counts.after_destroy, 1);
    EXPECT_EQ(counts.deleted, 1) << "after_destroy let it go";
}

TEST(Subclass, TheHandlerGetsItsDataTheControlTheRestAndTheLastMessageOnce) {
    Counts counts;
    const HWND edit = make_edit();
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(subclass_control<edit_handler>(edit, reinterpret_cast<DWORD_PTR>(&counts)));
    EXPECT_EQ(SendMessageW(edit, WM_TEST_PING, 0, 0), 7);
    SetWindowTextW(edit, L"typed");
    wchar_t text[16] = {};
    GetWindowTextW(edit, text, 16);
    EXPECT_STREQ(text, L"typed") << "the EDIT still does its own work";
    DestroyWindow(edit);
    EXPECT_EQ(counts.messages, 1);
    EXPECT_EQ(counts.deleted, 1);
}

TEST(BaseWindowDeathTest, SomethingThrownInAHandlerEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            Counts counts;
            SendMessageW(make(counts, Behaviour::Throw), WM_TEST_PING, 0, 0);
        },
        "exception thrown in a window procedure: handler failed");
    // The same for a system control with a handler of ours.
    EXPECT_DEATH(
        {
            Counts counts;
            const HWND edit = make_edit();
            subclass_control<edit_handler>(edit, reinterpret_cast<DWORD_PTR>(&counts));
            SendMessageW(edit, WM_TEST_PING, 1, 0);
        },
        "exception thrown in a window procedure: control handler failed");
}

TEST(WindowClasses, ASecondRegistrationFailsAndIsLogged) {
    test_support::LogCapture log;
    register_test_classes();
    EXPECT_FALSE(register_window_class(window_class<TestRecord>(0, IDC_ARROW)));
    EXPECT_TRUE(log.has("window class OrmickOxelWindowTest not registered: ")) << log.text();
}
