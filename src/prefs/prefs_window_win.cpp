// The settings window OrmickOxelPrefs: opening, its controls and their layout, background and
// colours, and its messages. One at a time: its state is the window's own record.
#include "prefs/prefs_window_win.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "prefs/prefs_form.h"
#include "prefs/prefs_layout.h"
#include "prefs/prefs_win.h"
#include "settings/hotkeys_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"
#include "win/draw.h"
#include "win/handles.h"
#include "win/main_window.h"
#include "win/monitor.h"
#include "win/shell.h"

const WindowClass PREFS_WINDOW_CLASS = window_class<PrefsWindow>(0, IDC_ARROW, true);

namespace {

constexpr DWORD PREFS_STYLE = WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;
constexpr DWORD PREFS_EX_STYLE = WS_EX_CONTROLPARENT;

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD ex_style;
};

ControlClass control_class(PrefsControlKind kind) {
    using K = PrefsControlKind;
    switch (kind) {
        case K::Header: return {L"STATIC", SS_NOPREFIX, 0};
        case K::Label: return {L"STATIC", SS_NOPREFIX | SS_CENTERIMAGE, 0};
        case K::Note: return {L"STATIC", SS_NOPREFIX, 0};
        case K::Status: return {L"STATIC", SS_NOPREFIX | SS_CENTERIMAGE | SS_ENDELLIPSIS, 0};
        case K::Hotkey: return {HOTKEY_CONTROL_CLASS.name, WS_TABSTOP, 0};
        case K::Check: return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case K::Combo: return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
        case K::FolderEdit: return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case K::NumberEdit: return {L"EDIT", ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case K::Button: return {L"BUTTON", WS_TABSTOP, 0};
        case K::DefaultButton: return {L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 0};
    }
    return {L"STATIC", 0, 0};
}

// One child at 0,0 with no size (relayout_prefs places it), listed in the parent's record.
HWND create_child_control(HWND parent, const ControlClass& cls, std::string_view text, int id, const Rect& dips,
                          bool bold) {
    const HWND child = CreateWindowExW(cls.ex_style, cls.name, to_wide(text).c_str(), WS_CHILD | WS_VISIBLE | cls.style,
                                       0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                       GetModuleHandleW(nullptr), nullptr);
    if (!child) {
        debug_log("prefs: control " + std::to_string(id) + " not created (error " + std::to_string(GetLastError()) + ")");
        return nullptr;
    }
    if (PrefsWindow* record = PrefsWindow::from(parent)) record->controls.push_back({dips, child, bold});
    return child;
}

PrefsTextWidths measure_prefs_texts() {
    PrefsTextWidths w;
    for (size_t i = 0; i < PREFS_ROW_LABELS.size(); ++i) w.row_labels[i] = prefs_text_width(ui_text(PREFS_ROW_LABELS[i]));
    w.browse = prefs_text_width(ui_text(PREFS_BROWSE));
    w.edit_file = prefs_text_width(ui_text(PREFS_EDIT_FILE));
    w.save = prefs_text_width(ui_text(TOOLBAR_SAVE));
    w.cancel = prefs_text_width(ui_text(TOOLBAR_CANCEL));
    w.hotkey_hint = prefs_text_width(ui_text(PREFS_HOTKEY_HINT));
    w.detect_tab_hint = prefs_text_width(ui_text(PREFS_DETECT_TAB_HINT));
    w.history_off_hint = prefs_text_width(ui_text(PREFS_HISTORY_OFF_HINT));
    w.record_fps_hint = prefs_text_width(ui_text(PREFS_RECORD_FPS_HINT));
    w.start_with_windows = prefs_text_width(ui_text(MENU_START_WITH_WINDOWS));
    w.low_memory = prefs_text_width(ui_text(PREFS_LOW_MEMORY));
    w.record_cursor = prefs_text_width(ui_text(PREFS_RECORD_CURSOR));
    return w;
}

void add_items(HWND box, const std::vector<std::string>& items, size_t selected) {
    for (const std::string& item : items)
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_wide(item).c_str()));
    SendMessageW(box, CB_SETCURSEL, selected, 0);
}

