#include "ocr/ocr_recognize.h"

#include <cstdio>

#include "ocr/ocr_assemble.h"
#include "ocr/ocr_choose.h"
#include "strings/ui_strings.h"
#include "util/text.h"

namespace {

constexpr int32_t E_FAIL_CODE = static_cast<int32_t>(0x80004005u);
constexpr int32_t E_INVALIDARG_CODE = static_cast<int32_t>(0x80070057u);

// Tab, line feed, vertical tab, form feed, carriage return and space at the end go.
std::string_view trim_trailing_space(std::string_view text) {
    while (!text.empty()) {
        const char c = text.back();
        if (c != ' ' && c != '\t' && c != '\n' && c != '\v' && c != '\f' && c != '\r') break;
        text.remove_suffix(1);
    }
    return text;
}

OcrOutcome<std::vector<OcrLine>> recognize_lines(OcrPlatform& platform, OcrEngineHandle& engine,
                                                 OcrBitmapHandle& bitmap) {
    OcrOutcome<std::vector<RawOcrLine>> raw = platform.recognize(engine, bitmap);
    if (!raw.ok()) return raw.error();
    return lines_from_raw(raw.value());
}

}  // namespace

std::vector<OcrLine> lines_from_raw(const std::vector<RawOcrLine>& raw) {
    std::vector<OcrLine> lines;
    lines.reserve(raw.size());
    for (const RawOcrLine& raw_line : raw) {
        OcrLine line;
        for (const RawOcrWord& w : raw_line) {
            if (w.text.empty()) continue;
            line.words.push_back({utf16_to_utf8(w.text), w.x, w.y, w.width, w.height});
        }
        if (!line.words.empty()) lines.push_back(std::move(line));
    }
    return lines;
}

OcrOutcome<std::vector<OcrLine>> ocr_recognize(OcrPlatform& platform, std::span<const uint32_t> pixels, int32_t width,
                                               int32_t height, std::string_view tag) {
    platform.begin_thread();
    if (width > 0 && height > 0 && int64_t{width} * height >= OCR_MAX_PIXELS)
        return OcrError{0, {}, "image size", OcrError::Kind::ImageTooLarge};
    if (!OcrPixels{pixels, width, height}.valid())
        return OcrError{E_INVALIDARG_CODE, {}, "image of " + std::to_string(width) + "x" + std::to_string(height), OcrError::Kind::Call};

    OcrOutcome<std::unique_ptr<OcrBitmapHandle>> bitmap = platform.make_bitmap(pixels, width, height);
    if (!bitmap.ok()) return bitmap.error();
    OcrBitmapHandle& image = *bitmap.value();

    if (!tag.empty()) {
        if (std::unique_ptr<OcrEngineHandle> engine = platform.engine_for_tag(tag))
            return recognize_lines(platform, *engine, image);
    }

    OcrOutcome<std::vector<OcrLanguageEntry>> languages = platform.recognizer_languages();
    if (!languages.ok()) return languages.error();
    std::vector<std::string> tags;
    for (const OcrLanguageEntry& entry : languages.value())
        if (entry.tag) tags.push_back(*entry.tag);

    OcrOutcome<std::unique_ptr<OcrEngineHandle>> profile = platform.user_profile_engine();
    std::unique_ptr<OcrEngineHandle> primary_engine;
    std::string primary_tag;
    if (profile.ok() && profile.value()) {
        primary_engine = std::move(profile.value());
        OcrOutcome<std::string> language = platform.engine_language_tag(*primary_engine);
        if (!language.ok()) return language.error();
        primary_tag = std::move(language.value());
    } else {
        if (tags.empty()) {
            if (!profile.ok()) return profile.error();
            // Succeeded without an engine: no recogniser at all.
            return OcrError{0, {}, "OcrEngine.TryCreateFromUserProfileLanguages", OcrError::Kind::NoRecognizer};
        }
        primary_tag = tags.front();
        primary_engine = platform.engine_for_tag(primary_tag);
        if (!primary_engine) return OcrError{E_FAIL_CODE, {}, "OcrEngine for " + primary_tag, OcrError::Kind::Call};
    }

    OcrOutcome<std::vector<OcrLine>> primary = recognize_lines(platform, *primary_engine, image);
    if (!primary.ok()) return primary.error();

    std::vector<TaggedOcrResult> others;
    for (const std::string& other : tags) {
        if (iequals_ascii(other, primary_tag)) continue;
        std::unique_ptr<OcrEngineHandle> engine = platform.engine_for_tag(other);
        if (!engine) continue;
        OcrOutcome<std::vector<OcrLine>> lines = recognize_lines(platform, *engine, image);
        if (!lines.ok()) continue;  // another language's failure only leaves it out
        others.push_back({other, std::move(lines.value())});
    }
    if (others.empty()) return std::move(primary.value());
    return choose_best_ocr(primary_tag, primary.value(), others);
}

OcrTextResult run_ocr(OcrPlatform& platform, std::span<const uint32_t> pixels, int32_t width, int32_t height,
                      std::string_view tag) {
    OcrOutcome<std::vector<OcrLine>> lines = ocr_recognize(platform, pixels, width, height, tag);
    if (!lines.ok()) return make_error(ocr_error_message(lines.error(), platform), lines.error().hresult);
    AssembledText text = assemble_ocr_text(lines.value(), OcrPixels{pixels, width, height});
    return OcrText{std::move(text.assembled), std::move(text.lines)};
}

std::vector<OcrLanguage> ocr_list_languages(OcrPlatform& platform) {
    platform.begin_thread();
    OcrOutcome<std::vector<OcrLanguageEntry>> entries = platform.recognizer_languages();
    std::vector<OcrLanguage> languages;
    if (!entries.ok()) return languages;
    for (const OcrLanguageEntry& e : entries.value())
        if (e.tag && e.display_name) languages.push_back({*e.tag, *e.display_name});
    return languages;
}

std::string ocr_error_message(const OcrError& error, std::string_view system_text) {
    switch (error.kind) {
        case OcrError::Kind::NoRecognizer: return ui_text(OCR_NO_LANGUAGE);
        case OcrError::Kind::ImageTooLarge: return ui_text(OCR_IMAGE_TOO_LARGE);
        case OcrError::Kind::Call: break;
    }
    if (const std::string_view info = trim_trailing_space(error.info); !info.empty()) return std::string(info);
    char code[16];
    std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(error.hresult));
    // Code 0 is a call that succeeded without giving its object: the system's text for it
    // would read as success.
    if (error.hresult == 0) return error.call + " returned nothing (" + code + ")";
    if (const std::string_view text = trim_trailing_space(system_text); !text.empty()) return std::string(text);
    return error.call + " failed (" + code + ")";
}

std::string ocr_error_message(const OcrError& error, OcrPlatform& platform) {
    if (error.kind != OcrError::Kind::Call || !trim_trailing_space(error.info).empty() || error.hresult == 0)
        return ocr_error_message(error, std::string_view{});
    return ocr_error_message(error, platform.system_text(error.hresult));
}
