// TGrep on a pathological expression (a*a*...a*b over 10 000 letters and "cb") and on an
// ordinary search, the latter against std::regex on the same text. std::regex_search on the
// pathological expression backtracks for minutes even on 40 letters, so it has no peer run.
// Then the search for a literal in raw bytes that zubkit grep runs before it decodes lines,
// against glibc's memmem, and TGrep over lines of which few hold the literal, against
// std::u16string_view::find on the same lines.
#include <benchmark/benchmark.h>

#include <string.h>

#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "strings/grep.hpp"

namespace {

void RunGrep(benchmark::State& state, const char16_t* expr, const zub::UnicodeString& text) {
  zub::TGrep g(nullptr);
  g.SetRegExp(expr);
  int32_t pos = 0;
  for (auto _ : state) benchmark::DoNotOptimize(g.MatchString(text, pos));
}

// The "b" stands at the end, after a "c", so the search for the literal lets the text
// through and the matcher fails at every start before it.
void BM_TGrepPathological10000(benchmark::State& state) {
  RunGrep(state, u"a*a*a*a*a*a*a*a*a*a*b", zub::UnicodeString(10000, u'a') + u"cb");
}
zub::UnicodeString Prose() {
  zub::UnicodeString t;
  while (t.size() < 100000) t += u"the quick brown fox jumps over the lazy dog 12345 ";
  return t + u"error code 42";
}
void BM_TGrepOrdinary(benchmark::State& state) {
  RunGrep(state, u"error code [0-9]+", Prose());
}
void BM_StdRegexOrdinary(benchmark::State& state) {
  const std::regex re("error code [0-9]+");
  std::string text;
  for (char16_t c : Prose()) text += static_cast<char>(c);
  for (auto _ : state) benchmark::DoNotOptimize(std::regex_search(text, re));
}

// 8 MiB of log lines, one in 200 with "error code".
std::string LogText() {
  std::string t;
  for (int n = 0; t.size() < 8 << 20; ++n) {
    t += "2024-05-17 12:34:56 INFO worker-" + std::to_string(n % 64) + " request served in " +
         std::to_string(n % 997) + " ms from cache";
    if (n % 200 == 199) t += " error code 7";
    t += "\n";
  }
  return t;
}

template <typename Find>
void CountHits(benchmark::State& state, Find find) {
  static const std::string text = LogText();
  int64_t hits = 0;
  for (auto _ : state) {
    hits = 0;
    for (size_t at = find(text, 0); at != std::string::npos; at = find(text, at + 1)) ++hits;
    benchmark::DoNotOptimize(hits);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.counters["hits"] = static_cast<double>(hits);
}
void BM_FindLiteralBytes(benchmark::State& state) {
  CountHits(state, [](const std::string& t, size_t from) {
    const size_t at = zub::FindLiteralBytes(std::string_view(t).substr(from), "error code", false);
    return at == std::string::npos ? at : from + at;
  });
}
void BM_FindLiteralBytesFolding(benchmark::State& state) {
  CountHits(state, [](const std::string& t, size_t from) {
    const size_t at = zub::FindLiteralBytes(std::string_view(t).substr(from), "ERROR CODE", true);
    return at == std::string::npos ? at : from + at;
  });
}
void BM_Memmem(benchmark::State& state) {
  CountHits(state, [](const std::string& t, size_t from) {
    const void* at = memmem(t.data() + from, t.size() - from, "error code", 10);
    return at == nullptr ? std::string::npos : static_cast<size_t>(static_cast<const char*>(at) - t.data());
  });
}

std::vector<zub::UnicodeString> LogLines() {
  std::vector<zub::UnicodeString> lines;
  const std::string text = LogText();
  for (size_t at = 0; at < 1 << 20;) {
    const size_t end = text.find('\n', at);
    lines.emplace_back(text.begin() + static_cast<std::ptrdiff_t>(at),
                       text.begin() + static_cast<std::ptrdiff_t>(end));
    at = end + 1;
  }
  return lines;
}
void BM_TGrepLines(benchmark::State& state) {
  static const auto lines = LogLines();
  zub::TGrep g(nullptr);
  g.SetRegExp(u"error code [0-9]+");
  int32_t pos = 0;
  for (auto _ : state)
    for (const auto& line : lines) benchmark::DoNotOptimize(g.MatchString(line, pos));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * lines.size()));
}
void BM_U16FindLines(benchmark::State& state) {
  static const auto lines = LogLines();
  for (auto _ : state)
    for (const auto& line : lines) benchmark::DoNotOptimize(std::u16string_view(line).find(u"error code "));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * lines.size()));
}

BENCHMARK(BM_TGrepPathological10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TGrepOrdinary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdRegexOrdinary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindLiteralBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindLiteralBytesFolding)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memmem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TGrepLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_U16FindLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