void set_check(HWND window, int id, bool on) { CheckDlgButton(window, id, on ? BST_CHECKED : BST_UNCHECKED); }

// Fills the controls and the record from the current settings.
void fill_prefs_controls(HWND window) {
    const Settings s = current_settings();
    const HotkeySlots slots{s.capture_hotkey, s.capture_copy_hotkey, s.pin_hotkey};
    if (PrefsWindow* record = PrefsWindow::from(window)) {
        record->slots = slots;
        record->live_modifiers = 0;
    }
    for (int slot = 0; slot < HOTKEY_SLOT_COUNT; ++slot) {
        const HWND box = GetDlgItem(window, PREFS_ID_HOTKEY_FIRST + slot);
        ImmAssociateContext(box, nullptr);  // keys, not composed text
        SetWindowTextW(box, to_wide(slots[slot] ? slots[slot]->text : "").c_str());  // its accessible name
    }
    set_check(window, PREFS_ID_AUTOSTART, autostart_enabled());
    std::vector<std::string> detect_items(2);
    detect_items[detect_item(CaptureDetect::Element)] = ui_text(PREFS_DETECT_ELEMENTS);
    detect_items[detect_item(CaptureDetect::Window)] = ui_text(PREFS_DETECT_WINDOWS);
    add_items(GetDlgItem(window, PREFS_ID_DETECT), detect_items, detect_item(s.capture_detect));
    const HWND folder = GetDlgItem(window, PREFS_ID_SAVE_DIR);
    SetWindowTextW(folder, to_wide(s.save_dir.value_or("")).c_str());
    SendMessageW(folder, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(to_wide(ui_text(PREFS_SAVE_FOLDER_DEFAULT)).c_str()));
    SetDlgItemTextW(window, PREFS_ID_HISTORY, to_wide(std::to_string(s.history)).c_str());
    SendDlgItemMessageW(window, PREFS_ID_HISTORY, EM_LIMITTEXT, 3, 0);
    set_check(window, PREFS_ID_LOW_MEMORY, s.capture_engine == CaptureEngine::Gdi);
    add_items(GetDlgItem(window, PREFS_ID_RECORD_FORMAT), {"MP4", "GIF"}, s.record_format == RecordFormat::Gif ? 1 : 0);
    SetDlgItemTextW(window, PREFS_ID_RECORD_FPS, to_wide(std::to_string(s.record_fps)).c_str());
    SendDlgItemMessageW(window, PREFS_ID_RECORD_FPS, EM_LIMITTEXT, 2, 0);
    set_check(window, PREFS_ID_RECORD_CURSOR, s.record_cursor);
    TranslateList translate = translate_list(ui_text(PREFS_TRANSLATE_SAME_AS_UI), s.translate_to);
    add_items(GetDlgItem(window, PREFS_ID_TRANSLATE), translate.items, translate.selected);
    if (PrefsWindow* record = PrefsWindow::from(window)) record->translate_codes = std::move(translate.codes);
}

