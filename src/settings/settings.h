#pragma once
// settings.ini: the record, its text form (parse, in-place update, template) and hotkey text.
// Platform-free; the file, the registry and the folders are in settings_win.h.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

inline constexpr uint32_t MOD_ALT_BIT = 1;
inline constexpr uint32_t MOD_CONTROL_BIT = 2;
inline constexpr uint32_t MOD_SHIFT_BIT = 4;
inline constexpr uint32_t MOD_WIN_BIT = 8;

struct Hotkey {
    uint32_t modifiers = 0;
    uint32_t vk = 0;
    friend bool operator==(const Hotkey&, const Hotkey&) = default;
};

// A hotkey's canonical text ("Ctrl+Shift+A") with its bits; absent when the hotkey is off.
struct HotkeySetting {
    std::string text;
    uint32_t modifiers = 0;
    uint32_t vk = 0;
    Hotkey hotkey() const { return {modifiers, vk}; }
    friend bool operator==(const HotkeySetting&, const HotkeySetting&) = default;
};

// A hotkey line whose text names no key combination (the hotkey is then off): the key as
// settings.ini names it and the text as written there.
struct UnreadHotkey {
    std::string key;
    std::string text;
    friend bool operator==(const UnreadHotkey&, const UnreadHotkey&) = default;
};

enum class CaptureEngine : uint8_t { Dxgi, Gdi };
enum class CaptureDetect : uint8_t { Window, Element };
enum class RecordFormat : uint8_t { Mp4, Gif };

struct Settings {
    std::optional<HotkeySetting> capture_hotkey;
    std::optional<HotkeySetting> pin_hotkey;
    std::optional<std::string> save_dir;
    CaptureEngine capture_engine = CaptureEngine::Dxgi;
    CaptureDetect capture_detect = CaptureDetect::Window;
    std::optional<HotkeySetting> capture_copy_hotkey;
    uint64_t history = 0;
    RecordFormat record_format = RecordFormat::Mp4;
    uint32_t record_fps = 0;
    bool record_cursor = false;
    std::string translate_to;
    std::string translate_url;
    std::string ocr_lang;
    // The hotkey texts that gave no hotkey, in the order capture, pin, capture and copy; an
    // empty text (off by choice) is not among them.
    std::vector<UnreadHotkey> unread_hotkeys;
    friend bool operator==(const Settings&, const Settings&) = default;
};
// The record above is the empty one (before the first load). The defaults for a missing key:
extern const char* const DEFAULT_TRANSLATE_URL;
Settings default_settings();

// The loader: UTF-8 text (any number of leading U+FEFF), one key=value per line.
// Text that is not valid UTF-8 as a whole gives the defaults.
Settings parse_settings_text(std::string_view text);
using SettingPairs = std::vector<std::pair<std::string, std::string>>;
// The pairs read into `settings` by the loader's rule for each key, as if they were the file's
// last lines; unknown keys change nothing.
void apply_setting_pairs(Settings& settings, const SettingPairs& pairs);
// The file's new text after setting the pairs: every line of a matching key is rewritten, a
// missing key is appended after the last non-blank line, lines joined with CR LF and a final
// CR LF, no byte-order mark. CR, LF and NUL are dropped from values and invalid UTF-8 in them
// is replaced, so a value stays one line. `old_text` absent means there is no file (the
// template is used).
std::string update_settings_text(const std::optional<std::string>& old_text,
                                 const std::vector<std::pair<std::string, std::string>>& pairs);

// The 26-line commented template written on first run (LF line ends).
extern const std::string_view SETTINGS_TEMPLATE;

// A key that update_settings_text can write and find again: valid UTF-8, not empty, no
// surrounding white space, no '=', CR, LF or NUL, not starting like a comment or with U+FEFF.
// Other pairs are skipped.
bool settings_key_is_valid(std::string_view key);
// Unsigned decimal with an optional leading '+'; none when empty, malformed or above `max`.
std::optional<uint64_t> parse_settings_number(std::string_view text, uint64_t max);

// The value settings.ini holds for a detection mode: "window" or "element".
std::string_view capture_detect_text(CaptureDetect detect);

std::optional<HotkeySetting> parse_hotkey(std::string_view text);
std::optional<HotkeySetting> key_name(uint32_t modifiers, uint32_t vk);
bool setting_is_false(std::string_view text);
