#include <gtest/gtest.h>

#include <random>

#include "scroll/stitch.h"
#include "support/scroll_pages.h"

using namespace scroll_pages;

namespace {
StitchState state_over(const Pixels& reference, int32_t width) {
    const int32_t rows = static_cast<int32_t>(reference.size()) / width;
    return make_stitch_state(reference, width, rows, 0, width);
}
}  // namespace

TEST(RowSignature, HashesEachColourOnceAndIgnoresTheFourthByte) {
    const uint32_t px[] = {0x00ABCDEF};
    EXPECT_EQ(row_signature(px, 0), 0xcbf29ce484222325ull);
    EXPECT_EQ(row_signature(px, 1), (0xcbf29ce484222325ull ^ 0xABCDEFull) * 0x100000001B3ull);
    const uint32_t other[] = {0xFFABCDEF};
    EXPECT_EQ(row_signature(other, 1), row_signature(px, 1));
}

TEST(FrameSignatures, WidthsFrom200LeaveOutTheRightMargin) {
    struct Case { int32_t width, changed_column; bool signature_changes; };
    const Case cases[] = {
        {199, 198, true}, {199, 175, true},   // narrow frames use every column
        {200, 199, false}, {200, 176, false}, {200, 175, true},
        {640, 616, false}, {640, 615, true},
    };
    for (const Case& c : cases) {
        std::mt19937 rng(static_cast<uint32_t>(c.width));
        Pixels a;
        for (int r = 0; r < 5; ++r) {
            const Row row = text_row(rng, c.width);
            a.insert(a.end(), row.begin(), row.end());
        }
        Pixels b = a;
        b[static_cast<size_t>(2 * c.width + c.changed_column)] ^= 0x010101;
        std::vector<uint64_t> sa, sb;
        std::vector<uint8_t> ua, ub;
        frame_signatures(a, c.width, 5, sa, ua);
        frame_signatures(b, c.width, 5, sb, ub);
        EXPECT_EQ(sa[2] != sb[2], c.signature_changes) << c.width << " column " << c.changed_column;
        EXPECT_EQ(sa[1], sb[1]);
    }
}

TEST(StitchNextFrame, OutcomesOfOneFrame) {
    std::mt19937 rng(7);
    const Page page = text_page(rng, 120, 100, 400);
    struct Case { const char* name; int32_t from, to; ScrollMatch want; int32_t height_after; };
    const Case cases[] = {
        {"a shift of 40", 0, 40, {ScrollMatchKind::Added, 40}, 140},
        {"one row", 0, 1, {ScrollMatchKind::Added, 1}, 101},
        {"nearly a frame", 0, 90, {ScrollMatchKind::Added, 90}, 190},
        {"no movement", 40, 40, {ScrollMatchKind::Same, 0}, 100},
        {"scrolling back", 40, 0, {ScrollMatchKind::Back, -40}, 100},
        {"a jump past the frame", 0, 150, {ScrollMatchKind::Lost, 0}, 100},
    };
    for (const Case& c : cases) {
        StitchState s = state_over(page.frame(c.from), page.width);
        const std::vector<uint32_t> counters_before = s.margin_changes;
        EXPECT_EQ(stitch_next_frame(s, page.frame(c.to)), c.want) << c.name;
        EXPECT_EQ(stitched_height(s), c.height_after) << c.name;
        if (c.want.kind == ScrollMatchKind::Added) {
            EXPECT_EQ(s.stitched, [&] { Page p = page; p.doc.erase(p.doc.begin(), p.doc.begin() + c.from); return p.stitched(c.to - c.from); }())
                << c.name;
            EXPECT_EQ(s.previous, page.frame(c.to)) << c.name;
        } else {
            EXPECT_EQ(s.stitched, page.frame(c.from)) << c.name;
            EXPECT_EQ(s.previous, page.frame(c.from)) << c.name << ": the reference stays";
        }
    }
}

