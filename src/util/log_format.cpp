#include "util/log.h"

std::string format_log_line(uint64_t ms_since_boot, std::string_view message) {
    std::string line = "[" + std::to_string(ms_since_boot) + "] ";
    line.append(message);
    line.push_back('\n');
    return line;
}
