// The scrolling capture over the scroll target's own picture (the window the Wine cases scroll),
// frame by frame as the target paints it: the stitched result equals the document row for row.
#include <gtest/gtest.h>

#include <random>

#include "../e2e/scroll_target/scroll_target_doc.h"
#include "scroll/scroll_core.h"

namespace st = scroll_target;

namespace {
// The client area at that position, with 0xFF in the fourth byte as desktop duplication gives it.
// Most ticks see the same position again: the last picture is kept.
const std::vector<uint32_t>& grab(int32_t scroll) {
    static int32_t last = -1;
    static std::vector<uint32_t> px(size_t{st::CLIENT_WIDTH} * st::CLIENT_HEIGHT);
    if (scroll == last) return px;
    last = scroll;
    for (int32_t y = 0; y < st::CLIENT_HEIGHT; ++y)
        for (int32_t x = 0; x < st::CLIENT_WIDTH; ++x)
            px[static_cast<size_t>(y * st::CLIENT_WIDTH + x)] = st::client_pixel(x, y, scroll) | 0xFF000000u;
    return px;
}

// Header band, every document row, footer band, over pane columns [first, end).
std::vector<uint32_t> expected(int32_t first, int32_t end) {
    std::vector<uint32_t> px;
    const auto row = [&](auto pixel) {
        for (int32_t x = first; x < end; ++x) px.push_back(pixel(x));
    };
    for (int32_t y = 0; y < st::HEADER_ROWS; ++y) row([&](int32_t x) { return st::client_pixel(x + st::SIDEBAR_COLUMNS, y, 0); });
    for (int32_t y = 0; y < st::DOC_ROWS; ++y) row([&](int32_t x) { return st::document_pixel(x, y); });
    for (int32_t y = st::CLIENT_HEIGHT - st::FOOTER_ROWS; y < st::CLIENT_HEIGHT; ++y)
        row([&](int32_t x) { return st::client_pixel(x + st::SIDEBAR_COLUMNS, y, st::MAX_SCROLL); });
    return px;
}

std::vector<uint32_t> colours(const std::vector<uint32_t>& px) {
    std::vector<uint32_t> out(px.size());
    for (size_t i = 0; i < px.size(); ++i) out[i] = px[i] & 0xFFFFFF;
    return out;
}

struct CaptureRun {
    std::optional<ScrollImage> image;
    std::vector<std::string> log;
    bool ended = false;
};

// Auto-scroll to the end, the window at (300, 200); notches scroll the target.
CaptureRun auto_scroll(const Rect& region) {
    const Rect window{300, 200, 300 + st::CLIENT_WIDTH, 200 + st::CLIENT_HEIGHT};
    const Rect capture = scroll_capture_rect(region, std::vector<Rect>{window}, {0, 0, 1920, 1080});
    EXPECT_EQ(capture, window);
    std::optional<ScrollCore> core = ScrollCore::start(region, capture);
    CaptureRun run;
    if (!core) return run;
    int64_t now = 0;
    Point32 cursor = *core->toggle_auto(now).move_cursor;
    int32_t scroll = 0;
    for (int tick = 0; tick < 20000 && !run.ended; ++tick, now += SCROLL_TIMER_MS) {
        if (!core->begin_tick()) continue;
        const ScrollActions a = core->on_grab(grab(scroll), now, cursor);
        run.log.insert(run.log.end(), a.log.begin(), a.log.end());
        if (a.notch) scroll = st::scrolled(scroll, 1);
        run.ended = a.end_reached;
    }
    run.image = core->result_image();
    return run;
}
}  // namespace

TEST(ScrollTargetCapture, AutoScrollToTheEndGivesTheDocument) {
    const CaptureRun run = auto_scroll({300, 200, 300 + st::CLIENT_WIDTH, 200 + st::CLIENT_HEIGHT});
    ASSERT_TRUE(run.ended);
    ASSERT_FALSE(run.log.empty());
    // The thumb, of one colour from top to bottom, moves along with a band: the track is taken
    // and cut off again by the right-margin rule.
    EXPECT_EQ(run.log[0], "scroll: moving columns 72..640 of 640");
    for (const std::string& line : run.log) EXPECT_EQ(line.find("Lost"), std::string::npos) << line;
    ASSERT_TRUE(run.image);
    EXPECT_EQ(run.image->width, st::DOC_WIDTH);
    EXPECT_EQ(run.image->height, st::HEADER_ROWS + st::DOC_ROWS + st::FOOTER_ROWS);
    EXPECT_TRUE(colours(run.image->pixels) == expected(0, st::DOC_WIDTH));
}

TEST(ScrollTargetCapture, ARegionNarrowerThanThePaneKeepsItsColumns) {
    const int32_t left = 300 + st::SIDEBAR_COLUMNS + 100;
    const CaptureRun run = auto_scroll({left, 200, 300 + st::CLIENT_WIDTH, 200 + st::CLIENT_HEIGHT});
    ASSERT_TRUE(run.ended);
    ASSERT_TRUE(run.image);
    EXPECT_EQ(run.image->width, st::DOC_WIDTH - 100);
    EXPECT_TRUE(colours(run.image->pixels) == expected(100, st::DOC_WIDTH));
}

TEST(ScrollTargetCapture, ScrollingByHandForthAndBack) {
    const Rect window{0, 0, st::CLIENT_WIDTH, st::CLIENT_HEIGHT};
    std::optional<ScrollCore> core = ScrollCore::start(window, window);
    ASSERT_TRUE(core);
    std::mt19937 rng(12);
    int32_t scroll = 0;
    int64_t now = 0;
    for (int tick = 0; tick < 3000 && scroll < st::MAX_SCROLL; ++tick, now += SCROLL_TIMER_MS) {
        if (!core->begin_tick()) continue;
        const ScrollActions a = core->on_grab(grab(scroll), now, {});
        for (const std::string& line : a.log) ASSERT_EQ(line.find("Lost"), std::string::npos) << line;
        if (tick % 3 == 0) scroll = st::scrolled(scroll, static_cast<int32_t>(rng() % 6) - 1);  // -1 to 4 notches
    }
    core->on_grab(grab(scroll), now, {});
    const std::optional<ScrollImage> img = core->result_image();
    ASSERT_TRUE(img);
    EXPECT_TRUE(colours(img->pixels) == expected(0, st::DOC_WIDTH));
}
