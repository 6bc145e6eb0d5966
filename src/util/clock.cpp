#include "util/clock.h"

#include <chrono>

double clock_ms() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}
