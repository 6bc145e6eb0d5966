#pragma once
// One drawn item of the editor, stored the same way in pins. Coordinates are pixels of the
// image the annotation lies on (overlay pixels during a capture, pin pixels in a pin).
#include <cstdint>
#include <string>
#include <vector>

#include "annot/tool.h"

struct AnnotationPoint {
    float x = 0, y = 0;
    friend bool operator==(const AnnotationPoint&, const AnnotationPoint&) = default;
};

struct Annotation {
    // Two-point kinds: two corners or ends; Pen and freehand Highlighter and Mosaic: the path;
    // Text and Number: one point; a Line polyline: its vertices.
    std::vector<AnnotationPoint> points;
    std::string text;      // Text only, lines separated by "\n"
    uint32_t color = 0;    // ARGB
    float width = 1;       // stroke width; font size of Text; diameter of Number
    uint32_t number = 0;   // Number only
    bool filled = false;   // Rectangle and Ellipse
    bool boxed = false;    // Highlighter and Mosaic: a rectangle instead of a path
    bool blur = false;     // Mosaic: blurred instead of pixelated
    bool outline = false;  // Text: drawn with a contrasting outline
    Tool kind = Tool::Rectangle;
    friend bool operator==(const Annotation&, const Annotation&) = default;
};

// A rectangle in float pixels, right and bottom not included for hit tests.
struct BoxF {
    float l = 0, t = 0, r = 0, b = 0;
    friend bool operator==(const BoxF&, const BoxF&) = default;
};

// Highlighter and Mosaic without the box style follow the pointer's path.
inline bool is_freehand(const Annotation& a) {
    return a.kind == Tool::Pen || ((a.kind == Tool::Highlighter || a.kind == Tool::Mosaic) && !a.boxed);
}

// Kinds drawn in the box of their first and last points, resized by four corner handles.
inline bool has_corner_handles(const Annotation& a) {
    return a.kind == Tool::Rectangle || a.kind == Tool::Ellipse || a.kind == Tool::Spotlight ||
           ((a.kind == Tool::Highlighter || a.kind == Tool::Mosaic) && a.boxed);
}

inline bool holds_one_point(Tool kind) { return kind == Tool::Text || kind == Tool::Number; }

// The box of the first and last points (corner kinds), ordered; zero for no points.
BoxF corner_box(const Annotation& a);
// The box of all points; zero for no points.
BoxF points_box(const Annotation& a);
