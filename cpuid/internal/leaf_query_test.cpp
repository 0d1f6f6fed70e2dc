#include "cpuid/internal/leaf_query.hpp"

#include <gtest/gtest.h>

#include "cpuid/ZUB_cpuid.hpp"
#include "cpuid/testdata/recorded_processors.hpp"

namespace zub::cpuid_internal {
namespace {

using testing::RecordedInstructions;

struct Case {
  const testing::TRecordedProcessor* processor;
  uint32_t leaf;
  bool answers;
  int executions;  // CPUID executions for one query that answers (range reads included)
};

TEST(CpuidLeafQuery, RangeChecksAgainstTheBasicAndExtendedMaxima) {
  const Case cases[] = {
      {&testing::kCoreI7_3770, 0x0000000D, true, 2},   // the highest basic leaf: leaf 0 only
      {&testing::kCoreI7_3770, 0x00000020, true, 3},   // above it, but below the extended maximum
      {&testing::kCoreI7_3770, 0x80000008, true, 3},   // the highest extended leaf
      {&testing::kCoreI7_3770, 0x80000009, false, 0},  // above both
      {&testing::kCoreI7_3770, 0xFFFFFFFF, false, 0},  // compared unsigned
      {&testing::kPentium4Northwood, 0x80000004, true, 3},
      {&testing::kPentium4Northwood, 0x80000005, false, 0},
      // The Pentium III's "extended maximum" is leaf 2's EAX: leaf 3 passes, the brand leaves
      // do not.
      {&testing::kPentium3Katmai, 0x00000003, true, 3},
      {&testing::kPentium3Katmai, 0x80000000, false, 0},
      {&testing::kPentium3Katmai, 0x80000002, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.processor->Name << ", leaf " << std::hex << c.leaf);
    RecordedInstructions cpu(*c.processor);
    const ScopedInstructions use(cpu);
    TCPUIDRegs r;
    if (c.answers) {
      EXPECT_TRUE(CPUIDExecute(c.leaf, 1, r));
      EXPECT_EQ(cpu.Executions, c.executions);
    } else {
      try {
        CPUIDExecute(c.leaf, 1, r);
        ADD_FAILURE() << "no error";
      } catch (const EZUBCpuIdError& e) {
        EXPECT_EQ(e.Message(), u"CPUID: execution level not supported");
      }
    }
  }
}

TEST(CpuidLeafQuery, RepeatCountAndResult) {
  RecordedInstructions cpu(testing::kCoreI7_3770);
  const ScopedInstructions use(cpu);
  TCPUIDRegs r;
  EXPECT_TRUE(CPUIDExecute(1, 3, r));
  EXPECT_EQ(cpu.Executions, 1 + 3);
  EXPECT_EQ(r.EAX, 0x000306A9u);
  EXPECT_EQ(r.EBX, 0x02100800u);
  EXPECT_EQ(r.ECX, 0x7FBAE3FFu);
  EXPECT_EQ(r.EDX, 0xBFEBFBFFu);
  TCPUIDRegs untouched{1, 2, 3, 4};
  EXPECT_TRUE(CPUIDExecute(1, 0, untouched));
  EXPECT_EQ(untouched.EAX, 1u);
  EXPECT_EQ(untouched.EDX, 4u);
}

TEST(CpuidLeafQuery, WithoutCpuidNothingIsExecuted) {
  RecordedInstructions cpu;
  const ScopedInstructions use(cpu);
  TCPUIDRegs r;
  try {
    CPUIDExecute(0, 1, r);
    ADD_FAILURE() << "no error";
  } catch (const EZUBCpuIdError& e) {
    EXPECT_EQ(e.Message(), u"Cannot acquire CPU information (CPUID not supported)");
  }
}

}  // namespace
}  // namespace zub::cpuid_internal
