#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pin/closed_ring.h"
#include "pin/pin_keys.h"
#include "pin/pin_menu.h"
#include "pin/pin_pixels.h"

TEST(PinKeys, UnlockedAndLockedTable) {
    struct Case {
        const char* what;
        uint32_t vk;
        bool ctrl, shift;
        PinKeyAction unlocked, locked;
    };
    const PinKeyAction none{};
    const Case cases[] = {
        {"Esc", PIN_VK_ESCAPE, false, false, {PinAction::Close}, {PinAction::Close}},
        {"Space", PIN_VK_SPACE, false, false, {PinAction::Annotate}, {PinAction::Annotate}},
        {"Ctrl+C", PIN_VK_C, true, false, {PinAction::Copy}, {PinAction::Copy}},
        {"C", PIN_VK_C, false, false, none, none},
        {"Ctrl+S", PIN_VK_S, true, false, {PinAction::Save}, {PinAction::Save}},
        {"O", PIN_VK_O, false, false, {PinAction::Recognize}, {PinAction::Recognize}},
        {"Shift+O", PIN_VK_O, false, true, {PinAction::Recognize}, {PinAction::Recognize}},
        {"Ctrl+O", PIN_VK_O, true, false, none, none},
        {"Ctrl+0", PIN_VK_0, true, false, {PinAction::ActualSize}, none},
        {"Ctrl+Numpad 0", PIN_VK_NUMPAD0, true, false, {PinAction::ActualSize}, none},
        {"0", PIN_VK_0, false, false, none, none},
        {"Left", PIN_VK_LEFT, false, false, {PinAction::Move, -1, 0}, none},
        {"Shift+Right", PIN_VK_RIGHT, false, true, {PinAction::Move, 10, 0}, none},
        {"Up", PIN_VK_UP, false, false, {PinAction::Move, 0, -1}, none},
        {"Shift+Down", PIN_VK_DOWN, false, true, {PinAction::Move, 0, 10}, none},
        {"Numpad +", PIN_VK_ADD, false, false, {PinAction::ZoomIn}, none},
        {"= +", PIN_VK_OEM_PLUS, false, false, {PinAction::ZoomIn}, none},
        {"Numpad -", PIN_VK_SUBTRACT, false, false, {PinAction::ZoomOut}, none},
        {"-", PIN_VK_OEM_MINUS, false, false, {PinAction::ZoomOut}, none},
        {"A", 0x41, false, false, none, none},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pin_key_action(c.vk, c.ctrl, c.shift, false), c.unlocked) << c.what;
        EXPECT_EQ(pin_key_action(c.vk, c.ctrl, c.shift, true), c.locked) << c.what << " locked";
    }
}

TEST(PinKeys, MouseWhenLocked) {
    EXPECT_EQ(pin_double_click_action(false, false), PinAction::Close);
    EXPECT_EQ(pin_double_click_action(false, true), PinAction::None);
    EXPECT_EQ(pin_double_click_action(true, true), PinAction::Thumbnail);
    EXPECT_EQ(pin_wheel_action(false, false), PinAction::Zoom);
    EXPECT_EQ(pin_wheel_action(false, true), PinAction::None);
    EXPECT_EQ(pin_wheel_action(true, true), PinAction::Opacity);
    EXPECT_TRUE(pin_drags(false));
    EXPECT_FALSE(pin_drags(true));
}

