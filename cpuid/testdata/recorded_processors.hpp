// CPUID leaves of a few processors (0, 1 and $80000000 to $80000004 where they have them,
// registers EAX, EBX, ECX, EDX), and an Instructions that answers with them in place of the
// processor the tests run on.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "cpuid/internal/instructions.hpp"

namespace zub::testing {

struct TRecordedLeaf {
  uint32_t Leaf, EAX, EBX, ECX, EDX;
};

struct TRecordedProcessor {
  const char* Name;
  std::vector<TRecordedLeaf> Leaves;
};

// Intel Core i7-3770 (Ivy Bridge, signature $000306A9): the brand string left-aligned and
// padded with zero bytes.
inline const TRecordedProcessor kCoreI7_3770 = {
    "Intel Core i7-3770",
    {{0x00000000, 0x0000000D, 0x756E6547, 0x6C65746E, 0x49656E69},
     {0x00000001, 0x000306A9, 0x02100800, 0x7FBAE3FF, 0xBFEBFBFF},
     {0x80000000, 0x80000008, 0x00000000, 0x00000000, 0x00000000},
     {0x80000001, 0x00000000, 0x00000000, 0x00000001, 0x28100800},
     {0x80000002, 0x65746E49, 0x2952286C, 0x726F4320, 0x4D542865},
     {0x80000003, 0x37692029, 0x3737332D, 0x50432030, 0x20402055},
     {0x80000004, 0x30342E33, 0x007A4847, 0x00000000, 0x00000000}}};

// AMD Ryzen 7 1700 (Zen, family 15 + 8 = 23): the brand string padded with blanks up to a
// last zero byte; the extended leaves repeat the vendor.
inline const TRecordedProcessor kRyzen7_1700 = {
    "AMD Ryzen 7 1700",
    {{0x00000000, 0x0000000D, 0x68747541, 0x444D4163, 0x69746E65},
     {0x00000001, 0x00800F11, 0x00100800, 0x7ED8320B, 0x178BFBFF},
     {0x80000000, 0x8000001F, 0x68747541, 0x444D4163, 0x69746E65},
     {0x80000001, 0x00800F11, 0x20000000, 0x35C233FF, 0x2FD3FBFF},
     {0x80000002, 0x20444D41, 0x657A7952, 0x2037206E, 0x30303731},
     {0x80000003, 0x67694520, 0x432D7468, 0x2065726F, 0x636F7250},
     {0x80000004, 0x6F737365, 0x20202072, 0x20202020, 0x00202020}}};

// Intel Pentium 4 2.40 GHz (Northwood, signature $00000F27, brand index 9): the brand string
// right-aligned behind 14 blanks, one zero byte at the end.
inline const TRecordedProcessor kPentium4Northwood = {
    "Intel Pentium 4 (Northwood)",
    {{0x00000000, 0x00000002, 0x756E6547, 0x6C65746E, 0x49656E69},
     {0x00000001, 0x00000F27, 0x00010809, 0x00000000, 0x3FEBFBFF},
     {0x80000000, 0x80000004, 0x00000000, 0x00000000, 0x00000000},
     {0x80000001, 0x00000000, 0x00000000, 0x00000000, 0x00000000},
     {0x80000002, 0x20202020, 0x20202020, 0x20202020, 0x6E492020},
     {0x80000003, 0x286C6574, 0x50202952, 0x69746E65, 0x52286D75},
     {0x80000004, 0x20342029, 0x20555043, 0x30342E32, 0x007A4847}}};

// Intel Pentium III (Katmai, signature $00000672) with its serial number switched off: two
// basic leaves and no extended ones. Asked for leaf $80000000 it answers with its highest
// basic leaf (leaf 2's cache descriptors), so its "highest extended leaf" is $03020101.
inline const TRecordedProcessor kPentium3Katmai = {
    "Intel Pentium III (Katmai)",
    {{0x00000000, 0x00000002, 0x756E6547, 0x6C65746E, 0x49656E69},
     {0x00000001, 0x00000672, 0x00000000, 0x00000000, 0x0383FBFF},
     {0x00000002, 0x03020101, 0x00000000, 0x00000000, 0x0C040843},
     {0x80000000, 0x03020101, 0x00000000, 0x00000000, 0x0C040843}}};

// The virtual processor of the machine these tables were written on (an AMD EPYC of family
// 15 + 11 = 26, model 2): blanks after the brand up to a last zero byte.
inline const TRecordedProcessor kVirtualTurin = {
    "Oxide Virtual Turin-like Processor",
    {{0x00000000, 0x0000000D, 0x68747541, 0x444D4163, 0x69746E65},
     {0x00000001, 0x00B00F21, 0x3FFE0800, 0xFED83203, 0x178BFBFF},
     {0x80000000, 0x80000021, 0x68747541, 0x444D4163, 0x69746E65},
     {0x80000001, 0x00B00F21, 0x40000000, 0x440001F1, 0x25D3FBFF},
     {0x80000002, 0x6469784F, 0x69562065, 0x61757472, 0x7554206C},
     {0x80000003, 0x2D6E6972, 0x656B696C, 0x6F725020, 0x73736563},
     {0x80000004, 0x2020726F, 0x20202020, 0x20202020, 0x00202020}}};

// A made-up virtual processor whose leaves hold no vendor (all zero bytes) and a brand string
// with a tab inside ("Virtual CPU", tab, "model 3").
inline const TRecordedProcessor kBlankVendorTabBrand = {
    "blank vendor, tab in the brand",
    {{0x00000000, 0x00000001, 0x00000000, 0x00000000, 0x00000000},
     {0x00000001, 0x00000663, 0x00000000, 0x00000000, 0x00000000},
     {0x80000000, 0x80000004, 0x00000000, 0x00000000, 0x00000000},
     {0x80000002, 0x74726956, 0x206C6175, 0x09555043, 0x65646F6D},
     {0x80000003, 0x0033206C, 0x00000000, 0x00000000, 0x00000000},
     {0x80000004, 0x00000000, 0x00000000, 0x00000000, 0x00000000}}};

inline const TRecordedProcessor* const kRecordedProcessors[] = {&kCoreI7_3770,       &kRyzen7_1700,
                                                                &kPentium4Northwood, &kPentium3Katmai,
                                                                &kVirtualTurin,      &kBlankVendorTabBrand};

// Answers CPUID from a recorded table (zeros for a leaf it does not hold, as AMD processors
// answer reserved leaves) and counts the executions. Without CPUID it stands for a processor
// before the instruction, which has no time-stamp counter either; a test that asks for a leaf
// then fails with std::logic_error, since the unit must not execute CPUID there.
class RecordedInstructions : public cpuid_internal::Instructions {
 public:
  explicit RecordedInstructions(const TRecordedProcessor& p) : FLeaves(p.Leaves) {}
  // A processor without CPUID.
  RecordedInstructions() : FHasCpuid(false) {}

  bool CpuidSupported() override { return FHasCpuid; }
  cpuid_internal::TCPUIDRegs Cpuid(uint32_t Leaf) override {
    if (!FHasCpuid) throw std::logic_error("CPUID executed on a processor without it");
    ++Executions;
    for (const TRecordedLeaf& l : FLeaves)
      if (l.Leaf == Leaf) return {l.EAX, l.EBX, l.ECX, l.EDX};
    return {};
  }
  bool HasTimeStampCounter() override { return FHasCpuid; }
  uint64_t ReadTimeStampCounter() override {
    if (!FHasCpuid) throw std::logic_error("RDTSC executed on a processor without it");
    return 0;
  }

  int Executions = 0;

 private:
  std::vector<TRecordedLeaf> FLeaves;
  bool FHasCpuid = true;
};

}  // namespace zub::testing
