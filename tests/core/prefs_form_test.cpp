#include <gtest/gtest.h>

#include "prefs/prefs_form.h"

TEST(PrefsNumbers, UnparsableKeepsTheCurrentValueAndRangesClamp) {
    struct Case {
        const char* field;
        uint64_t current, minimum, maximum;
        const char* stored;
    };
    const Case cases[] = {
        {"abc", 30, 0, 500, "30"},        {"999", 30, 0, 500, "500"},    {"0", 30, 1, 60, "1"},
        {"75", 30, 1, 60, "60"},          {"0", 30, 0, 500, "0"},        {" +12 ", 30, 0, 500, "12"},
        {"", 17, 0, 500, "17"},           {"-5", 30, 0, 500, "30"},      {"4294967295", 30, 0, 500, "500"},
        {"4294967296", 30, 0, 500, "30"},  // past 32 bits: the current value
        {"12a", 25, 1, 60, "25"},         {"abc", 700, 0, 500, "500"},   {"15", 0, 1, 60, "15"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(read_number_text(c.field, c.current, c.minimum, c.maximum), c.stored) << "\"" << c.field << "\"";
}

TEST(PrefsTranslate, LanguagesInOrderAndAnUnknownValueAdded) {
    const TranslateList base = translate_list("Same as the interface", "");
    const std::vector<std::string> codes = {"", "zh-TW", "zh-CN", "en", "ja", "ko", "fr", "de", "es", "ru", "pt"};
    EXPECT_EQ(base.codes, codes);
    EXPECT_EQ(base.items[0], "Same as the interface");
    EXPECT_EQ(base.items[6], "Fran\xC3\xA7" "ais  (fr)");
    EXPECT_EQ(base.items[1], "\xE7\xB9\x81\xE9\xAB\x94\xE4\xB8\xAD\xE6\x96\x87  (zh-TW)");
    EXPECT_EQ(base.selected, 0u);

    struct Case {
        const char* value;
        size_t selected;
        size_t count;
    };
    const Case cases[] = {{"ZH-tw", 1, 11}, {" de ", 7, 11}, {"pt", 10, 11}, {"it", 11, 12}, {"  ", 0, 11}};
    for (const Case& c : cases) {
        const TranslateList l = translate_list("same", c.value);
        EXPECT_EQ(l.selected, c.selected) << c.value;
        EXPECT_EQ(l.codes.size(), c.count) << c.value;
        EXPECT_EQ(l.items.size(), c.count) << c.value;
    }
    const TranslateList it = translate_list("same", " it ");
    EXPECT_EQ(it.items.back(), "it");
    EXPECT_EQ(it.codes.back(), "it");

    EXPECT_EQ(translate_code_at(it.codes, -1), "");
    EXPECT_EQ(translate_code_at(it.codes, 7), "de");
    EXPECT_EQ(translate_code_at(it.codes, 11), "it");  // saved unchanged
    EXPECT_EQ(translate_code_at(it.codes, 12), "");
}

TEST(PrefsSave, ElevenPairsInOrder) {
    Settings current = default_settings();
    current.history = 42;
    current.record_fps = 24;
    PrefsForm form;
    form.slots = {parse_hotkey("Ctrl+Shift+K"), std::nullopt, parse_hotkey("F3")};
    form.save_dir = "  D:\\Shots  ";
    form.history = "abc";
    form.record_fps = "75";
    form.low_memory = true;
    form.record_cursor = false;
    form.detect = 0;
    form.record_format = 1;
    form.translate = 2;
    const std::vector<std::string> codes = {"", "zh-TW", "zh-CN"};
    const SettingPairs expected = {
        {"capture_hotkey", "Ctrl+Shift+K"}, {"capture_copy_hotkey", ""}, {"pin_hotkey", "F3"},
        {"save_dir", "D:\\Shots"},          {"history", "42"},           {"capture_engine", "gdi"},
        {"capture_detect", "element"},      {"record_format", "gif"},    {"record_fps", "60"},
        {"record_cursor", "0"},             {"translate_to", "zh-CN"},
    };
    EXPECT_EQ(build_save_pairs(form, current, codes), expected);

    form.low_memory = false;
    form.record_cursor = true;
    form.detect = -1;  // nothing selected
    form.record_format = -1;
    form.translate = -1;
    form.history = "0";
    form.record_fps = "";
    const SettingPairs other = build_save_pairs(form, current, codes);
    EXPECT_EQ(other[4].second, "0");
    EXPECT_EQ(other[5].second, "dxgi");
    EXPECT_EQ(other[6].second, "window");
    EXPECT_EQ(other[7].second, "mp4");
    EXPECT_EQ(other[8].second, "24");
    EXPECT_EQ(other[9].second, "1");
    EXPECT_EQ(other[10].second, "");
}
