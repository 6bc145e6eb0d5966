#include "toolbar/toolbar_paint.h"

#include <algorithm>

#include "util/scaled.h"

namespace {

constexpr uint32_t CELL_HOVER = 0xEAEEF6;
constexpr uint32_t SWITCH_OFF = 0xF2F3F6;
constexpr uint32_t LABEL_DARK = 0x202024;
constexpr uint32_t GLYPH_DARK = 0x2C2C30;
constexpr uint32_t GLYPH_DISABLED = 0xB4B4BC;
constexpr uint32_t DOT_IDLE = 0x6E6E78;
constexpr uint32_t WHITE_RING = 0xC8C8D0;

uint32_t opaque(uint32_t rgb) { return 0xFF000000u | (rgb & 0xFFFFFFu); }

bool is_hovered(ToolbarItem item, const ToolbarPaintState& s) {
    return s.hover.kind == HitKind::Button && s.hover.value == static_cast<uint8_t>(item);
}

bool is_active_tool(ToolbarItem item, const ToolbarPaintState& s) {
    const std::optional<Tool> tool = item_tool(item);
    return tool && *tool == s.editor.tool;
}

double luminance(uint32_t argb) {
    const double r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
    return (0.299 * r + 0.587 * g + 0.114 * b) / 255.0;
}

void add_cell_marks(const OptionCell& cell, const ToolbarLayout& layout, const ToolbarEditorView& editor,
                    std::vector<CellMark>& marks) {
    const float s = layout.scale;
    const float cx = (static_cast<float>(cell.rect.l) + static_cast<float>(cell.rect.r)) / 2.0f;
    const float cy = (static_cast<float>(cell.rect.t) + static_cast<float>(cell.rect.b)) / 2.0f;
    const CellMark accent_ring{MarkKind::Ring, cx, cy, 22 * s, opaque(ACCENT), std::max(2 * s, 0.5f)};
    switch (cell.kind) {
    case OptionKind::Size: {
        static constexpr float DIAMETERS[] = {5, 9, 13};
        const auto tool = static_cast<size_t>(layout.option_tool.value_or(Tool::Rectangle));
        const bool current = tool < editor.size_steps.size() && editor.size_steps[tool] == cell.value;
        marks.push_back({MarkKind::Dot, cx, cy, DIAMETERS[std::min<uint8_t>(cell.value, 2)] * s,
                         opaque(current ? ACCENT : DOT_IDLE), 0});
        break;
    }
    case OptionKind::Colour: {
        const uint32_t swatch = PALETTE[std::min<size_t>(cell.value, PALETTE.size() - 1)];
        if (editor.color == swatch) marks.push_back(accent_ring);
        marks.push_back({MarkKind::Dot, cx, cy, 16 * s, swatch, 0});
        // A pale swatch would vanish into the light row without a ring.
        if (luminance(swatch) > 0.85) marks.push_back({MarkKind::Ring, cx, cy, 16 * s, opaque(WHITE_RING), std::max(s, 1.0f)});
        break;
    }
    case OptionKind::CustomColour:
        marks.push_back({MarkKind::Wheel, cx, cy, 16 * s, 0, 0});
        if (std::find(PALETTE.begin(), PALETTE.end(), editor.color) == PALETTE.end()) {
            marks.push_back({MarkKind::Dot, cx, cy, 8 * s, editor.color, 0});
            marks.push_back(accent_ring);
        }
        break;
    case OptionKind::StyleSwitch:
    case OptionKind::Separator: break;
    }
}

}  // namespace

bool style_switch_on(StyleSwitch s, Tool option_tool, const ToolbarEditorView& e) {
    switch (s) {
    case StyleSwitch::Fill: return e.fill;
    case StyleSwitch::Box: return option_tool == Tool::Highlighter ? e.highlighter_box : e.mosaic_box;
    case StyleSwitch::Blur: return e.blur;
    case StyleSwitch::Outline: return e.outline;
    }
    return false;
}

std::optional<uint32_t> button_fill(ToolbarItem item, const ToolbarLayout& layout, const ToolbarPaintState& s) {
    const bool hovered = is_hovered(item, s);
    const bool pressed = hovered && s.press == s.hover;
    if (item == primary_item(layout.pin_edit)) return pressed ? 0x155FD8 : hovered ? 0x1F6FF0 : ACCENT;
    if (pressed) return 0xCEDCF6;
    if (is_active_tool(item, s)) return 0xDBE8FF;
    if (hovered) return CELL_HOVER;
    return std::nullopt;
}

uint32_t glyph_colour(ToolbarItem item, const ToolbarLayout& layout, const ToolbarPaintState& s) {
    if (is_active_tool(item, s)) return ACCENT;
    if (item == primary_item(layout.pin_edit)) return 0xFFFFFF;
    if (item == ToolbarItem::Undo && s.editor.undo_empty) return GLYPH_DISABLED;
    if (item == ToolbarItem::Redo && s.editor.redo_empty) return GLYPH_DISABLED;
    return GLYPH_DARK;
}

ToolbarPaint toolbar_paint_plan(const ToolbarLayout& layout, const ToolbarPaintState& state) {
    const float s = layout.scale;
    ToolbarPaint p;
    const int32_t frame_radius = scaled_round(7, s);
    p.frames.push_back({layout.toolbar, frame_radius, TOOLBAR_FRAME_FILL, TOOLBAR_FRAME_OUTLINE});
    if (!layout.option_row.empty())
        p.frames.push_back({layout.option_row, frame_radius, TOOLBAR_FRAME_FILL, TOOLBAR_FRAME_OUTLINE});
    p.separators = separator_lines(layout);

    const int32_t radius = scaled_round(5, s);
    for (const ToolbarButton& b : layout.items) {
        if (b.id == ToolbarItem::Separator) continue;
        if (const std::optional<uint32_t> fill = button_fill(b.id, layout, state))
            p.backgrounds.push_back({b.rect, radius, *fill, *fill});
        p.glyphs.push_back({b.rect, b.id, glyph_colour(b.id, layout, state)});
    }
    for (const OptionCell& c : layout.cells) {
        if (c.kind == OptionKind::Separator) continue;
        const bool hovered = state.hover.kind == static_cast<HitKind>(c.kind) && state.hover.value == c.value;
        if (c.kind == OptionKind::StyleSwitch) {
            const auto sw = static_cast<StyleSwitch>(c.value);
            const bool on = layout.option_tool && style_switch_on(sw, *layout.option_tool, state.editor);
            const uint32_t fill = on ? ACCENT : hovered ? CELL_HOVER : SWITCH_OFF;
            p.backgrounds.push_back({c.rect, radius, fill, fill});
            p.labels.push_back({c.rect, style_switch_label(sw), on ? 0xFFFFFFu : LABEL_DARK});
            continue;
        }
        if (hovered) p.backgrounds.push_back({c.rect, radius, CELL_HOVER, CELL_HOVER});
        add_cell_marks(c, layout, state.editor, p.marks);
    }
    return p;
}
