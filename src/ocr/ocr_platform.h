#pragma once
// The engine boundary: what recognition needs from the platform's OCR engine. The shipped
// program implements it over the Windows OCR engine; tests give a scripted one. Every call
// may come from any worker thread. Platform-free.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A failed engine call: its HRESULT, the text of the error information it left on the thread
// (possibly empty), and the call's name for a message when nothing else has a text.
struct OcrError {
    enum class Kind : uint8_t { Call, NoRecognizer, ImageTooLarge };
    int32_t hresult = 0;
    std::string info;
    std::string call;
    Kind kind = Kind::Call;
};

template <class T>
class [[nodiscard]] OcrOutcome {
public:
    OcrOutcome(T value) : v_(std::in_place_index<0>, std::move(value)) {}
    OcrOutcome(OcrError error) : v_(std::in_place_index<1>, std::move(error)) {}
    bool ok() const { return v_.index() == 0; }
    T& value() { return std::get<0>(v_); }
    const T& value() const { return std::get<0>(v_); }
    const OcrError& error() const { return std::get<1>(v_); }

private:
    std::variant<T, OcrError> v_;
};

// Opaque handles of the platform's objects.
class OcrEngineHandle {
public:
    virtual ~OcrEngineHandle() = default;
};
class OcrBitmapHandle {
public:
    virtual ~OcrBitmapHandle() = default;
};

// An installed recogniser language as the platform lists it; either read may fail.
struct OcrLanguageEntry {
    std::optional<std::string> tag;
    std::optional<std::string> display_name;
};

// A word as the engine gives it: UTF-16 text and its box in pixels of the bitmap.
struct RawOcrWord {
    std::u16string text;
    float x = 0, y = 0, width = 0, height = 0;
};
using RawOcrLine = std::vector<RawOcrWord>;

class OcrPlatform {
public:
    virtual ~OcrPlatform() = default;
    // Once on each worker thread before anything else (the Windows runtime's apartment).
    virtual void begin_thread() = 0;
    // The bitmap every engine of one recognition reads. Pixels as in OcrImage.
    virtual OcrOutcome<std::unique_ptr<OcrBitmapHandle>> make_bitmap(std::span<const uint32_t> pixels, int32_t width,
                                                                     int32_t height) = 0;
    virtual OcrOutcome<std::vector<OcrLanguageEntry>> recognizer_languages() = 0;
    // The engine for the user's profile languages; null when there is none.
    virtual OcrOutcome<std::unique_ptr<OcrEngineHandle>> user_profile_engine() = 0;
    virtual OcrOutcome<std::string> engine_language_tag(OcrEngineHandle& engine) = 0;
    // None when the language is not installed, not supported, or any call fails.
    virtual std::unique_ptr<OcrEngineHandle> engine_for_tag(std::string_view tag) = 0;
    virtual OcrOutcome<std::vector<RawOcrLine>> recognize(OcrEngineHandle& engine, OcrBitmapHandle& bitmap) = 0;
    // The system's message for an HRESULT; empty when it has none.
    virtual std::string system_text(int32_t hresult) = 0;
};
