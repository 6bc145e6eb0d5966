#pragma once
// What a click on the toolbar or its option row does (the release on the item pressed).
// Platform-free.
#include <cstdint>
#include <optional>

#include "annot/tool.h"
#include "capture/overlay_action.h"
#include "toolbar/toolbar_layout.h"

enum class ClickKind : uint8_t { None, ApplySize, ApplyColor, Toggle, SetTool, Undo, Redo, Action };
enum class StyleFlag : uint8_t { Fill, HighlighterBox, MosaicBox, Blur, Outline };

struct ClickEffect {
    ClickKind kind = ClickKind::None;
    uint64_t size = 0;                             // ApplySize
    uint32_t color = 0;                            // ApplyColor, ARGB
    StyleFlag flag = StyleFlag::Fill;              // Toggle
    Tool tool = Tool::None;                        // SetTool
    OverlayAction action = OverlayAction::None;    // Action
    friend bool operator==(const ClickEffect&, const ClickEffect&) = default;
};

// The Box switch acts on the tool whose options the row shows.
ClickEffect toolbar_click_effect(const ToolbarHit& hit, Tool current_tool, std::optional<Tool> option_tool);
