#pragma once
// Platform-free rules behind the GDI+ text helpers.
#include <string>
#include <string_view>
#include <vector>

// The faces to try for outlined text, in order: the UI language's face, then "Segoe UI", then
// "Arial"; an empty face and repeats are left out.
std::vector<std::string> font_face_candidates(std::string_view ui_face);

// The lines of a text split at "\n"; a "\r" before the break is dropped. "" gives one empty line.
std::vector<std::string_view> split_text_lines(std::string_view text);

// The distance from one line's top to the next for a font of em_size, from the family's design
// units; em_size itself when the family reports no em height.
float line_advance(float em_size, unsigned line_spacing, unsigned em_height);
