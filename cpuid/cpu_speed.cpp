#include "cpuid/cpu_speed.hpp"

#include "cpuid/internal/instructions.hpp"
#include "host/processor_affinity.hpp"
#include "host/thread_priority.hpp"
#include "host/tick_count.hpp"

namespace zub {

float CPU_Speed(uint32_t Delay) {
  if (Delay == 0) return 0.0f;
  cpuid_internal::Instructions& cpu = cpuid_internal::Active();
  if (!cpu.HasTimeStampCounter()) return 0.0f;

  uint64_t start = 0;
  uint64_t end = 0;
  {
    const TTopPriority priority;
    const TProcessorPin pin;
    const uint64_t t0 = MillisecondTicks();
    while (MillisecondTicks() == t0) {
    }
    start = cpu.ReadTimeStampCounter();
    while (MillisecondTicks() < t0 + Delay) {
    }
    end = cpu.ReadTimeStampCounter();
  }
  const long double cycles = static_cast<long double>(end - start);
  return static_cast<float>(cycles / (1e6L / (1000.0L / Delay)));
}

}  // namespace zub
