#include <gtest/gtest.h>

#include <climits>

#include "capture/auto_select.h"

namespace {

struct FakeWindow {
    bool is_visible = true;
    bool is_iconic = false;
    uint32_t ex = 0;
    std::optional<uint32_t> cloak = 0;
    std::u16string cls = u"Notepad";
    std::optional<Rect> frame;
    Rect rect{10, 10, 110, 60};

    bool visible() const { return is_visible; }
    bool iconic() const { return is_iconic; }
    uint32_t ex_style() const { return ex; }
    std::optional<uint32_t> cloaked() const { return cloak; }
    std::u16string class_name() const { return cls; }
    std::optional<Rect> frame_bounds() const { return frame; }
    Rect window_rect() const { return rect; }
};

WindowHandle h(uintptr_t v) { return v; }

AutoSelect element_session() {
    AutoSelect s;
    s.origin_x = -100;
    s.origin_y = 0;
    s.width = 2020;
    s.height = 1080;
    s.detect = CaptureDetect::Element;
    s.windows = {{{100, 100, 500, 400}, h(1)}, {{0, 0, 1000, 800}, h(2)}, {{50, 50, 60, 60}, 0}};
    return s;
}

}  // namespace

TEST(FilterWindow, KeepsOnlyVisibleRealWindowsOfUsefulSize) {
    struct Case { const char* what; FakeWindow w; std::optional<Rect> out; };
    FakeWindow base;
    auto with = [&](auto change) { FakeWindow w = base; change(w); return w; };
    const Case cases[] = {
        {"plain", base, Rect{10, 10, 110, 60}},
        {"hidden", with([](FakeWindow& w) { w.is_visible = false; }), std::nullopt},
        {"minimised", with([](FakeWindow& w) { w.is_iconic = true; }), std::nullopt},
        {"transparent", with([](FakeWindow& w) { w.ex = 0x20 | 0x80; }), std::nullopt},
        {"other ex styles", with([](FakeWindow& w) { w.ex = 0x80 | 0x8; }), Rect{10, 10, 110, 60}},
        {"cloaked", with([](FakeWindow& w) { w.cloak = 2; }), std::nullopt},
        {"cloak unreadable", with([](FakeWindow& w) { w.cloak = std::nullopt; }), Rect{10, 10, 110, 60}},
        {"Progman", with([](FakeWindow& w) { w.cls = u"Progman"; }), std::nullopt},
        {"WorkerW", with([](FakeWindow& w) { w.cls = u"WorkerW"; }), std::nullopt},
        {"workerw is another class", with([](FakeWindow& w) { w.cls = u"workerw"; }), Rect{10, 10, 110, 60}},
        {"frame bounds win", with([](FakeWindow& w) { w.frame = Rect{17, 10, 103, 53}; }), Rect{17, 10, 103, 53}},
        {"3 wide", with([](FakeWindow& w) { w.rect = {0, 0, 3, 100}; }), std::nullopt},
        {"4 by 4", with([](FakeWindow& w) { w.rect = {5, 5, 9, 9}; }), Rect{5, 5, 9, 9}},
        {"3 high frame", with([](FakeWindow& w) { w.frame = Rect{0, 0, 100, 3}; }), std::nullopt},
        {"inverted", with([](FakeWindow& w) { w.rect = {100, 100, 0, 0}; }), std::nullopt},
        {"extreme", with([](FakeWindow& w) { w.rect = {INT_MAX, 0, INT_MIN, 10}; }), std::nullopt},
    };
    for (const Case& c : cases) {
        FakeWindow w = c.w;
        EXPECT_EQ(filter_window(w), c.out) << c.what;
    }
}

TEST(HitTest, WindowModeGivesTheFirstContainingWindow) {
    AutoSelect s = element_session();
    s.detect = CaptureDetect::Window;
    struct Case { int32_t x, y; std::optional<Rect> out; };
    const Case cases[] = {
        {100, 100, Rect{100, 100, 500, 400}},  // left/top inclusive, listed first wins
        {499, 399, Rect{100, 100, 500, 400}},
        {500, 399, Rect{0, 0, 1000, 800}},     // right exclusive
        {999, 799, Rect{0, 0, 1000, 800}},
        {1000, 10, std::nullopt},
        {-1, 10, std::nullopt},
    };
    for (const Case& c : cases) {
        const HitTest hit = hit_test_window_element(s, c.x, c.y);
        EXPECT_EQ(hit.rect, c.out) << c.x << "," << c.y;
        EXPECT_FALSE(hit.request);
    }
}

