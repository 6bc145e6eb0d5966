#include <gtest/gtest.h>

#include <random>

#include "scroll/scroll_core.h"
#include "support/scroll_pages.h"

using namespace scroll_pages;

namespace {
// Runs a core on a fake clock: every tick is 16 ms; the cursor stays where auto-scroll put it.
struct Driver {
    ScrollCore core;
    int64_t now = 0;
    Point32 cursor{};

    explicit Driver(ScrollCore c) : core(std::move(c)) {}

    void warm_up() {
        for (uint32_t i = 0; i < SCROLL_WARMUP_TICKS; ++i) {
            EXPECT_FALSE(core.begin_tick());
            now += SCROLL_TIMER_MS;
        }
    }
    ScrollActions tick(const Pixels& grab) {
        EXPECT_TRUE(core.begin_tick());
        ScrollActions a = core.on_grab(grab, now, cursor);
        now += SCROLL_TIMER_MS;
        return a;
    }
    ScrollActions toggle() {
        ScrollActions a = core.toggle_auto(now);
        if (a.move_cursor) cursor = *a.move_cursor;
        return a;
    }
};

Driver started(const Rect& region, const Rect& capture, bool dump = false) {
    std::optional<ScrollCore> c = ScrollCore::start(region, capture, dump);
    EXPECT_TRUE(c.has_value());
    Driver d(std::move(*c));
    d.warm_up();
    return d;
}

Pixels rows_of(const Pixels& px, int32_t width, int32_t first_col, int32_t end_col, int32_t first_row, int32_t end_row) {
    Pixels out;
    for (int32_t y = first_row; y < end_row; ++y)
        out.insert(out.end(), px.begin() + y * width + first_col, px.begin() + y * width + end_col);
    return out;
}
}  // namespace

TEST(ScrollCore, StartsOnlyOnRegionsOfAtLeastEightPixels) {
    struct Case { Rect region; bool starts; };
    for (const Case& c : {Case{{0, 0, 100, 7}, false}, Case{{0, 0, 7, 100}, false}, Case{{5, 5, 13, 13}, true},
                          Case{{0, 0, 0, 0}, false}})
        EXPECT_EQ(ScrollCore::start(c.region, c.region).has_value(), c.starts) << c.region.r << "x" << c.region.b;
    // A capture rectangle that does not hold the region is not used.
    const std::optional<ScrollCore> c = ScrollCore::start({10, 10, 110, 60}, {50, 0, 300, 300});
    ASSERT_TRUE(c);
    EXPECT_EQ(c->capture(), (Rect{10, 10, 110, 60}));
    EXPECT_EQ(c->start_log(), "scroll: region 10,10 100x50, tracking 10,10 100x50");
    EXPECT_EQ(c->max_rows(), 30000);
    EXPECT_EQ(c->tolerance(), 16u);
}

TEST(ScrollCore, FinishingDuringTheWarmUpOrBeforeAnyScroll) {
    std::mt19937 rng(1);
    const Page page = text_page(rng, 200, 100, 300, 10, 10);
    const Rect capture{0, 0, 200, 120}, region{50, 10, 150, 110};
    std::optional<ScrollCore> c = ScrollCore::start(region, capture);
    ASSERT_TRUE(c);
    Driver d(std::move(*c));
    d.warm_up();
    EXPECT_FALSE(d.core.result_image());  // nothing grabbed yet: nothing to copy
    const ScrollActions a = d.tick(page.frame(0));
    EXPECT_TRUE(a.preview);
    EXPECT_FALSE(a.status);
    const std::optional<ScrollImage> img = d.core.result_image();
    ASSERT_TRUE(img);
    EXPECT_EQ(img->width, 100);
    EXPECT_EQ(img->height, 100);
    EXPECT_EQ(img->pixels, rows_of(page.frame(0), 200, 50, 150, 10, 110));
    EXPECT_EQ(d.core.preview_source().rows, 100);
}

