#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/file_names.h"

TEST(HistoryFileName, AddsThreeDigitMilliseconds) {
    struct Case { uint32_t millis; const char* name; };
    const Case cases[] = {
        {0, "Ormick_20260108_093005_000.png"},
        {7, "Ormick_20260108_093005_007.png"},
        {42, "Ormick_20260108_093005_042.png"},
        {999, "Ormick_20260108_093005_999.png"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(history_file_name("Ormick_20260108_093005", c.millis), c.name) << c.millis;
    }
}

TEST(MillisFromFiletime, TakesTheMillisecondPartSince1970) {
    constexpr uint64_t EPOCH = 116444736000000000ull;
    struct Case { uint64_t filetime; uint32_t millis; };
    const Case cases[] = {
        {0, 0},
        {EPOCH - 1, 0},                          // before 1970
        {EPOCH, 0},
        {EPOCH + 9999, 0},                       // 0.9999 ms
        {EPOCH + 10000, 1},
        {EPOCH + 9999999, 999},
        {EPOCH + 10000000, 0},                   // a whole second
        {EPOCH + 17678646051234567ull, 123},     // 2026-01-08 09:30:05.1234567 UTC
        {UINT64_MAX, static_cast<uint32_t>((UINT64_MAX - EPOCH) % 10000000 / 10000)},
    };
    for (const Case& c : cases) EXPECT_EQ(millis_from_filetime(c.filetime), c.millis) << c.filetime;
}

TEST(IsPngName, UsesTheExtensionRule) {
    struct Case { const char* name; bool png; };
    const Case cases[] = {
        {"Ormick_20260108_093005_042.png", true}, {"X.PNG", true}, {"a.Png", true},
        {".png", false}, {"..", false}, {"shot", false}, {"shot.png.tmp", false},
        {"shot.jpg", false}, {"..png", true}, {"shot.png.", false},
    };
    for (const Case& c : cases) EXPECT_EQ(is_png_name(c.name), c.png) << c.name;
}

TEST(FilesToPrune, DropsTheOldestBeyondTheKeepCount) {
    std::vector<std::string> names = {
        "H\\Ormick_20260108_093005_500.png",
        "H\\X.PNG",  // made by hand
        "H\\Ormick_20260108_093005_042.png",
        "H\\Ormick_20260107_235959_999.png",
        "H\\Ormick_20260108_093006_001.png",
    };
    sort_ordinal(names);
    const std::vector<std::string> sorted = {
        "H\\Ormick_20260107_235959_999.png",
        "H\\Ormick_20260108_093005_042.png",
        "H\\Ormick_20260108_093005_500.png",
        "H\\Ormick_20260108_093006_001.png",
        "H\\X.PNG",
    };
    ASSERT_EQ(names, sorted);

    struct Case { uint64_t keep; size_t pruned; };
    const Case cases[] = {{0, 5}, {1, 4}, {4, 1}, {5, 0}, {30, 0}, {UINT64_MAX, 0}};
    for (const Case& c : cases) {
        const std::vector<std::string> gone = files_to_prune(sorted, c.keep);
        ASSERT_EQ(gone.size(), c.pruned) << c.keep;
        for (size_t i = 0; i < gone.size(); ++i) EXPECT_EQ(gone[i], sorted[i]);
    }
    EXPECT_TRUE(files_to_prune({}, 0).empty());
}

TEST(FilesToPrune, HandMadeNameThatSortsFirstGoesFirst) {
    std::vector<std::string> names = {"H\\Ormick_20260108_093005_042.png", "H\\A.PNG",
                                      "H\\Ormick_20260108_093006_001.png"};
    sort_ordinal(names);
    EXPECT_EQ(files_to_prune(names, 2), std::vector<std::string>{"H\\A.PNG"});
}

TEST(SortOrdinal, ComparesBytesNotLocale) {
    std::vector<std::string> names = {"b.png", "B.png", "\xC3\xA9.png", "a.png", "_.png"};
    sort_ordinal(names);
    const std::vector<std::string> want = {"B.png", "_.png", "a.png", "b.png", "\xC3\xA9.png"};
    EXPECT_EQ(names, want);
}
