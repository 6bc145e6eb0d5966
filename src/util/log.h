#pragma once
// Diagnostic log: when ORMICK_OXEL_LOG is set (even empty), appends
// "[ms since boot] message\n" to ormick-oxel.log in the temp folder. Never reports a failure.
// Safe from any thread.
#include <cstdint>
#include <string>
#include <string_view>

void debug_log(std::string_view message);

std::string format_log_line(uint64_t ms_since_boot, std::string_view message);
