// The OCR result window, OrmickOxelOcr: one record per window, the controls, the text shown
// and taken, the layout, and the language box with its re-run.
#include "ocr/ocr_window_win.h"

#include <memory>
#include <utility>

#include "image/clipboard_win.h"
#include "ocr/ocr_jobs_win.h"
#include "ocr/ocr_result_win.h"
#include "ocr/ocr_window_geometry.h"
#include "ocr/ocr_window_text.h"
#include "ocr/translate.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"
#include "util/ui_cell.h"
#include "win/draw.h"
#include "win/error.h"
#include "win/handles.h"
#include "win/messages.h"
#include "win/monitor.h"
#include "win/post_result.h"
#include "win/shell.h"
#include "win/subclass.h"
#include "win/window.h"

namespace {

// "Keep line breaks", shared by every OCR window: the next one opens as the last was left.
UiCell<bool> KEEP_LINE_BREAKS{false};

struct OcrWindow : BaseWindow<OcrWindow> {
    static constexpr const wchar_t* CLASS_NAME = L"OrmickOxelOcr";

    std::string assembled;
    std::string lines;
    std::vector<std::string> tags;  // of the language box's items 1 to n
    std::optional<OcrImage> image;  // kept for re-runs; none in QR mode
    size_t selected = 0;            // the language item chosen last (0 = automatic)
    uintptr_t request = 0;          // the latest re-run's number
    OcrRerunStarter start_rerun = nullptr;

    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    void drain_posted() { drain_results<OcrTextResult>(hwnd(), WM_APP_OCR_RERUN_DONE); }
    void command(int id, int notification);
    void translate();
    void rerun_done(WPARAM request_number, LPARAM payload);
};

HWND control(HWND window, int id) { return GetDlgItem(window, id); }

void set_edit_text(HWND window, std::string_view text) {
    SetWindowTextW(control(window, OCR_ID_EDIT), to_wide(to_edit_text(text)).c_str());
}

void focus_edit_select_all(HWND window) {
    const HWND edit = control(window, OCR_ID_EDIT);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

HWND add_control(HWND parent, const wchar_t* cls, DWORD ex_style, DWORD style, std::string_view text, int id,
                 HFONT font) {
    const HWND child = CreateWindowExW(ex_style, cls, to_wide(text).c_str(), style, 0, 0, 10, 10, parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                       nullptr);
    if (child) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

void move(HWND window, int id, const ControlPlace& p) {
    if (const HWND c = control(window, id)) MoveWindow(c, p.x, p.y, p.w, p.h, TRUE);
}

LRESULT ocr_edit_proc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, DWORD_PTR) {
    switch (message) {
        case WM_KEYDOWN:
            if (wparam == 'A' && GetKeyState(VK_CONTROL) < 0) {
                SendMessageW(edit, EM_SETSEL, 0, -1);
                return 0;
            }
            if (wparam == VK_ESCAPE) {
                DestroyWindow(GetParent(edit));  // closes without copying
                return 0;
            }
            break;
        case WM_CHAR:
            if (wparam == 1 || wparam == 27) return 0;  // Ctrl+A and Esc: no beep
            break;
        case WM_GETDLGCODE: {
            // Tab leaves the edit for the next control, as in a dialog; the edit keeps Enter.
            const auto* msg = reinterpret_cast<const MSG*>(lparam);
            if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB)
                return DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
            break;
        }
        default:
            break;
    }
    return DefSubclassProc(edit, message, wparam, lparam);
}

void fill_language_box(HWND box, OcrWindow& record, const std::vector<OcrLanguage>& languages) {
    const std::string ocr_lang = current_settings().ocr_lang;
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_wide(ui_text(OCR_LANGUAGE_AUTO)).c_str()));
    for (const OcrLanguage& language : languages) {
        const std::wstring item = to_wide(language_item_text(language.display_name, language.tag));
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        record.tags.push_back(language.tag);
    }
    record.selected = initial_language_index(record.tags, ocr_lang);
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_wide(ui_text(OCR_ADD_LANGUAGE)).c_str()));
    SendMessageW(box, CB_SETCURSEL, record.selected, 0);
}

