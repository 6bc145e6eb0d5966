#pragma once
// What a key, the right button, the wheel or a double click does on the overlay, decided from
// a plain picture of the session. The window procedure carries the effects out. Platform-free.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "annot/tool.h"
#include "capture/overlay_action.h"

// Virtual-key codes the overlay reads (the values of the Windows headers).
namespace vk {
inline constexpr uint32_t BACK = 0x08, TAB = 0x09, RETURN = 0x0D, ESCAPE = 0x1B, LEFT = 0x25, UP = 0x26,
                          RIGHT = 0x27, DOWN = 0x28, DELETE_KEY = 0x2E, F3 = 0x72;
}  // namespace vk

// What the session looks like when a key or button arrives.
struct InputContext {
    bool selection = false;            // a confirmed selection
    bool idle = false;                 // no button held
    bool shape_open = false;           // an open multi-click polyline
    bool text_box = false;             // the in-place text box is open
    bool clean = false;                // nothing drawn, nothing under way, tool none, no pin edit, no scan
    bool pin_edit = false;
    bool annotation_selected = false;
    bool editor_dirty = false;
    bool drawn = false;                // annotations, one under way, or a text box
    bool redact_busy = false;
    Tool tool = Tool::None;
};

enum class KeyEffectKind : uint8_t {
    None,
    Action,            // run `action`
    FinishAnnotation,  // end the open polyline
    DeleteAnnotation,  // the selected annotation
    NudgeAnnotation,   // the selected annotation by (dx, dy)
    MoveSelection,     // by (dx, dy), kept inside the overlay
    MoveCursor,        // the pointer by (dx, dy)
    SelectMonitor,     // the monitor nearest the pointer becomes the selection
    Undo,
    Redo,
    ApplySize,         // `size` 0, 1 or 2
    SetTool,           // `tool`
};

struct KeyEffect {
    KeyEffectKind kind = KeyEffectKind::None;
    ActionCall action;
    int32_t dx = 0, dy = 0;
    uint64_t size = 0;
    Tool tool = Tool::None;
    friend bool operator==(const KeyEffect&, const KeyEffect&) = default;
};

// Before the key table, when idle and without a selection, some keys first take what is under
// the pointer, R brings back the last capture's selection and Tab switches the detection mode.
enum class PreKey : uint8_t { None, TakeHovered, RestoreLast, SwitchDetect };
PreKey pre_key(uint32_t key, bool ctrl, bool idle, bool selection);

// The key table (WM_KEYDOWN, after the pre-step). Copying the colour text leaves the colour
// for the caller to fill in.
KeyEffect map_key(uint32_t key, bool ctrl, bool shift, const InputContext& c);

// The tool a letter chooses (R E A L B H M N T F X); none for other keys.
std::optional<Tool> tool_for_key(uint32_t key);

enum class RightEffect : uint8_t { FinishAnnotation, CommitText, ClearTool, Nothing, DropSelection, Close };
// `dragging`: a button is held.
RightEffect right_button_effect(const InputContext& c, bool dragging);

struct WheelContext {
    bool selection = false;
    bool text_box = false;
    bool element_mode = false;
    bool idle = false;
    Tool tool = Tool::None;
    std::optional<Tool> selected_kind;  // of the selected annotation
    std::array<uint64_t, 11> size_steps{};
    size_t depth = 0;                   // the nesting depth of the hovered element
};

enum class WheelEffectKind : uint8_t { None, ApplySize, Depth };
struct WheelEffect {
    WheelEffectKind kind = WheelEffectKind::None;
    uint64_t size = 0;   // ApplySize: the new step
    size_t depth = 0;    // Depth: the new depth
    friend bool operator==(const WheelEffect&, const WheelEffect&) = default;
};
WheelEffect wheel_step(int32_t delta, const WheelContext& c);

struct DoubleClickContext {
    bool on_toolbar = false;
    bool text_box = false;
    bool shape_open = false;
    bool pin_edit = false;
    bool inside_selection = false;
    Tool tool = Tool::None;
    std::optional<size_t> text_under;  // the topmost annotation under the point, when it is a Text
    bool annotation_under = false;
};

enum class DoubleClickKind : uint8_t { Press, RepaintOnly, FinishAnnotation, EditText, Action };
struct DoubleClickEffect {
    DoubleClickKind kind = DoubleClickKind::Press;
    size_t index = 0;                              // EditText
    OverlayAction action = OverlayAction::None;    // Action
    friend bool operator==(const DoubleClickEffect&, const DoubleClickEffect&) = default;
};
DoubleClickEffect double_click_effect(const DoubleClickContext& c);
