#include <gtest/gtest.h>

#include "prefs/prefs_hotkeys.h"

namespace {

constexpr uint32_t CTRL = MOD_CONTROL_BIT, ALT = MOD_ALT_BIT, SHIFT = MOD_SHIFT_BIT, WIN = MOD_WIN_BIT;

std::optional<HotkeySetting> hk(const char* text) { return parse_hotkey(text); }

}  // namespace

TEST(HotkeyKeys, WhichKeysMakeAHotkey) {
    using O = HotkeyKeyOutcome;
    struct Case {
        const char* what;
        uint32_t modifiers, vk;
        O outcome;
        const char* text;
    };
    const Case cases[] = {
        {"A alone", 0, 'A', O::NeedModifier, nullptr},
        {"Shift+A", SHIFT, 'A', O::NeedModifier, nullptr},
        {"Num7 alone", 0, 0x67, O::NeedModifier, nullptr},
        {"Shift+Delete", SHIFT, 0x2E, O::NeedModifier, nullptr},
        {"F5", 0, 0x74, O::Set, "F5"},
        {"Shift+F5", SHIFT, 0x74, O::Set, "Shift+F5"},
        {"F24", 0, 0x87, O::Set, "F24"},
        {"Pause", 0, 0x13, O::Set, "Pause"},
        {"Print Screen", 0, 0x2C, O::Set, "PrintScreen"},
        {"Shift+Scroll Lock", SHIFT, 0x91, O::Set, "Shift+ScrollLock"},
        {"Win+A", WIN, 'A', O::Set, "Win+A"},
        {"Ctrl+Shift+A", SHIFT | CTRL, 'A', O::Set, "Ctrl+Shift+A"},
        {"Alt+F4", ALT, 0x73, O::Set, "Alt+F4"},
        {"Backspace clears", 0, 0x08, O::Clear, nullptr},
        {"Delete clears", 0, 0x2E, O::Clear, nullptr},
        {"Ctrl+Backspace has no name", CTRL, 0x08, O::Ignore, nullptr},
        {"Ctrl+Delete", CTRL, 0x2E, O::Set, "Ctrl+Delete"},
        {"Ctrl+Tab has no name", CTRL, 0x09, O::Ignore, nullptr},
        {"Ctrl+Esc has no name", CTRL, 0x1B, O::Ignore, nullptr},
        {"Ctrl+Enter", CTRL, 0x0D, O::Set, "Ctrl+Enter"},
        {"Ctrl+unnamed key", CTRL, 0xFF, O::Ignore, nullptr},
    };
    for (const Case& c : cases) {
        const HotkeyKeyResult r = classify_hotkey_key(c.modifiers, c.vk);
        EXPECT_EQ(r.outcome, c.outcome) << c.what;
        if (c.text) {
            ASSERT_TRUE(r.hotkey) << c.what;
            EXPECT_EQ(r.hotkey->text, c.text) << c.what;
            EXPECT_EQ(r.hotkey->hotkey(), (Hotkey{c.modifiers, c.vk})) << c.what;
        } else {
            EXPECT_FALSE(r.hotkey) << c.what;
        }
    }
}

TEST(HotkeyKeys, MessagesAndTheKeysTheDialogGets) {
    struct Route {
        bool down;
        uint32_t vk;
        bool key;
    };
    const Route routes[] = {
        {true, 'A', true},    {false, 'A', false},  {true, 0x10, false}, {true, 0xA3, false},
        {true, 0x5C, false},  {false, 0x12, false}, {true, 0x2C, false}, {false, 0x2C, true},
        {true, 0x79, true},   // F10 arrives as a system key and is a key like any other
    };
    for (const Route& r : routes) EXPECT_EQ(hotkey_key_message_is_key(r.down, r.vk), r.key) << r.down << " " << r.vk;

    struct Pass {
        uint32_t vk, modifiers;
        bool passes;
    };
    const Pass passes[] = {
        {0x09, 0, true},     {0x09, SHIFT, true},  {0x09, CTRL, false}, {0x09, CTRL | SHIFT, false},
        {0x0D, 0, true},     {0x0D, CTRL, false},  {0x0D, SHIFT, false}, {0x1B, 0, true},
        {0x1B, CTRL, false}, {'A', 0, false},      {0x08, 0, false},
    };
    for (const Pass& p : passes) EXPECT_EQ(hotkey_box_passes_key(p.vk, p.modifiers), p.passes) << p.vk << "/" << p.modifiers;
}

