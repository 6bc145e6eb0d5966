#pragma once
#include <string>
#include <vector>

#include "util/log.h"

std::vector<std::string> captured_log_lines();
void clear_captured_log();
