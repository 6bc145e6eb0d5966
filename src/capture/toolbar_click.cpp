#include "capture/toolbar_click.h"

#include "toolbar/toolbar_items.h"

namespace {
ClickEffect of(ClickKind kind) {
    ClickEffect e;
    e.kind = kind;
    return e;
}

OverlayAction button_action(ToolbarItem item) {
    switch (item) {
        case ToolbarItem::RecognizeText: return OverlayAction::RecognizeText;
        case ToolbarItem::Qr: return OverlayAction::DecodeQr;
        case ToolbarItem::Redact: return OverlayAction::HidePersonalData;
        case ToolbarItem::ScrollCapture: return OverlayAction::ScrollCapture;
        case ToolbarItem::Record: return OverlayAction::Record;
        case ToolbarItem::LivePin: return OverlayAction::LivePin;
        case ToolbarItem::Pin: return OverlayAction::Pin;
        case ToolbarItem::Save: return OverlayAction::Save;
        case ToolbarItem::Copy: return OverlayAction::Copy;
        case ToolbarItem::Cancel: return OverlayAction::Close;
        case ToolbarItem::Done: return OverlayAction::FinishPinEdit;
        default: return OverlayAction::None;
    }
}
}  // namespace

ClickEffect toolbar_click_effect(const ToolbarHit& hit, Tool current_tool, std::optional<Tool> option_tool) {
    switch (hit.kind) {
        case HitKind::Size: {
            ClickEffect e = of(ClickKind::ApplySize);
            e.size = hit.value;
            return e;
        }
        case HitKind::Colour: {
            if (hit.value >= PALETTE.size()) return {};
            ClickEffect e = of(ClickKind::ApplyColor);
            e.color = PALETTE[hit.value];
            return e;
        }
        case HitKind::CustomColour: {
            ClickEffect e = of(ClickKind::Action);
            e.action = OverlayAction::CustomColor;
            return e;
        }
        case HitKind::StyleSwitch: {
            ClickEffect e = of(ClickKind::Toggle);
            switch (static_cast<StyleSwitch>(hit.value)) {
                case StyleSwitch::Fill: e.flag = StyleFlag::Fill; break;
                case StyleSwitch::Box:
                    e.flag = option_tool == Tool::Highlighter ? StyleFlag::HighlighterBox : StyleFlag::MosaicBox;
                    break;
                case StyleSwitch::Blur: e.flag = StyleFlag::Blur; break;
                case StyleSwitch::Outline: e.flag = StyleFlag::Outline; break;
                default: return {};
            }
            return e;
        }
        case HitKind::Button: break;
        default: return {};
    }
    const auto item = static_cast<ToolbarItem>(hit.value);
    if (const std::optional<Tool> t = item_tool(item)) {
        ClickEffect e = of(ClickKind::SetTool);
        e.tool = *t == current_tool ? Tool::None : *t;
        return e;
    }
    if (item == ToolbarItem::Undo) return of(ClickKind::Undo);
    if (item == ToolbarItem::Redo) return of(ClickKind::Redo);
    const OverlayAction a = button_action(item);
    if (a == OverlayAction::None) return {};
    ClickEffect e = of(ClickKind::Action);
    e.action = a;
    return e;
}