// The outer size less the client area, as the system draws the frame at the monitor's DPI.
PixelSize frame_size(uint32_t monitor_dpi) {
    RECT outer{0, 0, 0, 0};
    AdjustWindowRectExForDpi(&outer, PREFS_STYLE, FALSE, PREFS_EX_STYLE, monitor_dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

// Lays the window out for the monitor it is on and puts it inside that monitor's work area: at
// `at` when given (a move to another monitor), centred otherwise. A work area too short or too
// narrow for the window at the monitor's DPI gets a smaller layout (prefs_fit_dpi).
void fit_window(PrefsWindow& record, const Rect& work, uint32_t monitor_dpi, std::optional<PixelPoint> at) {
    const HWND window = record.hwnd();
    const int32_t width_dips = static_cast<int32_t>(record.metrics.width);
    const PixelSize frame = frame_size(monitor_dpi);
    record.dpi = prefs_fit_dpi(monitor_dpi, width_dips, {work.width(), work.height()}, frame);
    relayout_prefs(window);
    const PixelSize client = prefs_client_size(width_dips, record.dpi);
    const PixelSize size{client.w + frame.w, client.h + frame.h};
    PixelPoint origin = prefs_window_origin(work, size);
    if (at) {
        origin.x = std::clamp<int64_t>(at->x, work.l, std::max<int64_t>(work.l, int64_t{work.r} - size.w));
        origin.y = std::clamp<int64_t>(at->y, work.t, std::max<int64_t>(work.t, int64_t{work.b} - size.h));
    }
    SetWindowPos(window, nullptr, origin.x, origin.y, size.w, size.h, SWP_NOZORDER | SWP_NOACTIVATE);
    debug_log("prefs window: dpi " + std::to_string(monitor_dpi) + ", laid out at " + std::to_string(record.dpi) +
              ", width " + std::to_string(width_dips) + " DIPs, client " + std::to_string(client.w) + "x" +
              std::to_string(client.h) + ", work area " + std::to_string(work.width()) + "x" +
              std::to_string(work.height()));
}

LRESULT static_colours(HDC dc, HWND control) {
    const COLORREF colour = prefs_static_colour(GetDlgCtrlID(control)).value_or(GetSysColor(COLOR_WINDOWTEXT));
    SetTextColor(dc, colour);
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

// Moved to a monitor of another DPI: laid out again to fit that monitor's work area, near the
// place the system suggests.
void on_dpi_changed(PrefsWindow& record, WPARAM wparam, LPARAM lparam) {
    const auto* suggested = reinterpret_cast<const RECT*>(lparam);
    RECT r{};
    if (suggested) r = *suggested;
    else GetWindowRect(record.hwnd(), &r);
    const MonitorPlace monitor = monitor_place_at(POINT{r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2});
    fit_window(record, monitor.work, LOWORD(wparam), PixelPoint{r.left, r.top});
}

// Coming back to the window puts the focus back where it was (a dialog's habit), rather than
// on the window itself, where keys would reach no control.
bool on_activate(PrefsWindow& record, WPARAM wparam) {
    const HWND window = record.hwnd();
    if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        record.last_focus = focus && IsChild(window, focus) ? focus : nullptr;
        return false;
    }
    const HWND last = record.last_focus;
    if (!last || !IsChild(window, last) || IsIconic(window)) return false;
    SetFocus(last);
    return true;
}

void on_command(PrefsWindow& record, int id, int notification) {
    if (notification != BN_CLICKED) return;
    switch (id) {
        case PREFS_ID_SAVE: record.save(); break;
        case PREFS_ID_CANCEL: DestroyWindow(record.hwnd()); break;
        case PREFS_ID_BROWSE: record.browse(); break;
        case PREFS_ID_EDIT_FILE: open_path(settings_path(), true); break;
        default: break;
    }
}

}  // namespace

HWND prefs_window() {
    for (HWND w = FindWindowExW(nullptr, nullptr, PrefsWindow::CLASS_NAME, nullptr); w;
         w = FindWindowExW(nullptr, w, PrefsWindow::CLASS_NAME, nullptr)) {
        if (const PrefsWindow* record = PrefsWindow::from(w); record && !record->closing) return w;
    }
    return nullptr;
}

void show_stored_settings(const SettingPairs& pairs) {
    const HWND window = prefs_window();
    if (!window) return;
    const size_t detect = detect_item(current_settings().capture_detect);
    for (const auto& pair : pairs)
        if (iequals_ascii(pair.first, "capture_detect")) SendDlgItemMessageW(window, PREFS_ID_DETECT, CB_SETCURSEL, detect, 0);
}

bool prefs_window_dialog_message(MSG& message) { return dialog_message_of<PrefsWindow>(message); }

void show_prefs_window() {
    if (const HWND open = prefs_window()) {
        debug_log("prefs window: brought to the front");
        ShowWindow(open, SW_RESTORE);
        SetForegroundWindow(open);
        return;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    const MonitorPlace monitor = monitor_place_at(cursor);
    const Rect work = monitor.work;
    const uint32_t dpi = std::max<uint32_t>(monitor.dpi, 96);
    static const bool common_controls = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)common_controls;

    const PrefsMetrics metrics = compute_prefs_metrics(measure_prefs_texts());
    auto record = std::make_unique<PrefsWindow>();
    record->dpi = dpi;
    record->metrics = {static_cast<uint32_t>(PREFS_FOOTER_TOP), static_cast<uint32_t>(metrics.width)};
    // Made on the target monitor, so that it starts at that monitor's DPI.
    const HWND window = PrefsWindow::create(std::move(record), PREFS_EX_STYLE, to_wide(ui_text(PREFS_TITLE)).c_str(),
                                            PREFS_STYLE, work.l, work.t, 100, 100);
    if (!window) {
        debug_log("prefs window not created (error " + std::to_string(GetLastError()) + ")");
        return;
    }
    for (const PrefsControlSpec& spec : prefs_control_table(metrics))
        create_child_control(window, control_class(spec.kind), spec.text ? ui_text(*spec.text) : "", spec.id, spec.dips,
                             spec.kind == PrefsControlKind::Header);
    fill_prefs_controls(window);
    if (PrefsWindow* made = PrefsWindow::from(window)) fit_window(*made, work, dpi, std::nullopt);
    validate_hotkey_fields(window);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(GetDlgItem(window, PREFS_ID_SAVE));
}

int32_t prefs_text_width(std::string_view text) {
    const WindowDc screen(nullptr);
    if (!screen) return 0;
    return text_extent(screen.get(), ui_font(14, false), text).cx;
}

void relayout_prefs(HWND window) {
    const PrefsWindow* record = PrefsWindow::from(window);
    if (!record) return;
    const uint32_t dpi = record->dpi;
    // A copy: moving and re-fonting the children sends them messages.
    const std::vector<ControlPlacement> controls = record->controls;
    const PrefsFonts fonts = prefs_font_heights(dpi);
    const HFONT bold = ui_font(fonts.bold, true);
    const HFONT regular = ui_font(fonts.regular, false);
    for (const ControlPlacement& c : controls) {
        const PixelPlace p = scale_placement(c.dips, dpi);
        MoveWindow(c.window, p.x, p.y, p.w, p.h, FALSE);
        SendMessageW(c.window, WM_SETFONT, reinterpret_cast<WPARAM>(c.bold ? bold : regular), FALSE);
    }
    // The children too: they were moved without repainting.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void paint_prefs_background(HWND window, HDC dc) {
    const PrefsWindow* record = PrefsWindow::from(window);
    if (!record) return;
    RECT client{};
    GetClientRect(window, &client);
    const int32_t y = prefs_pixels(record->dpi, static_cast<int32_t>(record->metrics.footer_top));
    const HBRUSH brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    const auto fill = [&](LONG top, LONG bottom, COLORREF colour) {
        const RECT band{client.left, top, client.right, bottom};
        SetDCBrushColor(dc, colour);
        FillRect(dc, &band, brush);
    };
    fill(client.top, y, RGB(255, 255, 255));
    fill(y, client.bottom, RGB(243, 243, 243));
    fill(y, y + 1, RGB(224, 224, 224));
}

LRESULT PrefsWindow::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    const HWND window = hwnd();
    switch (message) {
        case WM_ERASEBKGND:
            paint_prefs_background(window, reinterpret_cast<HDC>(wparam));
            return 1;
        case WM_PRINTCLIENT:
            paint_prefs_background(window, reinterpret_cast<HDC>(wparam));
            return 0;
        case WM_CTLCOLORSTATIC:
            return static_colours(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
        case WM_DPICHANGED:
            on_dpi_changed(*this, wparam, lparam);
            return 0;
        case WM_COMMAND:
            on_command(*this, LOWORD(wparam), HIWORD(wparam));
            return 0;
        case WM_ACTIVATE:
            if (on_activate(*this, wparam)) return 0;
            return default_handle(message, wparam, lparam);
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            closing = true;
            last_focus = nullptr;
            // The keys in force again, unless Save has registered the new ones.
            if (!saved) (void)register_hotkeys(MAIN_HWND.get());
            debug_log("prefs window closed");
            return 0;
        default:
            return default_handle(message, wparam, lparam);
    }
}
