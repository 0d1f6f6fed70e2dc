// TAssocArray lookups: 100 000 lookups in a 10 000-entry array, against a
// std::unordered_map<std::u16string, Variant> holding the same entries.
#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "dstruct/assoc_array.hpp"

namespace {

constexpr int32_t kEntries = 10000;
constexpr int32_t kLookups = 100000;

std::u16string KeyOf(int32_t i) {
  return u"key" + zub::IntToStr(i);
}

// The probes: pseudo-random entries, all present.
const std::vector<std::u16string>& Probes(bool Upper) {
  static const auto make = [](bool upper) {
    std::vector<std::u16string> probes;
    uint32_t seed = 1;
    for (int32_t i = 0; i < kLookups; ++i) {
      seed = seed * 1103515245u + 12345u;
      std::u16string key = KeyOf(static_cast<int32_t>((seed >> 8) % kEntries));
      probes.push_back(upper ? zub::UpperCase(key) : key);
    }
    return probes;
  };
  static const std::vector<std::u16string> lower = make(false), upper = make(true);
  return Upper ? upper : lower;
}

void Fill(zub::TAssocArray& a) {
  for (int32_t i = 0; i < kEntries; ++i) a.Add(KeyOf(i), zub::Variant(i));
}

// Arg 1: IgnoreCase with the probes in upper case; 0: exact keys.
void BM_TAssocArrayResolve(benchmark::State& state) {
  const bool ignoreCase = state.range(0) != 0;
  zub::TAssocArray a(nullptr);
  a.SetIgnoreCase(ignoreCase);
  Fill(a);
  const auto& probes = Probes(ignoreCase);
  a.Resolve(probes[0]);  // the index is built by the first lookup
  for (auto _ : state)
    for (const auto& key : probes) benchmark::DoNotOptimize(a.Resolve(key));
  state.SetItemsProcessed(state.iterations() * kLookups);
}

void BM_TAssocArrayResolveAsInt(benchmark::State& state) {
  zub::TAssocArray a(nullptr);
  Fill(a);
  const auto& probes = Probes(true);
  for (auto _ : state)
    for (const auto& key : probes) benchmark::DoNotOptimize(a.ResolveAsInt(key));
  state.SetItemsProcessed(state.iterations() * kLookups);
}

// The peer: exact keys, the value copied out as Resolve does.
void BM_UnorderedMapFind(benchmark::State& state) {
  std::unordered_map<std::u16string, zub::Variant> m;
  for (int32_t i = 0; i < kEntries; ++i) m.emplace(KeyOf(i), zub::Variant(i));
  const auto& probes = Probes(false);
  for (auto _ : state)
    for (const auto& key : probes) {
      const auto it = m.find(key);
      benchmark::DoNotOptimize(it == m.end() ? zub::Variant::Null() : it->second);
    }
  state.SetItemsProcessed(state.iterations() * kLookups);
}

BENCHMARK(BM_TAssocArrayResolve)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TAssocArrayResolveAsInt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnorderedMapFind)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
