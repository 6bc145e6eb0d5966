#include "win/popup_menu.h"

#include <string>

#include "util/text.h"

Menu make_popup_menu(const std::vector<MenuItem>& items) {
    Menu menu(CreatePopupMenu());
    if (!menu) return menu;
    for (const MenuItem& item : items) {
        if (item.separator) {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring text = to_wide(item.text);
        if (!item.submenu.empty()) {
            Menu sub = make_popup_menu(item.submenu);
            if (sub && AppendMenuW(menu.get(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub.get()), text.c_str()))
                sub.release();  // the parent destroys it now
            continue;
        }
        const UINT flags = MF_STRING | (item.grayed ? MF_GRAYED : 0) | (item.checked ? MF_CHECKED : 0);
        AppendMenuW(menu.get(), flags, item.id, text.c_str());
    }
    return menu;
}

uint32_t track_popup_menu(HWND window, const Menu& menu, POINT at) {
    SetForegroundWindow(window);
    const auto command =
        static_cast<uint32_t>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr));
    // Lets the menu end properly when it was opened from the notification area.
    PostMessageW(window, WM_NULL, 0, 0);
    return command;
}
