#pragma once
// A popup menu as data: built platform-free from the state it shows, made into a menu by
// win/popup_menu.h, and summed up in one line for the diagnostic log.
#include <cstdint>
#include <string>
#include <vector>

struct MenuItem {
    uint32_t id = 0;  // 0 for separators and a submenu's own item
    std::string text;
    bool separator = false;
    bool grayed = false;
    bool checked = false;
    bool is_default = false;
    std::vector<MenuItem> submenu;  // not empty: a popup item
};

MenuItem menu_item(uint32_t id, std::string text);
MenuItem menu_separator();

// The items' texts (tabs as "\t"), submenus in brackets, "-" for a separator, "(grayed)" and
// "(checked)" marks, joined by " | ".
std::string menu_summary(const std::vector<MenuItem>& items);
