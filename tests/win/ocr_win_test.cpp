// Text recognition's Win32 side: the prepared image, our runtime declarations, error texts,
// the real adapter's failure under Wine, and the workers' posted results.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <utility>
#include <vector>

#include "ocr/ocr_jobs_win.h"
#include "ocr/ocr_prepare_win.h"
#include "ocr/ocr_recognize.h"
#include "ocr/ocr_winrt_win.h"
#include "ocr/winrt_ocr_win.h"
#include "scripted_ocr_platform.h"
#include "support/test_support_win.h"
#include "support/vtable_order_win.h"
#include "win/main_window.h"
#include "win/messages.h"
#include "win/post_result.h"

namespace {

using namespace oxel_winrt;
using test_support::AFTER_IINSPECTABLE;
using test_support::AFTER_IUNKNOWN;
using test_support::DocumentedOrder;
using test_support::documented_slot;
using test_support::vtable_slot;

DibBitmap source_bitmap(int32_t w, int32_t h) {
    std::optional<DibBitmap> b = DibBitmap::create(w, h);
    EXPECT_TRUE(b);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) b->bits[static_cast<size_t>(y) * w + x] = 0x5A000000u | static_cast<uint32_t>((x * 7 + y * 13) & 0xFFFFFF);
    b->bits[0] = 0x7F123456u;  // a corner colour with a byte that must not reach the margin
    return std::move(*b);
}

TEST(PrepareOcrImage, MarginScaleAndAlpha) {
    struct Case {
        int32_t w, h, scale, width, height;
    };
    const Case cases[] = {{100, 50, 2, 232, 132}, {2000, 1500, 1, 2032, 1532}, {1, 1, 2, 34, 34}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        const DibBitmap source = source_bitmap(c.w, c.h);
        std::optional<PreparedOcrImage> p = prepare_ocr_image(source);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->scale, c.scale);
        ASSERT_EQ(p->image.width, c.width);
        ASSERT_EQ(p->image.height, c.height);
        const auto at = [&](int32_t x, int32_t y) { return p->image.pixels[static_cast<size_t>(y) * c.width + x]; };
        // The margin takes the corner's colour, 16 pixels on every side.
        for (const auto& [x, y] : {std::pair{0, 0}, {15, 15}, {c.width - 1, 0}, {0, c.height - 1}, {c.width - 16, c.height - 16}})
            EXPECT_EQ(at(x, y), 0xFF123456u) << x << "," << y;
        EXPECT_TRUE(std::all_of(p->image.pixels.begin(), p->image.pixels.end(), [](uint32_t v) { return v >> 24 == 0xFF; }));
        if (c.scale == 1) {
            // Not scaled: the interior is the source itself.
            for (const auto& [x, y] : {std::pair{1, 0}, {5, 9}, {c.w - 1, c.h - 1}, {c.w / 2, c.h / 3}})
                EXPECT_EQ(at(x + 16, y + 16), 0xFF000000u | (source.bits[static_cast<size_t>(y) * c.w + x] & 0xFFFFFF));
        }
    }
}

// The documented method order (the Windows Runtime metadata) of each interface we declare.
const DocumentedOrder OCR_ENGINE_STATICS{AFTER_IINSPECTABLE,
    "get_MaxImageDimension get_AvailableRecognizerLanguages IsLanguageSupported TryCreateFromLanguage "
    "TryCreateFromUserProfileLanguages"};
const DocumentedOrder OCR_ENGINE{AFTER_IINSPECTABLE, "RecognizeAsync get_RecognizerLanguage"};
const DocumentedOrder OCR_RESULT{AFTER_IINSPECTABLE, "get_Lines get_TextAngle get_Text"};
const DocumentedOrder OCR_LINE{AFTER_IINSPECTABLE, "get_Words get_Text"};
const DocumentedOrder OCR_WORD{AFTER_IINSPECTABLE, "get_BoundingRect get_Text"};
const DocumentedOrder LANGUAGE{AFTER_IINSPECTABLE, "get_LanguageTag get_DisplayName get_NativeName get_Script"};
const DocumentedOrder LANGUAGE_FACTORY{AFTER_IINSPECTABLE, "CreateLanguage"};
const DocumentedOrder SOFTWARE_BITMAP_STATICS{AFTER_IINSPECTABLE,
    "Copy Convert ConvertWithAlpha CreateCopyFromBuffer CreateCopyWithAlphaFromBuffer CreateCopyFromSurfaceAsync "
    "CreateCopyWithAlphaFromSurfaceAsync"};
