// Byte-at-a-time reading of a 64 MiB file: TFileStream::Read(&b, 1) through a TStream
// reference, as the stream readers call it, against a std::ifstream::get() loop.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "host/file_stream.hpp"

namespace {

constexpr size_t kFileSize = 64u << 20;

const std::string& SampleFile() {
  static const std::string path = [] {
    std::string p = "/tmp/zub_bench_stream_XXXXXX";
    const int fd = mkstemp(p.data());
    if (fd < 0) std::abort();
    std::string block(1 << 20, '\0');
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 31 + 7);
    std::FILE* f = fdopen(fd, "wb");
    for (size_t i = 0; i < kFileSize / block.size(); ++i) std::fwrite(block.data(), 1, block.size(), f);
    std::fclose(f);
    std::atexit([] { std::remove(SampleFile().c_str()); });
    return p;
  }();
  return path;
}

void BM_TFileStreamReadByte(benchmark::State& state) {
  const zub::UnicodeString name = zub::Utf8ToUnicode(SampleFile());
  for (auto _ : state) {
    zub::TFileStream f(name, zub::fmOpenRead);
    zub::TStream& s = f;
    uint8_t b = 0;
    uint64_t sum = 0;
    while (s.Read(&b, 1) == 1) sum += b;
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileSize));
}

void BM_IfstreamGet(benchmark::State& state) {
  for (auto _ : state) {
    std::ifstream in(SampleFile(), std::ios::binary);
    uint64_t sum = 0;
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) sum += static_cast<uint8_t>(c);
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileSize));
}

BENCHMARK(BM_TFileStreamReadByte)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_IfstreamGet)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