TEST(HotkeyKeys, WhatTheBoxShows) {
    EXPECT_EQ(hotkey_text(0), "");
    EXPECT_EQ(hotkey_text(CTRL | ALT | SHIFT | WIN), "Ctrl+Alt+Shift+Win+");
    struct Case {
        bool focused;
        uint32_t live;
        std::optional<HotkeySetting> slot;
        std::string text;
        bool grey;
    };
    const Case cases[] = {
        {true, CTRL | SHIFT, hk("F1"), "Ctrl+Shift+\xE2\x80\xA6", false},
        {false, CTRL, hk("F1"), "F1", false},  // held modifiers show only while focused
        {true, 0, hk("Alt+F2"), "Alt+F2", false},
        {true, 0, std::nullopt, "Press keys\xE2\x80\xA6", true},
        {false, 0, std::nullopt, "(none)", true},
    };
    for (const Case& c : cases) {
        const HotkeyBoxText t = hotkey_box_text(c.focused, c.live, c.slot);
        EXPECT_EQ(t.text, c.text);
        EXPECT_EQ(t.grey, c.grey) << c.text;
    }
}

TEST(HotkeyStatuses, SameAsBothWaysOwnKeysAndTakenKeys) {
    using K = HotkeyStatusKind;
    std::vector<Hotkey> probed;
    const auto probe_taking = [&](std::vector<Hotkey> taken) {
        return [&probed, taken](const Hotkey& h) {
            probed.push_back(h);
            return std::find(taken.begin(), taken.end(), h) == taken.end();
        };
    };
    struct Case {
        const char* what;
        HotkeySlots slots;
        std::vector<Hotkey> registered, taken;
        std::array<HotkeyStatus, 3> statuses;
        size_t probes;
    };
    const Hotkey f1{0, 0x70}, f3{0, 0x72}, ctrl_k{CTRL, 'K'};
    const Case cases[] = {
        {"pin set to the capture key", {hk("F1"), std::nullopt, hk("F1")}, {f3}, {},
         {{{K::SameAs, 2}, {}, {K::SameAs, 0}}}, 0},
        {"three alike name the first other", {hk("F1"), hk("F1"), hk("F1")}, {}, {},
         {{{K::SameAs, 1}, {K::SameAs, 0}, {K::SameAs, 0}}}, 0},
        {"own registered keys are fine", {hk("F1"), std::nullopt, hk("F3")}, {f1, f3}, {f1, f3}, {}, 0},
        {"a key another program holds", {hk("Ctrl+K"), std::nullopt, hk("F3")}, {f3}, {ctrl_k},
         {{{K::InUse, -1}, {}, {}}}, 1},
        {"free keys are fine", {hk("Ctrl+K"), hk("Win+A"), std::nullopt}, {}, {}, {}, 2},
        {"all off", {}, {f1}, {f1}, {}, 0},
    };
    for (const Case& c : cases) {
        probed.clear();
        EXPECT_EQ(hotkey_statuses(c.slots, c.registered, probe_taking(c.taken)), c.statuses) << c.what;
        EXPECT_EQ(probed.size(), c.probes) << c.what;
    }
    EXPECT_EQ(hotkey_status_text({K::SameAs, 0}), "Same as \"Capture\"");
    EXPECT_EQ(hotkey_status_text({K::SameAs, 2}), "Same as \"Pin clipboard image\"");
    EXPECT_EQ(hotkey_status_text({K::SameAs, 1}), "Same as \"Capture and copy\"");
    EXPECT_EQ(hotkey_status_text({K::InUse, -1}), "Used by another program");
    EXPECT_EQ(hotkey_status_text({}), "");
}
