#pragma once
// What the toolbar looks like in a given state, as a list of drawing steps that one thin
// adapter carries out (GDI for the frames and fills, GDI+ for the glyphs and cell marks).
// Colours are 0xRRGGBB unless named argb.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "annot/tool.h"
#include "strings/ui_text.h"
#include "toolbar/toolbar_layout.h"

// The editor's part of the picture.
struct ToolbarEditorView {
    Tool tool = Tool::None;
    bool undo_empty = true;
    bool redo_empty = true;
    std::array<uint64_t, 11> size_steps = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    uint32_t color = 0xFFFF3B30;  // argb
    bool fill = false, highlighter_box = false, mosaic_box = true, blur = false, outline = true;
};

struct ToolbarPaintState {
    ToolbarHit hover = TOOLBAR_OUTSIDE;  // toolbar_hover
    ToolbarHit press = TOOLBAR_OUTSIDE;  // the hit at the press while a button is held
    ToolbarEditorView editor;
};

inline constexpr uint32_t TOOLBAR_FRAME_FILL = 0xFCFCFD;
inline constexpr uint32_t TOOLBAR_FRAME_OUTLINE = 0xCDD0D6;
inline constexpr uint32_t TOOLBAR_SEPARATOR = 0xDEDEE4;
inline constexpr uint32_t ACCENT = 0x2B7FFF;

struct RoundedFill {
    Rect rect;
    int32_t radius = 0;  // corner radius
    uint32_t fill = 0;
    uint32_t outline = 0;
};

struct CellLabel {
    Rect rect;
    UiText text = STYLE_FILL;
    uint32_t rgb = 0;
};

struct GlyphDraw {
    Rect button;
    ToolbarItem item = ToolbarItem::Separator;
    uint32_t rgb = 0;
};

enum class MarkKind : uint8_t {
    Dot,    // filled circle
    Ring,   // circle outlined with a pen of `pen` pixels
    Wheel,  // the custom colour wheel: four filled quarter slices
};

struct CellMark {
    MarkKind kind = MarkKind::Dot;
    float cx = 0, cy = 0, diameter = 0;
    uint32_t argb = 0;
    float pen = 0;
};

struct WheelSlice {
    float start = 0;  // degrees, clockwise from +x; each slice sweeps 90
    uint32_t argb = 0;
};
inline constexpr std::array<WheelSlice, 4> WHEEL_SLICES = {
    {{-90, 0xFFFF3B30}, {0, 0xFFFFCC00}, {90, 0xFF34C759}, {180, 0xFF007AFF}}};

struct ToolbarPaint {
    std::vector<RoundedFill> frames;       // toolbar, then the option row
    std::vector<Rect> separators;          // filled TOOLBAR_SEPARATOR
    std::vector<RoundedFill> backgrounds;  // buttons, then option cells
    std::vector<CellLabel> labels;         // switch labels, centred on one line
    std::vector<GlyphDraw> glyphs;
    std::vector<CellMark> marks;
};

ToolbarPaint toolbar_paint_plan(const ToolbarLayout& layout, const ToolbarPaintState& state);

// A button's fill; none where the frame shows through.
std::optional<uint32_t> button_fill(ToolbarItem item, const ToolbarLayout& layout, const ToolbarPaintState& state);
uint32_t glyph_colour(ToolbarItem item, const ToolbarLayout& layout, const ToolbarPaintState& state);
// Whether a switch's flag is on for the row's tool.
bool style_switch_on(StyleSwitch s, Tool option_tool, const ToolbarEditorView& editor);
