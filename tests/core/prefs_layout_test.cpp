#include <gtest/gtest.h>

#include <set>

#include "prefs/prefs_layout.h"

namespace {

PrefsTextWidths narrow_texts() { return PrefsTextWidths{}; }

}  // namespace

TEST(PrefsMetrics, MinimumsWidestTextAndClamp) {
    struct Case {
        const char* what;
        PrefsTextWidths widths;
        PrefsMetrics metrics;
    };
    PrefsTextWidths labels = narrow_texts();
    labels.row_labels[8] = 180;  // the widest of the nine decides
    labels.row_labels[0] = 120;
    labels.browse = 70;
    PrefsTextWidths buttons = narrow_texts();
    buttons.save = 90;
    buttons.cancel = 100;
    buttons.edit_file = 300;
    PrefsTextWidths hint = narrow_texts();
    hint.hotkey_hint = 2000;
    PrefsTextWidths check = narrow_texts();
    check.low_memory = 600;
    PrefsTextWidths failed = narrow_texts();
    failed.row_labels.fill(-5);  // a measurement that failed counts as nothing
    failed.browse = INT32_MIN;
    PrefsTextWidths huge = narrow_texts();
    huge.row_labels[3] = INT32_MAX;
    huge.cancel = INT32_MAX;
    const Case cases[] = {
        {"all minimums", narrow_texts(), {200, 88, 150, 104, 600}},
        {"label and browse", labels, {230, 98, 150, 104, 612}},
        {"footer buttons", buttons, {200, 88, 328, 128, 664}},
        {"wide hint cut to 960", hint, {200, 88, 150, 104, 960}},
        {"check box text", check, {200, 88, 150, 104, 688}},
        {"failed measurements", failed, {200, 88, 150, 104, 600}},
        {"absurd widths stay in range", huge, {(1 << 20) + 50, 88, 150, (1 << 20) + 28, 960}},
    };
    for (const Case& c : cases) EXPECT_EQ(compute_prefs_metrics(c.widths), c.metrics) << c.what;
}

TEST(PrefsTable, TabOrderAndPlacesFollowTheMetrics) {
    const PrefsMetrics m{230, 98, 160, 110, 700};
    const std::vector<PrefsControlSpec> table = prefs_control_table(m);
    std::vector<int> ids;
    for (const PrefsControlSpec& c : table) ids.push_back(c.id);
    const std::vector<int> expected = {300, 340, 100, 110, 341, 101, 111, 342, 102, 112, 320, 301,
                                       120, 343, 125, 323, 344, 121, 122, 345, 123, 321, 124, 302,
                                       346, 130, 347, 131, 322, 132, 303, 348, 140, 150, 1,   2};
    EXPECT_EQ(ids, expected);
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), ids.size());

    const auto place = [&](int id) {
        for (const PrefsControlSpec& c : table)
            if (c.id == id) return c.dips;
        return Rect{};
    };
    struct Case {
        int id;
        Rect dips;
    };
    const Case cases[] = {
        {300, {24, 18, 676, 42}},   {340, {36, 50, 222, 78}},   {100, {230, 50, 400, 78}},
        {112, {410, 122, 676, 150}}, {121, {230, 301, 570, 327}}, {122, {578, 300, 676, 328}},
        {125, {230, 265, 410, 465}}, {323, {420, 264, 676, 292}}, {131, {230, 487, 294, 513}},
        {140, {230, 601, 430, 901}}, {150, {24, 666, 184, 696}},  {1, {448, 666, 558, 696}},
        {2, {566, 666, 676, 696}},
    };
    for (const Case& c : cases) EXPECT_EQ(place(c.id), c.dips) << c.id;
}

TEST(PrefsTable, StaticColoursByIdRange) {
    const uint32_t dark = 26 | 26 << 8 | 26 << 16, red = 196 | 43 << 8 | 28 << 16, grey = 107 | 107 << 8 | 107 << 16;
    const std::pair<int, std::optional<uint32_t>> cases[] = {
        {300, dark}, {303, dark}, {319, dark}, {110, red},  {112, red},  {320, grey}, {323, grey},
        {339, grey}, {340, {}},   {348, {}},   {113, {}},   {109, {}},   {120, {}},   {1, {}},
    };
    for (const auto& [id, colour] : cases) EXPECT_EQ(prefs_static_colour(id), colour) << id;
}

