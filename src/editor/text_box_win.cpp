#include "editor/text_box_win.h"

#include <imm.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "annot/render_rules.h"
#include "strings/ui_strings.h"
#include "util/text.h"
#include "util/rect_ops.h"
#include "win/messages.h"
#include "win/subclass.h"

namespace {

// Owned by the box's window from its subclassing until WM_NCDESTROY.
struct BoxRecord {
    HWND previous_focus = nullptr;
    Font font;  // the box's font, released after the window
};

// The record is the box's subclass data, and kept in GWLP_USERDATA too for the calls that come
// from outside its handler (a restyle).
BoxRecord* record_of(HWND box) { return reinterpret_cast<BoxRecord*>(GetWindowLongPtrW(box, GWLP_USERDATA)); }

void close_box(void* window) {
    HWND box = static_cast<HWND>(window);
    if (!IsWindow(box)) return;
    if (!PostMessageW(box, WM_APP_TEXT_BOX_CLOSE, 0, 0)) DestroyWindow(box);
}

std::string window_text(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(got, 0)));
    return from_wide(text);
}

int32_t rounded(float v) { return static_cast<int32_t>(std::lround(std::clamp(v, -1e6f, 1e6f))); }

LRESULT text_box_proc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, DWORD_PTR data) {
    BoxRecord* record = reinterpret_cast<BoxRecord*>(data);
    switch (message) {
    case WM_KEYDOWN:
        if (wparam == VK_ESCAPE || (wparam == VK_RETURN && GetKeyState(VK_CONTROL) < 0)) {
            PostMessageW(GetParent(box), WM_APP_TEXT_DONE, 0, reinterpret_cast<LPARAM>(box));
            return 0;
        }
        break;
    case WM_CHAR:
        if (wparam == 10 || wparam == 27) return 0;  // what Ctrl+Enter and Esc type
        break;
    case WM_MOUSEWHEEL:
        // The box has the focus, so the wheel comes here: the overlay's rule steps the Text size.
        return SendMessageW(GetParent(box), message, wparam, lparam);
    case WM_APP_TEXT_BOX_FOCUS: {
        SetFocus(box);
        const int end = GetWindowTextLengthW(box);
        SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(end), end);
        return 0;
    }
    case WM_APP_TEXT_BOX_CLOSE:
        if (GetFocus() == box && record->previous_focus && IsWindow(record->previous_focus)) {
            SetFocus(record->previous_focus);
        }
        DestroyWindow(box);
        return 0;
    case WM_NCDESTROY: {
        // The EDIT's own last message first: the font goes with the record only after it.
        const LRESULT result = DefSubclassProc(box, message, wparam, lparam);
        SetWindowLongPtrW(box, GWLP_USERDATA, 0);
        delete record;
        return result;
    }
    default: break;
    }
    return DefSubclassProc(box, message, wparam, lparam);
}

}  // namespace

Font create_text_font(float size) {
    const std::wstring face = to_wide(ui_text(UI_FONT_FACE));
    return Font(CreateFontW(-std::max(1, rounded(size)), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, face.c_str()));
}

HWND text_box_window(const Editor& e) {
    return e.text_box ? static_cast<HWND>(e.text_box->window.get()) : nullptr;
}

HBRUSH text_box_colors(const Editor& e, HDC dc) {
    const uint32_t argb = e.text_box ? e.text_box->color : 0xFF000000;
    const uint32_t background = text_box_background(argb);
    SetTextColor(dc, RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF));
    const COLORREF bg = RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF);
    SetBkColor(dc, bg);
    SetDCBrushColor(dc, bg);
    return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

void begin_text_edit(Editor& e, HWND parent, float x, float y, std::optional<size_t> index) {
    if (e.text_box) commit_text_edit(e);
    TextBox box = plan_text_box(e, x, y, index);
    auto record = std::make_unique<BoxRecord>();
    record->font = create_text_font(box.size);
    record->previous_focus = GetFocus();
    if (!record->font) return;
    const int32_t left = rounded(box.x), top = rounded(box.y);
    const int32_t height = std::max(1, rounded(1.4f * box.size));
    HWND window = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                                  left, top, 40, height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) return;
    // Without its handler the box could be neither committed nor closed: it goes at once, as it
    // came, without the focus (so the overlay hears no more than it did at its creation).
    if (!subclass_control<text_box_proc>(window, reinterpret_cast<DWORD_PTR>(record.get()))) {
        DestroyWindow(window);
        return;
    }
    // From here the window owns the record; closing the box destroys both.
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record.get()));
    const HFONT font = record.release()->font.get();
    box.window = TextBoxWindow(window, &close_box);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    ImmAssociateContextEx(window, nullptr, IACE_DEFAULT);  // the overlay has input methods off
    SetWindowTextW(window, to_wide(replace_all(box.initial_text, "\n", "\r\n")).c_str());
    box.area = Rect{left, top, left + 40, top + height};
    open_text_box(e, std::move(box));
    fit_text_box(e);
    PostMessageW(window, WM_APP_TEXT_BOX_FOCUS, 0, 0);
}

void fit_text_box(Editor& e) {
    HWND box = text_box_window(e);
    if (!box || !IsWindow(box)) return;
    std::wstring text = to_wide(window_text(box));
    // An empty last line still takes a line's height and some width.
    if (text.empty() || text.back() == L'\n') text += L'W';
    RECT measured{0, 0, 0, 0};
    {
        const WindowDc dc(box);
        if (!dc) return;
        const SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
        DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &measured,
                  DT_CALCRECT | DT_EDITCONTROL | DT_NOPREFIX);
    }
    TextBox& t = *e.text_box;
    const int32_t width = std::max<int32_t>(measured.right - measured.left + rounded(1.5f * t.size), rounded(3 * t.size));
    const int32_t height = measured.bottom - measured.top + 2;
    const Rect old = t.area;
    SetWindowPos(box, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    t.area = Rect{old.l, old.t, old.l + width, old.t + height};
    // The dashed frame around the box lies 3 pixels outside it.
    e.dirty_rects.push_back(grow(old, 6));
    e.dirty_rects.push_back(grow(t.area, 6));
}

void commit_text_edit(Editor& e) {
    if (!e.text_box) return;
    HWND box = text_box_window(e);
    const std::string text = box && IsWindow(box) ? window_text(box) : e.text_box->initial_text;
    commit_text_value(e, text);
}

void WinTextBoxHost::begin_text_edit(Editor& e, float x, float y, std::optional<size_t> index) {
    ::begin_text_edit(e, parent_, x, y, index);
}

void WinTextBoxHost::commit_text_edit(Editor& e) { ::commit_text_edit(e); }

void WinTextBoxHost::restyle_text_box(Editor& e) {
    HWND box = text_box_window(e);
    if (!box || !IsWindow(box)) return;
    BoxRecord* record = record_of(box);
    if (!record) return;
    if (Font font = create_text_font(e.text_box->size)) {
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        record->font = std::move(font);  // the old font goes once the box no longer uses it
    }
    InvalidateRect(box, nullptr, TRUE);
    fit_text_box(e);
}
