#pragma once
// A pin's context menu as data, built from the pin's state.
#include <cstdint>
#include <vector>

#include "util/menu_model.h"

enum PinMenuCommand : uint32_t {
    PIN_CMD_COPY = 1,
    PIN_CMD_SAVE_AS = 2,
    PIN_CMD_ACTUAL_SIZE = 3,
    PIN_CMD_CLOSE = 4,
    PIN_CMD_CLOSE_ALL = 5,
    PIN_CMD_ANNOTATE = 6,
    PIN_CMD_TOGGLE_ANNOTATIONS = 7,
    PIN_CMD_RECOGNIZE_TEXT = 8,
    PIN_CMD_THUMBNAIL = 9,
    PIN_CMD_LOCK = 10,
    PIN_CMD_CLICK_THROUGH = 11,
    PIN_CMD_PRINT = 12,
    PIN_CMD_OPACITY_FIRST = 100,  // 100 to 104: the opacity steps below
    PIN_CMD_TRANSFORM_FIRST = 200,  // 200 to 205: PinImageOp 0 to 5
};

inline constexpr uint8_t PIN_MENU_OPACITIES[] = {100, 80, 60, 40, 20};
inline constexpr uint32_t PIN_IMAGE_OP_COUNT = 6;

// Rotate left and right, flip horizontally and vertically, grey, invert: menu id - 200.
enum class PinImageOp : uint8_t { RotateLeft = 0, RotateRight = 1, FlipH = 2, FlipV = 3, Grayscale = 4, Invert = 5 };

struct PinMenuState {
    bool has_annotations = false;
    bool show_annotations = true;
    bool thumbnail = false;
    bool locked = false;
    uint8_t opacity = 100;
};

std::vector<MenuItem> pin_menu_model(const PinMenuState& state);
