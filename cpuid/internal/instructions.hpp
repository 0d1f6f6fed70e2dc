// The processor instructions the unit stands on (the CPUID support test, CPUID itself and the
// time-stamp counter) behind one interface, so that tests can answer in the processor's place
// with the recorded leaves of other processors, or as a processor without CPUID.
#pragma once

#include <cstdint>

namespace zub::cpuid_internal {

// The four registers one CPUID execution returns.
struct TCPUIDRegs {
  uint32_t EAX = 0;
  uint32_t EBX = 0;
  uint32_t ECX = 0;
  uint32_t EDX = 0;
};

class Instructions {
 public:
  virtual ~Instructions() = default;
  // The processor has the CPUID instruction: bit 21 (ID) of the flags register can be toggled.
  virtual bool CpuidSupported() = 0;
  // One CPUID execution for Leaf (with sub-leaf 0). Called only when CpuidSupported() holds;
  // no range check here.
  virtual TCPUIDRegs Cpuid(uint32_t Leaf) = 0;
  // The processor has a time-stamp counter to read.
  virtual bool HasTimeStampCounter() = 0;
  // The time-stamp counter (RDTSC). Called only when HasTimeStampCounter() holds.
  virtual uint64_t ReadTimeStampCounter() = 0;
};

// The processor the program runs on. Built for a processor other than x86 (or with
// ZUB_CPUID_FORCE_NO_X86 defined), it has neither CPUID nor a time-stamp counter.
Instructions& Processor();

// What the unit's routines use: Processor(), unless a ScopedInstructions is in place.
Instructions& Active();

// Puts Replacement in the processor's place until it goes (for tests; not for concurrent use
// with the routines on other threads).
class ScopedInstructions {
 public:
  explicit ScopedInstructions(Instructions& Replacement);
  ~ScopedInstructions();
  ScopedInstructions(const ScopedInstructions&) = delete;
  ScopedInstructions& operator=(const ScopedInstructions&) = delete;

 private:
  Instructions* FPrevious;
};

}  // namespace zub::cpuid_internal