TEST(PrefsScale, RoundsHalvesAwayFromZeroAt96And144) {
    EXPECT_EQ(prefs_font_heights(96), (PrefsFonts{15, 14}));
    EXPECT_EQ(prefs_font_heights(144), (PrefsFonts{23, 21}));  // 22.5 becomes 23
    EXPECT_EQ(prefs_font_heights(120), (PrefsFonts{19, 18}));  // 18.75 and 17.5
    EXPECT_EQ(prefs_pixels(144, 9), 14);                        // 13.5
    EXPECT_EQ(prefs_pixels(144, 2), 3);

    struct Case {
        Rect dips;
        uint32_t dpi;
        PixelPlace px;
    };
    const Case cases[] = {
        {{36, 50, 222, 78}, 96, {36, 50, 186, 28}},
        {{36, 50, 222, 78}, 144, {54, 75, 279, 42}},
        {{24, 18, 675, 42}, 144, {36, 27, 977, 36}},   // 1012.5 rounds up: the width follows the edges
        {{1, 1, 3, 3}, 144, {2, 2, 3, 3}},              // 1.5 → 2, 4.5 → 5
        {{-3, 0, -1, 1}, 144, {-5, 0, 3, 2}},          // −4.5 → −5, −1.5 → −2
        {{10, 10, 20, 20}, 72, {8, 8, 7, 7}},          // after WM_DPICHANGED a DPI below 96 counts
    };
    for (const Case& c : cases) EXPECT_EQ(scale_placement(c.dips, c.dpi), c.px) << c.dips.l << "@" << c.dpi;
    EXPECT_EQ(prefs_scale(INT32_MAX, 65535), INT32_MAX);

    EXPECT_EQ(prefs_client_size(600, 96), (PixelSize{600, 712}));
    EXPECT_EQ(prefs_client_size(713, 144), (PixelSize{1070, 1068}));  // 1069.5
}

TEST(PrefsPlace, CentredWithTheTopInsideTheWorkArea) {
    struct Case {
        const char* what;
        Rect work;
        PixelSize outer;
        PixelPoint at;
    };
    const Case cases[] = {
        {"centred", {0, 0, 1920, 1040}, {616, 751}, {652, 144}},
        {"odd remainder halves down", {0, 0, 1921, 1041}, {600, 700}, {660, 170}},
        {"second monitor", {1920, 0, 3840, 1080}, {616, 751}, {2572, 164}},
        {"taller than the work area: top kept", {0, 40, 800, 600}, {700, 1100}, {50, 40}},
        {"wider: the left kept too", {0, 0, 600, 1000}, {1000, 500}, {0, 250}},
        {"monitor left of the primary", {-1280, 0, 0, 1024}, {600, 724}, {-940, 150}},
    };
    for (const Case& c : cases) EXPECT_EQ(prefs_window_origin(c.work, c.outer), c.at) << c.what;
}

TEST(PrefsPlace, TheWholeWindowFitsTheWorkArea) {
    // Frames as the system draws them: a caption and borders at the monitor's DPI.
    struct Case {
        const char* what;
        uint32_t dpi;
        int32_t width;
        PixelSize work, frame;
        uint32_t fit;
    };
    const Case cases[] = {
        {"1080 at 150 % over a 72-pixel taskbar", 144, 700, {1920, 1008}, {14, 45}, 129},
        {"1080 at 150 % without a taskbar", 144, 700, {1920, 1080}, {14, 45}, 139},
        {"1440 at 150 %: room to spare", 144, 700, {2560, 1392}, {14, 45}, 144},
        {"1366 x 768 at 125 %", 120, 700, {1366, 718}, {12, 38}, 91},
        {"1600 x 900 at 125 %", 120, 700, {1600, 850}, {12, 38}, 109},
        {"portrait 1080 wide at 150 %, widest layout", 144, 960, {1080, 1848}, {14, 45}, 106},
        {"1920 x 1040 at 100 %", 96, 616, {1920, 1040}, {16, 39}, 96},
        {"absurdly small: the floor", 96, 616, {200, 150}, {16, 39}, PREFS_MIN_LAYOUT_DPI},
        {"a work area smaller than the frame", 96, 616, {10, 10}, {16, 39}, PREFS_MIN_LAYOUT_DPI},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const uint32_t dpi = prefs_fit_dpi(c.dpi, c.width, c.work, c.frame);
        EXPECT_EQ(dpi, c.fit);
        if (dpi == PREFS_MIN_LAYOUT_DPI) continue;
        const PixelSize client = prefs_client_size(c.width, dpi);
        EXPECT_LE(client.h + c.frame.h, c.work.h);
        EXPECT_LE(client.w + c.frame.w, c.work.w);
        // The largest that fits: one DPI more would not.
        if (dpi < c.dpi) {
            const PixelSize bigger = prefs_client_size(c.width, dpi + 1);
            EXPECT_TRUE(bigger.h + c.frame.h > c.work.h || bigger.w + c.frame.w > c.work.w);
        }
    }
}
