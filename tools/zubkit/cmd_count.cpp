// `zubkit count`: the distinct lines of files and how often each occurs, in the order they
// first came, through the library's string accumulator.
#include <algorithm>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

#include "tools/zubkit/cli.hpp"
#include "tools/zubkit/input.hpp"
#include "tools/zubkit/output.hpp"
#include "tools/zubkit/progress.hpp"
#include "tools/zubkit/text_lines.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

// Adds every line of one input to Accu; the lines read before a failure stay counted.
void CountLines(const std::string& name, Encoding encoding, zub::TStringAccu& accu) {
  Input in(name);
  Progress progress(in);
  LineReader reader(in);
  for (std::string bytes; reader.Next(bytes);) {
    progress.Tick();
    accu.Add(Decode(bytes, encoding));
  }
}

// A line as `uniq -c` prints it: the count right-aligned in 7 columns (wider when it needs
// more), a blank, the line.
void PrintCount(std::ostream& out, int32_t count, const zub::UnicodeString& line) {
  const std::string n = std::to_string(count);
  if (n.size() < 7) out << std::string(7 - n.size(), ' ');
  out << n << ' ' << zub::UnicodeToUtf8(line) << '\n';
}

int RunCount(const Args& args, std::ostream& out) {
  const Encoding encoding = ParseEncoding(args.Get("encoding"));
  std::vector<std::string> files = args.Positional();
  if (files.empty()) files.push_back("-");
  zub::TStringAccu accu(nullptr);
  bool failed = false;
  for (const std::string& name : files)
    if (!ReportingErrors("count", name, [&] { CountLines(name, encoding, accu); })) failed = true;

  std::vector<int32_t> order(static_cast<size_t>(accu.Size()));
  std::iota(order.begin(), order.end(), 1);
  if (args.Has("sort"))
    std::stable_sort(order.begin(), order.end(),
                     [&](int32_t a, int32_t b) { return accu.GetCount(a) > accu.GetCount(b); });
  for (const int32_t ix : order) PrintCount(out, accu.GetCount(ix), accu.GetString(ix));
  return failed ? 1 : 0;
}

const Registration count(
    {"count",
     "[FILE...]",
     "print the distinct lines of files with their counts, in first-seen order (TStringAccu)",
     "Each distinct line once, with how often it occurs in all the inputs together,\n"
     "formatted as uniq -c does (the count right-aligned in 7 columns, a blank, the\n"
     "line), in the order the lines first came; unlike uniq, equal lines need not be\n"
     "adjacent. --sort orders by descending count, lines with equal counts keeping\n"
     "their first-seen order. Lines end at LF, CR LF or CR, and compare exactly as\n"
     "text after decoding (--encoding); they are written as UTF-8. Memory grows with\n"
     "the distinct lines only; a count stops at 2147483647. Standard input without\n"
     "files, or for -. A file that cannot be read is reported, the others are still\n"
     "counted, and the exit code is 1.",
     {{"sort", "", "order by descending count"},
      {"encoding", "NAME", "auto, utf-8, windows-1252 or latin-1"}},
     0,
     1 << 20,
     RunCount});

}  // namespace
}  // namespace zubkit
