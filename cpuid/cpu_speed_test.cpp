#include "cpuid/cpu_speed.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <regex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "cpuid/internal/instructions.hpp"

namespace zub {
namespace {

using cpuid_internal::ScopedInstructions;

// A time-stamp counter that gives the readings it was handed, one per read, and lets the test
// look at the thread at each read. No CPUID.
class ScriptedCounter : public cpuid_internal::Instructions {
 public:
  explicit ScriptedCounter(std::vector<uint64_t> readings) : FReadings(std::move(readings)) {}

  bool CpuidSupported() override { return false; }
  cpuid_internal::TCPUIDRegs Cpuid(uint32_t) override { throw std::logic_error("no CPUID here"); }
  bool HasTimeStampCounter() override { return true; }
  uint64_t ReadTimeStampCounter() override {
    if (OnRead) OnRead(Reads);
    if (Reads >= FReadings.size()) throw std::runtime_error("counter read cut short");
    return FReadings[Reads++];
  }

  size_t Reads = 0;
  std::function<void(size_t)> OnRead;

 private:
  std::vector<uint64_t> FReadings;
};

TEST(CpuSpeed, ZeroDelayMeasuresNothing) {
  ScriptedCounter counter({});
  const ScopedInstructions use(counter);
  EXPECT_EQ(CPU_Speed(0), 0.0f);
  EXPECT_EQ(counter.Reads, 0u);
}

// Cycles per microsecond: (end - start) / (10^6 / (1000 / delay)), the difference in unsigned
// 64 bits, so a counter that wrapped between the readings still counts right.
TEST(CpuSpeed, CyclesPerMicrosecondOverTheDelay) {
  struct Case {
    uint32_t delay;
    uint64_t start, end;
    float mhz;
  };
  const Case cases[] = {
      {4, 1000, 1000 + 8384100, 2096.025f},
      {4, UINT64_MAX - 99, 8384000, 2096.025f},  // wrapped
      {3, 0, 7500, 2.5f},                        // 1000 / 3 is not a whole number
      {7, 5, 5, 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.delay);
    ScriptedCounter counter({c.start, c.end});
    const ScopedInstructions use(counter);
    EXPECT_FLOAT_EQ(CPU_Speed(c.delay), c.mhz);
    EXPECT_EQ(counter.Reads, 2u);
  }
}

struct ThreadState {
  int policy;
  int priority;
  int nice;
  int processors;  // in the affinity mask
  bool operator==(const ThreadState&) const = default;
};

ThreadState Current() {
  sched_param p{};
  ::sched_getparam(0, &p);
  errno = 0;
  const int nice = ::getpriority(PRIO_PROCESS, 0);
  cpu_set_t mask;
  CPU_ZERO(&mask);
  ::sched_getaffinity(0, sizeof mask, &mask);
  return {::sched_getscheduler(0), p.sched_priority, nice, CPU_COUNT(&mask)};
}

// Both readings are taken pinned to one processor at a raised priority; afterwards the thread
// has its own scheduling and mask back, also when the second reading fails.
TEST(CpuSpeed, MeasuresPinnedAndRaisedAndPutsTheThreadBack) {
  std::thread t([] {
    ASSERT_EQ(::setpriority(PRIO_PROCESS, 0, 3), 0);  // a nice level of its own to come back to
    const ThreadState before = Current();
    for (const bool cutShort : {false, true}) {
      SCOPED_TRACE(cutShort ? "second reading fails" : "both readings");
      ScriptedCounter counter(cutShort ? std::vector<uint64_t>{100} : std::vector<uint64_t>{100, 200});
      std::vector<ThreadState> seen;
      counter.OnRead = [&](size_t) { seen.push_back(Current()); };
      const ScopedInstructions use(counter);
      if (cutShort) {
        EXPECT_THROW(CPU_Speed(5), std::runtime_error);
      } else {
        CPU_Speed(5);
      }
      ASSERT_EQ(seen.size(), 2u);
      for (const ThreadState& s : seen) {
        EXPECT_EQ(s.processors, 1);
        // Some raise whenever the process may use one: real time as the superuser.
        if (::geteuid() == 0) {
          EXPECT_TRUE(s.policy == SCHED_FIFO || s.nice < before.nice);
        }
      }
      EXPECT_EQ(seen[0], seen[1]);
      EXPECT_TRUE(Current() == before);
    }
  });
  t.join();
}

// The kernel log: /dev/kmsg, else what dmesg or the journal print; empty when none can be read.
std::string KernelLog() {
  std::string log;
  const int fd = ::open("/dev/kmsg", O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) {
    char record[8192];
    for (ssize_t n; (n = ::read(fd, record, sizeof record)) != 0;) {
      if (n < 0) {
        if (errno == EPIPE) continue;  // records overwritten while reading
        break;                         // EAGAIN: the end
      }
      log.append(record, static_cast<size_t>(n));
    }
    ::close(fd);
  }
  if (log.empty())
    for (const char* command : {"dmesg 2>/dev/null", "journalctl -k -b --no-pager 2>/dev/null"}) {
      if (FILE* p = ::popen(command, "r")) {
        char buf[4096];
        for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) log.append(buf, n);
        ::pclose(p);
      }
      if (!log.empty()) break;
    }
  return log;
}

// The kernel's time-stamp counter frequency in kHz, where it tells one: the sysfs value some
// kernels offer, else its calibration in the kernel log (the refined one when there is one;
// "Detected ... MHz processor" is the counter's frequency unless a "... MHz TSC" line differs),
// else the "cpu MHz" of /proc/cpuinfo where that can only be the calibrated value (a constant
// counter, no measured actual frequency, the same on every processor in two readings).
std::optional<double> KernelTscKhz(std::string& source) {
  if (std::ifstream f("/sys/devices/system/cpu/cpu0/tsc_freq_khz"); f) {
    double khz = 0;
    if (f >> khz && khz > 0) {
      source = "/sys/devices/system/cpu/cpu0/tsc_freq_khz";
      return khz;
    }
  }
  const std::string log = KernelLog();
  const std::pair<const char*, const char*> lines[] = {
      {R"(tsc: Refined TSC clocksource calibration: ([0-9.]+) MHz)",
       "the kernel log's refined TSC calibration"},
      {R"(tsc: Detected ([0-9.]+) MHz TSC)", "the kernel log's detected TSC frequency"},
      {R"(tsc: Detected ([0-9.]+) MHz processor)", "the kernel log's detected processor frequency"}};
  for (const auto& [pattern, name] : lines) {
    std::smatch m;
    if (std::regex_search(log, m, std::regex(pattern))) {
      source = name;
      return std::stod(m[1]) * 1000;
    }
  }
  // /proc/cpuinfo, read twice: every "cpu MHz" the same both times.
  std::optional<std::string> mhz;
  for (int pass = 0; pass < 2; ++pass) {
    std::ifstream in("/proc/cpuinfo");
    for (std::string line; std::getline(in, line);) {
      if (line.rfind("flags", 0) == 0 && ((" " + line + " ").find(" constant_tsc ") == std::string::npos ||
                                          (" " + line + " ").find(" aperfmperf ") != std::string::npos))
        return std::nullopt;
      if (line.rfind("cpu MHz", 0) != 0) continue;
      const std::string value = line.substr(line.find(':') + 1);
      if (mhz && *mhz != value) return std::nullopt;
      mhz = value;
    }
  }
  if (!mhz) return std::nullopt;
  source = "/proc/cpuinfo's constant cpu MHz";
  return std::stod(*mhz) * 1000;
}

#if defined(__x86_64__) || defined(__i386__)
TEST(CpuSpeedMachine, AgreesWithTheKernelsCounterFrequency) {
  std::string source;
  const std::optional<double> khz = KernelTscKhz(source);
  if (!khz) GTEST_SKIP() << "the kernel tells no time-stamp counter frequency here";
  const float mhz = CPU_Speed(500);
  std::printf("CPU_Speed(500) = %.3f MHz; %s: %.3f MHz\n", mhz, source.c_str(), *khz / 1000);
  EXPECT_NEAR(mhz, *khz / 1000, *khz / 1000 * 0.02);
}
#endif

}  // namespace
}  // namespace zub