LRESULT OcrWindow::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_SIZE:
            ocr_window_layout(hwnd());
            return 0;
        case WM_CLOSE:
            DestroyWindow(hwnd());
            return 0;
        case WM_COMMAND:
            command(LOWORD(wparam), HIWORD(wparam));
            return 0;
        case WM_APP_OCR_RERUN_DONE:
            rerun_done(wparam, lparam);
            return 0;
        default:
            return default_handle(message, wparam, lparam);
    }
}

void OcrWindow::command(int id, int notification) {
    const HWND window = hwnd();
    switch (id) {
        case OCR_ID_COPY:
            // A clipboard that stays busy keeps the window, so the text is not lost with it.
            if (copy_text_or_notify(ocr_window_get_text(window))) DestroyWindow(window);
            break;
        case OCR_ID_CLOSE:
            DestroyWindow(window);
            break;
        case OCR_ID_KEEP_BREAKS:
            KEEP_LINE_BREAKS.set(SendMessageW(control(window, OCR_ID_KEEP_BREAKS), BM_GETCHECK, 0, 0) == BST_CHECKED);
            ocr_window_set_text(window);
            focus_edit_select_all(window);
            break;
        case OCR_ID_TRANSLATE:
            translate();
            break;
        case OCR_ID_OPEN_LINK:
            if (const std::optional<std::string> link = text_as_url(ocr_window_get_text(window))) open_path(*link, false);
            break;
        case OCR_ID_LANGUAGE:
            if (notification == CBN_SELCHANGE) ocr_window_language_changed(window);
            break;
        default:
            break;
    }
}

void OcrWindow::translate() {
    const std::string taken = ocr_window_get_text(hwnd());
    const std::string text(trim(taken));
    if (text.empty()) return;
    const Settings settings = current_settings();
    const std::string url = build_translate_url(text, settings.translate_to, settings.translate_url, ui_text(LANG_CODE));
    if (translate_url_fits(url)) {
        open_path(url, false);
        return;
    }
    // Too long for an address: the text goes to the clipboard and the page opens empty. An empty
    // page with nothing to paste is no use, so a refused copy opens nothing.
    if (!copy_text_or_notify(text)) return;
    open_path(build_translate_url("", settings.translate_to, settings.translate_url, ui_text(LANG_CODE)), false);
    tray_balloon(PROGRAM_NAME, ui_text(TRANSLATE_TEXT_TOO_LONG));
}

void OcrWindow::rerun_done(WPARAM request_number, LPARAM payload) {
    const std::unique_ptr<OcrTextResult> result = take_result<OcrTextResult>(payload);
    if (!result) return;
    if (request_number != request) {
        debug_log("ocr rerun " + std::to_string(request_number) + " dropped: a newer one was started");
        return;
    }
    debug_log("ocr rerun " + std::to_string(request_number) + (result->ok() ? " shown" : " failed"));
    const HWND window = hwnd();
    if (result->ok()) {
        OcrText& text = result->value();
        EnableWindow(control(window, OCR_ID_KEEP_BREAKS), text.assembled != text.lines);
        assembled = std::move(text.assembled);
        lines = std::move(text.lines);
        ocr_window_set_text(window);
    } else {
        set_edit_text(window, std::string(ui_text(OCR_FAILED)) + ": " + result->error().message);
    }
    focus_edit_select_all(window);
}

}  // namespace

const WindowClass OCR_WINDOW_CLASS =
    window_class<OcrWindow>(0, IDC_ARROW, true, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));

bool ocr_keep_line_breaks() { return KEEP_LINE_BREAKS.get(); }

