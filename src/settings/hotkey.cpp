#include "settings/settings.h"
#include "util/text.h"

namespace {

struct KeyName {
    const char* name;
    uint32_t vk;
};

constexpr KeyName KEY_NAMES[] = {
    {"PrintScreen", 0x2C}, {"Pause", 0x13},      {"ScrollLock", 0x91},  {"Insert", 0x2D},
    {"Delete", 0x2E},      {"Home", 0x24},       {"End", 0x23},         {"PageUp", 0x21},
    {"PageDown", 0x22},    {"Up", 0x26},         {"Down", 0x28},        {"Left", 0x25},
    {"Right", 0x27},       {"Space", 0x20},      {"Enter", 0x0D},       {"`", 0xC0},
    {"-", 0xBD},           {"=", 0xBB},          {"[", 0xDB},           {"]", 0xDD},
    {"\\", 0xDC},          {";", 0xBA},          {"'", 0xDE},           {",", 0xBC},
    {".", 0xBE},           {"/", 0xBF},          {"NumMultiply", 0x6A}, {"NumAdd", 0x6B},
    {"NumSubtract", 0x6D}, {"NumDecimal", 0x6E}, {"NumDivide", 0x6F},
};
static_assert(sizeof KEY_NAMES / sizeof KEY_NAMES[0] == 31);

constexpr KeyName KEY_ALIASES[] = {
    {"INS", 0x2D},   {"DEL", 0x2E},   {"PGUP", 0x21},   {"PGDN", 0x22},
    {"PRTSC", 0x2C}, {"PRINT", 0x2C}, {"RETURN", 0x0D}, {"SNAPSHOT", 0x2C},
};

// Outcome of reading one key piece: a code, a refusal, or "not this form, try the next".
enum class Match { Key, Fail, Next };

Match numbered(std::string_view piece, std::string_view prefix, uint64_t lo, uint64_t hi,
               uint32_t base, uint32_t& vk) {
    if (!starts_with(piece, prefix)) return Match::Next;
    const auto n = parse_settings_number(piece.substr(prefix.size()), UINT64_MAX);
    if (!n) return Match::Next;
    if (*n < lo || *n > hi) return Match::Fail;
    vk = base + static_cast<uint32_t>(*n);
    return Match::Key;
}

// `piece` is trimmed and upper-cased.
std::optional<uint32_t> key_code(std::string_view piece) {
    if (piece.size() == 1) {
        const char c = piece[0];
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<uint32_t>(c);
    }
    if (piece == "~") return 0xC0;
    uint32_t vk = 0;
    Match m = numbered(piece, "F", 1, 24, 0x6F, vk);
    if (m == Match::Next) m = numbered(piece, "NUM", 0, 9, 0x60, vk);
    if (m == Match::Key) return vk;
    if (m == Match::Fail) return std::nullopt;
    for (const KeyName& k : KEY_ALIASES)
        if (piece == k.name) return k.vk;
    for (const KeyName& k : KEY_NAMES)
        if (iequals_ascii(piece, k.name)) return k.vk;
    return std::nullopt;
}

}  // namespace

std::optional<HotkeySetting> parse_hotkey(std::string_view text) {
    uint32_t modifiers = 0;
    std::optional<uint32_t> key;
    for (size_t pos = 0; pos <= text.size();) {
        size_t plus = text.find('+', pos);
        if (plus == std::string_view::npos) plus = text.size();
        const std::string piece = ascii_upper(trim(text.substr(pos, plus - pos)));
        pos = plus + 1;
        if (piece.empty()) continue;
        if (piece == "ALT") modifiers |= MOD_ALT_BIT;
        else if (piece == "CTRL" || piece == "CONTROL") modifiers |= MOD_CONTROL_BIT;
        else if (piece == "SHIFT") modifiers |= MOD_SHIFT_BIT;
        else if (piece == "WIN" || piece == "WINDOWS") modifiers |= MOD_WIN_BIT;
        else {
            if (key) return std::nullopt;
            key = key_code(piece);
            if (!key) return std::nullopt;
        }
    }
    if (!key) return std::nullopt;
    return key_name(modifiers, *key);
}

std::optional<HotkeySetting> key_name(uint32_t modifiers, uint32_t vk) {
    std::string part;
    if ((vk >= 0x30 && vk <= 0x39) || (vk >= 0x41 && vk <= 0x5A)) {
        part = std::string(1, static_cast<char>(vk));
    } else if (vk >= 0x60 && vk <= 0x69) {
        part = "Num" + std::to_string(vk - 0x60);
    } else if (vk >= 0x70 && vk <= 0x87) {
        part = "F" + std::to_string(vk - 0x6F);
    } else {
        for (const KeyName& k : KEY_NAMES)
            if (k.vk == vk) part = k.name;
        if (part.empty()) return std::nullopt;
    }
    std::string text;
    if (modifiers & MOD_CONTROL_BIT) text += "Ctrl+";
    if (modifiers & MOD_ALT_BIT) text += "Alt+";
    if (modifiers & MOD_SHIFT_BIT) text += "Shift+";
    if (modifiers & MOD_WIN_BIT) text += "Win+";
    text += part;
    return HotkeySetting{std::move(text), modifiers, vk};
}
