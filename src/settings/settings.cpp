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

Settings parse_settings_text(std::string_view text) {
    Settings s = default_settings();
    if (!is_valid_utf8(text)) return s;
    // The two main hotkeys are parsed once the whole file is read.
    std::string capture_text = "F1";
    std::string pin_text = "F3";
    for (const std::string_view line : split_lines(skip_boms(text))) {
        const auto kl = key_line(line);
        if (!kl) continue;
        const std::string key = ascii_lower(kl->key);
        const std::string_view raw = kl->rest;
        const std::string_view value = trim(raw.substr(0, raw.find(';')));
        if (key == "capture_hotkey") {
            capture_text = raw;
        } else if (key == "pin_hotkey") {
            pin_text = raw;
        } else if (key == "capture_copy_hotkey") {
            s.capture_copy_hotkey = parse_hotkey(raw);
        } else if (key == "save_dir") {
            if (!raw.empty()) s.save_dir = std::string(raw);
        } else if (key == "capture_engine") {
            s.capture_engine = iequals_ascii(raw, "gdi") ? CaptureEngine::Gdi : CaptureEngine::Dxgi;
        } else if (key == "capture_detect") {
            const std::string v = ascii_lower(value);
            s.capture_detect = (v == "window" || v == "windows") ? CaptureDetect::Window
                                                                  : CaptureDetect::Element;
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
    s.capture_hotkey = parse_hotkey(capture_text);
    s.pin_hotkey = parse_hotkey(pin_text);
    return s;
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