TEST(StitchNextFrame, BlankPagesAndJumpsFallBackToMatchingInPlace) {
    std::mt19937 rng(11);
    const int32_t w = 64;
    const Page page{w, 100, {}, document(rng, w, 400, 0), {}};  // no blank rows: every row is distinct
    const Pixels white(static_cast<size_t>(w) * 100, WHITE);

    // An all-white page casts no votes; with no distinct row it is Same and becomes the reference.
    StitchState s = state_over(page.frame(0), w);
    EXPECT_EQ(stitch_next_frame(s, white), (ScrollMatch{ScrollMatchKind::Same, 0}));
    EXPECT_EQ(s.previous, white);
    // A blank reference holds nothing to match: the next page replaces it instead of being Lost
    // for ever.
    EXPECT_EQ(stitch_next_frame(s, page.frame(200)), (ScrollMatch{ScrollMatchKind::Same, 0}));
    EXPECT_EQ(s.previous, page.frame(200));
    EXPECT_EQ(stitch_next_frame(s, page.frame(240)), (ScrollMatch{ScrollMatchKind::Added, 40}));

    // A jump past the frame whose distinct rows still half match in place is Same, the tail
    // refreshed; one row fewer is Lost.
    for (const int32_t kept : {50, 49}) {
        StitchState t = state_over(page.frame(0), w);
        Pixels next = page.frame(0);
        for (int32_t y = kept; y < 100; ++y) {
            const Row row = text_row(rng, w);
            std::copy(row.begin(), row.end(), next.begin() + y * w);
        }
        const bool same = kept == 50;
        EXPECT_EQ(stitch_next_frame(t, next).kind, same ? ScrollMatchKind::Same : ScrollMatchKind::Lost) << kept;
        EXPECT_EQ(t.stitched, same ? next : page.frame(0)) << kept;
    }
}

TEST(StitchNextFrame, TiedVotesTakeTheSmallerShift) {
    // Reference rows X0..X19. The new frame's first ten rows vote for one shift, its last ten for
    // another, as often each.
    struct Case { int32_t first_shift, second_shift; ScrollMatch want; };
    const Case cases[] = {
        {2, -3, {ScrollMatchKind::Added, 2}},
        {3, -2, {ScrollMatchKind::Back, -2}},
    };
    std::mt19937 rng(3);
    const int32_t w = 48;
    std::vector<Row> x;
    for (int i = 0; i < 30; ++i) x.push_back(text_row(rng, w));
    Pixels ref;
    for (int i = 0; i < 20; ++i) ref.insert(ref.end(), x[static_cast<size_t>(i)].begin(), x[static_cast<size_t>(i)].end());
    for (const Case& c : cases) {
        Pixels next;
        for (int r = 0; r < 20; ++r) {
            const Row& row = x[static_cast<size_t>(r + (r < 10 ? c.first_shift : c.second_shift))];
            next.insert(next.end(), row.begin(), row.end());
        }
        StitchState s = state_over(ref, w);
        EXPECT_EQ(stitch_next_frame(s, next), c.want) << c.first_shift << " / " << c.second_shift;
    }
}

TEST(StitchNextFrame, FrameOfAnotherSizeChangesNothing) {
    std::mt19937 rng(5);
    const Page page = text_page(rng, 50, 40, 100);
    StitchState s = state_over(page.frame(0), 50);
    Pixels short_frame = page.frame(10);
    short_frame.pop_back();
    EXPECT_EQ(stitch_next_frame(s, short_frame).kind, ScrollMatchKind::Lost);
    EXPECT_EQ(s.stitched, page.frame(0));
}

TEST(StitchNextFrame, ScrollBarInTheMarginCountsChangesAndScrollingBackKeepsThem) {
    // 220 columns: the margin is the right 24; a thumb in its columns 10..13 moves down 2 rows
    // per 40 rows of content.
    std::mt19937 rng(9);
    const int32_t w = 220, view = 120;
    const Page page = text_page(rng, w, view, 600);
    const auto with_thumb = [&](int32_t pos) {
        Pixels f = page.frame(pos);
        for (int32_t y = 0; y < view; ++y)
            for (int32_t x = 196; x < 220; ++x) {
                const bool thumb = x >= 206 && x < 210 && y >= pos / 20 && y < pos / 20 + 30;
                f[static_cast<size_t>(y * w + x)] = thumb ? 0x808080 : 0xE0E0E0;
            }
        return f;
    };
    StitchState s = state_over(with_thumb(0), w);
    EXPECT_EQ(stitch_next_frame(s, with_thumb(40)), (ScrollMatch{ScrollMatchKind::Added, 40}));
    const std::vector<uint32_t> counted = s.margin_changes;
    for (int i = 0; i < 24; ++i) EXPECT_EQ(counted[static_cast<size_t>(i)] > 0, i >= 10 && i < 14) << i;
    EXPECT_EQ(stitched_result_width(s), 196 + 8);

    EXPECT_EQ(stitch_next_frame(s, with_thumb(0)).kind, ScrollMatchKind::Back);
    EXPECT_EQ(s.margin_changes, counted);
    EXPECT_EQ(stitch_next_frame(s, with_thumb(80)), (ScrollMatch{ScrollMatchKind::Added, 40}));
}

