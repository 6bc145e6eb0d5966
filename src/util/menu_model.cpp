#include "util/menu_model.h"

#include <utility>

#include "util/text.h"

MenuItem menu_item(uint32_t id, std::string text) {
    MenuItem i;
    i.id = id;
    i.text = std::move(text);
    return i;
}

MenuItem menu_separator() {
    MenuItem i;
    i.separator = true;
    return i;
}

std::string menu_summary(const std::vector<MenuItem>& items) {
    std::string out;
    for (const MenuItem& i : items) {
        if (!out.empty()) out += " | ";
        if (i.separator) {
            out += "-";
            continue;
        }
        out += replace_all(i.text, "\t", "\\t");
        if (i.grayed) out += " (grayed)";
        if (i.checked) out += " (checked)";
        if (!i.submenu.empty()) out += " [" + menu_summary(i.submenu) + "]";
    }
    return out;
}
