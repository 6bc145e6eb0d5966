#include "toolbar/toolbar_items.h"

#include "strings/ui_strings.h"

namespace {

using enum ToolbarItem;

constexpr std::array<ToolbarItem, 26> NORMAL_ORDER = {
    Rectangle, Ellipse, Arrow, Line, Pen, Highlighter, Mosaic, Text, Number, Spotlight, Eraser, Separator, Undo,
    Redo, Separator, RecognizeText, Qr, Redact, ScrollCapture, Record, Separator, LivePin, Pin, Save, Cancel, Copy};

constexpr std::array<ToolbarItem, 22> PIN_EDIT_ORDER = {
    Rectangle, Ellipse, Arrow, Line, Pen, Highlighter, Mosaic, Text, Number, Spotlight, Eraser, Separator, Undo,
    Redo, Separator, RecognizeText, Qr, Redact, Save, Copy, Cancel, Done};

struct ItemText {
    UiText text;
    const char* hint;
};

// Indexed by item id; Copy's hint is decided by the mode.
constexpr std::array<ItemText, 24> ITEM_TEXTS = {{
    {TOOL_RECTANGLE, "  R"},
    {TOOL_ELLIPSE, "  E"},
    {TOOL_ARROW, "  A"},
    {TOOL_LINE, "  L"},
    {TOOL_PEN, "  B"},
    {TOOL_HIGHLIGHTER, "  H"},
    {TOOL_MOSAIC, "  M"},
    {TOOL_TEXT, "  T"},
    {TOOL_NUMBER, "  N"},
    {TOOL_SPOTLIGHT, "  F"},
    {TOOL_ERASER, "  X"},
    {TOOL_UNDO, "  Ctrl+Z"},
    {TOOL_REDO, "  Ctrl+Y"},
    {TOOLBAR_RECOGNIZE_TEXT, "  O"},
    {TOOLBAR_QR, "  Q"},
    {TOOLBAR_REDACT, "  D"},
    {TOOLBAR_SCROLL_CAPTURE, "  S"},
    {TOOLBAR_RECORD, "  V"},
    {TOOLBAR_LIVE_PIN, "  Shift+P"},
    {TOOLBAR_PIN, "  P"},
    {TOOLBAR_SAVE, "  Ctrl+S"},
    {TOOLBAR_COPY, "  Enter"},
    {TOOLBAR_CANCEL, "  Esc"},
    {TOOL_DONE, "  Enter"},
}};

constexpr std::array<StyleSwitch, 1> FILL_ONLY = {StyleSwitch::Fill};
constexpr std::array<StyleSwitch, 1> BOX_ONLY = {StyleSwitch::Box};
constexpr std::array<StyleSwitch, 2> BOX_BLUR = {StyleSwitch::Box, StyleSwitch::Blur};
constexpr std::array<StyleSwitch, 1> OUTLINE_ONLY = {StyleSwitch::Outline};

}  // namespace

std::span<const ToolbarItem> toolbar_tool_order(bool pin_edit) {
    if (pin_edit) return PIN_EDIT_ORDER;
    return NORMAL_ORDER;
}

ToolbarItem primary_item(bool pin_edit) { return pin_edit ? Done : Copy; }

std::optional<Tool> item_tool(ToolbarItem item) {
    if (static_cast<uint8_t>(item) <= static_cast<uint8_t>(Tool::Eraser)) return static_cast<Tool>(item);
    return std::nullopt;
}

std::string item_tooltip(ToolbarItem item, bool pin_edit) {
    const auto id = static_cast<uint8_t>(item);
    if (id >= ITEM_TEXTS.size()) return {};
    const ItemText& t = ITEM_TEXTS[id];
    std::string text = ui_text(t.text);
    text += (item == Copy && pin_edit) ? "  Ctrl+C" : t.hint;
    return text;
}

std::span<const StyleSwitch> tool_style_switches(Tool tool) {
    switch (tool) {
    case Tool::Rectangle:
    case Tool::Ellipse: return FILL_ONLY;
    case Tool::Highlighter: return BOX_ONLY;
    case Tool::Mosaic: return BOX_BLUR;
    case Tool::Text: return OUTLINE_ONLY;
    default: return {};
    }
}

UiText style_switch_label(StyleSwitch s) {
    switch (s) {
    case StyleSwitch::Fill: return STYLE_FILL;
    case StyleSwitch::Box: return STYLE_BOX;
    case StyleSwitch::Blur: return STYLE_BLUR;
    case StyleSwitch::Outline: break;
    }
    return STYLE_OUTLINE;
}

std::optional<Tool> option_tool(bool text_box_open, Tool tool, std::optional<Tool> selected_kind) {
    if (text_box_open) return Tool::Text;
    if (tool == Tool::Spotlight || tool == Tool::Eraser) return std::nullopt;
    if (tool != Tool::None) return tool;
    if (selected_kind && static_cast<uint8_t>(*selected_kind) < static_cast<uint8_t>(Tool::Spotlight))
        return selected_kind;
    return std::nullopt;
}