TEST(StitchedResultWidth, TheMarginCutAppliesOnlyStrictlyBetweenX0AndX1) {
    struct Case { int32_t changed_column, x0, x1, keep; };
    const Case cases[] = {
        {-1, 0, 200, 200},  // nothing changed
        {0, 0, 200, 176},  {1, 0, 200, 176}, {2, 0, 200, 176}, {5, 0, 200, 179}, {23, 10, 200, 187},
        {5, 0, 179, 179},   // the cut on x1: not inside
        {5, 0, 150, 150},   // beyond x1
        {5, 179, 200, 21},  // the cut on x0: not inside
        {5, 178, 200, 1},
    };
    const Pixels ref(200 * 4, WHITE);
    for (const Case& c : cases) {
        StitchState s = make_stitch_state(ref, 200, 4, c.x0, c.x1);
        if (c.changed_column >= 0) s.margin_changes[static_cast<size_t>(c.changed_column)] = 1;
        if (c.changed_column >= 0 && c.changed_column < 23) s.margin_changes[23] = 5;  // only the first counts
        EXPECT_EQ(stitched_result_width(s), c.keep) << c.changed_column << " " << c.x0 << ".." << c.x1;
    }
}

TEST(StitchColumns, RegionColumnsInsideOrOutsideTheScrollingColumns) {
    struct Case { ColumnRange region, scrolling, want; };
    const Case cases[] = {
        {{100, 300}, {50, 600}, {50, 250}},   // inside: only the region's columns
        {{0, 800}, {50, 600}, {0, 550}},      // around: all scrolling columns
        {{0, 100}, {50, 600}, {0, 50}},       // overlapping the left edge
        {{0, 40}, {50, 600}, {0, 550}},       // apart: all scrolling columns
        {{600, 700}, {50, 600}, {0, 550}},    // touching is apart
    };
    for (const Case& c : cases) EXPECT_EQ(stitch_columns(c.region, c.scrolling), c.want) << c.region.first;
}

TEST(CropColumns, CopiesTheRangeOfEveryRow) {
    const Pixels px = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(crop_columns(px, 4, 1, 3), (Pixels{2, 3, 6, 7}));
    EXPECT_EQ(crop_columns(px, 4, 0, 4), px);
    EXPECT_EQ(crop_columns(px, 4, -5, 1), (Pixels{1, 5}));
    EXPECT_TRUE(crop_columns(px, 4, 3, 3).empty());
    EXPECT_TRUE(crop_columns(px, 0, 0, 1).empty());
}

// Random documents between a fixed header and footer, scrolled by random amounts forwards and
// back (repeats included) from the last accepted frame: the stitched image is the document's rows
// every time.
TEST(StitchProperty, StitchedImageEqualsTheDocument) {
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        std::mt19937 rng(seed);
        const int32_t width = 16 + static_cast<int32_t>(rng() % 300);
        const int32_t view = 20 + static_cast<int32_t>(rng() % 150);
        const int32_t doc_rows = view + static_cast<int32_t>(rng() % 1000);
        const Page page = text_page(rng, width, view, doc_rows, static_cast<int32_t>(rng() % 30),
                                    static_cast<int32_t>(rng() % 20), static_cast<int32_t>(rng() % 15));
        StitchState s = state_over(page.frame(0), width);
        int32_t accepted = 0;
        for (int step = 0; step < 80; ++step) {
            const int32_t reach = std::max(1, view / 2);
            const int32_t shift = static_cast<int32_t>(rng() % static_cast<uint32_t>(2 * reach + 1)) - reach;
            const int32_t pos = std::clamp(accepted + (rng() % 4 == 0 ? -std::abs(shift) : std::abs(shift)), 0,
                                           page.max_scroll());
            const ScrollMatch m = stitch_next_frame(s, page.frame(pos));
            const ScrollMatch want = pos > accepted   ? ScrollMatch{ScrollMatchKind::Added, pos - accepted}
                                     : pos < accepted ? ScrollMatch{ScrollMatchKind::Back, pos - accepted}
                                                      : ScrollMatch{ScrollMatchKind::Same, 0};
            ASSERT_EQ(m, want) << "seed " << seed << " step " << step << " from " << accepted << " to " << pos;
            if (pos > accepted) accepted = pos;
        }
        ASSERT_EQ(s.stitched, page.stitched(accepted)) << "seed " << seed;
    }
}