const DocumentedOrder DATA_WRITER{AFTER_IINSPECTABLE,
    "get_UnstoredBufferLength get_UnicodeEncoding put_UnicodeEncoding get_ByteOrder put_ByteOrder WriteByte "
    "WriteBytes WriteBuffer WriteBufferRange WriteBoolean WriteGuid WriteInt16 WriteInt32 WriteInt64 WriteUInt16 "
    "WriteUInt32 WriteUInt64 WriteSingle WriteDouble WriteDateTime WriteTimeSpan WriteString MeasureString "
    "StoreAsync FlushAsync DetachBuffer DetachStream"};
const DocumentedOrder ASYNC_OPERATION{AFTER_IINSPECTABLE, "put_Completed get_Completed GetResults"};
const DocumentedOrder ASYNC_COMPLETED_HANDLER{AFTER_IUNKNOWN, "Invoke"};
const DocumentedOrder ASYNC_INFO{AFTER_IINSPECTABLE, "get_Id get_Status get_ErrorCode Cancel Close"};
const DocumentedOrder VECTOR_VIEW{AFTER_IINSPECTABLE, "GetAt get_Size IndexOf GetMany"};
const DocumentedOrder RESTRICTED_ERROR_INFO{AFTER_IUNKNOWN, "GetErrorDetails GetReference"};

