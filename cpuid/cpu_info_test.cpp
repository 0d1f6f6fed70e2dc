#include "cpuid/cpu_info.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "cpuid/ZUB_cpuid.hpp"
#include "cpuid/testdata/recorded_processors.hpp"

namespace zub {
namespace {

using cpuid_internal::ScopedInstructions;
using testing::RecordedInstructions;
using testing::TRecordedProcessor;

constexpr char16_t kNoCpuid[] = u"Cannot acquire CPU information (CPUID not supported)";
constexpr char16_t kOutOfRange[] = u"CPUID: execution level not supported";

// The message of the EZUBCpuIdError that f raises, or nothing when it raises none.
std::optional<UnicodeString> CpuIdError(const std::function<void()>& f) {
  try {
    f();
  } catch (const EZUBCpuIdError& e) {
    return e.Message();
  }
  return std::nullopt;
}

struct Expected {
  const TRecordedProcessor* processor;
  const char16_t* vendor;
  const char16_t* marketName;  // null: raises "execution level not supported"
  uint32_t signature;
  uint32_t featureSet;
  std::optional<uint32_t> extendedFeatureSet;
  int32_t brandId;
  const char16_t* serialNumber;
};

const Expected kExpected[] = {
    {&testing::kCoreI7_3770, u"GenuineIntel", u"Intel(R) Core(TM) i7-3770 CPU @ 3.40GHz", 0x000306A9,
     0xBFEBFBFF, 0x28100800, 0, u"000306A9BFEBFBFF7FBAE3FF"},
    {&testing::kRyzen7_1700, u"AuthenticAMD", u"AMD Ryzen 7 1700 Eight-Core Processor", 0x00800F11,
     0x178BFBFF, 0x2FD3FBFF, 0, u"00800F11178BFBFF7ED8320B"},
    {&testing::kPentium4Northwood, u"GenuineIntel", u"Intel(R) Pentium(R) 4 CPU 2.40GHz", 0x00000F27,
     0x3FEBFBFF, 0x00000000, 9, u"00000F273FEBFBFF00000000"},
    {&testing::kPentium3Katmai, u"GenuineIntel", nullptr, 0x00000672, 0x0383FBFF, std::nullopt, 0,
     u"000006720383FBFF00000000"},
    {&testing::kVirtualTurin, u"AuthenticAMD", u"Oxide Virtual Turin-like Processor", 0x00B00F21, 0x178BFBFF,
     0x25D3FBFF, 0, u"00B00F21178BFBFFFED83203"},
    {&testing::kBlankVendorTabBrand, u"Unknown", u"unknown", 0x00000663, 0x00000000, 0x00000000, 0,
     u"000006630000000000000000"},
};

TEST(CpuInfo, RecordedProcessorsIdentifyThemselves) {
  for (const Expected& e : kExpected) {
    SCOPED_TRACE(e.processor->Name);
    RecordedInstructions cpu(*e.processor);
    const ScopedInstructions use(cpu);
    EXPECT_TRUE(CPU_IDSupport());
    EXPECT_EQ(CPU_VendorString(), e.vendor);
    if (e.marketName != nullptr) {
      EXPECT_EQ(CPU_MarketName(), e.marketName);
    } else {
      EXPECT_EQ(CpuIdError([] { CPU_MarketName(); }), kOutOfRange);
    }
    EXPECT_EQ(CPU_Signature(), e.signature);
    EXPECT_EQ(CPU_FeatureSet(), e.featureSet);
    if (e.extendedFeatureSet) {
      EXPECT_EQ(CPU_ExtendedFeatureSet(), *e.extendedFeatureSet);
    } else {
      EXPECT_EQ(CpuIdError([] { CPU_ExtendedFeatureSet(); }), kOutOfRange);
    }
    EXPECT_EQ(CPU_BrandID(), e.brandId);
    EXPECT_EQ(CPU_SerialNumber(), e.serialNumber);
  }
}

TEST(CpuInfo, SignatureFields) {
  struct Row {
    uint32_t signature;
    int32_t type, family, exFamily, model, exModel, stepping;
    bool overDrive;
  };
  const Row rows[] = {
      {0x000306A9, 0, 6, 0, 10, 3, 9, false},       // Core i7-3770
      {0x00800F11, 0, 15, 8, 1, 0, 1, false},       // Ryzen 7 1700
      {0x00B00F21, 0, 15, 11, 2, 0, 1, false},      // family 26
      {0x00001632, 1, 6, 0, 3, 0, 2, true},         // Pentium II OverDrive
      {0x00002000, 2, 0, 0, 0, 0, 0, false},        // the dual-processor type alone
      {0xFFFFFFFF, 3, 15, 255, 15, 15, 15, false},  // bits 14-15 and 28-31 belong to no field
      {0x00000000, 0, 0, 0, 0, 0, 0, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::Message() << std::hex << r.signature);
    const TRecordedProcessor p{"signature only",
                               {{0, 1, 0x756E6547, 0x6C65746E, 0x49656E69}, {1, r.signature, 0, 0, 0}}};
    RecordedInstructions cpu(p);
    const ScopedInstructions use(cpu);
    EXPECT_EQ(CPU_Type(), r.type);
    EXPECT_EQ(CPU_OverDrive(), r.overDrive);
    EXPECT_EQ(CPU_Family(), r.family);
    EXPECT_EQ(CPU_ExFamily(), r.exFamily);
    EXPECT_EQ(CPU_Model(), r.model);
    EXPECT_EQ(CPU_ExModel(), r.exModel);
    EXPECT_EQ(CPU_Stepping(), r.stepping);
  }
}

TEST(CpuInfo, FeatureBitsAndTheirNames) {
  // The enumeration numbers the bits without gaps: a lost or doubled value shifts the rest.
  EXPECT_EQ(cpuft_sepamd, 10);
  EXPECT_EQ(cpuft_serial, 18);
  EXPECT_EQ(cpuft_mmx, 23);
  EXPECT_EQ(cpuft_simd2, 26);
  EXPECT_EQ(cpuft_3dnow, 31);
  EXPECT_EQ(CPUFeatureNames[cpuft_fpu], u"Floating Point Unit");
  EXPECT_EQ(CPUFeatureNames[cpuft_sepamd], u"Fast system calls (AMD only)");
  EXPECT_EQ(CPUFeatureNames[cpuft_reserved1], u"reserved");
  EXPECT_EQ(CPUFeatureNames[cpuft_simd2], u"SSE2 (WNI) instructions");
  EXPECT_EQ(CPUFeatureNames[cpuft_3dnow], u"3DNow! instructions available");
  for (const auto& name : CPUFeatureNames) EXPECT_FALSE(name.empty());

  // SSE without SSE2 and a serial number switched off: the Pentium III as recorded.
  RecordedInstructions cpu(testing::kPentium3Katmai);
  const ScopedInstructions use(cpu);
  const uint32_t f = CPU_FeatureSet();
  EXPECT_EQ((f >> cpuft_simd) & 1, 1u);
  EXPECT_EQ((f >> cpuft_simd2) & 1, 0u);
  EXPECT_EQ((f >> cpuft_serial) & 1, 0u);
  EXPECT_EQ((f >> cpuft_sepamd) & 1, 0u);
  EXPECT_EQ((f >> cpuft_mmx) & 1, 1u);
}

// A processor without CPUID: every routine that needs a leaf raises without executing one (the
// recorded stand-in fails the test with another exception if it is asked); the others answer.
TEST(CpuInfo, WithoutCpuidOnlyTheRoutinesWithoutLeavesAnswer) {
  RecordedInstructions cpu;
  const ScopedInstructions use(cpu);
  EXPECT_FALSE(CPU_IDSupport());
  const std::function<void()> needLeaves[] = {[] { CPU_VendorString(); },
                                              [] { CPU_MarketName(); },
                                              [] { CPU_Signature(); },
                                              [] { CPU_FeatureSet(); },
                                              [] { CPU_ExtendedFeatureSet(); },
                                              [] { CPU_BrandID(); },
                                              [] { CPU_Type(); },
                                              [] { CPU_OverDrive(); },
                                              [] { CPU_Family(); },
                                              [] { CPU_ExFamily(); },
                                              [] { CPU_Model(); },
                                              [] { CPU_ExModel(); },
                                              [] { CPU_Stepping(); },
                                              [] { CPU_SerialNumber(); }};
  for (const auto& f : needLeaves) EXPECT_EQ(CpuIdError(f), kNoCpuid);
  EXPECT_GE(CPU_Count(), 1);
  EXPECT_FALSE(CPU_FDIVBugPresent());
  EXPECT_EQ(CPU_Speed(5), 0.0f);  // no time-stamp counter to read
}

}  // namespace
}  // namespace zub