HWND create_ocr_window(OcrWindowSetup setup) {
    // The monitor of the placement's top-left corner.
    const MonitorPlace monitor = monitor_place_at(POINT{setup.placement.l, setup.placement.t});
    const Rect work = monitor.work;
    const uint32_t dpi = monitor.dpi;
    const OcrWindowSize size = ocr_window_size(ui_text(LANG_CODE), dpi);
    const OcrPoint at = ocr_window_origin(setup.placement, work, size);

    auto record = std::make_unique<OcrWindow>();
    record->assembled = std::move(setup.assembled);
    record->lines = std::move(setup.lines);
    record->image = std::move(setup.image);
    record->start_rerun = setup.start_rerun;
    const bool with_image = record->image.has_value();
    const bool texts_differ = record->assembled != record->lines;
    const std::optional<std::string> link = setup.qr ? text_as_url(record->assembled) : std::nullopt;
    OcrWindow* self = record.get();
    const HWND window = OcrWindow::create(std::move(record), WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
                                          to_wide(ui_text(setup.qr ? QR_WINDOW_TITLE : OCR_WINDOW_TITLE)).c_str(),
                                          WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN, at.x, at.y,
                                          size.width, size.height);
    if (!window) return nullptr;

    const HFONT font = ui_font(ocr_font_height(dpi), false);
    // The style of the edit adds WS_TABSTOP, so Tab comes back to the text.
    const HWND edit = add_control(window, L"EDIT", WS_EX_CLIENTEDGE,
                                  WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                                      ES_WANTRETURN,
                                  "", OCR_ID_EDIT, font);
    const DWORD button = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    if (!setup.qr) {
        const HWND check = add_control(window, L"BUTTON", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                                       ui_text(OCR_KEEP_LINE_BREAKS), OCR_ID_KEEP_BREAKS, font);
        SendMessageW(check, BM_SETCHECK, KEEP_LINE_BREAKS.get() ? BST_CHECKED : BST_UNCHECKED, 0);
        EnableWindow(check, texts_differ);
    } else if (link) {
        add_control(window, L"BUTTON", 0, button, ui_text(OPEN_LINK), OCR_ID_OPEN_LINK, font);
    }
    add_control(window, L"BUTTON", 0, button, ui_text(TRANSLATE), OCR_ID_TRANSLATE, font);
    add_control(window, L"BUTTON", 0, button | BS_DEFPUSHBUTTON, ui_text(OCR_COPY_AND_CLOSE), OCR_ID_COPY, font);
    add_control(window, L"BUTTON", 0, button, ui_text(OCR_CLOSE), OCR_ID_CLOSE, font);
    if (with_image) {
        add_control(window, L"STATIC", 0, WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE, ui_text(OCR_LANGUAGE_LABEL),
                    OCR_ID_LANGUAGE_LABEL, font);
        const HWND box = add_control(window, L"COMBOBOX", 0, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST,
                                     "", OCR_ID_LANGUAGE, font);
        fill_language_box(box, *self, setup.languages);
    }

    ocr_window_set_text(window);
    // Without it the edit still shows and takes the text; only its keys are the EDIT's own.
    if (edit && !subclass_control<ocr_edit_proc>(edit)) debug_log("result window: edit keys not set up");
    ocr_window_layout(window);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    focus_edit_select_all(window);
    return window;
}

void show_ocr_window(std::string assembled, std::string lines, Rect placement, bool qr, std::optional<OcrImage> image) {
    OcrWindowSetup setup;
    setup.assembled = std::move(assembled);
    setup.lines = std::move(lines);
    setup.placement = placement;
    setup.qr = qr;
    setup.image = std::move(image);
    if (setup.image) setup.languages = list_ocr_languages();  // the UI thread waits for the list
    setup.start_rerun = start_ocr_rerun;
    // Kept for when the window cannot be made: the text the window would have shown.
    std::string shown = KEEP_LINE_BREAKS.get() ? setup.lines : setup.assembled;
    if (create_ocr_window(std::move(setup))) return;
    const DWORD code = GetLastError();
    const std::string reason = error_from_win32(code ? code : ERROR_NOT_ENOUGH_MEMORY).message;
    debug_log("result window not made: " + reason);
    // One notice, since a second would replace it: what failed, and whether the text is kept.
    const bool copied = static_cast<bool>(copy_text_to_clipboard(shown));
    tray_balloon(ui_text(RESULT_WINDOW_FAILED), reason + "\n" + ui_text(copied ? TEXT_ON_CLIPBOARD : COPY_FAILED));
}

