#pragma once
// Diagnostic log: when ORMICK_OXEL_LOG is set (even empty), appends
// "[ms since boot] message\n" to ormick-oxel.log in the temp folder. Never reports a failure.
// Safe from any thread. Declared here so that platform-free code logs too; the program's writer
// is win/log_writer.cpp (the native tests link one of their own), the line's form
// util/log_format.cpp.
#include <cstdint>
#include <string>
#include <string_view>

void debug_log(std::string_view message);

std::string format_log_line(uint64_t ms_since_boot, std::string_view message);