TEST(ScrollCore, BeforeTheColumnsAreKnownAGrabIsSameOrTooFast) {
    // 12 columns scroll: too few for stitching, so every changed grab is matched in place.
    const int32_t w = 12;
    std::mt19937 rng(2);
    const Page page{w, 60, {}, document(rng, w, 400, 0), {}};
    const Rect r{0, 0, w, 60};
    struct Case { const char* name; int32_t changed_rows; bool same; };
    for (const Case& c : {Case{"half the rows changed", 30, true}, Case{"more than half changed", 31, false}}) {
        Driver d = started(r, r);
        d.tick(page.frame(0));
        Pixels next = page.frame(0);
        for (int32_t y = 0; y < c.changed_rows; ++y) next[static_cast<size_t>(y * w + 3)] ^= 0x0000FF;
        const ScrollActions a = d.tick(next);
        EXPECT_EQ(d.core.phase(), ScrollPhase::ReferenceHeld) << c.name;
        if (c.same) {
            EXPECT_TRUE(a.log.empty()) << c.name;
            EXPECT_FALSE(a.status) << c.name;
            EXPECT_EQ(d.core.result_image()->pixels, next) << c.name << ": the grab is the new reference";
        } else {
            EXPECT_EQ(a.log, std::vector<std::string>{"scroll Lost -> 12 x 60"}) << c.name;
            EXPECT_EQ(a.status, ScrollStatus{ScrollStatusKind::TooFast}) << c.name;
            EXPECT_EQ(d.core.result_image()->pixels, page.frame(0)) << c.name << ": the reference stays";
        }
        EXPECT_FALSE(a.preview) << c.name;
    }

    // A blank page always becomes the reference, and the page after it replaces that in turn.
    Driver d = started(r, r);
    d.tick(page.frame(0));
    const Pixels blank(static_cast<size_t>(w) * 60, 0x00EEEEEE);
    EXPECT_FALSE(d.tick(blank).status);
    EXPECT_EQ(d.core.result_image()->pixels, blank);
    EXPECT_FALSE(d.tick(page.frame(200)).status);
    EXPECT_EQ(d.core.result_image()->pixels, page.frame(200));
}

TEST(ScrollCore, FindsTheColumnsThenStitchesAndLogs) {
    std::mt19937 rng(3);
    const Page page = text_page(rng, 200, 100, 400);
    const Rect r{0, 0, 200, 100};
    Driver d = started(r, r, true);
    d.tick(page.frame(0));
    EXPECT_TRUE(d.tick(page.frame(0)).log.empty());  // unchanged
    ScrollActions a = d.tick(page.frame(40));
    EXPECT_EQ(a.log, (std::vector<std::string>{"scroll: moving columns 0..200 of 200", "scroll Added(40) -> 200 x 140"}));
    EXPECT_EQ(a.status, (ScrollStatus{ScrollStatusKind::Size, 200, 140}));
    EXPECT_TRUE(a.preview);
    ASSERT_TRUE(a.dump);
    EXPECT_EQ(a.dump->reference, page.frame(0));
    EXPECT_EQ(a.dump->current, page.frame(40));
    EXPECT_EQ(d.core.scrolling_columns(), (ColumnRange{0, 200}));

    a = d.tick(page.frame(10));
    EXPECT_EQ(a.log, std::vector<std::string>{"scroll Back -> 200 x 140"});
    EXPECT_FALSE(a.status);
    EXPECT_FALSE(a.preview);
    a = d.tick(page.frame(90));
    EXPECT_EQ(a.log, std::vector<std::string>{"scroll Added(50) -> 200 x 190"});
    EXPECT_FALSE(a.dump);
    EXPECT_EQ(d.core.result_image()->pixels, page.stitched(90));
}