bool ocr_window_dialog_message(MSG& message) { return dialog_message_of<OcrWindow>(message); }

void ocr_window_set_text(HWND window) {
    const OcrWindow* record = OcrWindow::from(window);
    if (!record) return;
    set_edit_text(window, KEEP_LINE_BREAKS.get() ? record->lines : record->assembled);
}

std::string ocr_window_get_text(HWND window) {
    const HWND edit = control(window, OCR_ID_EDIT);
    std::wstring text(static_cast<size_t>(std::max(GetWindowTextLengthW(edit), 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(std::max(GetWindowTextW(edit, text.data(), static_cast<int>(text.size())), 0)));
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return edit_text_taken(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()), start, end);
}

int32_t control_text_width(HWND window, int control_id) {
    const uint32_t dpi = GetDpiForWindow(window);
    const int32_t pad = ocr_scale(24, dpi);
    const HWND c = control(window, control_id);
    if (!c) return pad;
    std::wstring text(static_cast<size_t>(std::max(GetWindowTextLengthW(c), 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(std::max(GetWindowTextW(c, text.data(), static_cast<int>(text.size())), 0)));
    const WindowDc dc(c);
    SIZE extent{};
    if (dc) {
        const SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(c, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    return static_cast<int32_t>(std::min<int64_t>(int64_t{extent.cx} + pad, INT32_MAX));
}

void ocr_window_layout(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    OcrLayoutInput in;
    in.client_width = client.right;
    in.client_height = client.bottom;
    in.dpi = GetDpiForWindow(window);
    if (const HWND box = control(window, OCR_ID_LANGUAGE)) {
        in.language_box = true;
        move(window, OCR_ID_LANGUAGE, ocr_language_box_place(in.client_width, in.dpi));
        RECT r{};
        GetWindowRect(box, &r);
        in.box_height = r.bottom - r.top;  // the closed box's own height
    }
    in.copy_text = control_text_width(window, OCR_ID_COPY);
    in.close_text = control_text_width(window, OCR_ID_CLOSE);
    in.translate_text = control_text_width(window, OCR_ID_TRANSLATE);
    in.open_text = control_text_width(window, OCR_ID_OPEN_LINK);
    const OcrLayout l = ocr_window_layout_places(in);
    move(window, OCR_ID_LANGUAGE_LABEL, l.label);
    move(window, OCR_ID_EDIT, l.edit);
    move(window, OCR_ID_CLOSE, l.close);
    move(window, OCR_ID_COPY, l.copy);
    move(window, OCR_ID_TRANSLATE, l.translate);
    move(window, OCR_ID_KEEP_BREAKS, l.keep_breaks);
    move(window, OCR_ID_OPEN_LINK, l.open_link);
}

void ocr_window_language_changed(HWND window) {
    OcrWindow* record = OcrWindow::from(window);
    if (!record) return;
    const HWND box = control(window, OCR_ID_LANGUAGE);
    const auto sel = static_cast<int64_t>(SendMessageW(box, CB_GETCURSEL, 0, 0));
    switch (language_change(sel, record->tags.size(), record->selected, record->image.has_value())) {
        case LanguageChange::Nothing:
            return;
        case LanguageChange::AddLanguage:
            open_path("ms-settings:regionlanguage", false);
            SendMessageW(box, CB_SETCURSEL, record->selected, 0);
            return;
        case LanguageChange::Rerun:
            break;
    }
    record->selected = static_cast<size_t>(sel);
    const std::string tag = language_tag_of(record->tags, record->selected);
    // The choice holds for this run either way; a file that keeps the old one is said.
    settings_not_saved(settings_store({{"ocr_lang", tag}}, StoreKind::InPassing));
    record->request += 1;
    set_edit_text(window, ui_text(OCR_RECOGNIZING));
    if (record->start_rerun) {
        const OcrImage& image = *record->image;
        record->start_rerun(OcrRerunRequest{image.pixels, image.width, image.height, tag, window, record->request});
    }
}
