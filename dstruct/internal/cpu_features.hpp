// The processor features the fast paths of the bit field, checksums, digest and encoders
// choose from, read once with CPUID (and XGETBV for the operating system's support of 256-bit
// registers). All false on processors other than x86-64.
#pragma once

namespace zub::dstruct_internal {

struct CpuFeatures {
  bool popcnt = false;
  bool ssse3 = false;
  bool sse41 = false;
  bool pclmul = false;
  bool avx2 = false;        // with the operating system saving the 256-bit registers
  bool vpclmulqdq = false;  // carry-less multiplication on 256-bit registers (with avx2)
  bool sha = false;         // the SHA extensions (SHA-1 and SHA-256 rounds)
};

const CpuFeatures& Cpu();

}  // namespace zub::dstruct_internal