TEST(HitTest, AWindowWithoutHandleGivesItsRectangleAndNoRequest) {
    AutoSelect s = element_session();
    s.windows.insert(s.windows.begin(), WindowTarget{{50, 50, 60, 60}, 0});
    const HitTest hit = hit_test_window_element(s, 55, 55);
    EXPECT_EQ(hit.rect, (Rect{50, 50, 60, 60}));
    EXPECT_FALSE(hit.request);
}

TEST(HitTest, ElementModeAsksOncePerPointInScreenCoordinates) {
    AutoSelect s = element_session();
    HitTest hit = hit_test_window_element(s, 200, 150);
    EXPECT_EQ(hit.rect, (Rect{100, 100, 500, 400}));
    ASSERT_TRUE(hit.request);
    EXPECT_EQ(*hit.request, (ElementQuery{100, 150, h(1)}));
    EXPECT_FALSE(hit_test_window_element(s, 200, 150).request);  // asked already
    EXPECT_TRUE(hit_test_window_element(s, 201, 150).request);
    EXPECT_TRUE(hit_test_window_element(s, 200, 150).request);   // the last request moved on
}

TEST(HitTest, NestedElementsFollowTheWheelAndTheIndexIsClamped) {
    AutoSelect s = element_session();
    // Outer element, inner element and the element that exactly covers the window.
    merge_uia_result(s, {h(1), 100, 150, {{100, 120, 200, 200}, {0, 100, 300, 300}, {0, 100, 400, 400}}});
    ASSERT_TRUE(s.hover);
    EXPECT_EQ(s.hover->elements, (std::vector<Rect>{{200, 120, 300, 200}, {100, 100, 400, 300}}));
    const Rect expected[] = {{200, 120, 300, 200}, {100, 100, 400, 300}, {100, 100, 500, 400}};
    for (size_t i = 0; i < 3; ++i) {
        s.wheel_index = i;
        const HitTest hit = hit_test_window_element(s, 200, 150);
        EXPECT_EQ(hit.rect, expected[i]) << i;
        EXPECT_FALSE(hit.request) << "an answered point sends no new request";
    }
    s.wheel_index = 7;
    EXPECT_EQ(hit_test_window_element(s, 200, 150).rect, expected[2]);
    EXPECT_EQ(s.wheel_index, 2u);
}

TEST(HitTest, CachedElementsThatHoldTheNewPointAreOffered) {
    AutoSelect s = element_session();
    merge_uia_result(s, {h(1), 100, 150, {{100, 120, 200, 200}, {0, 100, 300, 300}}});
    // (150, 110) lies in the outer element only; the hover result is for another point.
    const HitTest hit = hit_test_window_element(s, 150, 110);
    EXPECT_EQ(hit.rect, (Rect{100, 100, 400, 300}));
    EXPECT_TRUE(hit.request);
    s.wheel_index = 1;
    EXPECT_EQ(hit_test_window_element(s, 150, 110).rect, (Rect{100, 100, 500, 400}));
}

TEST(HitTest, EqualAreasKeepTheirOrderAndRepeatsGo) {
    AutoSelect s = element_session();
    const Rect a{110, 110, 210, 210}, b{120, 120, 220, 220};  // equal areas
    s.hover = ElementHover{h(1), 150, 150, {a, b, a}};
    std::vector<Rect> seen;
    for (size_t i = 0; i < 4; ++i) {
        s.wheel_index = i;
        seen.push_back(*hit_test_window_element(s, 150, 150).rect);
    }
    EXPECT_EQ(seen, (std::vector<Rect>{a, b, {100, 100, 500, 400}, {100, 100, 500, 400}}));
}

