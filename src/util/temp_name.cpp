#include "util/temp_name.h"

#include "util/text.h"

bool is_replacing_temp_name(std::string_view name) {
    const std::string lower = ascii_lower(name);
    std::string_view rest = lower;
    if (rest.substr(0, 3) != "oox" || rest.size() < 3 + 1 + 4) return false;
    rest.remove_prefix(3);
    if (rest.substr(rest.size() - 4) != ".tmp") return false;
    rest.remove_suffix(4);
    if (rest.empty() || rest.size() > 4) return false;
    for (const char c : rest) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return true;
}
