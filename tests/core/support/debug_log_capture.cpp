// Native stand-in for the Win32 log: lines go to a list the tests can read.
#include "support/debug_log_capture.h"

#include <mutex>

namespace {
std::mutex lines_mutex;
std::vector<std::string>& lines() {
    static std::vector<std::string> v;
    return v;
}
}  // namespace

void debug_log(std::string_view message) {
    std::lock_guard lock(lines_mutex);
    lines().emplace_back(message);
}

std::vector<std::string> captured_log_lines() {
    std::lock_guard lock(lines_mutex);
    return lines();
}

void clear_captured_log() {
    std::lock_guard lock(lines_mutex);
    lines().clear();
}
