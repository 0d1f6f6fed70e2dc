// A millisecond tick counter for timing short waits: the system's monotonic clock, which the
// wall clock's changes do not move (Windows calls its counterpart GetTickCount).
#pragma once

#include <cstdint>

namespace zub {

// Milliseconds since an arbitrary start (the system's boot on Linux); it never goes back and,
// being 64 bits wide, does not wrap. It steps once a millisecond.
uint64_t MillisecondTicks();

}  // namespace zub
