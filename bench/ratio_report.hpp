// The ratios of the library's times to its peers', printed after a benchmark run: a console
// reporter that keeps each benchmark's time per iteration, and the line of one ratio with the
// limit it should stay within.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace zub_bench {

// Keeps each benchmark's time per iteration while the console shows the run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration) times[r.benchmark_name()] = r.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

// Prints what, ours' time / peer's time and whether it is at most limit; nothing when either
// benchmark did not run (a --benchmark_filter left it out).
inline void Ratio(const RatioReporter& r, const char* what, const std::string& ours, const std::string& peer,
                  double limit) {
  const auto a = r.times.find(ours), b = r.times.find(peer);
  if (a == r.times.end() || b == r.times.end()) return;
  const double ratio = a->second / b->second;
  std::printf("  %-52s %6.3f  (at most %.2f: %s)\n", what, ratio, limit, ratio <= limit ? "met" : "NOT met");
}

}  // namespace zub_bench
