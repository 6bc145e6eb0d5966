#include "image/file_names.h"

#include <algorithm>
#include <cstdio>

#include "util/text.h"

std::string name_stem(const DateTimeFields& t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "Ormick_%04u%02u%02u_%02u%02u%02u", unsigned{t.year},
                  unsigned{t.month}, unsigned{t.day}, unsigned{t.hour}, unsigned{t.minute},
                  unsigned{t.second});
    return buf;
}

std::string file_extension(std::string_view path) {
    const size_t sep = path.find_last_of("\\/");
    const std::string_view name = sep == std::string_view::npos ? path : path.substr(sep + 1);
    if (name == "..") return {};
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    const std::string_view ext = name.substr(dot + 1);
    if (!is_valid_utf8(ext)) return {};
    return ascii_lower(ext);
}

ImageFormat image_format_for_path(std::string_view path) {
    const std::string ext = file_extension(path);
    if (ext == "jpg" || ext == "jpeg") return ImageFormat::Jpeg;
    if (ext == "pdf") return ImageFormat::Pdf;
    return ImageFormat::Png;
}

std::string next_free_name(std::string_view stem, std::string_view ext,
                           const std::function<bool(const std::string&)>& exists) {
    std::string dotted_ext = ".";
    dotted_ext.append(ext);
    std::string candidate = std::string(stem) + dotted_ext;
    for (uint64_t n = 2; exists(candidate); ++n) {
        candidate = std::string(stem) + "_" + std::to_string(n) + dotted_ext;
    }
    return candidate;
}

std::wstring build_filter_string(std::string_view png_label, std::string_view jpeg_label,
                                 std::string_view pdf_label) {
    std::wstring filter;
    const auto add = [&filter](std::string_view text) {
        filter += to_wide(text);
        filter.push_back(L'\0');
    };
    add(png_label);
    add("*.png");
    add(jpeg_label);
    add("*.jpg;*.jpeg");
    add(pdf_label);
    add("*.pdf");
    filter.push_back(L'\0');
    return filter;
}

std::string history_file_name(std::string_view stem, uint32_t millis) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "_%03u.png", static_cast<unsigned>(millis % 1000));
    return std::string(stem) + buf;
}

uint32_t millis_from_filetime(uint64_t filetime) {
    constexpr uint64_t UNIX_EPOCH = 116444736000000000ull;
    if (filetime < UNIX_EPOCH) return 0;
    return static_cast<uint32_t>((filetime - UNIX_EPOCH) % 10000000ull / 10000ull);
}

bool is_png_name(std::string_view name) { return file_extension(name) == "png"; }

void sort_ordinal(std::vector<std::string>& paths) {
    // std::string compares as unsigned bytes.
    std::sort(paths.begin(), paths.end());
}

std::vector<std::string> files_to_prune(const std::vector<std::string>& sorted, uint64_t keep) {
    if (sorted.size() <= keep) return {};
    const size_t excess = sorted.size() - static_cast<size_t>(keep);
    return std::vector<std::string>(sorted.begin(), sorted.begin() + static_cast<ptrdiff_t>(excess));
}
