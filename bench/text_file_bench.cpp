// Counting the lines of a 1 GiB text file: CountLinesInTextFile against `wc -l`, the tool a
// user would run, on the same file (below /var/tmp, read from the page cache after the
// first pass of each).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "bench/scratch_dir.hpp"
#include "filesys/ZUB_filesys.hpp"

namespace {

namespace fs = std::filesystem;

const fs::path& Work() {
  return zub_bench::ScratchDir();
}

// Lines of 0 to 80 letters ending in CR LF, 1 GiB in all.
const fs::path& TextFile() {
  static const fs::path p = [] {
    const fs::path f = Work() / "text.txt";
    std::mt19937 rng(1);
    std::string block;
    while (block.size() < (1 << 20)) {
      block.append(rng() % 81, static_cast<char>('a' + rng() % 26));
      block += "\r\n";
    }
    std::ofstream out(f, std::ios::binary);
    for (int i = 0; i < 1024; ++i) out.write(block.data(), static_cast<std::streamsize>(block.size()));
    return f;
  }();
  return p;
}

void BM_CountLinesInTextFile(benchmark::State& state) {
  const zub::UnicodeString name = zub::SystemNameToUnicode(TextFile().string());
  int32_t lines = 0;
  for (auto _ : state) benchmark::DoNotOptimize(lines = zub::CountLinesInTextFile(name, nullptr));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(TextFile())));
  state.counters["lines"] = lines;
}
BENCHMARK(BM_CountLinesInTextFile)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_WcL(benchmark::State& state) {
  const std::string cmd = "wc -l < '" + TextFile().string() + "' > /dev/null";
  for (auto _ : state)
    if (std::system(cmd.c_str()) != 0) std::abort();
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(TextFile())));
}
BENCHMARK(BM_WcL)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
