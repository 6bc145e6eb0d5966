#include "ocr/ocr_window_text.h"

#include "util/text.h"

std::string to_edit_text(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        // A CR LF (a QR code may hold one) is already a line break for the edit; doubling its CR
        // would show a stray mark.
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

std::string from_edit_text(std::string_view text) { return replace_all(text, "\r\n", "\n"); }

std::string edit_text_taken(std::u16string_view text, uint32_t sel_start, uint32_t sel_end) {
    text = text.substr(0, text.find(u'\0'));
    if (sel_start < sel_end && sel_end <= text.size()) text = text.substr(sel_start, sel_end - sel_start);
    return from_edit_text(utf16_to_utf8(text));
}

std::string language_item_text(std::string_view display_name, std::string_view tag) {
    std::string out(display_name);
    out += "  (";
    out += tag;
    out += ')';
    return out;
}

size_t initial_language_index(const std::vector<std::string>& tags, std::string_view ocr_lang) {
    size_t index = 0;
    for (size_t i = 0; i < tags.size(); ++i)
        if (iequals_ascii(tags[i], ocr_lang)) index = i + 1;
    return index;
}

LanguageChange language_change(int64_t sel, size_t tag_count, size_t selected_index, bool has_image) {
    if (sel >= 0 && static_cast<uint64_t>(sel) == tag_count + 1) return LanguageChange::AddLanguage;
    if (!has_image || sel < 0 || static_cast<uint64_t>(sel) > tag_count) return LanguageChange::Nothing;
    if (static_cast<uint64_t>(sel) == selected_index) return LanguageChange::Nothing;
    return LanguageChange::Rerun;
}

std::string language_tag_of(const std::vector<std::string>& tags, size_t sel) {
    return sel == 0 || sel > tags.size() ? std::string() : tags[sel - 1];
}
