#include <gtest/gtest.h>

#include <random>
#include <string>

#include "scroll/scroll_columns.h"
#include "support/scroll_pages.h"

using namespace scroll_pages;

namespace {
constexpr int32_t ROWS = 100;

// A frame described column by column: 'S' scrolls with the document, 'F' is a fixed textured
// side bar, 'B' a blank white margin, 'T' a plain grey one.
Pixels layout_frame(const std::string& layout, const std::vector<Row>& doc, int32_t pos) {
    const int32_t w = static_cast<int32_t>(layout.size());
    Pixels f(static_cast<size_t>(w) * ROWS);
    for (int32_t y = 0; y < ROWS; ++y)
        for (int32_t x = 0; x < w; ++x) {
            uint32_t c = WHITE;
            switch (layout[static_cast<size_t>(x)]) {
                case 'S': c = doc[static_cast<size_t>(pos + y)][static_cast<size_t>(x)]; break;
                case 'F': c = (static_cast<uint32_t>(x * 7919 + y * 104729) * 2654435761u) >> 8; break;
                case 'T': c = 0xC0C0C0; break;
                default: break;
            }
            f[static_cast<size_t>(y * w + x)] = c;
        }
    return f;
}

std::string cols(std::initializer_list<std::pair<char, int>> runs) {
    std::string s;
    for (auto [c, n] : runs) s.append(static_cast<size_t>(n), c);
    return s;
}
}  // namespace

TEST(FindScrollColumns, FromBandsAndColumnWalks) {
    struct Case { const char* name; std::string layout; std::optional<ColumnRange> want; };
    const Case cases[] = {
        {"the narrow last band alone", cols({{'F', 32}, {'S', 8}}), std::nullopt},
        {"a fixed textured side bar stops the walk", cols({{'F', 40}, {'S', 160}}), ColumnRange{40, 200}},
        {"a blank margin is taken", cols({{'F', 40}, {'B', 16}, {'S', 144}}), ColumnRange{40, 200}},
        {"a plain margin of another colour is not", cols({{'F', 40}, {'T', 16}, {'S', 144}}), ColumnRange{56, 200}},
        {"side bar on the right", cols({{'S', 200}, {'F', 40}}), ColumnRange{0, 200}},
        {"margins and bars on both sides", cols({{'F', 40}, {'B', 8}, {'S', 144}, {'B', 8}, {'F', 40}}), ColumnRange{40, 200}},
        {"a strip narrower than 16 columns", cols({{'F', 64}, {'S', 12}, {'F', 52}}), std::nullopt},
        {"nothing scrolls", cols({{'F', 100}, {'B', 20}}), std::nullopt},
    };
    std::mt19937 rng(21);
    const std::vector<Row> doc = document(rng, 300, 200, 5);
    for (const Case& c : cases) {
        const Pixels a = layout_frame(c.layout, doc, 0), b = layout_frame(c.layout, doc, 30);
        const int32_t w = static_cast<int32_t>(c.layout.size());
        EXPECT_EQ(find_scroll_columns({a, b, w, ROWS}), c.want) << c.name;
    }
}

TEST(FindScrollColumns, FramesThatDoNotMove) {
    std::mt19937 rng(22);
    const std::vector<Row> doc = document(rng, 64, 200);
    const std::string layout(64, 'S');
    const Pixels a = layout_frame(layout, doc, 10);
    EXPECT_EQ(find_scroll_columns({a, a, 64, ROWS}), std::nullopt);  // rows equal in place never vote
    const Pixels white(64 * ROWS, WHITE);
    EXPECT_EQ(find_scroll_columns({a, white, 64, ROWS}), std::nullopt);  // uniform rows never vote
    EXPECT_EQ(find_scroll_columns({a, a, 64, ROWS - 1}), std::nullopt);  // frames of the wrong size
}

TEST(ExtendScrollColumns, StartAtTheLimitReturnsIt) {
    std::mt19937 rng(23);
    const std::vector<Row> doc = document(rng, 40, 200);
    const std::string layout(40, 'S');
    const Pixels a = layout_frame(layout, doc, 0), b = layout_frame(layout, doc, 20);
    const FramePair f{a, b, 40, ROWS};
    EXPECT_EQ(extend_scroll_columns(f, {0, ROWS, 20, WHITE, 0, -1, 0}), 0);
    EXPECT_EQ(extend_scroll_columns(f, {0, ROWS, 20, WHITE, 10, -1, 0}), 0);
    EXPECT_EQ(extend_scroll_columns(f, {0, ROWS, 20, WHITE, 10, +1, 39}), 39);
    EXPECT_EQ(extend_scroll_columns(f, {0, ROWS, 7, WHITE, 10, +1, 39}), 10);  // the wrong shift takes nothing
}

TEST(DominantColourInColumn, MostFrequentColourOfTheRange) {
    const Pixels px = {
        0xFF000001, 0x00000002, 0x00000002,
        0x00000001, 0x00000003, 0x00000002,
        0x00000001, 0x00000003, 0x00000003,
    };
    struct Case { ColumnRange columns; int32_t lo, hi; uint32_t want; };
    const Case cases[] = {
        {{0, 1}, 0, 3, 1},  // the fourth byte does not count
        {{1, 2}, 1, 3, 3},
        {{1, 3}, 0, 3, 2},  // 2 and 3 three times each: the first to get there
        {{2, 3}, 0, 1, 2},
        {{0, 3}, 1, 1, 0},  // empty
    };
    for (const Case& c : cases) EXPECT_EQ(dominant_colour_in_column(px, 3, c.columns, c.lo, c.hi), c.want) << c.columns.first;
}
