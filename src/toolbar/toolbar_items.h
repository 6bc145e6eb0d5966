#pragma once
// The toolbar's items, their order, and the option row's cells and rules.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "annot/tool.h"
#include "strings/ui_text.h"

enum class ToolbarItem : uint8_t {
    Rectangle = 0, Ellipse = 1, Arrow = 2, Line = 3, Pen = 4, Highlighter = 5, Mosaic = 6, Text = 7,
    Number = 8, Spotlight = 9, Eraser = 10, Undo = 11, Redo = 12, RecognizeText = 13, Qr = 14,
    Redact = 15, ScrollCapture = 16, Record = 17, LivePin = 18, Pin = 19, Save = 20, Copy = 21,
    Cancel = 22, Done = 23, Separator = 24
};
inline constexpr uint8_t TOOLBAR_ITEM_COUNT = 25;

// The item sequence: 26 items in a normal capture, 22 in pin-edit mode.
std::span<const ToolbarItem> toolbar_tool_order(bool pin_edit);

// The button that carries the accent colour: Copy, or Done while a pin is edited.
ToolbarItem primary_item(bool pin_edit);

// The tool an item chooses; none for the other items.
std::optional<Tool> item_tool(ToolbarItem item);

// The tooltip of a button: its text followed directly by its key hint; empty for a separator.
std::string item_tooltip(ToolbarItem item, bool pin_edit);

// Option cells, in the kinds of the hit result.
enum class OptionKind : uint8_t { Size = 0, Colour = 1, CustomColour = 2, StyleSwitch = 3, Separator = 4 };

enum class StyleSwitch : uint8_t { Fill = 0, Box = 1, Blur = 2, Outline = 3 };

// The eight swatches, ARGB.
inline constexpr std::array<uint32_t, 8> PALETTE = {0xFFFF3B30, 0xFFFF9500, 0xFFFFCC00, 0xFF34C759,
                                                   0xFF007AFF, 0xFFAF52DE, 0xFF1C1C1E, 0xFFFFFFFF};

// The style switches a tool offers, in row order.
std::span<const StyleSwitch> tool_style_switches(Tool tool);
UiText style_switch_label(StyleSwitch s);

// The tool whose options the row shows: Text while a text box is open; otherwise the current
// tool, where Spotlight and Eraser have none; with no tool, the selected annotation's kind.
std::optional<Tool> option_tool(bool text_box_open, Tool tool, std::optional<Tool> selected_kind);
