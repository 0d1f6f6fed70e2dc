// The one way the unit's routines ask the processor: a CPUID leaf, after checking that the
// processor has the instruction and answers that leaf.
#pragma once

#include <cstdint>

#include "cpuid/internal/instructions.hpp"

namespace zub::cpuid_internal {

// Runs CPUID for Leaf Repeat times, each time copying the four registers to Result (which
// keeps what it held for a Repeat below 1), and returns true. Raises EZUBCpuIdError:
// - "Cannot acquire CPU information (CPUID not supported)" without the instruction;
// - "CPUID: execution level not supported" when Leaf, compared unsigned, is above both the
//   highest basic leaf (EAX of leaf 0) and the highest extended leaf (EAX of leaf $80000000).
//   A basic leaf above the highest basic one therefore passes on a processor whose extended
//   maximum is higher; the extended maximum is read only for a leaf above the basic one.
bool CPUIDExecute(uint32_t Leaf, int32_t Repeat, TCPUIDRegs& Result);

// CPUIDExecute for one execution.
TCPUIDRegs QueryLeaf(uint32_t Leaf);

}  // namespace zub::cpuid_internal
