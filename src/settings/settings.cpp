#include <algorithm>
#include <charconv>

#include "settings/settings.h"
#include "util/text.h"

namespace {

constexpr std::string_view BOM = "\xEF\xBB\xBF";
constexpr uint64_t DEFAULT_HISTORY = 30;
constexpr uint64_t MAX_HISTORY = 500;
constexpr uint32_t DEFAULT_FPS = 30;
constexpr uint32_t MAX_FPS = 60;
// How much of a hotkey text that gives no hotkey is kept to be named in a notice.
constexpr size_t UNREAD_HOTKEY_UNITS = 40;

std::string_view skip_boms(std::string_view text) {
    while (starts_with(text, BOM)) text.remove_prefix(BOM.size());
    return text;
}

// Lines split at LF, one CR before each line end dropped.
std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t lf = text.find('\n', pos);
        if (lf == std::string_view::npos) lf = text.size();
        std::string_view line = text.substr(pos, lf - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        pos = lf + 1;
    }
    return lines;
}

struct KeyLine {
    std::string_view key;    // trimmed, case as written
    std::string_view rest;   // after the first '=', trimmed
};

// The key of a key=value line; none for blank lines, comments and lines without a key.
std::optional<KeyLine> key_line(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.empty() || t[0] == ';' || t[0] == '#') return std::nullopt;
    const size_t eq = t.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    const std::string_view key = trim(t.substr(0, eq));
    if (key.empty()) return std::nullopt;
    return KeyLine{key, trim(t.substr(eq + 1))};
}

// A value that keeps the file one valid UTF-8 line.
std::string clean_value(std::string_view value) {
    std::string v = is_valid_utf8(value) ? std::string(value) : utf16_to_utf8(utf8_to_utf16(value));
    std::erase_if(v, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
    return v;
}

}  // namespace

Settings default_settings() {
    Settings s;
    s.capture_hotkey = parse_hotkey("F1");
    s.pin_hotkey = parse_hotkey("F3");
    s.capture_engine = CaptureEngine::Dxgi;
    s.capture_detect = CaptureDetect::Element;
    s.history = DEFAULT_HISTORY;
    s.record_format = RecordFormat::Mp4;
    s.record_fps = DEFAULT_FPS;
    s.record_cursor = true;
    s.translate_url = DEFAULT_TRANSLATE_URL;
    return s;
}

bool setting_is_false(std::string_view text) { return iequals_ascii(text, "false"); }

std::optional<uint64_t> parse_settings_number(std::string_view text, uint64_t max) {
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    uint64_t n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n > max) return std::nullopt;
    return n;
}

namespace {

// The three hotkey keys in the order they are registered and reported.
constexpr std::string_view HOTKEY_KEYS[] = {"capture_hotkey", "pin_hotkey", "capture_copy_hotkey"};

std::optional<HotkeySetting>& hotkey_field(Settings& s, std::string_view key) {
    if (key == HOTKEY_KEYS[0]) return s.capture_hotkey;
    if (key == HOTKEY_KEYS[1]) return s.pin_hotkey;
    return s.capture_copy_hotkey;
}

// A hotkey key's final text: the field, and the list of texts that gave no hotkey.
void set_hotkey_text(Settings& s, std::string_view key, std::string_view text) {
    std::optional<HotkeySetting>& field = hotkey_field(s, key);
    field = parse_hotkey(text);
    std::erase_if(s.unread_hotkeys, [&](const UnreadHotkey& u) { return u.key == key; });
    if (field || text.empty()) return;
    // Kept short: it is only ever shown, and a runaway value must not ride along in every copy.
    const std::u16string units = utf8_to_utf16(text);
    std::string shown = utf16_to_utf8(truncate_utf16(units, UNREAD_HOTKEY_UNITS));
    if (units.size() > UNREAD_HOTKEY_UNITS) shown += "\xE2\x80\xA6";  // …
    s.unread_hotkeys.push_back({std::string(key), std::move(shown)});
    const auto rank = [](const UnreadHotkey& u) {
        return std::find(std::begin(HOTKEY_KEYS), std::end(HOTKEY_KEYS), u.key) - std::begin(HOTKEY_KEYS);
    };
    std::stable_sort(s.unread_hotkeys.begin(), s.unread_hotkeys.end(),
                     [&](const UnreadHotkey& a, const UnreadHotkey& b) { return rank(a) < rank(b); });
}

bool is_hotkey_key(std::string_view key) {
    return std::find(std::begin(HOTKEY_KEYS), std::end(HOTKEY_KEYS), key) != std::end(HOTKEY_KEYS);
}

// One key=value line by its key's rule. `raw` is the text after '=', trimmed. Hotkey keys are
// left to the caller, which parses each one's last text.
void apply_setting(Settings& s, const std::string& key, std::string_view raw) {
    const std::string_view value = trim(raw.substr(0, raw.find(';')));
    if (key == "save_dir") {
        if (!raw.empty()) s.save_dir = std::string(raw);
    } else if (key == "capture_engine") {
        s.capture_engine = iequals_ascii(raw, "gdi") ? CaptureEngine::Gdi : CaptureEngine::Dxgi;
    } else if (key == "capture_detect") {
        const std::string v = ascii_lower(value);
        s.capture_detect = (v == "window" || v == "windows") ? CaptureDetect::Window : CaptureDetect::Element;
    } else if (key == "history") {
        const auto n = parse_settings_number(raw, UINT64_MAX);
        s.history = n ? std::min(*n, MAX_HISTORY) : DEFAULT_HISTORY;
    } else if (key == "record_format") {
        s.record_format = iequals_ascii(value, "gif") ? RecordFormat::Gif : RecordFormat::Mp4;
    } else if (key == "record_fps") {
        const auto n = parse_settings_number(value, UINT32_MAX);
        s.record_fps = n ? static_cast<uint32_t>(std::clamp<uint64_t>(*n, 1, MAX_FPS)) : DEFAULT_FPS;
    } else if (key == "record_cursor") {
        s.record_cursor = value.size() == 1 ? value[0] != '0' : !setting_is_false(value);
    } else if (key == "translate_to") {
        s.translate_to = value;
    } else if (key == "translate_url") {
        if (raw.find("{text}") != std::string_view::npos) s.translate_url = raw;
    } else if (key == "ocr_lang") {
        s.ocr_lang = value;
    }
}

}  // namespace

