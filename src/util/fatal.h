#pragma once
// Internal invariant violations are programming errors: they end the process in every build.
#include <string_view>

[[noreturn]] void fatal_invariant(std::string_view what);
