// TStringArray against the table a C++ programmer would otherwise build: memory of
// 1 000 000 rows x 4 columns of 8-character texts against std::vector<std::vector<
// std::u16string>> (heap bytes in use, from the allocator's own statistics), and sorting
// 1 000 000 rows by a random 8-character key against std::sort of a std::vector<std::u16string>.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "dstruct/ZUB_dstruct.hpp"

namespace {

constexpr int32_t kRows = 1000000;
constexpr int32_t kCols = 4;

std::vector<zub::UnicodeString> RandomKeys(size_t n, uint32_t seed) {
  std::mt19937 rng(seed);
  std::vector<zub::UnicodeString> keys(n);
  for (auto& k : keys) {
    k.resize(8);
    for (auto& c : k) c = static_cast<zub::Char>(u'a' + rng() % 26);
  }
  return keys;
}

size_t HeapInUse() {
  return mallinfo2().uordblks;
}

void BM_MemoryTStringArray(benchmark::State& state) {
  const auto keys = RandomKeys(kRows, 1);
  for (auto _ : state) {
    const size_t before = HeapInUse();
    zub::TStringArray a(nullptr);
    a.Resize(kCols, kRows);
    for (int32_t r = 1; r <= kRows; ++r)
      for (int32_t c = 1; c <= kCols; ++c) a.SetString(c, r, keys[static_cast<size_t>(r - 1)]);
    state.counters["bytes"] = static_cast<double>(HeapInUse() - before);
  }
}

void BM_MemoryVectorOfVectors(benchmark::State& state) {
  const auto keys = RandomKeys(kRows, 1);
  for (auto _ : state) {
    const size_t before = HeapInUse();
    std::vector<std::vector<std::u16string>> t(kRows);
    for (int32_t r = 0; r < kRows; ++r) {
      t[static_cast<size_t>(r)].reserve(kCols);
      for (int32_t c = 0; c < kCols; ++c) t[static_cast<size_t>(r)].push_back(keys[static_cast<size_t>(r)]);
    }
    state.counters["bytes"] = static_cast<double>(HeapInUse() - before);
    benchmark::DoNotOptimize(t.data());
  }
}

void BM_SortTStringArray(benchmark::State& state) {
  const auto keys = RandomKeys(kRows, 2);
  zub::TStringArray a(nullptr);
  a.Resize(1, kRows);
  for (int32_t r = 1; r <= kRows; ++r) a.SetString(1, r, keys[static_cast<size_t>(r - 1)]);
  for (auto _ : state) {
    a.UnSort();
    a.Sort(1, 0, true);
  }
}

void BM_StdSortU16Strings(benchmark::State& state) {
  const auto keys = RandomKeys(kRows, 2);
  for (auto _ : state) {
    state.PauseTiming();
    auto v = keys;
    state.ResumeTiming();
    std::sort(v.begin(), v.end());
    benchmark::DoNotOptimize(v.data());
  }
}

BENCHMARK(BM_MemoryTStringArray)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_MemoryVectorOfVectors)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SortTStringArray)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_StdSortU16Strings)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