TEST(ScrollCore, OnlyTheRegionsColumnsAndRowsAreKept) {
    // The window scrolls 200 columns between a fixed header and footer; the region is the middle
    // 100 columns of the view.
    std::mt19937 rng(4);
    const Page page = text_page(rng, 200, 100, 500, 10, 10);
    const Rect capture{1000, 500, 1200, 620}, region{1050, 510, 1150, 610};
    Driver d = started(region, capture);
    for (int32_t pos : {0, 30, 60, 90, 150}) d.tick(page.frame(pos));
    const std::optional<ScrollImage> img = d.core.result_image();
    ASSERT_TRUE(img);
    Page doc_only = page;
    doc_only.header.clear();
    doc_only.footer.clear();
    EXPECT_EQ(img->width, 100);
    EXPECT_EQ(img->height, 250);
    EXPECT_EQ(img->pixels, rows_of(doc_only.stitched(150), 200, 50, 150, 0, 250));
}

TEST(ScrollCore, TheRowCapFollowsTheStitchedWidth) {
    // A fixed side bar is selected while the 1000-column pane beside it scrolls: the stitched
    // image is the pane, so 25,000,000 pixels allow 25,000 rows, not the side bar's 30,000.
    const int32_t bar = 100, pane = 1000, width = bar + pane, view = 60;
    std::mt19937 rng(9);
    const Page page = text_page(rng, pane, view, 200);
    const std::vector<Row> side = document(rng, bar, view, 0);
    const auto frame = [&](int32_t pos) {
        Pixels f;
        const Pixels p = page.frame(pos);
        for (int32_t y = 0; y < view; ++y) {
            f.insert(f.end(), side[static_cast<size_t>(y)].begin(), side[static_cast<size_t>(y)].end());
            f.insert(f.end(), p.begin() + y * pane, p.begin() + (y + 1) * pane);
        }
        return f;
    };
    Driver d = started({0, 0, bar, view}, {0, 0, width, view});
    EXPECT_EQ(d.core.max_rows(), 30000);
    d.tick(frame(0));
    d.tick(frame(20));
    EXPECT_EQ(d.core.scrolling_columns(), (ColumnRange{bar, width}));
    EXPECT_EQ(d.core.max_rows(), 25000);
}

TEST(ScrollCore, AutoScrollOnAPageThatNoLongerMoves) {
    std::mt19937 rng(5);
    const Page page = text_page(rng, 100, 60, 200);
    const Rect r{0, 0, 100, 60};
    Driver d = started(r, r);
    const ScrollActions on = d.toggle();
    EXPECT_EQ(on.move_cursor, (Point32{50, 30}));
    EXPECT_EQ(on.status, ScrollStatus{ScrollStatusKind::AutoRunning});
    const int64_t progress = d.now;
    EXPECT_FALSE(d.tick(page.frame(0)).notch);  // the first frame takes no auto-scroll step

    // Every fifth unchanged frame sends a notch; after four fruitless notches and 1.5 s the first
    // due notch ends it instead.
    std::vector<int64_t> notches;
    int64_t end = -1;
    for (int i = 0; i < 200 && end < 0; ++i) {
        const int64_t at = d.now;
        const ScrollActions a = d.tick(page.frame(0));
        if (a.notch) notches.push_back(at);
        if (a.end_reached) {
            end = at;
            // The end keeps the size reached beside its text.
            const std::optional<ScrollImage> image = d.core.result_image();
            ASSERT_TRUE(image);
            EXPECT_EQ(a.status, (ScrollStatus{ScrollStatusKind::EndReached, image->width, image->height}));
        }
    }
    ASSERT_GE(notches.size(), 4u);
    for (size_t i = 1; i < notches.size(); ++i) EXPECT_EQ(notches[i] - notches[i - 1], 5 * 16) << i;
    EXPECT_GE(end - progress, SCROLL_END_IDLE_MS);
    EXPECT_LT(end - progress - 5 * 16, SCROLL_END_IDLE_MS);
    EXPECT_EQ(end - notches.back(), 5 * 16);
    EXPECT_FALSE(d.core.auto_scrolling());
}

