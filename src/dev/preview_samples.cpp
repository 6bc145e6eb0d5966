#include "dev/preview_samples.h"

#include <cmath>
#include <string>

namespace {
Annotation make(Tool kind, std::vector<AnnotationPoint> points, uint32_t color, float width) {
    Annotation a;
    a.kind = kind;
    a.points = std::move(points);
    a.color = color;
    a.width = width;
    return a;
}

Annotation styled(Annotation a, bool filled, bool boxed, bool blur, bool outline) {
    a.filled = filled;
    a.boxed = boxed;
    a.blur = blur;
    a.outline = outline;
    return a;
}

Annotation number(float x, float y, uint32_t n, uint32_t color) {
    Annotation a = make(Tool::Number, {{x, y}}, color, 30);
    a.number = n;
    return a;
}

Annotation text(float x, float y, std::string s, uint32_t color, bool outline = true) {
    Annotation a = styled(make(Tool::Text, {{x, y}}, color, 24), false, false, false, outline);
    a.text = std::move(s);
    return a;
}
}  // namespace

std::vector<Annotation> preview_annotations() {
    std::vector<AnnotationPoint> wave;
    for (int i = 0; i <= 24; ++i) {
        const float x = 20 + 10.0f * static_cast<float>(i);
        wave.push_back({x, 180 + 30 * std::sin(static_cast<float>(i) * 0.5f)});
    }
    return {
        make(Tool::Rectangle, {{20, 20}, {140, 100}}, 0xFFFF3B30, 4),
        styled(make(Tool::Rectangle, {{160, 20}, {280, 100}}, 0xFF007AFF, 4), true, false, false, false),
        make(Tool::Ellipse, {{300, 20}, {420, 100}}, 0xFF34C759, 7),
        styled(make(Tool::Ellipse, {{440, 20}, {560, 100}}, 0xFFFF9500, 4), true, false, false, false),
        make(Tool::Arrow, {{580, 100}, {720, 30}}, 0xFFAF52DE, 4),
        make(Tool::Line, {{740, 30}, {800, 100}, {860, 40}, {980, 90}}, 0xFF1C1C1E, 7),
        make(Tool::Pen, std::move(wave), 0xFFFF3B30, 4),
        make(Tool::Highlighter, {{290, 170}, {400, 160}, {520, 175}}, 0xFFFFCC00, 20),
        styled(make(Tool::Highlighter, {{540, 140}, {700, 200}}, 0xFF34C759, 20), false, true, false, false),
        number(750, 170, 1, 0xFFFF3B30),
        number(810, 170, 2, 0xFFFFFFFF),
        number(880, 170, 10, 0xFF007AFF),
        make(Tool::Line, {{915, 200}, {985, 145}}, 0xFF007AFF, 4),
        styled(make(Tool::Mosaic, {{20, 250}, {150, 380}}, 0xFFFF3B30, 30), false, true, false, false),
        styled(make(Tool::Mosaic, {{165, 250}, {295, 380}}, 0xFFFF3B30, 30), false, true, true, false),
        make(Tool::Mosaic, {{325, 270}, {370, 360}, {415, 280}}, 0xFFFF3B30, 30),
        styled(make(Tool::Mosaic, {{460, 360}, {505, 270}, {550, 355}}, 0xFFFF3B30, 30), false, false, true, false),
        text(580, 250, "\xE6\xA8\x99\xE8\xA8\xBB\xE6\x96\x87\xE5\xAD\x97 Text 123", 0xFFFF3B30),
        text(580, 300, "\xE7\x99\xBD\xE8\x89\xB2\xE5\xA4\x96\xE6\xA1\x86\nsecond line", 0xFFFFFFFF),
        text(580, 356, "Plain text", 0xFF1C1C1E, false),
        make(Tool::Spotlight, {{820, 250}, {980, 380}}, 0xFFFF3B30, 4),
    };
}
