#include "capture/overlay_input_rules.h"

#include <algorithm>

namespace {
KeyEffect effect(KeyEffectKind kind) { return KeyEffect{kind, {}, 0, 0, 0, Tool::None}; }
KeyEffect action(OverlayAction a, bool quick_save = false) {
    KeyEffect e = effect(KeyEffectKind::Action);
    e.action = ActionCall{a, quick_save, 0};
    return e;
}
KeyEffect moved(KeyEffectKind kind, int32_t dx, int32_t dy) {
    KeyEffect e = effect(kind);
    e.dx = dx;
    e.dy = dy;
    return e;
}
}  // namespace

std::optional<Tool> tool_for_key(uint32_t key) {
    switch (key) {
        case 'R': return Tool::Rectangle;
        case 'E': return Tool::Ellipse;
        case 'A': return Tool::Arrow;
        case 'L': return Tool::Line;
        case 'B': return Tool::Pen;
        case 'H': return Tool::Highlighter;
        case 'M': return Tool::Mosaic;
        case 'T': return Tool::Text;
        case 'N': return Tool::Number;
        case 'F': return Tool::Spotlight;
        case 'X': return Tool::Eraser;
        default: return std::nullopt;
    }
}

PreKey pre_key(uint32_t key, bool ctrl, bool idle, bool selection) {
    if (!idle || selection) return PreKey::None;
    switch (key) {
        case vk::RETURN: return PreKey::TakeHovered;
        case 'C':
        case 'S': return ctrl || key == 'S' ? PreKey::TakeHovered : PreKey::None;
        case 'D':
        case 'P':
        case 'Q':
        case 'V':
        case vk::F3: return ctrl ? PreKey::None : PreKey::TakeHovered;
        case 'R': return ctrl ? PreKey::None : PreKey::RestoreLast;
        case vk::TAB: return ctrl ? PreKey::None : PreKey::SwitchDetect;
        default: return PreKey::None;
    }
}

KeyEffect map_key(uint32_t key, bool ctrl, bool shift, const InputContext& c) {
    const int32_t step = shift ? 10 : 1;
    switch (key) {
        case vk::RETURN:
            if (c.shape_open) return effect(KeyEffectKind::FinishAnnotation);
            if (c.selection) return action(c.pin_edit ? OverlayAction::FinishPinEdit : OverlayAction::Copy);
            return {};
        case vk::ESCAPE:
            if (c.shape_open) return effect(KeyEffectKind::FinishAnnotation);
            if (c.editor_dirty || (!c.pin_edit && c.drawn)) return action(OverlayAction::ConfirmDiscard);
            return action(OverlayAction::Close);
        case vk::BACK:
        case vk::DELETE_KEY: return c.annotation_selected ? effect(KeyEffectKind::DeleteAnnotation) : KeyEffect{};
        case vk::LEFT:
        case vk::UP:
        case vk::RIGHT:
        case vk::DOWN: {
            const int32_t dx = key == vk::LEFT ? -step : key == vk::RIGHT ? step : 0;
            const int32_t dy = key == vk::UP ? -step : key == vk::DOWN ? step : 0;
            if (c.annotation_selected) return moved(KeyEffectKind::NudgeAnnotation, dx, dy);
            if (c.clean && c.idle && c.selection) return moved(KeyEffectKind::MoveSelection, dx, dy);
            return moved(KeyEffectKind::MoveCursor, dx, dy);
        }
        default: break;
    }
    if (ctrl) {
        switch (key) {
            case 'A': return c.clean ? effect(KeyEffectKind::SelectMonitor) : KeyEffect{};
            case 'C': return c.selection ? action(OverlayAction::Copy) : KeyEffect{};
            case 'S': return c.selection ? action(OverlayAction::Save, shift) : KeyEffect{};
            case 'Z': return effect(shift ? KeyEffectKind::Redo : KeyEffectKind::Undo);
            case 'Y': return effect(KeyEffectKind::Redo);
            default: return {};
        }
    }
    const bool idle_selection = c.selection && c.idle;
    switch (key) {
        case 'C': return c.clean ? action(OverlayAction::CopyColorText) : KeyEffect{};
        case 'S':
            if (idle_selection && !c.pin_edit) return action(OverlayAction::ScrollCapture);
            return {};
        case 'V': return idle_selection && !c.pin_edit ? action(OverlayAction::Record) : KeyEffect{};
        case 'D': return idle_selection ? action(OverlayAction::HidePersonalData) : KeyEffect{};
        case 'O': return idle_selection ? action(OverlayAction::RecognizeText) : KeyEffect{};
        case 'Q': return idle_selection ? action(OverlayAction::DecodeQr) : KeyEffect{};
        case 'P':
        case vk::F3:
            if (!c.selection || c.pin_edit) return {};
            return action(key == 'P' && shift ? OverlayAction::LivePin : OverlayAction::Pin);
        case '1':
        case '2':
        case '3': {
            if (!c.selection) return {};
            KeyEffect e = effect(KeyEffectKind::ApplySize);
            e.size = key - '1';
            return e;
        }
        default: break;
    }
    if (const std::optional<Tool> t = tool_for_key(key); t && idle_selection) {
        KeyEffect e = effect(KeyEffectKind::SetTool);
        e.tool = *t == c.tool ? Tool::None : *t;
        return e;
    }
    return {};
}

RightEffect right_button_effect(const InputContext& c, bool dragging) {
    if (c.shape_open) return RightEffect::FinishAnnotation;
    if (c.text_box) return RightEffect::CommitText;
    if (c.tool != Tool::None || c.annotation_selected) return RightEffect::ClearTool;
    if (c.pin_edit || c.drawn || c.redact_busy) return RightEffect::Nothing;
    if (c.selection || dragging) return RightEffect::DropSelection;
    return RightEffect::Close;
}

WheelEffect wheel_step(int32_t delta, const WheelContext& c) {
    if (c.selection) {
        std::optional<Tool> sized;
        if (c.text_box) sized = Tool::Text;
        else if (c.tool == Tool::None) {
            if (c.selected_kind && static_cast<uint8_t>(*c.selected_kind) <= static_cast<uint8_t>(Tool::Number))
                sized = c.selected_kind;
        } else if (c.tool != Tool::Spotlight && c.tool != Tool::Eraser) {
            sized = c.tool;
        }
        if (!sized) return {};
        const auto index = static_cast<size_t>(*sized);
        const int64_t now = static_cast<int64_t>(std::min<uint64_t>(c.size_steps[index], 2));
        const int64_t next = std::clamp<int64_t>(now + (delta > 0 ? 1 : -1), 0, 2);
        return {WheelEffectKind::ApplySize, static_cast<uint64_t>(next), 0};
    }
    if (!c.element_mode || !c.idle) return {};
    const size_t depth = delta > 0 ? c.depth + 1 : (c.depth > 0 ? c.depth - 1 : 0);
    return {WheelEffectKind::Depth, 0, depth};
}

DoubleClickEffect double_click_effect(const DoubleClickContext& c) {
    if (c.on_toolbar) return {};
    if (c.text_box) return {DoubleClickKind::RepaintOnly};
    if (c.shape_open) return {DoubleClickKind::FinishAnnotation};
    if ((c.tool == Tool::None || c.tool == Tool::Text) && c.text_under)
        return {DoubleClickKind::EditText, *c.text_under};
    if (c.tool == Tool::None && c.inside_selection && !c.annotation_under)
        return {DoubleClickKind::Action, 0, c.pin_edit ? OverlayAction::FinishPinEdit : OverlayAction::Copy};
    return {};
}
