// The console reporter of the benchmarks that keeps each benchmark's time per iteration, so
// that main can print the library's times as ratios of its peers' at the end of the run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace zub_bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration)
        FTimes[r.benchmark_name()] = {r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()};
    ConsoleReporter::ReportRuns(runs);
  }

  // Prints ours / peer in real and in processor time against the limit the library sets
  // itself, judged by processor time (the real time also counts what else the machine ran);
  // nothing when either did not run.
  void Ratio(const char* what, const std::string& ours, const std::string& peer, double limit) const {
    const auto a = FTimes.find(ours), b = FTimes.find(peer);
    if (a == FTimes.end() || b == FTimes.end()) return;
    const double real = a->second.real / b->second.real, cpu = a->second.cpu / b->second.cpu;
    std::printf("  %-52s %6.3f real %6.3f cpu  (at most %.2f: %s)\n", what, real, cpu, limit,
                cpu <= limit ? "met" : "NOT met");
  }

 private:
  struct Times {
    double real, cpu;
  };
  std::map<std::string, Times> FTimes;
};

}  // namespace zub_bench
