#include "cpuid/internal/instructions.hpp"

#include <atomic>

#if (defined(__x86_64__) || defined(__i386__)) && !defined(ZUB_CPUID_FORCE_NO_X86)
#define ZUB_CPUID_X86 1
#include <cpuid.h>
#include <x86intrin.h>
#endif

namespace zub::cpuid_internal {

namespace {

#ifdef ZUB_CPUID_X86

constexpr uint32_t kIdFlag = 1u << 21;

// Flips the ID bit of the flags register, reads the flags back and puts the original flags
// back. Processors before CPUID keep the bit fixed.
bool IdFlagToggles() {
#if defined(__x86_64__)
  uint64_t original = 0;
  uint64_t toggled = 0;
  // The pushes would land in the red zone below the stack pointer, where the compiler may keep
  // data of this function: step over it first.
  __asm__ volatile(
      "add $-128, %%rsp\n\t"
      "pushfq\n\t"
      "pop %0\n\t"
      "mov %0, %1\n\t"
      "xor %2, %1\n\t"
      "push %1\n\t"
      "popfq\n\t"
      "pushfq\n\t"
      "pop %1\n\t"
      "push %0\n\t"
      "popfq\n\t"
      "sub $-128, %%rsp\n\t"
      : "=&r"(original), "=&r"(toggled)
      : "i"(kIdFlag)
      : "cc", "memory");
#else
  uint32_t original = 0;
  uint32_t toggled = 0;
  __asm__ volatile(
      "pushfl\n\t"
      "popl %0\n\t"
      "movl %0, %1\n\t"
      "xorl %2, %1\n\t"
      "pushl %1\n\t"
      "popfl\n\t"
      "pushfl\n\t"
      "popl %1\n\t"
      "pushl %0\n\t"
      "popfl\n\t"
      : "=&r"(original), "=&r"(toggled)
      : "i"(kIdFlag)
      : "cc", "memory");
#endif
  return ((original ^ toggled) & kIdFlag) != 0;
}

class X86Processor final : public Instructions {
 public:
  bool CpuidSupported() override { return IdFlagToggles(); }
  TCPUIDRegs Cpuid(uint32_t Leaf) override {
    unsigned a = 0, b = 0, c = 0, d = 0;
    __cpuid_count(Leaf, 0, a, b, c, d);
    return {a, b, c, d};
  }
  bool HasTimeStampCounter() override { return true; }
  uint64_t ReadTimeStampCounter() override { return __rdtsc(); }
};
using ThisProcessor = X86Processor;

#else

// No x86 instructions to run.
class OtherProcessor final : public Instructions {
 public:
  bool CpuidSupported() override { return false; }
  TCPUIDRegs Cpuid(uint32_t) override { return {}; }
  bool HasTimeStampCounter() override { return false; }
  uint64_t ReadTimeStampCounter() override { return 0; }
};
using ThisProcessor = OtherProcessor;

#endif

std::atomic<Instructions*> replacement{nullptr};

}  // namespace

Instructions& Processor() {
  static ThisProcessor processor;
  return processor;
}

Instructions& Active() {
  Instructions* r = replacement.load(std::memory_order_acquire);
  return r != nullptr ? *r : Processor();
}

ScopedInstructions::ScopedInstructions(Instructions& Replacement)
    : FPrevious(replacement.exchange(&Replacement, std::memory_order_acq_rel)) {}

ScopedInstructions::~ScopedInstructions() {
  replacement.store(FPrevious, std::memory_order_release);
}

}  // namespace zub::cpuid_internal
