// TBitFld on 10^8 bits against std::bitset and boost::dynamic_bitset holding the same bits:
// CountTrueBits and SelectRandomBit against count(), FirstTrueBit against find_first() (the
// only set bit near the end, so every word is looked at), MakeListOfBits against a
// find_first()/find_next() walk into a vector. This file is built with the POPCNT instruction
// enabled, so the peers count with it too; the library picks it at run time. At the end the
// ratios of the library's times to the peers' are printed.
#include <benchmark/benchmark.h>

#include <bitset>
#include <boost/dynamic_bitset.hpp>
#include <memory>
#include <vector>

#include "bench/ratio_reporter.hpp"
#include "dstruct/ZUB_dstruct.hpp"

namespace {

constexpr int32_t kBits = 100000000;
using StdBits = std::bitset<kBits>;

// The same random half-full field in the three forms, and the three with only bit
// kBits - 10 set.
struct Fields {
  zub::TBitFld ours{nullptr}, oursSparse{nullptr};
  std::unique_ptr<StdBits> std = std::make_unique<StdBits>(), stdSparse = std::make_unique<StdBits>();
  boost::dynamic_bitset<uint64_t> boost{kBits}, boostSparse{kBits};
  Fields() {
    ours.SetSize(kBits - 1);
    oursSparse.SetSize(kBits - 1);
    zub::RandSeed = 12345;
    ours.RandomFill(50.0);
    for (int32_t i = 0; i < kBits; ++i)
      if (ours.GetBit(i)) {
        std->set(static_cast<size_t>(i));
        boost.set(static_cast<size_t>(i));
      }
    oursSparse.SetBit(kBits - 10, true);
    stdSparse->set(kBits - 10);
    boostSparse.set(kBits - 10);
  }
};

Fields& F() {
  static Fields f;
  return f;
}

void BM_Count_zub(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(F().ours.CountTrueBits());
}
void BM_Count_bitset(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(F().std->count());
}
void BM_Count_boost(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(F().boost.count());
}

void BM_First_zub(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(F().oursSparse.FirstTrueBit());
}
void BM_First_bitset(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(F().stdSparse->_Find_first());
}
void BM_First_boost(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(F().boostSparse.find_first());
}

void BM_Select_zub(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(F().ours.SelectRandomBit(true));
}

void BM_List_zub(benchmark::State& state) {
  zub::TIntArray list;
  for (auto _ : state) {
    F().ours.MakeListOfBits(list, true);
    benchmark::DoNotOptimize(list.data());
  }
}
void BM_List_bitset(benchmark::State& state) {
  std::vector<int32_t> list;
  for (auto _ : state) {
    list = {};
    const StdBits& b = *F().std;
    for (size_t i = b._Find_first(); i < b.size(); i = b._Find_next(i))
      list.push_back(static_cast<int32_t>(i));
    benchmark::DoNotOptimize(list.data());
  }
}
void BM_List_boost(benchmark::State& state) {
  std::vector<int32_t> list;
  for (auto _ : state) {
    list = {};
    const auto& b = F().boost;
    for (size_t i = b.find_first(); i != b.npos; i = b.find_next(i)) list.push_back(static_cast<int32_t>(i));
    benchmark::DoNotOptimize(list.data());
  }
}

BENCHMARK(BM_Count_zub)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Count_bitset)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Count_boost)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_First_zub)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_First_bitset)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_First_boost)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Select_zub)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_List_zub)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_List_bitset)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_List_boost)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  zub_bench::RatioReporter reporter;
  F();  // the fields are filled before the clock runs
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nTime ratios, zubcorekit / peer, on 10^8 bits:\n");
  reporter.Ratio("CountTrueBits / std::bitset count", "BM_Count_zub", "BM_Count_bitset", 1.0);
  reporter.Ratio("CountTrueBits / dynamic_bitset count", "BM_Count_zub", "BM_Count_boost", 1.0);
  reporter.Ratio("FirstTrueBit / std::bitset _Find_first", "BM_First_zub", "BM_First_bitset", 1.0);
  reporter.Ratio("FirstTrueBit / dynamic_bitset find_first", "BM_First_zub", "BM_First_boost", 1.0);
  reporter.Ratio("SelectRandomBit / std::bitset count", "BM_Select_zub", "BM_Count_bitset", 1.0);
  reporter.Ratio("SelectRandomBit / dynamic_bitset count", "BM_Select_zub", "BM_Count_boost", 1.0);
  reporter.Ratio("MakeListOfBits / std::bitset find walk", "BM_List_zub", "BM_List_bitset", 1.0);
  reporter.Ratio("MakeListOfBits / dynamic_bitset find walk", "BM_List_zub", "BM_List_boost", 1.0);
  benchmark::Shutdown();
  return 0;
}