TEST(WinrtDeclarations, SlotsFollowTheDocumentedOrder) {
    struct Case {
        const DocumentedOrder& documented;
        const char* method;
        size_t declared;
    };
    const Case cases[] = {
        {OCR_ENGINE_STATICS, "get_AvailableRecognizerLanguages", vtable_slot(&IOcrEngineStatics::get_AvailableRecognizerLanguages)},
        {OCR_ENGINE_STATICS, "IsLanguageSupported", vtable_slot(&IOcrEngineStatics::IsLanguageSupported)},
        {OCR_ENGINE_STATICS, "TryCreateFromLanguage", vtable_slot(&IOcrEngineStatics::TryCreateFromLanguage)},
        {OCR_ENGINE_STATICS, "TryCreateFromUserProfileLanguages", vtable_slot(&IOcrEngineStatics::TryCreateFromUserProfileLanguages)},
        {OCR_ENGINE, "RecognizeAsync", vtable_slot(&IOcrEngine::RecognizeAsync)},
        {OCR_ENGINE, "get_RecognizerLanguage", vtable_slot(&IOcrEngine::get_RecognizerLanguage)},
        {OCR_RESULT, "get_Lines", vtable_slot(&IOcrResult::get_Lines)},
        {OCR_RESULT, "get_Text", vtable_slot(&IOcrResult::get_Text)},
        {OCR_LINE, "get_Words", vtable_slot(&IOcrLine::get_Words)},
        {OCR_LINE, "get_Text", vtable_slot(&IOcrLine::get_Text)},
        {OCR_WORD, "get_BoundingRect", vtable_slot(&IOcrWord::get_BoundingRect)},
        {OCR_WORD, "get_Text", vtable_slot(&IOcrWord::get_Text)},
        {LANGUAGE, "get_LanguageTag", vtable_slot(&ILanguage::get_LanguageTag)},
        {LANGUAGE, "get_DisplayName", vtable_slot(&ILanguage::get_DisplayName)},
        {LANGUAGE_FACTORY, "CreateLanguage", vtable_slot(&ILanguageFactory::CreateLanguage)},
        {SOFTWARE_BITMAP_STATICS, "CreateCopyWithAlphaFromBuffer", vtable_slot(&ISoftwareBitmapStatics::CreateCopyWithAlphaFromBuffer)},
        {DATA_WRITER, "WriteBytes", vtable_slot(&IDataWriter::WriteBytes)},
        {DATA_WRITER, "DetachBuffer", vtable_slot(&IDataWriter::DetachBuffer)},
        {ASYNC_OPERATION, "put_Completed", vtable_slot(&IAsyncOperationOfOcrResult::put_Completed)},
        {ASYNC_OPERATION, "GetResults", vtable_slot(&IAsyncOperationOfOcrResult::GetResults)},
        {ASYNC_COMPLETED_HANDLER, "Invoke", vtable_slot(&IAsyncCompletedOfOcrResult::Invoke)},
        {ASYNC_INFO, "get_Status", vtable_slot(&IAsyncInfo::get_Status)},
        {ASYNC_INFO, "get_ErrorCode", vtable_slot(&IAsyncInfo::get_ErrorCode)},
        {VECTOR_VIEW, "GetAt", vtable_slot(&IVectorView<IOcrLine*>::GetAt)},
        {VECTOR_VIEW, "get_Size", vtable_slot(&IVectorView<IOcrLine*>::get_Size)},
        {RESTRICTED_ERROR_INFO, "GetErrorDetails", vtable_slot(&IRestrictedErrorInfo::GetErrorDetails)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.declared, documented_slot(c.documented, c.method)) << c.method;
    EXPECT_EQ(sizeof(Boolean), 1u);
    EXPECT_EQ(sizeof(RtRect), 16u);
}

// Wine's ntdll names itself through an export Windows does not have.
bool under_wine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

TEST(OcrErrors, TextsFromTheSystemAndTheErrorInformation) {
    // How each text begins on Windows and under Wine ("" there: no text at all).
    struct Case {
        uint32_t hresult;
        const char* windows;
        const char* wine;
    };
    const Case cases[] = {
        {0x80070005u, "Access", "Access"},
        // NTSTATUS in HRESULT form (0x10000000 set): from ntdll's message table, which Wine lacks.
        {0xD0000022u, "{Access Denied}", ""},
        {0x80040154u, "Class not registered", ""},
    };
    const bool wine = under_wine();
    for (const Case& c : cases) {
        const std::string text = hresult_system_text(static_cast<int32_t>(c.hresult));
        const std::string want = wine ? c.wine : c.windows;
        if (want.empty()) EXPECT_EQ(text, "") << std::hex << c.hresult;
        else EXPECT_EQ(text.rfind(want, 0), 0u) << std::hex << c.hresult << ": " << text;
    }

    ComPtr<ICreateErrorInfo> create;
    ASSERT_EQ(CreateErrorInfo(create.GetAddressOf()), S_OK);
    create->SetDescription(const_cast<wchar_t*>(L"The engine is busy. \r\n\t"));
    ComPtr<IErrorInfo> info;
    ASSERT_EQ(create.As(&info), S_OK);
    ASSERT_EQ(SetErrorInfo(0, info.Get()), S_OK);
    const OcrError e = winrt_error(E_FAIL, "OcrEngine.RecognizeAsync");
    EXPECT_EQ(ocr_error_message(e, hresult_system_text(e.hresult)), "The engine is busy.");
    // The information was taken: the next failure has none.
    const OcrError next = winrt_error(static_cast<HRESULT>(0x80040154u), "RoGetActivationFactory(X)");
    EXPECT_TRUE(next.info.empty());
}

extern "C" BOOL WINAPI RoOriginateErrorW(HRESULT error, UINT length, const wchar_t* message);

TEST(OcrErrors, TheRestrictedErrorInformationComesFirst) {
    IRestrictedErrorInfo* none = nullptr;
    if (GetRestrictedErrorInfo(&none) == E_NOTIMPL)  // Wine: RoOriginateErrorW is not there either
        GTEST_SKIP() << "the system keeps no restricted error information (GetRestrictedErrorInfo: E_NOTIMPL)";
    if (none) none->Release();
    ASSERT_TRUE(RoOriginateErrorW(E_FAIL, 0, L"The language pack is missing."));
    const OcrError e = winrt_error(E_FAIL, "OcrEngine.RecognizeAsync");
    EXPECT_EQ(e.info, "The language pack is missing.");
}

TEST(OcrAdapter, WithoutTheRuntimeEveryPathFailsWithACallAndCode) {
    WinRtOcrPlatform platform;
    std::vector<uint32_t> px(64 * 64, 0xFFFFFFFFu);
    OcrOutcome<std::vector<OcrLine>> out = ocr_recognize(platform, px, 64, 64, "en-US");
    if (out.ok()) GTEST_SKIP() << "a Windows OCR engine is present";
    const std::string message = ocr_error_message(out.error(), platform);
    EXPECT_FALSE(message.empty());
    EXPECT_NE(message.find("DataWriter"), std::string::npos) << message;
    EXPECT_EQ(static_cast<uint32_t>(out.error().hresult), 0x80040154u);
    EXPECT_FALSE(platform.engine_for_tag("en-US"));
    EXPECT_TRUE(ocr_list_languages(platform).empty());
}

// A recognition in progress that answers its status reads from a list and completes at once
// when a handler is set. It lives on the stack: counting references is not needed.
class FakeOperation final : public IAsyncOperationOfOcrResult, public IAsyncInfo {
public:
    HRESULT info_hr = S_OK;
    std::vector<std::pair<HRESULT, AsyncStatus>> statuses;
    HRESULT error_code = S_OK;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_ASYNC_INFO && SUCCEEDED(info_hr) ? static_cast<IAsyncInfo*>(this) : nullptr;
        return *out ? S_OK : info_hr;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetIids(ULONG*, IID**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetRuntimeClassName(HSTRING*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTrustLevel(TrustLevel*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Completed(IAsyncCompletedOfOcrResult* handler) override {
        return handler->Invoke(this, ASYNC_COMPLETED);
    }
    HRESULT STDMETHODCALLTYPE get_Completed(IAsyncCompletedOfOcrResult**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetResults(IOcrResult**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Id(UINT32*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Status(AsyncStatus* status) override {
        if (reads >= statuses.size()) return E_UNEXPECTED;
        *status = statuses[reads].second;
        return statuses[reads++].first;
    }
    HRESULT STDMETHODCALLTYPE get_ErrorCode(HRESULT* code) override {
        *code = error_code;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Cancel() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Close() override { return S_OK; }

private:
    size_t reads = 0;
};

TEST(OcrAdapter, AnUnreadableStatusIsAnErrorNamingTheCall) {
    const HRESULT no_memory = static_cast<HRESULT>(0x8007000Eu);
    struct Case {
        HRESULT info_hr;
        std::vector<std::pair<HRESULT, AsyncStatus>> statuses;
        HRESULT want;  // S_OK: finished without error
        const char* call;
    };
    const Case cases[] = {
        {E_NOINTERFACE, {}, E_NOINTERFACE, "IAsyncOperation.QueryInterface(IAsyncInfo)"},
        {S_OK, {{E_FAIL, ASYNC_STARTED}}, E_FAIL, "IAsyncInfo.Status"},
        {S_OK, {{S_OK, ASYNC_STARTED}, {E_FAIL, ASYNC_STARTED}}, E_FAIL, "IAsyncInfo.Status"},
        {S_OK, {{S_OK, ASYNC_STARTED}, {S_OK, ASYNC_ERROR}}, no_memory, "OcrEngine.RecognizeAsync"},
        {S_OK, {{S_OK, ASYNC_STARTED}, {S_OK, ASYNC_COMPLETED}}, S_OK, ""},
        {S_OK, {{S_OK, ASYNC_COMPLETED}}, S_OK, ""},
    };
    for (const Case& c : cases) {
        FakeOperation operation;
        operation.info_hr = c.info_hr;
        operation.statuses = c.statuses;
        operation.error_code = no_memory;
        const std::optional<OcrError> e = wait_for_recognition(operation);
        ASSERT_EQ(e.has_value(), c.want != S_OK) << c.call;
        if (!e) continue;
        EXPECT_EQ(e->hresult, c.want) << c.call;
        EXPECT_EQ(e->call, c.call);
    }
}

ScriptedOcrPlatform scripted() {
    Result<OcrScript> s = OcrScript::parse("language | en-US | English\nline | en-US | Hello@16,16,40,20 | world@60,16,40,20\n");
    EXPECT_TRUE(s.ok());
    return ScriptedOcrPlatform(std::move(s.value()));
}

TEST(OcrWorkers, PostedResults) {
    ScriptedOcrPlatform platform = scripted();
    const HWND target = test_support::create_test_popup({L"OrmickOxelOcrWorkerTest"}, Rect{0, 0, 10, 10});
    ASSERT_NE(target, nullptr);

    EXPECT_TRUE(ocr_worker(platform, {std::vector<uint32_t>(64 * 48, 0xFFFFFFFFu), "", Rect{1, 2, 3, 4}, target, 64, 48}));
    MSG m{};
    ASSERT_TRUE(PeekMessageW(&m, target, WM_APP_OCR_DONE, WM_APP_OCR_DONE, PM_REMOVE));
    EXPECT_EQ(m.wParam, 0u);
    std::unique_ptr<OcrJobResult> job = take_result<OcrJobResult>(m.lParam);
    ASSERT_TRUE(job);
    ASSERT_TRUE(job->result.ok());
    EXPECT_EQ(job->result.value().assembled, "Hello world");
    EXPECT_EQ(job->placement, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(job->image.pixels.size(), 64u * 48u);
    EXPECT_EQ(job->image.width, 64);

    EXPECT_TRUE(ocr_rerun_worker(platform, {std::vector<uint32_t>(64 * 48, 0xFFFFFFFFu), 64, 48, "en-US", target, 7}));
    ASSERT_TRUE(PeekMessageW(&m, target, WM_APP_OCR_RERUN_DONE, WM_APP_OCR_RERUN_DONE, PM_REMOVE));
    EXPECT_EQ(m.wParam, 7u);
    std::unique_ptr<OcrTextResult> rerun = take_result<OcrTextResult>(m.lParam);
    ASSERT_TRUE(rerun && rerun->ok());
    EXPECT_EQ(rerun->value().lines, "Hello world");

    // The window is gone: nothing is posted and the record is freed.
    DestroyWindow(target);
    EXPECT_FALSE(ocr_worker(platform, {std::vector<uint32_t>(64 * 48, 0xFFFFFFFFu), "", {}, target, 64, 48}));
    EXPECT_FALSE(ocr_rerun_worker(platform, {std::vector<uint32_t>(64 * 48, 0xFFFFFFFFu), 64, 48, "", target, 1}));
}

TEST(OcrWorkers, StartOcrReachesTheMainWindowWithTheReason) {
    // The real engine: under Wine the job fails, and the failure says why.
    const HWND main = test_support::create_test_popup({L"OrmickOxelOcrStartTest"}, Rect{0, 0, 10, 10});
    ASSERT_NE(main, nullptr);
    const HWND old_main = MAIN_HWND.get();
    MAIN_HWND.set(main);
    const DibBitmap source = source_bitmap(40, 20);
    start_ocr(source, Rect{5, 6, 45, 26});
    MSG m{};
    const ULONGLONG deadline = GetTickCount64() + 20000;
    bool got = false;
    while (!(got = PeekMessageW(&m, main, WM_APP_OCR_DONE, WM_APP_OCR_DONE, PM_REMOVE)) && GetTickCount64() < deadline) Sleep(5);
    MAIN_HWND.set(old_main);
    ASSERT_TRUE(got);
    std::unique_ptr<OcrJobResult> job = take_result<OcrJobResult>(m.lParam);
    ASSERT_TRUE(job);
    EXPECT_EQ(job->image.width, 40 * 2 + 32);
    EXPECT_EQ(job->placement, (Rect{5, 6, 45, 26}));
    if (!job->result.ok()) {
        EXPECT_NE(job->result.error().message.find("0x80040154"), std::string::npos) << job->result.error().message;
    }
    DestroyWindow(main);
}

}  // namespace