TEST(PinPixels, TransformsOfA3x2Image) {
    const std::vector<uint32_t> image = {1, 2, 3, 4, 5, 6};
    struct Case {
        const char* what;
        void (*op)(std::span<uint32_t>, int32_t, int32_t);
        std::vector<uint32_t> want;
    };
    const Case cases[] = {
        {"flip h", flip_h, {3, 2, 1, 6, 5, 4}},
        {"flip v", flip_v, {4, 5, 6, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        std::vector<uint32_t> p = image;
        c.op(p, 3, 2);
        EXPECT_EQ(p, c.want) << c.what;
        c.op(p, 2, 2);  // a size that does not match changes nothing
        EXPECT_EQ(p, c.want) << c.what;
    }
    std::vector<uint32_t> odd = {1, 2, 3};  // 1 x 3: the middle row stays
    flip_v(odd, 1, 3);
    EXPECT_EQ(odd, (std::vector<uint32_t>{3, 2, 1}));
}

TEST(PinPixels, GreyAndInvertValues) {
    std::vector<uint32_t> p = {0x00FF0000, 0xFFFFFFFF, 0x00000000, 0x0000FF00, 0x000000FF};
    grayscale(p);
    EXPECT_EQ(p, (std::vector<uint32_t>{0x4C4C4C, 0xFFFFFF, 0, 0x959595, 0x1C1C1C}));
    std::vector<uint32_t> q = {0x00123456, 0xFF000000, 0x00FFFFFF};
    invert(q);
    EXPECT_EQ(q, (std::vector<uint32_t>{0xEDCBA9, 0xFFFFFF, 0}));
}

TEST(PinClosedRing, KeepsTheNewestTenAndRestoresNewestFirst) {
    std::vector<int> ring;
    for (int i = 1; i <= 11; ++i) remember_closed(ring, i);
    EXPECT_EQ(ring, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(take_newest_closed(ring), 11);
    EXPECT_EQ(take_newest_closed(ring), 10);
    EXPECT_EQ(ring.size(), 8u);
    std::vector<std::string> empty;
    EXPECT_FALSE(take_newest_closed(empty));
}

namespace {

const MenuItem* find_item(const std::vector<MenuItem>& items, uint32_t id) {
    for (const MenuItem& i : items) {
        if (i.id == id && !i.separator) return &i;
        if (const MenuItem* sub = find_item(i.submenu, id)) return sub;
    }
    return nullptr;
}

}  // namespace

TEST(PinMenu, ModelFollowsThePinsState) {
    const std::string plain =
        "Copy\\tCtrl+C | Save as…\\tCtrl+S | Annotate\\tSpace | Recognize text\\tO | Image [Rotate left | "
        "Rotate right | Flip horizontally | Flip vertically | Grayscale | Invert colors] | - | Actual size\\tCtrl+0 | "
        "Opacity [100% (checked) | 80% | 60% | 40% | 20%] | Thumbnail\\tShift+double-click | Lock position and size | "
        "Click-through | Print… | Close\\tEsc | Close all pins";
    EXPECT_EQ(menu_summary(pin_menu_model({})), plain);

    struct Case {
        const char* what;
        PinMenuState state;
        const char* annotations_item;  // null: absent
        int checked_opacity;           // -1: none
        bool thumbnail, locked;
    };
    const Case cases[] = {
        {"no annotations", {false, true, false, false, 100}, nullptr, 100, false, false},
        {"annotations shown", {true, true, false, false, 80}, "Hide annotations", 80, false, false},
        {"annotations hidden", {true, false, false, false, 60}, "Show annotations", 60, false, false},
        {"opacity 90 from the wheel", {false, true, true, true, 90}, nullptr, -1, true, true},
    };
    for (const Case& c : cases) {
        const std::vector<MenuItem> menu = pin_menu_model(c.state);
        const MenuItem* toggle = find_item(menu, PIN_CMD_TOGGLE_ANNOTATIONS);
        if (c.annotations_item) {
            ASSERT_TRUE(toggle) << c.what;
            EXPECT_EQ(toggle->text, c.annotations_item) << c.what;
        } else {
            EXPECT_FALSE(toggle) << c.what;
        }
        for (uint32_t i = 0; i < 5; ++i) {
            const MenuItem* step = find_item(menu, PIN_CMD_OPACITY_FIRST + i);
            ASSERT_TRUE(step);
            EXPECT_EQ(step->checked, PIN_MENU_OPACITIES[i] == c.checked_opacity) << c.what << " " << step->text;
        }
        EXPECT_EQ(find_item(menu, PIN_CMD_THUMBNAIL)->checked, c.thumbnail) << c.what;
        EXPECT_EQ(find_item(menu, PIN_CMD_LOCK)->checked, c.locked) << c.what;
    }
}
