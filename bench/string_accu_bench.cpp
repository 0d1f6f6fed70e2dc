// TStringAccu::Add of 1 000 000 strings drawn from 100 000 values ("key00000" to "key99999",
// pseudo-random with a fixed seed), against counting the same strings in a
// std::unordered_map<std::u16string, int>. Each iteration starts from an empty container. At
// the end the ratio of the two times is printed.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

#include "bench/ratio_reporter.hpp"
#include "dstruct/string_accu.hpp"

namespace {

constexpr int32_t kStrings = 1000000;
constexpr uint32_t kValues = 100000;

const std::vector<std::u16string>& Strings() {
  static const std::vector<std::u16string> strings = [] {
    std::vector<std::u16string> s;
    s.reserve(kStrings);
    uint32_t seed = 1;
    for (int32_t i = 0; i < kStrings; ++i) {
      seed = seed * 1103515245u + 12345u;
      uint32_t v = (seed >> 8) % kValues;
      std::u16string key = u"key00000";
      for (size_t k = key.size(); v > 0; v /= 10) key[--k] = static_cast<char16_t>(u'0' + v % 10);
      s.push_back(std::move(key));
    }
    return s;
  }();
  return strings;
}

void BM_TStringAccuAdd(benchmark::State& state) {
  const auto& strings = Strings();
  for (auto _ : state) {
    zub::TStringAccu accu(nullptr);
    for (const std::u16string& s : strings) accu.Add(s);
    benchmark::DoNotOptimize(accu.Size());
    state.counters["distinct"] = accu.Size();
  }
  state.SetItemsProcessed(state.iterations() * kStrings);
}

void BM_UnorderedMapCount(benchmark::State& state) {
  const auto& strings = Strings();
  for (auto _ : state) {
    std::unordered_map<std::u16string, int> counts;
    for (const std::u16string& s : strings) ++counts[s];
    benchmark::DoNotOptimize(counts.size());
    state.counters["distinct"] = static_cast<double>(counts.size());
  }
  state.SetItemsProcessed(state.iterations() * kStrings);
}

BENCHMARK(BM_TStringAccuAdd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnorderedMapCount)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  zub_bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nTime ratio, zubcorekit / peer:\n");
  reporter.Ratio("TStringAccu::Add / std::unordered_map counting", "BM_TStringAccuAdd",
                 "BM_UnorderedMapCount", 2.0);
  benchmark::Shutdown();
  return 0;
}
