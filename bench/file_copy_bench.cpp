// Copying and walking files against the tools a user would otherwise run, on the same file
// system: FileCopyFeedBk of a 1 GiB file against std::filesystem::copy_file (what `cp`
// does), CopyFileTree of 100 000 small files against `cp -r`, and CountFiles against
// `find | wc -l`. Each pair runs in the same process on the same data; the tree and the
// file live in a folder below /var/tmp (a disk, not a memory file system).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/scratch_dir.hpp"
#include "filesys/ZUB_filesys.hpp"

namespace {

namespace fs = std::filesystem;

const fs::path& Work() {
  return zub_bench::ScratchDir();
}

const fs::path& BigFile() {
  static const fs::path p = [] {
    const fs::path f = Work() / "big";
    std::ofstream out(f, std::ios::binary);
    std::string block(1 << 20, '\0');
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 131 + 7);
    for (int i = 0; i < 1024; ++i) out.write(block.data(), static_cast<std::streamsize>(block.size()));
    return f;
  }();
  return p;
}

const fs::path& SmallTree() {
  static const fs::path p = [] {
    const fs::path t = Work() / "tree";
    for (int d = 0; d < 100; ++d) {
      fs::create_directories(t / ("d" + std::to_string(d)));
      for (int f = 0; f < 1000; ++f)
        std::ofstream(t / ("d" + std::to_string(d)) / ("f" + std::to_string(f) + ".txt")) << "file " << f << "\n";
    }
    return t;
  }();
  return p;
}

zub::UnicodeString U(const fs::path& p) {
  return zub::SystemNameToUnicode(p.string());
}

void Run(const std::string& cmd) {
  if (std::system(cmd.c_str()) != 0) std::abort();
}

void BM_FileCopyFeedBk(benchmark::State& state) {
  const fs::path src = BigFile(), dst = Work() / "copy_zub";
  int64_t reports = 0;
  for (auto _ : state)
    if (zub::FileCopyFeedBk(U(src), U(dst), false, [&](int32_t, int32_t) { ++reports; }) != 0) std::abort();
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(src)));
  state.counters["reports"] = static_cast<double>(reports) / static_cast<double>(state.iterations());
  fs::remove(dst);
}
BENCHMARK(BM_FileCopyFeedBk)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StdCopyFile(benchmark::State& state) {
  const fs::path src = BigFile(), dst = Work() / "copy_std";
  for (auto _ : state) fs::copy_file(src, dst, fs::copy_options::overwrite_existing);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(src)));
  fs::remove(dst);
}
BENCHMARK(BM_StdCopyFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CopyFileTree(benchmark::State& state) {
  const fs::path src = SmallTree(), dst = Work() / "tree_zub";
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(dst);
    state.ResumeTiming();
    zub::CopyFileTree(U(src), U(dst), false, nullptr);
  }
  fs::remove_all(dst);
}
BENCHMARK(BM_CopyFileTree)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_CpR(benchmark::State& state) {
  const fs::path src = SmallTree(), dst = Work() / "tree_cp";
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(dst);
    state.ResumeTiming();
    Run("cp -r '" + src.string() + "' '" + dst.string() + "'");
  }
  fs::remove_all(dst);
}
BENCHMARK(BM_CpR)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_CountFiles(benchmark::State& state) {
  const fs::path src = SmallTree();
  for (auto _ : state)
    if (zub::CountFiles(U(src) + u"/*", true, nullptr) != 100000) std::abort();
}
BENCHMARK(BM_CountFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FindWcL(benchmark::State& state) {
  const fs::path src = SmallTree();
  for (auto _ : state) Run("find '" + src.string() + "' -mindepth 1 ! -type d | wc -l > /dev/null");
}
BENCHMARK(BM_FindWcL)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
