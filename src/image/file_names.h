#pragma once
// File-name rules of saved images and of the history folder. Platform-free.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Local date and time fields as the clock gives them.
struct DateTimeFields {
    uint16_t year = 0, month = 0, day = 0;
    uint16_t hour = 0, minute = 0, second = 0;
};

// "Ormick_YYYYMMDD_HHMMSS".
std::string name_stem(const DateTimeFields& t);

// The file name's extension, ASCII lower-cased, without the dot; empty when there is none.
// None: no dot, the only dot is the first character (".png"), the name "..", or text that is not
// valid UTF-8. The file name is what follows the last '\' or '/'.
std::string file_extension(std::string_view path);

enum class ImageFormat : uint8_t { Png, Jpeg, Pdf };
// jpg/jpeg and pdf by extension; everything else, no extension included, is PNG.
ImageFormat image_format_for_path(std::string_view path);

// stem + "." + ext, or stem + "_N." + ext with N = 2, 3, … for the first name that does not exist.
// The stem may carry a folder in front.
std::string next_free_name(std::string_view stem, std::string_view ext,
                           const std::function<bool(const std::string&)>& exists);

// The Save As filter list: label, NUL, pattern, NUL for PNG, JPEG and PDF, then a second NUL.
std::wstring build_filter_string(std::string_view png_label, std::string_view jpeg_label,
                                 std::string_view pdf_label);

// stem + "_" + three-digit milliseconds + ".png".
std::string history_file_name(std::string_view stem, uint32_t millis);
// The millisecond part of a FILETIME value (100 ns units since 1601); 0 before 1970.
uint32_t millis_from_filetime(uint64_t filetime);
// True when the extension, by the rule above, is "png" in any ASCII case.
bool is_png_name(std::string_view name);
// Ordinal (byte) order, which is the order the history names were written in.
void sort_ordinal(std::vector<std::string>& paths);
// The entries to delete from an ascending list so that `keep` remain: the oldest ones.
std::vector<std::string> files_to_prune(const std::vector<std::string>& sorted, uint64_t keep);
