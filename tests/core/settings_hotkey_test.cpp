#include <gtest/gtest.h>

#include "settings/settings.h"

namespace {

struct ParseCase {
    std::string_view text;
    std::optional<HotkeySetting> expected;
};

TEST(ParseHotkey, CanonicalTextAndRefusals) {
    const std::optional<HotkeySetting> none;
    const ParseCase cases[] = {
        {"F1", HotkeySetting{"F1", 0, 0x70}},
        {"f01", HotkeySetting{"F1", 0, 0x70}},
        {"F24", HotkeySetting{"F24", 0, 0x87}},
        {"F", HotkeySetting{"F", 0, 0x46}},
        {"ctrl + shift + a", HotkeySetting{"Ctrl+Shift+A", 6, 0x41}},
        {"A+Ctrl", HotkeySetting{"Ctrl+A", 2, 0x41}},
        {"Win+Shift+Alt+Control+9", HotkeySetting{"Ctrl+Alt+Shift+Win+9", 15, 0x39}},
        {"windows+ctrl+ctrl+z", HotkeySetting{"Ctrl+Win+Z", 10, 0x5A}},
        {"Ctrl+\xE3\x80\x80" "A\t", HotkeySetting{"Ctrl+A", 2, 0x41}},
        {"Shift+~", HotkeySetting{"Shift+`", 4, 0xC0}},
        {"Shift+`", HotkeySetting{"Shift+`", 4, 0xC0}},
        {"Num7", HotkeySetting{"Num7", 0, 0x67}},
        {"num0", HotkeySetting{"Num0", 0, 0x60}},
        {"numadd", HotkeySetting{"NumAdd", 0, 0x6B}},
        {"Return", HotkeySetting{"Enter", 0, 0x0D}},
        {"ins", HotkeySetting{"Insert", 0, 0x2D}},
        {"Del", HotkeySetting{"Delete", 0, 0x2E}},
        {"PgUp", HotkeySetting{"PageUp", 0, 0x21}},
        {"pgdn", HotkeySetting{"PageDown", 0, 0x22}},
        {"Alt+PrtSc", HotkeySetting{"Alt+PrintScreen", 1, 0x2C}},
        {"print", HotkeySetting{"PrintScreen", 0, 0x2C}},
        {"Snapshot", HotkeySetting{"PrintScreen", 0, 0x2C}},
        {"Ctrl+;", HotkeySetting{"Ctrl+;", 2, 0xBA}},
        {"Ctrl+=", HotkeySetting{"Ctrl+=", 2, 0xBB}},
        {"Ctrl++", none},  // '+' always separates; the key is called NumAdd
        {"Ctrl+A+B", none},
        {"Ctrl+F+1", none},
        {"Ctrl+F25", none},
        {"F0", none},
        {"F99999999999999999999999", none},
        {"Num10", none},
        {"Num", none},
        {"Ctrl+Esc", none},
        {"Ctrl+\xC3\xA9", none},
        {"F1 F2", none},
        {"Ctrl+Shift", none},
        {"", none},
        {" + + ", none},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(parse_hotkey(c.text), c.expected);
    }
}

struct NamedKey {
    const char* name;
    uint32_t vk;
};

constexpr NamedKey NAMED_KEYS[] = {
    {"PrintScreen", 0x2C}, {"Pause", 0x13},      {"ScrollLock", 0x91},  {"Insert", 0x2D},
    {"Delete", 0x2E},      {"Home", 0x24},       {"End", 0x23},         {"PageUp", 0x21},
    {"PageDown", 0x22},    {"Up", 0x26},         {"Down", 0x28},        {"Left", 0x25},
    {"Right", 0x27},       {"Space", 0x20},      {"Enter", 0x0D},       {"`", 0xC0},
    {"-", 0xBD},           {"=", 0xBB},          {"[", 0xDB},           {"]", 0xDD},
    {"\\", 0xDC},          {";", 0xBA},          {"'", 0xDE},           {",", 0xBC},
    {".", 0xBE},           {"/", 0xBF},          {"NumMultiply", 0x6A}, {"NumAdd", 0x6B},
    {"NumSubtract", 0x6D}, {"NumDecimal", 0x6E}, {"NumDivide", 0x6F},
};

TEST(KeyName, EveryNamedKeyBothWays) {
    for (const NamedKey& k : NAMED_KEYS) {
        SCOPED_TRACE(k.name);
        const auto named = key_name(0, k.vk);
        ASSERT_TRUE(named);
        EXPECT_EQ(named->text, k.name);
        EXPECT_EQ(parse_hotkey(k.name), named);
        EXPECT_EQ(parse_hotkey("Ctrl+" + std::string(k.name)), key_name(MOD_CONTROL_BIT, k.vk));
    }
}

TEST(KeyName, GeneratedNamesRoundTrip) {
    std::vector<uint32_t> codes;
    for (uint32_t vk = 0x30; vk <= 0x39; ++vk) codes.push_back(vk);
    for (uint32_t vk = 0x41; vk <= 0x5A; ++vk) codes.push_back(vk);
    for (uint32_t vk = 0x60; vk <= 0x69; ++vk) codes.push_back(vk);
    for (uint32_t vk = 0x70; vk <= 0x87; ++vk) codes.push_back(vk);
    for (uint32_t vk : codes) {
        const auto named = key_name(MOD_ALT_BIT | MOD_WIN_BIT, vk);
        ASSERT_TRUE(named) << vk;
        EXPECT_EQ(parse_hotkey(named->text), named) << named->text;
    }
    EXPECT_EQ(key_name(0, 0x65)->text, "Num5");
    EXPECT_EQ(key_name(0, 0x7B)->text, "F12");
}

TEST(KeyName, CodesWithoutANameAndModifierOrder) {
    for (uint32_t vk : {0x00u, 0x1Bu, 0x5Bu, 0x6Cu, 0x88u, 0xFFu, 0x141u})
        EXPECT_FALSE(key_name(MOD_CONTROL_BIT, vk)) << vk;
    const auto all = key_name(MOD_WIN_BIT | MOD_SHIFT_BIT | MOD_ALT_BIT | MOD_CONTROL_BIT, 0x41);
    EXPECT_EQ(all->text, "Ctrl+Alt+Shift+Win+A");
    // Bits outside the four modifiers (MOD_NOREPEAT) are carried but not named.
    const auto norepeat = key_name(0x4000 | MOD_SHIFT_BIT, 0x2E);
    EXPECT_EQ(norepeat->text, "Shift+Delete");
    EXPECT_EQ(norepeat->modifiers, 0x4004u);
    EXPECT_EQ(norepeat->hotkey(), (Hotkey{0x4004, 0x2E}));
}

TEST(SettingIsFalse, OnlyTheWordFalse) {
    for (const char* t : {"false", "FALSE", "False"}) EXPECT_TRUE(setting_is_false(t)) << t;
    for (const char* t : {"", "0", "no", "off", "false ", "falsey", "f"})
        EXPECT_FALSE(setting_is_false(t)) << t;
}

}  // namespace
