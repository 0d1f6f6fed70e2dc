// `zubkit sort`: the lines of a file sorted through the library's string table.
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "tools/zubkit/cli.hpp"
#include "tools/zubkit/csv_fields.hpp"
#include "tools/zubkit/input.hpp"
#include "tools/zubkit/progress.hpp"
#include "tools/zubkit/text_lines.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

using zub::UnicodeString;

// Field N (1-based) of a line, empty when it has fewer.
UnicodeString Field(const UnicodeString& line, zub::Char delimiter, int64_t n) {
  const std::vector<UnicodeString> fields = SplitFields(line, delimiter);
  return static_cast<size_t>(n) <= fields.size() ? fields[static_cast<size_t>(n - 1)] : UnicodeString();
}

// A text whose order as characters is the numeric order of the number at the start of
// Text: the bits of the double, turned so that they compare as unsigned, in hex. Text that
// does not start with a number sorts as 0, as sort -n has it.
UnicodeString NumericKey(const UnicodeString& text) {
  zub::TStringStream s(text);
  const double v = zub::ScanStreamFPNum(s, true, 1);
  uint64_t bits = 0;
  std::memcpy(&bits, &v, sizeof bits);
  bits = (bits >> 63) != 0 ? ~bits : bits | (uint64_t{1} << 63);
  UnicodeString key(16, u'0');
  for (int i = 15; i >= 0; --i, bits >>= 4) key[static_cast<size_t>(i)] = u"0123456789abcdef"[bits & 15];
  return key;
}

int RunSort(const Args& args, std::ostream& out) {
  const int64_t keyField = args.GetInt("key", 1, 1, 1 << 20);
  Input in(args.Positional()[0]);
  Progress progress(in);
  const Encoding encoding = ParseEncoding(args.Get("encoding"));
  LineReader reader(in);
  std::vector<std::string> lines;
  std::vector<UnicodeString> keys;
  zub::Char delimiter = 0;
  for (std::string bytes; reader.Next(bytes);) {
    progress.Tick();
    const UnicodeString line = Decode(bytes, encoding);
    if (lines.empty()) delimiter = DetectDelimiter(line);
    keys.push_back(Field(line, delimiter, keyField));
    lines.push_back(zub::UnicodeToUtf8(line));
  }
  if (lines.empty()) return 0;
  // The table holds the keys (cut to a cell's 255 characters); the lines stay as read.
  zub::TStringArray table(nullptr);
  table.Resize(1, static_cast<int32_t>(lines.size()));
  for (size_t r = 0; r < keys.size(); ++r) table.SetString(1, static_cast<int32_t>(r + 1), keys[r]);
  if (args.Has("numeric"))
    table.SetOnBeforeSortExchange([](zub::TObject*, const UnicodeString& inString, UnicodeString& outString) {
      outString = NumericKey(inString);
    });
  table.Sort(1, 0, !args.Has("reverse"));
  for (int32_t i = 1; i <= table.NrOfRows(); ++i)
    out << lines[static_cast<size_t>(table.GetSortOrder(i) - 1)] << "\n";
  return 0;
}

const Registration sort(
    {"sort",
     "FILE",
     "print the lines of a file sorted by a field, through the library's string table",
     "Fields are split by the delimiter the library detects in the first line (blank,\n"
     "semicolon, comma, colon or tab), a field in double quotes running to its closing\n"
     "quote; without a delimiter the whole line is the key. Keys\n"
     "compare regardless of case, as the table holds them (255 Windows-1252 characters,\n"
     "? for others), with the table's comb\n"
     "sort (lines with equal keys keep the order that sort gives them). --numeric orders\n"
     "by the number at the start of the key (text without one counts as 0).\n"
     "FILE may be - for standard input.",
     {{"key", "N", "the field to sort by (default 1)"},
      {"numeric", "", "compare the keys as numbers"},
      {"reverse", "", "descending order"},
      {"encoding", "NAME", "auto, utf-8, windows-1252 or latin-1"}},
     1,
     1,
     RunSort});

}  // namespace
}  // namespace zubkit
