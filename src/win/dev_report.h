#pragma once
// The one way a developer job writes its report file: whole or not at all. A failure is
// written to the diagnostic log as "<job>: report not written: <error>".
#include <string>
#include <string_view>

void write_dev_report(const std::string& path, std::string_view text, std::string_view job);
