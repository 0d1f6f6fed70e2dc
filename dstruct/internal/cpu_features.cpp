#include "dstruct/internal/cpu_features.hpp"

#include <cstdint>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace zub::dstruct_internal {

namespace {

CpuFeatures Detect() {
  CpuFeatures f;
#if defined(__x86_64__) || defined(__i386__)
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (__get_cpuid(1, &a, &b, &c, &d) == 0) return f;
  f.popcnt = (c & (1u << 23)) != 0;
  f.ssse3 = (c & (1u << 9)) != 0;
  f.sse41 = (c & (1u << 19)) != 0;
  f.pclmul = (c & (1u << 1)) != 0;
  const bool osxsave = (c & (1u << 27)) != 0;
  const bool avx = (c & (1u << 28)) != 0;
  bool ymmSaved = false;
  if (osxsave && avx) {
    uint32_t lo = 0, hi = 0;
    __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(0));
    ymmSaved = (lo & 0x6) == 0x6;  // XMM and YMM state
  }
  if (__get_cpuid_count(7, 0, &a, &b, &c, &d) != 0) {
    f.avx2 = ymmSaved && (b & (1u << 5)) != 0;
    f.sha = (b & (1u << 29)) != 0;
    f.vpclmulqdq = f.avx2 && f.pclmul && (c & (1u << 10)) != 0;
  }
#endif
  return f;
}

}  // namespace

const CpuFeatures& Cpu() {
  static const CpuFeatures features = Detect();
  return features;
}

}  // namespace zub::dstruct_internal
