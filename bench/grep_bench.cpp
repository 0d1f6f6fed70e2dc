// TGrep on a pathological expression (a*a*...a*b over 10 000 letters) and on an ordinary
// search, the latter against std::regex on the same text. std::regex_search on the
// pathological expression backtracks for minutes even on 40 letters, so it has no peer run.
#include <benchmark/benchmark.h>

#include <regex>
#include <string>

#include "strings/grep.hpp"

namespace {

void RunGrep(benchmark::State& state, const char16_t* expr, const zub::UnicodeString& text) {
  zub::TGrep g(nullptr);
  g.SetRegExp(expr);
  int32_t pos = 0;
  for (auto _ : state) benchmark::DoNotOptimize(g.MatchString(text, pos));
}

void BM_TGrepPathological10000(benchmark::State& state) {
  RunGrep(state, u"a*a*a*a*a*a*a*a*a*a*b", zub::UnicodeString(10000, u'a'));
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

BENCHMARK(BM_TGrepPathological10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TGrepOrdinary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdRegexOrdinary)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