TEST(ScrollCore, AutoScrollNotchesEveryIntervalWhileThePageChanges) {
    // A page that changes in place every tick never counts as unchanged: a notch every 0.4 s.
    const int32_t w = 12;
    std::mt19937 rng(6);
    const Page page{w, 40, {}, document(rng, w, 100, 0), {}};
    const Rect r{0, 0, w, 40};
    Driver d = started(r, r);
    d.toggle();
    d.tick(page.frame(0));
    std::vector<int64_t> notches;
    for (int i = 0; i < 80; ++i) {
        Pixels f = page.frame(0);
        f[0] ^= static_cast<uint32_t>(i + 1);
        const int64_t at = d.now;
        if (d.tick(f).notch) notches.push_back(at);
    }
    ASSERT_GE(notches.size(), 2u);
    for (size_t i = 1; i < notches.size(); ++i) {
        EXPECT_GE(notches[i] - notches[i - 1], AUTO_SCROLL_INTERVAL_MS);
        EXPECT_LT(notches[i] - notches[i - 1], AUTO_SCROLL_INTERVAL_MS + 16);
    }
}

TEST(ScrollCore, MovingTheMouseAwayStopsAutoScroll) {
    std::mt19937 rng(7);
    const Page page = text_page(rng, 100, 40, 200);
    const Rect r{0, 0, 100, 40};  // tolerance 13
    struct Case { Point32 cursor; bool stops; };
    for (const Case& c : {Case{{50 + 13, 20 - 13}, false}, Case{{50 + 14, 20}, true}, Case{{50, 20 - 14}, true}}) {
        Driver d = started(r, r);
        d.toggle();
        d.tick(page.frame(0));
        d.cursor = c.cursor;
        const ScrollActions a = d.tick(page.frame(0));  // unchanged grabs are checked too
        EXPECT_EQ(d.core.auto_scrolling(), !c.stops) << c.cursor.x << "," << c.cursor.y;
        if (c.stops) {
            EXPECT_EQ(a.status, ScrollStatus{ScrollStatusKind::Hint});
        }
    }
    Driver d = started(r, r);
    d.toggle();
    EXPECT_EQ(d.toggle().status, ScrollStatus{ScrollStatusKind::Hint});
    EXPECT_FALSE(d.core.auto_scrolling());
}

TEST(ScrollCore, AfterTheMaximumLengthNeitherImageNorStatusChanges) {
    // 20 columns wide: 30,000 rows at most.
    const int32_t w = 20, view = 100;
    std::mt19937 rng(8);
    const Page page{w, view, {}, document(rng, w, 30400, 5), {}};
    const Rect r{0, 0, w, view};
    Driver d = started(r, r);
    d.toggle();
    int32_t pos = 0;
    ScrollActions a = d.tick(page.frame(pos));
    while (!d.core.at_max_length() && pos + 40 <= page.max_scroll()) {
        pos += 40;
        a = d.tick(page.frame(pos));
    }
    ASSERT_TRUE(d.core.at_max_length());
    EXPECT_EQ(a.status, (ScrollStatus{ScrollStatusKind::MaxLength, static_cast<int32_t>(w), 30020}));
    EXPECT_TRUE(a.status->alert());
    EXPECT_FALSE(d.core.auto_scrolling());
    const Pixels image = d.core.result_image()->pixels;
    EXPECT_EQ(image.size() / w, 30020u);
    for (int i = 0; i < 5; ++i) {
        pos += 40;
        a = d.tick(page.frame(pos));
        EXPECT_FALSE(a.status);
        EXPECT_TRUE(a.log.empty());
        EXPECT_FALSE(a.preview);
    }
    EXPECT_EQ(d.core.result_image()->pixels, image);
}

TEST(ScrollCore, GrabsOfAnotherSizeAreSkipped) {
    const Rect r{0, 0, 30, 30};
    Driver d = started(r, r);
    const ScrollActions a = d.tick(Pixels(29 * 30, WHITE));
    EXPECT_FALSE(a.preview);
    EXPECT_EQ(d.core.phase(), ScrollPhase::NoFrame);
}
