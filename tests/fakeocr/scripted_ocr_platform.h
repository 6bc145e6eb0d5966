#pragma once
// A stand-in for the platform's OCR engine, driven by a small script (format in SCRIPT.md
// beside this file). Portable: native tests use it directly, and the test-only
// ormick-oxel-fakeocr.exe links it in place of the Windows adapter. Immutable once loaded,
// so any number of worker threads may use it; every call is written to debug_log.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ocr/ocr_platform.h"
#include "util/result.h"

struct OcrScript {
    struct Failure {
        int32_t hresult = 0;
        std::string info;
    };
    struct Engine {
        bool missing = false;
        int delay_ms = 0;
        std::vector<RawOcrLine> lines;
    };
    std::vector<OcrLanguageEntry> languages;
    std::optional<std::string> profile;             // the user-profile engine's language
    std::map<std::string, Engine> engines;          // by lower-case tag
    std::map<std::string, Failure> failures;        // by operation
    std::map<int32_t, std::string> system_texts;
    std::optional<std::pair<int32_t, int32_t>> source;  // boxes given in source pixels

    static Result<OcrScript> parse(std::string_view text);
    static Result<OcrScript> load(const std::string& path);
};

class ScriptedOcrPlatform final : public OcrPlatform {
public:
    explicit ScriptedOcrPlatform(OcrScript script) : script_(std::move(script)) {}
    // Every operation fails with this text (a script that could not be loaded).
    explicit ScriptedOcrPlatform(std::string broken) : broken_(std::move(broken)) {}

    void begin_thread() override;
    OcrOutcome<std::unique_ptr<OcrBitmapHandle>> make_bitmap(std::span<const uint32_t> pixels, int32_t width,
                                                             int32_t height) override;
    OcrOutcome<std::vector<OcrLanguageEntry>> recognizer_languages() override;
    OcrOutcome<std::unique_ptr<OcrEngineHandle>> user_profile_engine() override;
    OcrOutcome<std::string> engine_language_tag(OcrEngineHandle& engine) override;
    std::unique_ptr<OcrEngineHandle> engine_for_tag(std::string_view tag) override;
    OcrOutcome<std::vector<RawOcrLine>> recognize(OcrEngineHandle& engine, OcrBitmapHandle& bitmap) override;
    std::string system_text(int32_t hresult) override;

private:
    std::optional<OcrError> injected(const std::string& operation) const;
    bool has_engine(const std::string& lower_tag) const;

    OcrScript script_;
    std::optional<std::string> broken_;
};
