#pragma once
// The OCR result window's text handling and language-box decisions. Platform-free.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Text for the edit control: each line break becomes CR LF (a CR LF already there stays one).
std::string to_edit_text(std::string_view text);
// Text from the edit control: each CR LF becomes a line break.
std::string from_edit_text(std::string_view text);

// What Copy, Translate and Open link take from the edit: its text up to the first NUL, the
// selected part when start < end and end lies within it (EM_GETSEL, UTF-16 units), otherwise
// all of it; as UTF-8 (an unpaired surrogate becomes U+FFFD) with line breaks as "\n".
std::string edit_text_taken(std::u16string_view text, uint32_t sel_start, uint32_t sel_end);

// A language box item: display name, two spaces, then the tag in parentheses.
std::string language_item_text(std::string_view display_name, std::string_view tag);
// The item chosen at first: 1 + the position of the last tag equal to ocr_lang without regard
// to ASCII case; 0 ("Automatic") when none is.
size_t initial_language_index(const std::vector<std::string>& tags, std::string_view ocr_lang);

enum class LanguageChange : uint8_t { Nothing, AddLanguage, Rerun };
// What choosing item `sel` (CB_GETCURSEL, negative for CB_ERR) does, given the number of tags,
// the item chosen last and whether the window has an image to recognise again.
LanguageChange language_change(int64_t sel, size_t tag_count, size_t selected_index, bool has_image);
// The tag a re-run uses for item `sel` of a Rerun: "" (automatic) for item 0.
std::string language_tag_of(const std::vector<std::string>& tags, size_t sel);
