#include "gdip/gdip_text.h"

#include <algorithm>

std::vector<std::string> font_face_candidates(std::string_view ui_face) {
    std::vector<std::string> faces;
    for (std::string_view face : {ui_face, std::string_view("Segoe UI"), std::string_view("Arial")}) {
        if (face.empty() || std::find(faces.begin(), faces.end(), face) != faces.end()) continue;
        faces.emplace_back(face);
    }
    return faces;
}

std::vector<std::string_view> split_text_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (;;) {
        const size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (nl == std::string_view::npos) break;
        text.remove_prefix(nl + 1);
    }
    return lines;
}

float line_advance(float em_size, unsigned line_spacing, unsigned em_height) {
    if (em_height == 0 || line_spacing == 0) return em_size;
    return em_size * static_cast<float>(line_spacing) / static_cast<float>(em_height);
}
