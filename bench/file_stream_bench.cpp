// Byte-wise and line-wise work on a 64 MiB file, against the peers a C or C++ programmer
// would pick: TStream::ReadByte through a TStream reference against getc_unlocked,
// TStream::WriteByte against putc_unlocked, and ReadLnStream against std::getline on a
// std::ifstream. Each pair runs in the same process on the same file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "host/file_stream.hpp"
#include "streams/stream_text.hpp"

namespace {

constexpr size_t kFileSize = 64u << 20;

std::string MakeFile(const char* tag, bool text) {
  std::string p = std::string("/tmp/zub_bench_") + tag + "_XXXXXX";
  const int fd = mkstemp(p.data());
  if (fd < 0) std::abort();
  std::string block(1 << 20, '\0');
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 31 + 7);
  if (text) {
    // Lines of 20 to 100 characters.
    for (size_t i = 0, next = 40; i < block.size(); ++i) {
      block[i] = static_cast<char>('a' + i % 26);
      if (i == next) {
        block[i] = '\n';
        next += 20 + (i * 7919) % 81;
      }
    }
  }
  std::FILE* f = fdopen(fd, "wb");
  for (size_t i = 0; i < kFileSize / block.size(); ++i) std::fwrite(block.data(), 1, block.size(), f);
  std::fclose(f);
  return p;
}

struct Files {
  std::string binary = MakeFile("bin", false);
  std::string text = MakeFile("txt", true);
  std::string out = MakeFile("out", false);
  ~Files() {
    std::remove(binary.c_str());
    std::remove(text.c_str());
    std::remove(out.c_str());
  }
};
const Files& Sample() {
  static const Files files;
  return files;
}

void BM_TStreamReadByte(benchmark::State& state) {
  const zub::UnicodeString name = zub::Utf8ToUnicode(Sample().binary);
  for (auto _ : state) {
    zub::TFileStream f(name, zub::fmOpenRead);
    zub::TStream& s = f;
    uint64_t sum = 0;
    for (int b = s.ReadByte(); b >= 0; b = s.ReadByte()) sum += static_cast<unsigned>(b);
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileSize));
}

void BM_GetcUnlocked(benchmark::State& state) {
  for (auto _ : state) {
    std::FILE* f = std::fopen(Sample().binary.c_str(), "rb");
    uint64_t sum = 0;
    for (int c = getc_unlocked(f); c != EOF; c = getc_unlocked(f)) sum += static_cast<unsigned>(c);
    std::fclose(f);
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileSize));
}

void BM_TStreamWriteByte(benchmark::State& state) {
  const zub::UnicodeString name = zub::Utf8ToUnicode(Sample().out);
  for (auto _ : state) {
    zub::TFileStream f(name, zub::fmCreate);
    zub::TStream& s = f;
    for (size_t i = 0; i < kFileSize; ++i) s.WriteByte(static_cast<uint8_t>(i));
    f.Close();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileSize));
}

void BM_PutcUnlocked(benchmark::State& state) {
  for (auto _ : state) {
    std::FILE* f = std::fopen(Sample().out.c_str(), "wb");
    for (size_t i = 0; i < kFileSize; ++i) putc_unlocked(static_cast<int>(i & 0xFF), f);
    if (std::fclose(f) != 0) state.SkipWithError("fclose failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileSize));
}

void BM_ReadLnStream(benchmark::State& state) {
  const zub::UnicodeString name = zub::Utf8ToUnicode(Sample().text);
  for (auto _ : state) {
    zub::TFileStream f(name, zub::fmOpenRead);
    size_t chars = 0;
    for (bool eos = false; !eos;) chars += zub::ReadLnStream(f, eos, 0).size();
    benchmark::DoNotOptimize(chars);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileSize));
}

void BM_StdGetline(benchmark::State& state) {
  for (auto _ : state) {
    std::ifstream in(Sample().text, std::ios::binary);
    std::string line;
    size_t chars = 0;
    while (std::getline(in, line)) chars += line.size();
    benchmark::DoNotOptimize(chars);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileSize));
}

BENCHMARK(BM_TStreamReadByte)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_GetcUnlocked)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_TStreamWriteByte)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PutcUnlocked)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReadLnStream)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_StdGetline)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
