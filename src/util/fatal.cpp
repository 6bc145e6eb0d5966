#include "util/fatal.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "util/log.h"

void fatal_invariant(std::string_view what) {
    debug_log("internal error: " + std::string(what));
    std::fprintf(stderr, "internal error: %.*s\n", static_cast<int>(what.size()), what.data());
    std::fflush(stderr);
    std::abort();
}
