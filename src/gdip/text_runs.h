#pragma once
// Splitting text into runs that one font family can draw: the UI font has no Chinese,
// Japanese, Korean, Thai, Indic or emoji glyphs, so each such run gets a family that has them,
// picked by script the way the system's own fallback picks them. Platform-free.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

enum class FontSlot : uint8_t {
    Base,                // the UI font: Latin, Greek, Cyrillic, Arabic, Hebrew and the rest
    SimplifiedChinese,
    TraditionalChinese,
    Japanese,
    Korean,
    Thai,
    Indic,
    Emoji,
};
inline constexpr size_t FONT_SLOT_COUNT = 8;

struct TextRun {
    size_t begin = 0, end = 0;  // byte offsets into the line
    FontSlot slot = FontSlot::Base;
    friend bool operator==(const TextRun&, const TextRun&) = default;
};

// Which family Han characters take in this text: Japanese beside kana, Korean beside Hangul,
// otherwise the UI language's (Traditional Chinese for zh-TW, Japanese for ja, Korean for ko,
// Simplified Chinese for every other language).
FontSlot han_slot(std::string_view text, std::string_view ui_lang);

// The runs of one line, in order, covering it whole. Spaces, digits, punctuation and combining
// marks stay in the run they follow (at the start, the one they precede); CJK punctuation and
// full-width forms join a CJK run, else take `han`. Invalid UTF-8 bytes count as Base.
std::vector<TextRun> split_text_runs(std::string_view line, FontSlot han);

// The faces to try for a slot, best first (Windows' own UI fonts for each script); empty for
// Base, which uses the UI font.
std::span<const std::string_view> slot_faces(FontSlot slot);
