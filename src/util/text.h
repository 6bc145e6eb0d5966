#pragma once
// Text is held as UTF-8 and converted to UTF-16 at each Win32 call.
#include <cstddef>
#include <string>
#include <string_view>

// UTF-8 to UTF-16; each invalid byte becomes U+FFFD. Embedded NULs are kept.
std::u16string utf8_to_utf16(std::string_view text);
// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string utf16_to_utf8(std::u16string_view text);
// UTF-8 to code points; each invalid byte becomes U+FFFD.
std::u32string utf8_to_utf32(std::string_view text);
// Code points to UTF-8; a surrogate or a value beyond U+10FFFF becomes U+FFFD.
std::string utf32_to_utf8(std::u32string_view text);
// True when the bytes are valid UTF-8 as a whole.
bool is_valid_utf8(std::string_view text);

// The UTF-16 units of the text in a wstring (c_str() gives the terminating NUL unit).
// On Windows wchar_t is one UTF-16 unit; elsewhere each wchar_t holds one unit as a number.
std::wstring to_wide(std::string_view text);
std::string from_wide(std::wstring_view text);

// The first max_units UTF-16 units (a surrogate pair is never split).
std::u16string truncate_utf16(std::u16string_view text, size_t max_units);

// Unicode White_Space trimming (U+FEFF is not white space).
std::string_view trim(std::string_view text);
std::string_view trim_start(std::string_view text);
std::string_view trim_end(std::string_view text);

char ascii_lower(char c);
std::string ascii_lower(std::string_view text);
std::string ascii_upper(std::string_view text);
bool iequals_ascii(std::string_view a, std::string_view b);
bool starts_with(std::string_view text, std::string_view prefix);

// Every occurrence of `from` replaced by `to`.
std::string replace_all(std::string_view text, std::string_view from, std::string_view to);

// The text in double quotes, with \\, \", \n, \r, \t and \u{XX} escapes (for log lines).
std::string quoted_escaped(std::string_view text);
