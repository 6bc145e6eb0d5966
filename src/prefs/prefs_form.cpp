#include "prefs/prefs_form.h"

#include <algorithm>

#include "util/text.h"

namespace {

struct TranslateLanguage {
    const char* name;
    const char* code;
};
// The order of the box.
constexpr TranslateLanguage TRANSLATE_LANGUAGES[] = {
    {"\xE7\xB9\x81\xE9\xAB\x94\xE4\xB8\xAD\xE6\x96\x87", "zh-TW"},  // 繁體中文
    {"\xE7\xAE\x80\xE4\xBD\x93\xE4\xB8\xAD\xE6\x96\x87", "zh-CN"},  // 简体中文
    {"English", "en"},
    {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", "ja"},          // 日本語
    {"\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4", "ko"},          // 한국어
    {"Fran\xC3\xA7" "ais", "fr"},
    {"Deutsch", "de"},
    {"Espa\xC3\xB1ol", "es"},
    {"\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9", "ru"},  // Русский
    {"Portugu\xC3\xAAs", "pt"},
};

}  // namespace

std::string read_number_text(std::string_view field, uint64_t current, uint64_t minimum, uint64_t maximum) {
    const uint64_t n = parse_settings_number(trim(field), UINT32_MAX).value_or(current);
    return std::to_string(std::clamp(n, minimum, std::max(minimum, maximum)));
}

TranslateList translate_list(std::string_view same_as_ui, std::string_view translate_to) {
    TranslateList list;
    list.items.emplace_back(same_as_ui);
    list.codes.emplace_back();
    for (const TranslateLanguage& language : TRANSLATE_LANGUAGES) {
        list.items.push_back(std::string(language.name) + "  (" + language.code + ")");
        list.codes.emplace_back(language.code);
    }
    const std::string_view wanted = trim(translate_to);
    const auto found = std::find_if(list.codes.begin(), list.codes.end(),
                                    [&](const std::string& code) { return iequals_ascii(code, wanted); });
    if (found != list.codes.end()) {
        list.selected = static_cast<size_t>(found - list.codes.begin());
    } else {
        list.items.emplace_back(wanted);
        list.codes.emplace_back(wanted);
        list.selected = list.codes.size() - 1;
    }
    return list;
}

std::string translate_code_at(const std::vector<std::string>& codes, int64_t selection) {
    const auto index = static_cast<uint64_t>(std::max<int64_t>(selection, 0));
    return index < codes.size() ? codes[index] : std::string();
}

size_t detect_item(CaptureDetect detect) { return detect == CaptureDetect::Element ? 0 : 1; }

CaptureDetect detect_of_item(int64_t item) { return item == 0 ? CaptureDetect::Element : CaptureDetect::Window; }

SettingPairs build_save_pairs(const PrefsForm& form, const Settings& current, const std::vector<std::string>& codes) {
    const auto slot_text = [&](int slot) { return form.slots[slot] ? form.slots[slot]->text : std::string(); };
    return {
        {"capture_hotkey", slot_text(0)},
        {"capture_copy_hotkey", slot_text(1)},
        {"pin_hotkey", slot_text(2)},
        {"save_dir", std::string(trim(form.save_dir))},
        {"history", read_number_text(form.history, current.history, 0, 500)},
        {"capture_engine", form.low_memory ? "gdi" : "dxgi"},
        {"capture_detect", std::string(capture_detect_text(detect_of_item(form.detect)))},
        {"record_format", form.record_format == 1 ? "gif" : "mp4"},
        {"record_fps", read_number_text(form.record_fps, current.record_fps, 1, 60)},
        {"record_cursor", form.record_cursor ? "1" : "0"},
        {"translate_to", translate_code_at(codes, form.translate)},
    };
}
