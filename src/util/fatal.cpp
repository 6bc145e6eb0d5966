#include "util/fatal.h"

#include <cstdio>
#include <cstdlib>

void fatal_invariant(std::string_view what) {
    std::fprintf(stderr, "internal error: %.*s\n", static_cast<int>(what.size()), what.data());
    std::fflush(stderr);
    std::abort();
}