TEST(HitTest, NestingOrderHoldsForExtremeRectangles) {
    // Widths up to 2^32 - 1: their products pass the 64-bit range and must not overflow.
    struct Case {
        const char* what;
        Rect window;
        std::vector<Rect> elements;
        std::vector<Rect> nested;  // wheel index 0, 1, ...
    };
    const Rect whole{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    const Rect all_but_a_row{INT_MIN, INT_MIN, INT_MAX, INT_MAX - 1};
    const Rect strip{INT_MIN, -1, INT_MAX, 1};
    const Rect small{-5, -5, 5, 5};
    const Case cases[] = {
        {"whole range window", whole, {small, strip}, {small, strip, whole}},
        {"elements beyond 2^63 keep their order", whole, {all_but_a_row, small}, {small, all_but_a_row, whole}},
        {"tall thin window", {-1, INT_MIN, 1, INT_MAX}, {small}, {small, {-1, INT_MIN, 1, INT_MAX}}},
    };
    for (const Case& c : cases) {
        AutoSelect s = element_session();
        s.windows = {{c.window, h(7)}};
        s.hover = ElementHover{h(7), 0, 0, c.elements};
        std::vector<Rect> seen;
        for (size_t i = 0; i < c.nested.size() + 1; ++i) {
            s.wheel_index = i;
            seen.push_back(*hit_test_window_element(s, 0, 0).rect);
        }
        std::vector<Rect> want = c.nested;
        want.push_back(c.nested.back());  // a larger index stays at the window
        EXPECT_EQ(seen, want) << c.what;
    }
}

TEST(MergeUiaResult, DropsAnswersForUnlistedWindows) {
    AutoSelect s = element_session();
    merge_uia_result(s, {h(9), 100, 150, {{0, 100, 50, 150}}});
    merge_uia_result(s, {0, 100, 150, {{0, 100, 50, 150}}});
    EXPECT_FALSE(s.hover);
    EXPECT_TRUE(s.element_cache.empty());
}

TEST(MergeUiaResult, CachesEachRectangleOnceClippedToItsWindow) {
    AutoSelect s = element_session();
    merge_uia_result(s, {h(2), 0, 0, {{-200, -10, 0, 50}, {5000, 5000, 5010, 5010}}});
    merge_uia_result(s, {h(2), 10, 10, {{-200, -10, 0, 50}, {-100, 0, -90, 10}}});
    EXPECT_EQ(s.element_cache[h(2)], (std::vector<Rect>{{0, 0, 100, 50}, {0, 0, 10, 10}}));
    ASSERT_TRUE(s.hover);
    EXPECT_EQ(s.hover->x, 110);
    EXPECT_EQ(s.hover->elements.size(), 2u);
    merge_uia_result(s, {h(1), INT_MIN, INT_MAX, {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}}});
    EXPECT_TRUE(s.hover->elements.empty());  // clipped to the whole window: not kept
}

TEST(NearestMonitor, FirstOfTheNearestWinsAndNoneGivesTheScreen) {
    AutoSelect s;
    s.width = 3000;
    s.height = 1000;
    EXPECT_EQ(nearest_monitor(s, 5, 5), (Rect{0, 0, 3000, 1000}));
    s.monitors = {{0, 0, 1000, 1000}, {1201, 0, 2200, 1000}, {0, 1000, 1000, 1500}};
    struct Case { int32_t x, y; Rect out; };
    const Case cases[] = {
        {500, 500, {0, 0, 1000, 1000}},
        {1100, 500, {0, 0, 1000, 1000}},      // right - 1 = 999: 101 away either side: first wins
        {1101, 500, {1201, 0, 2200, 1000}},
        {999, 999, {0, 0, 1000, 1000}},
        {500, 1000, {0, 1000, 1000, 1500}},
        {5000, -5000, {1201, 0, 2200, 1000}},
        {INT_MIN, INT_MAX, {0, 0, 1000, 1000}},  // far off every monitor: no overflow
    };
    for (const Case& c : cases) EXPECT_EQ(nearest_monitor(s, c.x, c.y), c.out) << c.x << "," << c.y;
}
