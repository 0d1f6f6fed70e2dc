#include "cpuid/internal/leaf_query.hpp"

#include "cpuid/ZUB_cpuid.hpp"

namespace zub::cpuid_internal {

namespace {
constexpr uint32_t kExtendedBase = 0x80000000u;
}  // namespace

bool CPUIDExecute(uint32_t Leaf, int32_t Repeat, TCPUIDRegs& Result) {
  Instructions& cpu = Active();
  if (!cpu.CpuidSupported()) throw EZUBCpuIdError(u"Cannot acquire CPU information (CPUID not supported)");
  if (Leaf > cpu.Cpuid(0).EAX && Leaf > cpu.Cpuid(kExtendedBase).EAX)
    throw EZUBCpuIdError(u"CPUID: execution level not supported");
  for (int32_t i = 0; i < Repeat; ++i) Result = cpu.Cpuid(Leaf);
  return true;
}

TCPUIDRegs QueryLeaf(uint32_t Leaf) {
  TCPUIDRegs r;
  CPUIDExecute(Leaf, 1, r);
  return r;
}

}  // namespace zub::cpuid_internal
