#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "annot/geometry.h"
#include "dev/preview_samples.h"

TEST(PreviewSamples, EveryKindAboveTheToolbarStrip) {
    const std::vector<Annotation> samples = preview_annotations();
    std::set<Tool> kinds;
    std::set<std::string> texts;
    for (const Annotation& a : samples) {
        kinds.insert(a.kind);
        if (a.kind == Tool::Text) texts.insert(a.text);
        const Rect r = paint_bounds(a, nullptr);
        EXPECT_GE(r.l, 0);
        EXPECT_GE(r.t, 0);
        EXPECT_LE(r.r, 1000);
        EXPECT_LE(r.b, 392);
    }
    EXPECT_EQ(kinds.size(), 10u);
    // Every style of every kind that has one: filled, boxed, blurred, outlined, and a Line of
    // two points as well as a polyline.
    using Style = std::tuple<Tool, bool, bool, bool, bool, bool>;
    std::set<Style> styles;
    for (const Annotation& a : samples)
        styles.insert({a.kind, a.filled, a.boxed, a.blur, a.outline, a.kind == Tool::Line && a.points.size() > 2});
    const Style wanted[] = {
        {Tool::Rectangle, false, false, false, false, false}, {Tool::Rectangle, true, false, false, false, false},
        {Tool::Ellipse, false, false, false, false, false},   {Tool::Ellipse, true, false, false, false, false},
        {Tool::Line, false, false, false, false, false},      {Tool::Line, false, false, false, false, true},
        {Tool::Highlighter, false, false, false, false, false}, {Tool::Highlighter, false, true, false, false, false},
        {Tool::Mosaic, false, false, false, false, false},    {Tool::Mosaic, false, false, true, false, false},
        {Tool::Mosaic, false, true, false, false, false},     {Tool::Mosaic, false, true, true, false, false},
        {Tool::Text, false, false, false, false, false},      {Tool::Text, false, false, false, true, false},
    };
    for (const Style& w : wanted)
        EXPECT_TRUE(styles.count(w)) << "kind " << static_cast<int>(std::get<0>(w)) << " filled " << std::get<1>(w)
                                     << " boxed " << std::get<2>(w) << " blur " << std::get<3>(w) << " outline "
                                     << std::get<4>(w) << " polyline " << std::get<5>(w);
    EXPECT_TRUE(texts.count("\xE6\xA8\x99\xE8\xA8\xBB\xE6\x96\x87\xE5\xAD\x97 Text 123"));
    EXPECT_TRUE(texts.count("\xE7\x99\xBD\xE8\x89\xB2\xE5\xA4\x96\xE6\xA1\x86\nsecond line"));
}
