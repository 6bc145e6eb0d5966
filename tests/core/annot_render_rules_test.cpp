#include <gtest/gtest.h>

#include "annot/render_rules.h"

namespace {
Annotation of(Tool kind, size_t points = 2) {
    Annotation a;
    a.kind = kind;
    a.points.assign(points, {1, 2});
    return a;
}
}  // namespace

TEST(RenderPlan, ThreeStepsWithTheDrawnOneLastInItsStep) {
    const std::vector<Annotation> list = {of(Tool::Mosaic), of(Tool::Rectangle), of(Tool::Spotlight),
                                          of(Tool::Rectangle, 0), of(Tool::Text, 1), of(Tool::Mosaic)};
    const Annotation drawn = of(Tool::Rectangle);
    const RenderPlan plan = plan_render(list, &drawn);
    // The Rectangle being drawn lies above the Rectangles but below every Mosaic.
    EXPECT_EQ(plan.shapes, (std::vector<const Annotation*>{&list[1], &list[4], &drawn}));
    EXPECT_EQ(plan.mosaics, (std::vector<const Annotation*>{&list[0], &list[5]}));
    EXPECT_EQ(plan.spotlights, (std::vector<const Annotation*>{&list[2]}));

    const Annotation drawn_mosaic = of(Tool::Mosaic), empty = of(Tool::Spotlight, 0);
    EXPECT_EQ(plan_render(list, &drawn_mosaic).mosaics.back(), &drawn_mosaic);
    EXPECT_EQ(plan_render(list, &empty).spotlights.size(), 1u);
}

TEST(RenderRules, ColoursByLuminance) {
    struct Case { uint32_t color, outline, digits, box_bg; };
    const Case cases[] = {
        {0xFFFFFFFF, NEAR_BLACK, NEAR_BLACK, 0x303030},
        {0xFF1C1C1E, WHITE, WHITE, 0xFFFFFF},
        {0xFFFFCC00, NEAR_BLACK, NEAR_BLACK, 0x303030},  // yellow: 0.77
        {0xFFFF3B30, WHITE, WHITE, 0xFFFFFF},            // red: 0.43
        {0xFF34C759, WHITE, WHITE, 0xFFFFFF},            // green: 0.58
        {0xFFFF9500, NEAR_BLACK, WHITE, 0xFFFFFF},       // orange: 0.64
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text_outline_color(c.color), c.outline) << std::hex << c.color;
        EXPECT_EQ(number_digit_color(c.color), c.digits) << std::hex << c.color;
        EXPECT_EQ(text_box_background(c.color), c.box_bg) << std::hex << c.color;
    }
}

TEST(RenderRules, SizesAndTheHighlighterAlpha) {
    EXPECT_FLOAT_EQ(number_em_size(30, 9), 0.58f * 30);
    EXPECT_FLOAT_EQ(number_em_size(30, 10), 0.48f * 30);
    EXPECT_EQ(highlighter_draw_color(0xFFFFCC00), 0x60FFCC00u);
    EXPECT_EQ(highlighter_draw_color(0x40FFCC00), 0x40FFCC00u);
    EXPECT_EQ(grow_text_bounds({10.5f, 20, 50, 60.2f}, 14), (BoxF{5, 15, 55, 66}));
}
