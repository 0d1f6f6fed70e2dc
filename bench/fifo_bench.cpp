// TFifo moving 256 MiB through a 64 KiB ring, 32 KiB in and 32 KiB out at a time, byte by byte
// through PutByte and GetByte, against the same pattern on a std::deque<uint8_t> (push_back,
// pop_front). The bytes taken out are summed, so that neither side can skip them. At the end
// the ratio of the two times is printed.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <deque>
#include <random>
#include <vector>

#include "bench/ratio_reporter.hpp"
#include "dstruct/fifo.hpp"

namespace {

constexpr size_t kTotal = size_t{256} << 20;
constexpr int32_t kRing = 64 * 1024;
constexpr size_t kHalf = 32 * 1024;

// The 32 KiB put in each round.
const std::vector<uint8_t>& Block() {
  static const std::vector<uint8_t> block = [] {
    std::vector<uint8_t> b(kHalf);
    std::mt19937 gen(1);
    for (uint8_t& v : b) v = static_cast<uint8_t>(gen());
    return b;
  }();
  return block;
}

// The sum both sides must arrive at.
uint64_t ExpectedSum() {
  uint64_t sum = 0;
  for (const uint8_t b : Block()) sum += b;
  return sum * (kTotal / kHalf);
}

void BM_TFifo(benchmark::State& state) {
  const std::vector<uint8_t>& block = Block();
  zub::TFifo fifo(nullptr);
  fifo.SetSize(kRing);
  for (auto _ : state) {
    uint64_t sum = 0;
    for (size_t done = 0; done < kTotal; done += kHalf) {
      for (const uint8_t b : block) fifo.PutByte(b);
      for (uint8_t b = 0; fifo.GetByte(b);) sum += b;
    }
    if (sum != ExpectedSum()) state.SkipWithError("TFifo lost bytes");
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kTotal));
}

void BM_StdDeque(benchmark::State& state) {
  const std::vector<uint8_t>& block = Block();
  std::deque<uint8_t> deque;
  for (auto _ : state) {
    uint64_t sum = 0;
    for (size_t done = 0; done < kTotal; done += kHalf) {
      for (const uint8_t b : block) deque.push_back(b);
      while (!deque.empty()) {
        sum += deque.front();
        deque.pop_front();
      }
    }
    if (sum != ExpectedSum()) state.SkipWithError("std::deque lost bytes");
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kTotal));
}

BENCHMARK(BM_TFifo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdDeque)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  zub_bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nTime ratio, zubcorekit / peer:\n");
  reporter.Ratio("TFifo PutByte/GetByte / std::deque", "BM_TFifo", "BM_StdDeque", 2.0);
  benchmark::Shutdown();
  return 0;
}
