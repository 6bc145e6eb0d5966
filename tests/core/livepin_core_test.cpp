#include <gtest/gtest.h>

#include <vector>

#include "livepin/livepin_core.h"

TEST(LivePin, ZoomSteps) {
    struct Case {
        float scale;
        bool up;
        float want;
    };
    const Case cases[] = {
        {1.05f, false, 1.0f},   // crosses 1.0: lands on it
        {0.95f, true, 1.0f},
        {1.0f, true, 1.1f},
        {1.0f, false, 0.9090909f},  // from exactly 1.0 down, as pins do
        {0.9095f, true, 0.9095f * 1.1f},  // within 0.001 of 1.0: kept as it is
        {2.0f, true, 2.2f},
        {7.9f, true, 8.0f},
        {0.105f, false, 0.1f},
        {0.1f, false, 0.1f},
        {8.0f, true, 8.0f},
    };
    for (const Case& c : cases) EXPECT_FLOAT_EQ(livepin_zoom_next(c.scale, c.up), c.want) << c.scale << " " << c.up;
    EXPECT_EQ(livepin_zoom_next(1.05f, false), 1.0f);
    EXPECT_NE(livepin_zoom_next(0.9095f, true), 1.0f);
    EXPECT_NEAR(livepin_zoom_next(0.9095f, true), 1.0004f, 0.0001f);

    float s = 1.0f;
    for (int i = 0; i < 100; ++i) s = livepin_zoom_next(s, false);
    EXPECT_FLOAT_EQ(s, 0.1f);
    for (int i = 0; i < 100; ++i) s = livepin_zoom_next(s, true);
    EXPECT_FLOAT_EQ(s, 8.0f);
}

TEST(LivePin, CtrlWheelOpacityBottomsAtTwenty) {
    std::vector<int> seen;
    uint8_t o = 100;
    for (int i = 0; i < 10; ++i) seen.push_back(o = livepin_wheel_opacity(o, false));
    EXPECT_EQ(seen, (std::vector<int>{90, 80, 70, 60, 50, 40, 30, 20, 20, 20}));
    EXPECT_EQ(livepin_wheel_opacity(100, true), 100);
    EXPECT_EQ(livepin_wheel_opacity(40, true), 50);
    EXPECT_EQ(livepin_wheel_opacity(25, false), 20);
}

TEST(LivePin, SizeAndThumbnailProperties) {
    EXPECT_EQ(livepin_size({0, 0, 20, 10}, 0.1f), (Size32{8, 8}));  // a 10 x 10 window
    EXPECT_EQ(livepin_size({100, 50, 400, 250}, 1.0f), (Size32{300, 200}));
    EXPECT_EQ(livepin_size({0, 0, 301, 201}, 0.5f), (Size32{151, 101}));  // 150.5 rounds up
    EXPECT_EQ(livepin_size({0, 0, 5, 5}, 1.0f), (Size32{8, 8}));
    EXPECT_EQ(livepin_size({INT32_MIN, 0, INT32_MAX, 10}, 8.0f), (Size32{INT32_MAX - 2, 80}));

    const ThumbnailProps p = thumbnail_props({-8, 30, 12, 40}, 0.1f, 60);
    EXPECT_EQ(p.flags, 0x1Fu);
    EXPECT_EQ(p.destination, (Rect{1, 1, 9, 9}));
    EXPECT_EQ(p.source, (Rect{-8, 30, 12, 40}));
    EXPECT_EQ(p.opacity, 153);  // 60 x 255 / 100
    EXPECT_TRUE(p.visible);
    EXPECT_FALSE(p.source_client_area_only);
    EXPECT_EQ(thumbnail_props({0, 0, 300, 200}, 1.5f, 100).destination, (Rect{1, 1, 451, 301}));
    EXPECT_EQ(thumbnail_props({0, 0, 300, 200}, 1.0f, 100).opacity, 255);
    EXPECT_EQ(thumbnail_props({0, 0, 300, 200}, 1.0f, 20).opacity, 51);
}

TEST(LivePin, MenuOpacityIdsAndSourceRectangle) {
    const std::pair<uint32_t, std::optional<uint8_t>> ids[] = {
        {200, 100}, {180, 80}, {160, 60}, {140, 40}, {120, std::nullopt}, {100, std::nullopt}, {4, std::nullopt}};
    for (const auto& [id, want] : ids) EXPECT_EQ(opacity_from_menu_id(id), want) << id;

    EXPECT_EQ(livepin_source_rect({110, 220, 310, 420}, {100, 200, 900, 800}), (Rect{10, 20, 210, 220}));
    EXPECT_EQ(livepin_source_rect({-1900, 10, -1800, 60}, {-1920, -8, -1000, 700}), (Rect{20, 18, 120, 68}));
    EXPECT_EQ(livepin_source_rect({INT32_MAX - 1, 0, INT32_MAX, 1}, {INT32_MIN, 0, 0, 1}).l, INT32_MAX);
    // Only the part of a selection spanning two windows that lies in the source is used.
    EXPECT_EQ(live_pin_area({300, 100, 500, 200}, {0, 0, 400, 300}), (Rect{300, 100, 400, 200}));
    EXPECT_EQ(live_pin_area({500, 100, 600, 200}, {0, 0, 400, 300}), std::nullopt);
}

TEST(LivePin, MenuWithTheCurrentOpacityChecked) {
    EXPECT_EQ(menu_summary(livepin_menu_model(60)),
              "Copy current view\\tCtrl+C | Turn into a normal pin (stop updating) | Actual size\\tCtrl+0 | "
              "Opacity [100% | 80% | 60% (checked) | 40%] | - | Close\\tEsc");
    const std::vector<MenuItem> menu = livepin_menu_model(100);
    ASSERT_EQ(menu.size(), 6u);
    std::vector<uint32_t> ids;
    for (const MenuItem& item : menu) ids.push_back(item.id);
    for (const MenuItem& step : menu[3].submenu) ids.push_back(step.id);
    EXPECT_EQ(ids, (std::vector<uint32_t>{1, 2, 3, 0, 0, 4, 200, 180, 160, 140}));
    for (const MenuItem& step : menu[3].submenu) EXPECT_EQ(step.checked, step.id == 200);
}
