// ReadNextTagInStream on one element whose content is 16 MiB, against StreamAsByteString
// over the same bytes, both from a memory stream.
#include <benchmark/benchmark.h>

#include <string>

#include "streams/stream_text.hpp"
#include "streams/tag_reader.hpp"

namespace {

zub::TMemoryStream& Sample() {
  static zub::TMemoryStream* stream = [] {
    auto* s = new zub::TMemoryStream;
    std::string body;
    body.reserve(16u << 20);
    while (body.size() < (16u << 20)) body += "<p>text &amp; more</p> ";  // markup inside the content too
    body.resize(16u << 20);
    const std::string doc = "<data kind=\"big\">" + body + "</DATA>";
    s->WriteBuffer(doc.data(), static_cast<int32_t>(doc.size()));
    return s;
  }();
  return *stream;
}

void BM_ReadNextTagInStream(benchmark::State& state) {
  zub::UnicodeString attribs, content;
  for (auto _ : state) {
    Sample().SetPosition(0);
    benchmark::DoNotOptimize(zub::ReadNextTagInStream(Sample(), {u"data", u"dummy"}, attribs, content));
  }
  if (content.size() != (16u << 20)) state.SkipWithError("content has the wrong size");
}

void BM_StreamAsByteString(benchmark::State& state) {
  for (auto _ : state) {
    Sample().SetPosition(0);
    benchmark::DoNotOptimize(zub::StreamAsByteString(Sample()));
  }
}

BENCHMARK(BM_ReadNextTagInStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StreamAsByteString)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
