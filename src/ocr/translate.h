#pragma once
// The web translation page and recognised links. Platform-free.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Longer page addresses are not opened: the text goes to the clipboard instead.
inline constexpr size_t TRANSLATE_URL_MAX = 8000;

// The language to translate into: `translate_to`, else the UI language code; but "en" when
// that is Chinese and ideographs are more than half of the text's letters and digits.
std::string translate_target(std::string_view text, std::string_view translate_to, std::string_view lang_code);
// A–Z, a–z, 0–9 and "-_.~" as they are; every other byte of the UTF-8 text as %XX (upper case).
std::string percent_encode(std::string_view text);
// `translate_url` with "{to}" replaced by the target, then "{text}" by the encoded text.
std::string build_translate_url(std::string_view text, std::string_view translate_to, std::string_view translate_url,
                                std::string_view lang_code);

// The text as a link to open: trimmed of white space, starting with http:// or https:// in any
// case, and holding no white space; in its own case.
std::optional<std::string> text_as_url(std::string_view text);

// True when the page address may be opened (at most TRANSLATE_URL_MAX bytes).
inline bool translate_url_fits(std::string_view url) { return url.size() <= TRANSLATE_URL_MAX; }
