#include <gtest/gtest.h>

#include <vector>

#include "dev/preview.h"

TEST(Preview, CheckerboardOfSixPixelSquares) {
    struct Case { int32_t x, y; uint32_t pixel; };
    const Case cases[] = {{0, 0, 0xB4C8E6}, {5, 5, 0xB4C8E6}, {6, 0, 0xF0E6AA}, {0, 6, 0xF0E6AA},
                          {6, 6, 0xB4C8E6}, {11, 17, 0xF0E6AA}, {12, 17, 0xB4C8E6}, {999, 559, 0xF0E6AA}};
    for (const Case& c : cases) EXPECT_EQ(preview_background(c.x, c.y), c.pixel) << c.x << "," << c.y;
    std::vector<uint32_t> pixels(13 * 7, 0);
    fill_preview_background(pixels, 13, 7);
    EXPECT_EQ(pixels[6 * 13 + 12], preview_background(12, 6));
    fill_preview_background(std::span<uint32_t>(pixels).first(10), 13, 7);  // too short: untouched
}

TEST(Preview, ToolbarsFitTheStrip) {
    const std::vector<PreviewToolbar> bars = preview_toolbars();
    ASSERT_EQ(bars.size(), 2u);
    const Rect image{0, 0, PREVIEW_WIDTH, PREVIEW_HEIGHT};
    for (const PreviewToolbar& t : bars) {
        const ToolbarLayout l = layout_toolbar(t.selection, image, 1.0f, t.pin_edit, t.option_tool,
                                               [](std::string_view s) { return TextSize{static_cast<int32_t>(s.size()) * 7, 16}; });
        const Rect block = l.block();
        EXPECT_TRUE(block.t >= PREVIEW_STRIP.t && block.b <= PREVIEW_STRIP.b && block.r <= PREVIEW_STRIP.r)
            << block.t << " " << block.b;
    }
    EXPECT_LE(preview_toolbars()[0].selection.r, PREVIEW_WIDTH);
}
