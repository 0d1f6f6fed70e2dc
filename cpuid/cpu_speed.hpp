// CPU_Speed: the processor's clock frequency estimated from its time-stamp counter over a
// wait of some milliseconds.
#pragma once

#include <cstdint>

namespace zub {

// The time-stamp counter's cycles per microsecond (MHz) over about Delay milliseconds:
// the calling thread waits for the next step of the millisecond tick counter (the monotonic
// clock), reads the counter, waits until the tick counter has gone Delay milliseconds past the
// value before that step, reads the counter again, and returns
// (end - start) / (10^6 / (1000 / Delay)), the difference taken in unsigned 64 bits.
//
// The thread blocks for about Delay milliseconds at the highest priority the process may give
// it (real-time scheduling, else its lowest nice level, else as it is; see
// host/thread_priority.hpp), kept on one processor so that both readings come from the same
// counter. Its priority and its affinity mask are put back afterwards, also when the
// measurement is cut short by an exception. No CPUID leaf is asked for.
//
// Since the wait starts at a tick edge, it lasts one tick less than Delay: the result reads
// low by 1/Delay of the frequency (0.2 % at 500 ms, 1 % at 100 ms).
//
// A Delay of 0 measures nothing and returns 0, as does a processor without a time-stamp
// counter (a build for a processor other than x86).
float CPU_Speed(uint32_t Delay);

}  // namespace zub
