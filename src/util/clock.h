#pragma once
// The one millisecond clock for timings, deadlines and hang checks: monotonic, sub-millisecond,
// safe from any thread. Only differences between two readings mean anything.
double clock_ms();
