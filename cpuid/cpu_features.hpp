// The feature bits of CPU_FeatureSet (the EDX register of CPUID leaf 1) by name, and a text
// for each bit.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zub {

// Bit numbers of CPU_FeatureSet: a feature f is present when
// (CPU_FeatureSet() >> f) & 1 is 1. Bit 10 (cpuft_sepamd) is reserved on Intel processors;
// cpuft_xsr is FXSAVE/FXRSTOR, cpuft_simd SSE and cpuft_simd2 SSE2.
enum TCPUFeatures : uint8_t {
  cpuft_fpu,
  cpuft_vme,
  cpuft_de,
  cpuft_pse,
  cpuft_tsc,
  cpuft_msr,
  cpuft_pae,
  cpuft_mce,
  cpuft_cx8,
  cpuft_apic,
  cpuft_sepamd,
  cpuft_sep,
  cpuft_mtrr,
  cpuft_pge,
  cpuft_mca,
  cpuft_cmov,
  cpuft_pat,
  cpuft_pse36,
  cpuft_serial,
  cpuft_clflush,
  cpuft_reserved1,
  cpuft_dts,
  cpuft_acpi,
  cpuft_mmx,
  cpuft_xsr,
  cpuft_simd,
  cpuft_simd2,
  cpuft_ss,
  cpuft_reserved2,
  cpuft_tm,
  cpuft_ia64,
  cpuft_3dnow,
};

// A description of each feature bit, indexed by TCPUFeatures ("Floating Point Unit", ...,
// "3DNow! instructions available"). A string table of the unit: emptied when the unit is
// finalised for the last time, filled again on a new load.
extern std::array<std::u16string_view, 32> CPUFeatureNames;

// Unit lifecycle of the name table.
void ReleaseCPUFeatureNames();
void FillCPUFeatureNames();

}  // namespace zub
