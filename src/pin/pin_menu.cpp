#include "pin/pin_menu.h"

#include <string>
#include <utility>

#include "strings/ui_strings.h"

std::vector<MenuItem> pin_menu_model(const PinMenuState& s) {
    std::vector<MenuItem> menu;
    menu.push_back(menu_item(PIN_CMD_COPY, ui_text(PIN_MENU_COPY)));
    menu.push_back(menu_item(PIN_CMD_SAVE_AS, ui_text(PIN_MENU_SAVE_AS)));
    menu.push_back(menu_item(PIN_CMD_ANNOTATE, ui_text(PIN_MENU_ANNOTATE)));
    menu.push_back(menu_item(PIN_CMD_RECOGNIZE_TEXT, ui_text(PIN_MENU_RECOGNIZE_TEXT)));
    if (s.has_annotations)
        menu.push_back(menu_item(PIN_CMD_TOGGLE_ANNOTATIONS,
                                 ui_text(s.show_annotations ? PIN_MENU_HIDE_ANNOTATIONS : PIN_MENU_SHOW_ANNOTATIONS)));

    MenuItem image = menu_item(0, ui_text(PIN_MENU_IMAGE));
    for (const UiText text : {PIN_MENU_ROTATE_LEFT, PIN_MENU_ROTATE_RIGHT, PIN_MENU_FLIP_H, PIN_MENU_FLIP_V,
                              PIN_MENU_GRAYSCALE, PIN_MENU_INVERT})
        image.submenu.push_back(
            menu_item(PIN_CMD_TRANSFORM_FIRST + static_cast<uint32_t>(image.submenu.size()), ui_text(text)));
    menu.push_back(std::move(image));
    menu.push_back(menu_separator());

    menu.push_back(menu_item(PIN_CMD_ACTUAL_SIZE, ui_text(PIN_MENU_ACTUAL_SIZE)));
    MenuItem opacity = menu_item(0, ui_text(PIN_MENU_OPACITY));
    for (const uint8_t percent : PIN_MENU_OPACITIES) {
        MenuItem step = menu_item(PIN_CMD_OPACITY_FIRST + static_cast<uint32_t>(opacity.submenu.size()),
                                  std::to_string(percent) + "%");
        step.checked = percent == s.opacity;
        opacity.submenu.push_back(std::move(step));
    }
    menu.push_back(std::move(opacity));
    MenuItem thumbnail = menu_item(PIN_CMD_THUMBNAIL, ui_text(PIN_MENU_THUMBNAIL));
    thumbnail.checked = s.thumbnail;
    menu.push_back(std::move(thumbnail));
    MenuItem lock = menu_item(PIN_CMD_LOCK, ui_text(PIN_MENU_LOCK));
    lock.checked = s.locked;
    menu.push_back(std::move(lock));
    menu.push_back(menu_item(PIN_CMD_CLICK_THROUGH, ui_text(PIN_MENU_CLICK_THROUGH)));
    menu.push_back(menu_item(PIN_CMD_PRINT, ui_text(PIN_MENU_PRINT)));
    menu.push_back(menu_item(PIN_CMD_CLOSE, ui_text(PIN_MENU_CLOSE)));
    menu.push_back(menu_item(PIN_CMD_CLOSE_ALL, ui_text(PIN_MENU_CLOSE_ALL)));
    return menu;
}
