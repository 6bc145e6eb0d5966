#include "win/draw.h"

#include <map>
#include <utility>

#include "strings/ui_strings.h"
#include "util/border.h"
#include "util/text.h"
#include "util/ui_cell.h"
#include "win/handles.h"

namespace {
// Never emptied: callers keep the handles for the life of the process.
UiCell<std::map<std::pair<int32_t, bool>, HFONT>> UI_FONTS;
}

HFONT ui_font(int32_t height, bool bold) {
    auto fonts = UI_FONTS.borrow();
    const auto key = std::make_pair(height, bold);
    if (auto it = fonts->find(key); it != fonts->end()) return it->second;
    const std::wstring face = to_wide(ui_text(UI_FONT_FACE));
    HFONT font = CreateFontW(-height, 0, 0, 0, bold ? 600 : 400, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    fonts->emplace(key, font);
    return font;
}

SIZE text_extent(HDC dc, HFONT font, std::string_view text) {
    SIZE size{0, 0};
    const std::wstring w = to_wide(text);
    const SelectGuard selected(dc, font);
    GetTextExtentPoint32W(dc, w.data(), static_cast<int>(w.size()), &size);
    return size;
}

void draw_text(HDC dc, HFONT font, std::string_view text, RECT rect, COLORREF colour, UINT flags) {
    const std::wstring w = to_wide(text);
    const SelectGuard selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, w.data(), static_cast<int>(w.size()), &rect, flags | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void fill_rect_color(HDC dc, const Rect& rect, int32_t thickness, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    for (const Rect& b : border_bands(rect, thickness)) {
        RECT r{b.l, b.t, b.r, b.b};
        FillRect(dc, &r, brush);
    }
}
