#pragma once
// Where the toolbar and its option row go next to a selection, and what a point hits there.
// All sizes come from the DPI scale; rectangles are overlay pixels, right and bottom exclusive.
#include <cstdint>
#include <optional>
#include <vector>

#include "annot/tool.h"
#include "toolbar/toolbar_items.h"
#include "util/geometry.h"
#include "util/text_size.h"

struct ToolbarMetrics {
    int32_t button = 0;     // B = round(32 s)
    int32_t separator = 0;  // W = round(11 s)
    int32_t gap = 0;        // G = round(2 s)
    int32_t margin = 0;     // P = round(4 s)
    int32_t cell = 0;       // C = round(26 s)
    int32_t switch_pad = 0; // round(18 s) plus the label
    int32_t offset = 0;     // round(8 s) between the selection and the block
};
ToolbarMetrics toolbar_metrics(float scale);

struct ToolbarButton {
    Rect rect;
    ToolbarItem id = ToolbarItem::Separator;
};

struct OptionCell {
    Rect rect;
    OptionKind kind = OptionKind::Separator;
    uint8_t value = 0;
};

struct ToolbarLayout {
    float scale = 1.0f;
    bool pin_edit = false;
    Rect toolbar;
    std::vector<ToolbarButton> items;
    std::optional<Tool> option_tool;
    Rect option_row;  // empty without an option tool
    std::vector<OptionCell> cells;

    // The toolbar and the option row together (from the higher top to the lower bottom).
    Rect block() const;
};

// The rectangle the block is kept in: the monitor, cut to its work area when the two overlap.
Rect toolbar_bounds(const Rect& monitor, const std::optional<Rect>& work_area);

// The monitor the toolbar goes on: the one holding most of the selection (on equal shares the
// one with its bottom-right pixel); `nearest` when none holds any of it.
Rect toolbar_monitor(const std::vector<Rect>& monitors, const Rect& selection, const Rect& nearest);

// `measure` gives the width of a switch label in the UI font. Toolbar and option row stay inside
// the bounds: right-aligned with the selection and shifted to fit, and where the bounds are
// narrower than a row, wrapped into rows (between groups where they fit), as evenly as the
// fewest rows allow.
ToolbarLayout layout_toolbar(const Rect& selection, const Rect& bounds, float scale, bool pin_edit,
                             std::optional<Tool> option_tool, const MeasureText& measure);

enum class HitKind : uint8_t {
    Size = 0, Colour = 1, CustomColour = 2, StyleSwitch = 3, Button = 4, Background = 6, Outside = 7
};

// A button carries its item id as value, an option cell its value.
struct ToolbarHit {
    HitKind kind = HitKind::Outside;
    uint8_t value = 0;
    friend bool operator==(const ToolbarHit&, const ToolbarHit&) = default;
};

inline constexpr ToolbarHit TOOLBAR_OUTSIDE{HitKind::Outside, 0};

// A separator is never a hit: a point on one gives the background.
ToolbarHit toolbar_hit_test(const std::optional<ToolbarLayout>& layout, int32_t x, int32_t y);

// The vertical lines of the separators of the toolbar and of the option row.
std::vector<Rect> separator_lines(const ToolbarLayout& layout);
