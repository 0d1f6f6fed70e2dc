// The unit's answers on the machine the tests run on, against what the kernel says of the same
// processor in /proc/cpuinfo and what `nproc` counts.
#include <gtest/gtest.h>
#include <sched.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <thread>

#include "cpuid/ZUB_cpuid.hpp"
#include "cpuid/internal/leaf_query.hpp"

namespace zub {
namespace {

using Fields = std::map<std::string, std::string>;

std::string Trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(" \t") + 1 - b);
}

// The /proc/cpuinfo block of one processor; empty when the kernel does not list it.
Fields KernelProcessor(int cpu) {
  std::ifstream in("/proc/cpuinfo");
  Fields block;
  for (std::string line; std::getline(in, line);) {
    if (Trim(line).empty()) {
      if (block.count("processor") != 0 && block["processor"] == std::to_string(cpu)) return block;
      block.clear();
      continue;
    }
    const size_t colon = line.find(':');
    if (colon != std::string::npos) block[Trim(line.substr(0, colon))] = Trim(line.substr(colon + 1));
  }
  if (block.count("processor") != 0 && block["processor"] == std::to_string(cpu)) return block;
  return {};
}

bool HasFlag(const std::string& flags, const std::string& name) {
  return (" " + flags + " ").find(" " + name + " ") != std::string::npos;
}

// Runs work on a thread of its own held on the first processor the test may use, so that the
// unit and the kernel's block speak of the same processor. Gives that processor's number.
void OnFirstProcessor(const std::function<void(int)>& work) {
  std::thread t([&] {
    cpu_set_t mask;
    CPU_ZERO(&mask);
    ASSERT_EQ(::sched_getaffinity(0, sizeof mask, &mask), 0);
    int cpu = 0;
    while (!CPU_ISSET(cpu, &mask)) ++cpu;
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(cpu, &one);
    ASSERT_EQ(::sched_setaffinity(0, sizeof one, &one), 0);
    work(cpu);
  });
  t.join();
}

#if defined(__x86_64__) || defined(__i386__)

TEST(CpuInfoMachine, SignatureVendorAndBrandAreTheKernels) {
  OnFirstProcessor([](int cpu) {
    Fields k = KernelProcessor(cpu);
    if (k.count("vendor_id") == 0) GTEST_SKIP() << "/proc/cpuinfo tells no vendor for processor " << cpu;
    ASSERT_TRUE(CPU_IDSupport());
    EXPECT_EQ(UnicodeToUtf8(CPU_VendorString()), k["vendor_id"]);

    // The kernel's family and model include the extended fields.
    const int32_t family = CPU_Family();
    const int32_t fullFamily = family == 15 ? family + CPU_ExFamily() : family;
    const int32_t fullModel = family == 6 || family == 15 ? CPU_Model() + (CPU_ExModel() << 4) : CPU_Model();
    EXPECT_EQ(std::to_string(fullFamily), k["cpu family"]);
    EXPECT_EQ(std::to_string(fullModel), k["model"]);
    EXPECT_EQ(std::to_string(CPU_Stepping()), k["stepping"]);

    const std::string brand = UnicodeToUtf8(CPU_MarketName());
    if (brand == k["model name"]) return;
    // A paravirtualised kernel asks its hypervisor, not the instruction, and may be told
    // another brand: then its initial APIC ID is not the one the instruction reports either.
    const uint32_t apicId = cpuid_internal::QueryLeaf(1).EBX >> 24;
    if (k.count("initial apicid") != 0 && std::stoul(k["initial apicid"]) % 256 != apicId) {
      std::printf(
          "note: the kernel's CPUID answers are not the instruction's (initial apicid %s, the "
          "instruction says %u): it names the processor \"%s\", the instruction \"%s\"\n",
          k["initial apicid"].c_str(), apicId, k["model name"].c_str(), brand.c_str());
      return;
    }
    EXPECT_EQ(brand, k["model name"]);
  });
}

TEST(CpuInfoMachine, FeatureBitsAreTheKernelsFlags) {
  struct Flag {
    const char* kernelName;
    TCPUFeatures bit;
  };
  static constexpr Flag kFlags[] = {
      {"fpu", cpuft_fpu},     {"vme", cpuft_vme},         {"de", cpuft_de},     {"pse", cpuft_pse},
      {"tsc", cpuft_tsc},     {"msr", cpuft_msr},         {"pae", cpuft_pae},   {"mce", cpuft_mce},
      {"cx8", cpuft_cx8},     {"apic", cpuft_apic},       {"sep", cpuft_sep},   {"mtrr", cpuft_mtrr},
      {"pge", cpuft_pge},     {"mca", cpuft_mca},         {"cmov", cpuft_cmov}, {"pat", cpuft_pat},
      {"pse36", cpuft_pse36}, {"clflush", cpuft_clflush}, {"mmx", cpuft_mmx},   {"fxsr", cpuft_xsr},
      {"sse", cpuft_simd},    {"sse2", cpuft_simd2},      {"ss", cpuft_ss}};
  // Features the kernel leaves out of its flags when it runs without them, and how to tell.
  const std::map<std::string, std::function<bool()>> switchedOff = {
      {"mtrr", [] { return !std::filesystem::exists("/proc/mtrr"); }}};

  OnFirstProcessor([&](int cpu) {
    Fields k = KernelProcessor(cpu);
    if (k.count("flags") == 0) GTEST_SKIP() << "/proc/cpuinfo lists no flags for processor " << cpu;
    const uint32_t features = CPU_FeatureSet();
    for (const Flag& f : kFlags) {
      const bool kernel = HasFlag(k["flags"], f.kernelName);
      const bool cpuid = ((features >> f.bit) & 1) != 0;
      if (kernel == cpuid) continue;
      const auto reason = switchedOff.find(f.kernelName);
      if (!kernel && reason != switchedOff.end() && reason->second()) {
        std::printf("note: CPUID reports %s, which the kernel runs without\n", f.kernelName);
        continue;
      }
      ADD_FAILURE() << f.kernelName << ": the kernel says " << (kernel ? "yes" : "no") << ", CPUID bit "
                    << int{f.bit} << " says " << (cpuid ? "yes" : "no");
    }
  });
}

#endif

TEST(CpuInfoMachine, CountIsWhatNprocCounts) {
  FILE* p = ::popen("nproc 2>/dev/null", "r");
  ASSERT_NE(p, nullptr);
  char buf[32] = {};
  const bool read = std::fgets(buf, sizeof buf, p) != nullptr;
  const int status = ::pclose(p);
  if (!read || status != 0) GTEST_SKIP() << "no nproc to ask";
  EXPECT_EQ(std::to_string(CPU_Count()) + "\n", buf);
}

TEST(CpuInfoMachine, DivisionIsRight) {
  EXPECT_FALSE(CPU_FDIVBugPresent());
}

TEST(CpuInfoMachine, CpuidIsThereExactlyOnX86) {
#if defined(__x86_64__)
  EXPECT_TRUE(CPU_IDSupport());
  EXPECT_EQ(CPU_VendorString().size(), 12u);
#elif !defined(__i386__)
  EXPECT_FALSE(CPU_IDSupport());
#endif
}

}  // namespace
}  // namespace zub
