#include "ocr/ocr_winrt_win.h"

#include <activation.h>
#include <roapi.h>

#include <atomic>

#include "ocr/winrt_ocr_win.h"
#include "util/text.h"
#include "win/error.h"
#include "win/handles.h"

using namespace oxel_winrt;

namespace {

// Activation factories live for the whole process. A thread that loses the race to publish
// one releases its own.
template <class I>
HRESULT cached_factory(std::atomic<I*>& slot, const wchar_t* class_name, const GUID& iid, ComPtr<I>& out) {
    I* factory = slot.load(std::memory_order_acquire);
    if (!factory) {
        HString name;
        if (const HRESULT hr = make_hstring(class_name, name); FAILED(hr)) return hr;
        I* made = nullptr;
        if (const HRESULT hr = RoGetActivationFactory(name.get(), iid, reinterpret_cast<void**>(&made)); FAILED(hr))
            return hr;
        if (!made) return E_NOINTERFACE;
        I* expected = nullptr;
        if (slot.compare_exchange_strong(expected, made, std::memory_order_acq_rel)) {
            factory = made;
        } else {
            made->Release();
            factory = expected;
        }
    }
    out = factory;  // AddRef
    return S_OK;
}

std::atomic<IActivationFactory*> DATA_WRITER_FACTORY{nullptr};
std::atomic<ISoftwareBitmapStatics*> BITMAP_STATICS{nullptr};
std::atomic<IOcrEngineStatics*> ENGINE_STATICS{nullptr};
std::atomic<ILanguageFactory*> LANGUAGE_FACTORY{nullptr};

constexpr wchar_t DATA_WRITER[] = L"Windows.Storage.Streams.DataWriter";
constexpr wchar_t SOFTWARE_BITMAP[] = L"Windows.Graphics.Imaging.SoftwareBitmap";
constexpr wchar_t OCR_ENGINE[] = L"Windows.Media.Ocr.OcrEngine";
constexpr wchar_t LANGUAGE[] = L"Windows.Globalization.Language";

std::string factory_call(const wchar_t* class_name) {
    return "RoGetActivationFactory(" + from_wide(class_name) + ")";
}

// The calls' failures as OcrError, and the "succeeded but gave nothing" case as code 0.
template <class T>
std::optional<OcrError> check(HRESULT hr, const T* object, std::string_view call) {
    if (FAILED(hr)) return winrt_error(hr, call);
    if (!object) return OcrError{0, {}, std::string(call)};
    return std::nullopt;
}

OcrOutcome<ComPtr<IOcrEngineStatics>> engine_statics() {
    ComPtr<IOcrEngineStatics> statics;
    if (const HRESULT hr = cached_factory(ENGINE_STATICS, OCR_ENGINE, IID_OCR_ENGINE_STATICS, statics); FAILED(hr))
        return winrt_error(hr, factory_call(OCR_ENGINE));
    return statics;
}

// QueryInterface with our own interface ids.
template <class I>
HRESULT query(IUnknown* from, const GUID& iid, ComPtr<I>& out) {
    return from->QueryInterface(iid, reinterpret_cast<void**>(out.ReleaseAndGetAddressOf()));
}

std::u16string_view units_of(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

std::string utf16_text(HSTRING s) { return utf16_to_utf8(units_of(hstring_view(s))); }

std::string bstr_text(BSTR s) { return s ? from_wide(std::wstring_view(s, SysStringLen(s))) : std::string(); }

class BstrOwner {
public:
    ~BstrOwner() { SysFreeString(s); }
    BSTR s = nullptr;
};

class WinRtEngine final : public OcrEngineHandle {
public:
    explicit WinRtEngine(ComPtr<IOcrEngine> e) : engine(std::move(e)) {}
    ComPtr<IOcrEngine> engine;
};

class WinRtBitmap final : public OcrBitmapHandle {
public:
    explicit WinRtBitmap(ComPtr<ISoftwareBitmap> b) : bitmap(std::move(b)) {}
    ComPtr<ISoftwareBitmap> bitmap;
};

// The Completed handler: its only work is to set the event the worker waits on.
class CompletedHandler final : public IAsyncCompletedOfOcrResult {
public:
    explicit CompletedHandler(HANDLE event) : event_(event) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_ASYNC_COMPLETED_OF_OCR_RESULT || iid == IID_AGILE_OBJECT) {
            *out = static_cast<IAsyncCompletedOfOcrResult*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE Invoke(IAsyncOperationOfOcrResult*, AsyncStatus) override {
        SetEvent(event_);
        return S_OK;
    }

private:
    ~CompletedHandler() = default;
    HANDLE event_;
    std::atomic<ULONG> refs_{1};
};

OcrOutcome<ComPtr<ILanguage>> make_language(std::string_view tag) {
    ComPtr<ILanguageFactory> factory;
    if (const HRESULT hr = cached_factory(LANGUAGE_FACTORY, LANGUAGE, IID_LANGUAGE_FACTORY, factory); FAILED(hr))
        return winrt_error(hr, factory_call(LANGUAGE));
    HString name;
    if (const HRESULT hr = make_hstring(to_wide(tag), name); FAILED(hr)) return winrt_error(hr, "WindowsCreateString");
    ComPtr<ILanguage> language;
    const HRESULT hr = factory->CreateLanguage(name.get(), language.GetAddressOf());
    if (std::optional<OcrError> e = check(hr, language.Get(), "Language.CreateLanguage")) return *e;
    return language;
}

// A string property read through its getter, owned from the start; UTF-8 with U+FFFD for an
// unpaired surrogate.
template <class Getter>
HRESULT read_hstring(Getter&& get, std::string& out) {
    HSTRING raw = nullptr;
    const HRESULT hr = get(&raw);
    const HString owned(raw);
    if (SUCCEEDED(hr)) out = utf16_text(owned.get());
    return hr;
}

std::optional<std::string> read_optional(HRESULT hr, std::string text) {
    if (FAILED(hr)) return std::nullopt;
    return text;
}

}  // namespace

std::string hresult_system_text(int32_t hresult) {
    const DWORD code = static_cast<DWORD>(hresult);
    if (!(code & 0x10000000u)) return system_message(code);
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   GetModuleHandleW(L"ntdll.dll"), code & ~0x10000000u, 0,
                                   reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text;
    if (n && buffer) text = from_wide(std::wstring_view(buffer, n));
    if (buffer) LocalFree(buffer);
    return text;
}

OcrError winrt_error(HRESULT hr, std::string_view call) {
    OcrError error{static_cast<int32_t>(hr), {}, std::string(call)};
    ComPtr<IErrorInfo> plain;
    IRestrictedErrorInfo* restricted_raw = nullptr;
    if (SUCCEEDED(GetRestrictedErrorInfo(&restricted_raw)) && restricted_raw) {
        ComPtr<IRestrictedErrorInfo> restricted;
        restricted.Attach(restricted_raw);
        BstrOwner description, restricted_text, sid;
        HRESULT code = S_OK;
        if (SUCCEEDED(restricted->GetErrorDetails(&description.s, &code, &restricted_text.s, &sid.s))) {
            error.info = bstr_text(restricted_text.s);
            if (error.info.empty()) error.info = bstr_text(description.s);
        }
        if (error.info.empty()) restricted.As(&plain);
    } else {
        IErrorInfo* raw = nullptr;
        if (GetErrorInfo(0, &raw) == S_OK && raw) plain.Attach(raw);
    }
    if (error.info.empty() && plain) {
        BstrOwner text;
        if (SUCCEEDED(plain->GetDescription(&text.s))) error.info = bstr_text(text.s);
    }
    return error;
}

void WinRtOcrPlatform::begin_thread() {
    // Another apartment already on this thread is fine: the calls below work in either.
    const HRESULT hr = RoInitialize(RO_INIT_MULTITHREADED);
    (void)hr;
}

OcrOutcome<std::unique_ptr<OcrBitmapHandle>> WinRtOcrPlatform::make_bitmap(std::span<const uint32_t> pixels,
                                                                           int32_t width, int32_t height) {
    ComPtr<IActivationFactory> writer_factory;
    if (const HRESULT hr = cached_factory(DATA_WRITER_FACTORY, DATA_WRITER, IID_ACTIVATION_FACTORY, writer_factory); FAILED(hr))
        return winrt_error(hr, factory_call(DATA_WRITER));
    ComPtr<IInspectable> instance;
    HRESULT hr = writer_factory->ActivateInstance(instance.GetAddressOf());
    if (std::optional<OcrError> e = check(hr, instance.Get(), "DataWriter activation")) return *e;
    ComPtr<IDataWriter> writer;
    hr = query(instance.Get(), IID_DATA_WRITER, writer);
    if (std::optional<OcrError> e = check(hr, writer.Get(), "DataWriter QueryInterface")) return *e;
    // The caller keeps the image below 2^30 pixels: the byte count fits 32 bits.
    const UINT32 bytes = static_cast<UINT32>(pixels.size() * sizeof(uint32_t));
    hr = writer->WriteBytes(bytes, reinterpret_cast<BYTE*>(const_cast<uint32_t*>(pixels.data())));
    if (FAILED(hr)) return winrt_error(hr, "DataWriter.WriteBytes");
    ComPtr<IBuffer> buffer;
    hr = writer->DetachBuffer(buffer.GetAddressOf());
    if (std::optional<OcrError> e = check(hr, buffer.Get(), "DataWriter.DetachBuffer")) return *e;

    ComPtr<ISoftwareBitmapStatics> statics;
    if (hr = cached_factory(BITMAP_STATICS, SOFTWARE_BITMAP, IID_SOFTWARE_BITMAP_STATICS, statics); FAILED(hr))
        return winrt_error(hr, factory_call(SOFTWARE_BITMAP));
    ComPtr<ISoftwareBitmap> bitmap;
    hr = statics->CreateCopyWithAlphaFromBuffer(buffer.Get(), PIXEL_FORMAT_BGRA8, width, height, ALPHA_PREMULTIPLIED,
                                                bitmap.GetAddressOf());
    if (std::optional<OcrError> e = check(hr, bitmap.Get(), "SoftwareBitmap.CreateCopyWithAlphaFromBuffer")) return *e;
    return std::unique_ptr<OcrBitmapHandle>(std::make_unique<WinRtBitmap>(std::move(bitmap)));
}

OcrOutcome<std::vector<OcrLanguageEntry>> WinRtOcrPlatform::recognizer_languages() {
    OcrOutcome<ComPtr<IOcrEngineStatics>> statics = engine_statics();
    if (!statics.ok()) return statics.error();
    ComPtr<IVectorView<ILanguage*>> list;
    const HRESULT hr = statics.value()->get_AvailableRecognizerLanguages(list.GetAddressOf());
    if (std::optional<OcrError> e = check(hr, list.Get(), "OcrEngine.AvailableRecognizerLanguages")) return *e;
    UINT32 size = 0;
    if (FAILED(list->get_Size(&size))) size = 0;
    std::vector<OcrLanguageEntry> entries;
    for (UINT32 i = 0; i < size; ++i) {
        ComPtr<ILanguage> language;
        if (FAILED(list->GetAt(i, language.GetAddressOf())) || !language) break;
        std::string tag, name;
        const HRESULT tag_hr = read_hstring([&](HSTRING* out) { return language->get_LanguageTag(out); }, tag);
        const HRESULT name_hr = read_hstring([&](HSTRING* out) { return language->get_DisplayName(out); }, name);
        entries.push_back({read_optional(tag_hr, std::move(tag)), read_optional(name_hr, std::move(name))});
    }
    return entries;
}

OcrOutcome<std::unique_ptr<OcrEngineHandle>> WinRtOcrPlatform::user_profile_engine() {
    OcrOutcome<ComPtr<IOcrEngineStatics>> statics = engine_statics();
    if (!statics.ok()) return statics.error();
    ComPtr<IOcrEngine> engine;
    const HRESULT hr = statics.value()->TryCreateFromUserProfileLanguages(engine.GetAddressOf());
    if (FAILED(hr)) return winrt_error(hr, "OcrEngine.TryCreateFromUserProfileLanguages");
    if (!engine) return std::unique_ptr<OcrEngineHandle>();
    return std::unique_ptr<OcrEngineHandle>(std::make_unique<WinRtEngine>(std::move(engine)));
}

OcrOutcome<std::string> WinRtOcrPlatform::engine_language_tag(OcrEngineHandle& handle) {
    ComPtr<ILanguage> language;
    HRESULT hr = static_cast<WinRtEngine&>(handle).engine->get_RecognizerLanguage(language.GetAddressOf());
    if (std::optional<OcrError> e = check(hr, language.Get(), "OcrEngine.RecognizerLanguage")) return *e;
    std::string tag;
    hr = read_hstring([&](HSTRING* out) { return language->get_LanguageTag(out); }, tag);
    if (FAILED(hr)) return winrt_error(hr, "Language.LanguageTag");
    return tag;
}

std::unique_ptr<OcrEngineHandle> WinRtOcrPlatform::engine_for_tag(std::string_view tag) {
    OcrOutcome<ComPtr<ILanguage>> language = make_language(tag);
    if (!language.ok()) return nullptr;
    OcrOutcome<ComPtr<IOcrEngineStatics>> statics = engine_statics();
    if (!statics.ok()) return nullptr;
    Boolean supported = 0;
    if (FAILED(statics.value()->IsLanguageSupported(language.value().Get(), &supported)) || !supported) return nullptr;
    ComPtr<IOcrEngine> engine;
    if (FAILED(statics.value()->TryCreateFromLanguage(language.value().Get(), engine.GetAddressOf())) || !engine)
        return nullptr;
    return std::make_unique<WinRtEngine>(std::move(engine));
}

std::optional<OcrError> wait_for_recognition(IAsyncOperationOfOcrResult& operation) {
    // Without its status the operation may still be running, and its results are not there yet.
    ComPtr<IAsyncInfo> info;
    HRESULT hr = query(&operation, IID_ASYNC_INFO, info);
    if (std::optional<OcrError> e = check(hr, info.Get(), "IAsyncOperation.QueryInterface(IAsyncInfo)")) return *e;
    AsyncStatus status = ASYNC_STARTED;
    if (hr = info->get_Status(&status); FAILED(hr)) return winrt_error(hr, "IAsyncInfo.Status");
    if (status == ASYNC_STARTED) {
        const Handle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        if (!done) return winrt_error(HRESULT_FROM_WIN32(GetLastError()), "CreateEventW");
        CompletedHandler* handler = new CompletedHandler(done.get());
        hr = operation.put_Completed(handler);
        handler->Release();
        if (FAILED(hr)) return winrt_error(hr, "IAsyncOperation.Completed");
        WaitForSingleObject(done.get(), INFINITE);
        if (hr = info->get_Status(&status); FAILED(hr)) return winrt_error(hr, "IAsyncInfo.Status");
    }
    if (status == ASYNC_ERROR) {
        HRESULT code = E_FAIL;
        info->get_ErrorCode(&code);
        return winrt_error(code, "OcrEngine.RecognizeAsync");
    }
    return std::nullopt;
}

OcrOutcome<std::vector<RawOcrLine>> WinRtOcrPlatform::recognize(OcrEngineHandle& engine, OcrBitmapHandle& bitmap) {
    ComPtr<IAsyncOperationOfOcrResult> operation;
    HRESULT hr = static_cast<WinRtEngine&>(engine).engine->RecognizeAsync(static_cast<WinRtBitmap&>(bitmap).bitmap.Get(),
                                                                          operation.GetAddressOf());
    if (std::optional<OcrError> e = check(hr, operation.Get(), "OcrEngine.RecognizeAsync")) return *e;
    if (std::optional<OcrError> e = wait_for_recognition(*operation.Get())) return *e;
    ComPtr<IOcrResult> result;
    hr = operation->GetResults(result.GetAddressOf());
    if (std::optional<OcrError> e = check(hr, result.Get(), "IAsyncOperation.GetResults")) return *e;

    ComPtr<IVectorView<IOcrLine*>> lines;
    hr = result->get_Lines(lines.GetAddressOf());
    if (std::optional<OcrError> e = check(hr, lines.Get(), "OcrResult.Lines")) return *e;
    std::vector<RawOcrLine> out;
    UINT32 line_count = 0;
    if (FAILED(lines->get_Size(&line_count))) line_count = 0;
    for (UINT32 i = 0; i < line_count; ++i) {
        ComPtr<IOcrLine> line;
        if (FAILED(lines->GetAt(i, line.GetAddressOf())) || !line) break;
        ComPtr<IVectorView<IOcrWord*>> words;
        if (FAILED(line->get_Words(words.GetAddressOf())) || !words) continue;
        UINT32 word_count = 0;
        if (FAILED(words->get_Size(&word_count))) word_count = 0;
        RawOcrLine raw;
        for (UINT32 k = 0; k < word_count; ++k) {
            ComPtr<IOcrWord> word;
            if (FAILED(words->GetAt(k, word.GetAddressOf())) || !word) break;
            RtRect box{};
            if (hr = word->get_BoundingRect(&box); FAILED(hr)) return winrt_error(hr, "OcrWord.BoundingRect");
            HSTRING text_raw = nullptr;
            hr = word->get_Text(&text_raw);
            const HString text(text_raw);
            if (FAILED(hr)) return winrt_error(hr, "OcrWord.Text");
            raw.push_back({std::u16string(units_of(hstring_view(text.get()))), box.X, box.Y, box.Width, box.Height});
        }
        out.push_back(std::move(raw));
    }
    return out;
}

std::string WinRtOcrPlatform::system_text(int32_t hresult) { return hresult_system_text(hresult); }
