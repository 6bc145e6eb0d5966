#pragma once
// What a held mouse button is doing on the overlay. Kept with the toolbar, below capture/: the
// toolbar's tooltip shows only while no button is held.
#include <cstdint>

enum class MouseState : uint8_t {
    Idle = 0,
    Selecting = 1,
    MovingSelection = 2,
    ResizingSelection = 3,
    ToolbarPress = 4,
    EditorDrag = 5,
};