Settings parse_settings_text(std::string_view text) {
    Settings s = default_settings();
    if (!is_valid_utf8(text)) return s;
    // The hotkeys are parsed once the whole file is read: the last line of each key counts.
    std::string hotkey_texts[] = {"F1", "F3", ""};
    for (const std::string_view line : split_lines(skip_boms(text))) {
        const auto kl = key_line(line);
        if (!kl) continue;
        const std::string key = ascii_lower(kl->key);
        if (is_hotkey_key(key)) {
            const auto at = std::find(std::begin(HOTKEY_KEYS), std::end(HOTKEY_KEYS), key) - std::begin(HOTKEY_KEYS);
            hotkey_texts[at] = kl->rest;
        } else {
            apply_setting(s, key, kl->rest);
        }
    }
    for (size_t i = 0; i < std::size(HOTKEY_KEYS); ++i) set_hotkey_text(s, HOTKEY_KEYS[i], hotkey_texts[i]);
    return s;
}

std::string_view capture_detect_text(CaptureDetect detect) {
    return detect == CaptureDetect::Element ? "element" : "window";
}

void apply_setting_pairs(Settings& s, const SettingPairs& pairs) {
    for (const auto& [key, value] : pairs) {
        if (!settings_key_is_valid(key)) continue;
        // As the file will hold it: one line, trimmed.
        const std::string line = key + "=" + clean_value(value);
        const auto kl = key_line(line);
        if (!kl) continue;
        const std::string k = ascii_lower(kl->key);
        if (is_hotkey_key(k)) set_hotkey_text(s, k, kl->rest);
        else apply_setting(s, k, kl->rest);
    }
}

bool settings_key_is_valid(std::string_view key) {
    if (key.empty() || trim(key).size() != key.size()) return false;
    if (key[0] == ';' || key[0] == '#') return false;
    // The loader strips U+FEFF at the start of the file, and reads nothing of a file that is not
    // UTF-8: such a key would be read back as another key, or lose every setting.
    if (starts_with(key, BOM) || !is_valid_utf8(key)) return false;
    return key.find_first_of(std::string_view("=\r\n\0", 4)) == std::string_view::npos;
}

std::string update_settings_text(const std::optional<std::string>& old_text,
                                 const std::vector<std::pair<std::string, std::string>>& pairs) {
    const std::string_view source = old_text ? std::string_view(*old_text) : SETTINGS_TEMPLATE;
    std::vector<std::string> lines;
    for (const std::string_view line : split_lines(skip_boms(source))) lines.emplace_back(line);
    while (!lines.empty() && trim(lines.back()).empty()) lines.pop_back();

    for (const auto& [key, value] : pairs) {
        if (!settings_key_is_valid(key)) continue;
        std::string new_line = key + "=" + clean_value(value);
        // Every line of the key: the loader takes the last one.
        bool found = false;
        for (std::string& line : lines) {
            const auto kl = key_line(line);
            if (kl && iequals_ascii(kl->key, key)) {
                line = new_line;
                found = true;
            }
        }
        if (!found) lines.push_back(std::move(new_line));
    }

    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}
