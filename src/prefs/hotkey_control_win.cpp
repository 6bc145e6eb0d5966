// The hotkey entry control OrmickOxelHotkey: a box that takes the key combination pressed in it.
// While one has the focus the program's own hotkeys are let go, so their keys reach the box.
// What it shows is kept in its parent's record (PrefsWindow).
#include <algorithm>

#include "prefs/prefs_layout.h"
#include "prefs/prefs_window_win.h"
#include "prefs/prefs_win.h"
#include "settings/hotkeys_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"
#include "win/draw.h"
#include "win/handles.h"
#include "win/main_window.h"

const WindowClass HOTKEY_CONTROL_CLASS{L"OrmickOxelHotkey", guarded_window_proc<hotkey_control_proc>, 0, IDC_IBEAM};

namespace {

constexpr int HOTKEY_ID_PROBE = 0x7F00;
constexpr COLORREF TEXT_COLOUR = RGB(26, 26, 26);
constexpr COLORREF PROMPT_COLOUR = RGB(128, 128, 128);
constexpr COLORREF FOCUS_COLOUR = RGB(43, 127, 255);
constexpr COLORREF BORDER_COLOUR = RGB(180, 180, 180);

int slot_of(HWND control) { return std::clamp(GetDlgCtrlID(control) - PREFS_ID_HOTKEY_FIRST, 0, HOTKEY_SLOT_COUNT - 1); }

void repaint(HWND control) { InvalidateRect(control, nullptr, FALSE); }

PrefsWindow* record_of(HWND control) { return PrefsWindow::from(GetParent(control)); }

void set_live_modifiers(HWND control, uint32_t modifiers) {
    if (PrefsWindow* record = record_of(control)) record->live_modifiers = modifiers;
}

void fill(HDC dc, const RECT& r, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void paint_hotkey_control(HWND control) {
    const PaintDc paint(control);
    if (!paint) return;
    const HDC dc = paint.get();
    RECT client{};
    GetClientRect(control, &client);
    const PrefsWindow* record = record_of(control);
    if (!record) return;
    const uint32_t dpi = record->dpi;
    const bool focused = GetFocus() == control;
    const uint32_t live = record->live_modifiers;
    const std::optional<HotkeySetting> slot = record->slots.at(static_cast<size_t>(slot_of(control)));

    fill(dc, client, RGB(255, 255, 255));
    const Rect whole{client.left, client.top, client.right, client.bottom};
    if (focused) {
        fill_rect_color(dc, whole, 1, FOCUS_COLOUR);
        fill(dc, RECT{client.left, client.bottom - prefs_pixels(dpi, 2), client.right, client.bottom}, FOCUS_COLOUR);
    } else {
        fill_rect_color(dc, whole, 1, BORDER_COLOUR);
    }
    const HotkeyBoxText text = hotkey_box_text(focused, live, slot);
    const RECT area{client.left + prefs_pixels(dpi, 9), client.top, client.right - prefs_pixels(dpi, 6), client.bottom};
    draw_text(dc, ui_font(prefs_font_heights(dpi).regular, false), text.text, area,
              text.grey ? PROMPT_COLOUR : TEXT_COLOUR, DT_END_ELLIPSIS);
}

LRESULT dialog_code(LPARAM lparam) {
    // The dialog manager asks with the message it is about to handle; sometimes with none.
    const auto* asked = reinterpret_cast<const MSG*>(lparam);
    if (asked && asked->message == WM_KEYDOWN && hotkey_box_passes_key(static_cast<uint32_t>(asked->wParam), modifier_state()))
        return 0;
    return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
}

}  // namespace

uint32_t modifier_state() {
    uint32_t bits = 0;
    if (GetKeyState(VK_CONTROL) < 0) bits |= MOD_CONTROL_BIT;
    if (GetKeyState(VK_MENU) < 0) bits |= MOD_ALT_BIT;
    if (GetKeyState(VK_SHIFT) < 0) bits |= MOD_SHIFT_BIT;
    if (GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0) bits |= MOD_WIN_BIT;
    return bits;
}

bool hotkey_is_free(const Hotkey& hotkey) {
    const HWND main = MAIN_HWND.get();
    if (!RegisterHotKey(main, HOTKEY_ID_PROBE, hotkey.modifiers | MOD_NOREPEAT, hotkey.vk)) return false;
    UnregisterHotKey(main, HOTKEY_ID_PROBE);
    return true;
}

void validate_hotkey_fields(HWND window) {
    const PrefsWindow* record = PrefsWindow::from(window);
    if (!record || record->closing) return;
    const HotkeySlots slots = record->slots;
    const std::vector<Hotkey> registered = REGISTERED_HOTKEYS.get();
    const auto statuses = hotkey_statuses(slots, registered, hotkey_is_free);
    for (int slot = 0; slot < HOTKEY_SLOT_COUNT; ++slot)
        SetDlgItemTextW(window, PREFS_ID_STATUS_FIRST + slot, to_wide(hotkey_status_text(statuses[slot])).c_str());
}

void hotkey_control_key(HWND control, int slot, uint32_t vk) {
    const HotkeyKeyResult result = classify_hotkey_key(modifier_state(), vk);
    switch (result.outcome) {
        case HotkeyKeyOutcome::Ignore:
            break;
        case HotkeyKeyOutcome::NeedModifier:
            SetDlgItemTextW(GetParent(control), PREFS_ID_STATUS_FIRST + slot,
                            to_wide(ui_text(PREFS_HOTKEY_NEED_MODIFIER)).c_str());
            break;
        case HotkeyKeyOutcome::Clear:
        case HotkeyKeyOutcome::Set: {
            const std::string text = result.hotkey ? result.hotkey->text : "";
            PrefsWindow* record = record_of(control);
            if (!record) break;
            record->slots.at(static_cast<size_t>(slot)) = result.hotkey;
            record->live_modifiers = 0;
            debug_log("hotkey box " + std::to_string(slot) + ": " + (text.empty() ? "off" : text));
            SetWindowTextW(control, to_wide(text).c_str());
            validate_hotkey_fields(GetParent(control));
            break;
        }
    }
    repaint(control);
}

LRESULT CALLBACK hotkey_control_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_SETFOCUS:
            unregister_hotkeys();
            set_live_modifiers(control, 0);
            repaint(control);
            return 0;
        case WM_KILLFOCUS:
            set_live_modifiers(control, 0);
            (void)register_hotkeys(MAIN_HWND.get());
            repaint(control);
            return 0;
        case WM_LBUTTONDOWN:
            SetFocus(control);
            return 0;
        case WM_GETDLGCODE:
            return dialog_code(lparam);
        case WM_CHAR:
        case WM_DEADCHAR:
        case WM_SYSCHAR:
        case WM_SYSDEADCHAR:
            return 0;
        // Never to DefWindowProcW: Alt or F10 would open the window menu.
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
            const auto vk = static_cast<uint32_t>(wparam);
            if (hotkey_key_message_is_key(down, vk)) {
                hotkey_control_key(control, slot_of(control), vk);
            } else {
                set_live_modifiers(control, modifier_state());
                repaint(control);
            }
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint_hotkey_control(control);
            return 0;
        default:
            return DefWindowProcW(control, message, wparam, lparam);
    }
}
