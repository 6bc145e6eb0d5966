#pragma once
// The engine boundary over the Windows OCR engine (Windows.Media.Ocr) and its helpers from
// Windows.Globalization, Windows.Graphics.Imaging and Windows.Storage.Streams.
#include <windows.h>

#include <optional>
#include <string_view>

#include "ocr/ocr_platform.h"

namespace oxel_winrt {
struct IAsyncOperationOfOcrResult;
}

class WinRtOcrPlatform final : public OcrPlatform {
public:
    void begin_thread() override;
    OcrOutcome<std::unique_ptr<OcrBitmapHandle>> make_bitmap(std::span<const uint32_t> pixels, int32_t width,
                                                             int32_t height) override;
    OcrOutcome<std::vector<OcrLanguageEntry>> recognizer_languages() override;
    OcrOutcome<std::unique_ptr<OcrEngineHandle>> user_profile_engine() override;
    OcrOutcome<std::string> engine_language_tag(OcrEngineHandle& engine) override;
    std::unique_ptr<OcrEngineHandle> engine_for_tag(std::string_view tag) override;
    OcrOutcome<std::vector<RawOcrLine>> recognize(OcrEngineHandle& engine, OcrBitmapHandle& bitmap) override;
    std::string system_text(int32_t hresult) override;
};

// Waits until a recognition has finished. Its failure, or a status that cannot be read, is an
// error naming the call.
std::optional<OcrError> wait_for_recognition(oxel_winrt::IAsyncOperationOfOcrResult& operation);
// The failure of a call with what the thread's error information says about it.
OcrError winrt_error(HRESULT hr, std::string_view call);
// The system's message for an HRESULT; codes with the 0x10000000 bit are NTSTATUS values,
// whose texts ntdll.dll holds. Empty when there is none.
std::string hresult_system_text(int32_t hresult);
