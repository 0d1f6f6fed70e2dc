// `zubkit featmat`: show, check and make the library's feature-matrix files.
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/zubkit/cli.hpp"
#include "tools/zubkit/csv_fields.hpp"
#include "tools/zubkit/input.hpp"
#include "tools/zubkit/text_lines.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

using zub::TFeatureMatrix;
using zub::UnicodeString;

std::string U8(const UnicodeString& s) {
  return zub::UnicodeToUtf8(s);
}

// The library reads files by name; standard input has one too.
UnicodeString FileArg(const std::string& path) {
  return zub::SystemNameToUnicode(path == "-" ? "/dev/stdin" : path);
}

// "1 object", "2 objects".
std::string Count(int64_t n, const std::string& noun) {
  return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

// The file as messages name it.
std::string Shown(const std::string& path) {
  return path == "-" ? "(standard input)" : path;
}

const char* StatusText(int32_t status) {
  switch (status) {
    case 0:
      return "read";
    case -2:
      return "no featdef or featvals section";
    default:
      return "reading stopped at an error";
  }
}

// Loads FILE; a missing file is an error of the command. Returns Load's status.
int32_t LoadMatrix(TFeatureMatrix& m, const std::string& path) {
  const int32_t status = m.Load(FileArg(path));
  if (status == -1) throw std::runtime_error(Shown(path) + ": no such file");
  return status;
}

void PrintProblems(const TFeatureMatrix& m, const std::string& path, std::ostream& to) {
  for (const zub::TFeatMatLoadProblem& p : m.LoadProblems()) {
    to << path << ":" << p.Line << ": " << U8(p.Reason);
    if (!p.Text.empty()) to << ": " << U8(p.Text);
    to << "\n";
  }
}

// Rows of cells printed in columns two spaces apart (the last column unpadded).
void PrintTable(const std::vector<std::vector<std::string>>& rows, std::ostream& out) {
  auto width = [](const std::string& s) {
    return static_cast<size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
  };
  std::vector<size_t> widths;
  for (const auto& row : rows)
    for (size_t c = 0; c < row.size(); ++c) {
      if (widths.size() <= c) widths.push_back(0);
      widths[c] = std::max(widths[c], width(row[c]));
    }
  for (const auto& row : rows) {
    std::string line;
    for (size_t c = 0; c < row.size(); ++c) {
      line += row[c];
      if (c + 1 < row.size()) line += std::string(widths[c] - width(row[c]) + 2, ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << "\n";
  }
}

int RunShow(const std::string& path, std::ostream& out) {
  TFeatureMatrix m(nullptr);
  const int32_t status = LoadMatrix(m, path);
  PrintProblems(m, Shown(path), std::cerr);
  if (status != 0) throw std::runtime_error(Shown(path) + ": " + StatusText(status));
  out << Shown(path) << ": " << Count(m.NFeatures(), "feature") << ", " << Count(m.NObjects(), "object")
      << "\n\n";
  std::vector<std::vector<std::string>> features = {
      {"feature", "number", "name", "kind", "sorted", "comment", "presets"}};
  for (int32_t f = 1; f <= m.NFeatures(); ++f) {
    const zub::TFeatMatProps& p = *m.GetFeatProps(f);
    features.push_back({std::to_string(f), std::to_string(p.FeatNum()), U8(p.FeatName()),
                        U8(zub::FEATKINDIDS[p.FeatKind()]), p.Sorted() ? "yes" : "no", U8(p.Comment()),
                        U8(p.PresetValues())});
  }
  PrintTable(features, out);
  if (m.NFeatures() == 0 || m.NObjects() == 0) return 0;
  // Values are shown as stored, whatever the kind (an undefined feature's getter refuses).
  TFeatureMatrix texts(nullptr);
  texts.Assign(&m);
  texts.SetFeatType(0, 0, zub::fkString);
  std::vector<std::vector<std::string>> values(1, {"object"});
  for (int32_t f = 1; f <= m.NFeatures(); ++f) values[0].push_back(U8(m.GetFeatProps(f)->FeatName()));
  for (int32_t o = 1; o <= m.NObjects(); ++o) {
    values.push_back({std::to_string(o)});
    for (int32_t f = 1; f <= m.NFeatures(); ++f) values.back().push_back(U8(texts.GetFeatValStr(f, o)));
  }
  out << "\n";
  PrintTable(values, out);
  return 0;
}

int RunCheck(const std::string& path, std::ostream& out) {
  TFeatureMatrix m(nullptr);
  const int32_t status = LoadMatrix(m, path);
  PrintProblems(m, Shown(path), out);
  const auto problems = static_cast<int64_t>(m.LoadProblems().size());
  out << Shown(path) << ": status " << status << " (" << StatusText(status) << "), "
      << Count(m.NFeatures(), "feature") << ", " << Count(m.NObjects(), "object") << ", "
      << Count(problems, "problem") << "\n";
  return status == 0 && problems == 0 ? 0 : 1;
}

bool IsIntegerText(const UnicodeString& s) {
  if (s.empty()) return false;
  const size_t first = (s[0] == u'+' || s[0] == u'-') && s.size() > 1 ? 1 : 0;
  int64_t value = 0;
  return std::all_of(s.begin() + static_cast<std::ptrdiff_t>(first), s.end(),
                     [](zub::Char c) { return c >= u'0' && c <= u'9'; }) &&
         zub::TryStrToInt64(s, value);
}

bool IsDecimalText(const UnicodeString& s) {
  if (s.empty() || s[0] == u' ') return false;
  double value = 0;
  int32_t code = 0;
  zub::Val(s, value, code);
  return code == 0;
}

bool IsTriStateText(const UnicodeString& s) {
  return zub::SameText(s, u"true") || zub::SameText(s, u"false");
}

// The narrowest kind that takes every non-empty value of a column.
zub::TFeatKind InferKind(const std::vector<std::vector<UnicodeString>>& rows, size_t column) {
  bool integer = true, decimal = true, tristate = true, any = false;
  for (const auto& row : rows) {
    if (column >= row.size() || row[column].empty()) continue;
    any = true;
    integer = integer && IsIntegerText(row[column]);
    decimal = decimal && IsDecimalText(row[column]);
    tristate = tristate && IsTriStateText(row[column]);
  }
  if (!any) return zub::fkString;
  return integer ? zub::fkInteger : decimal ? zub::fkDouble : tristate ? zub::fkTriState : zub::fkString;
}

UnicodeString TrimBlanks(const UnicodeString& s) {
  return zub::StripLTBlanks(s);
}

int RunFromCsv(const Args& args, const std::string& path, std::ostream& out) {
  Input in(path);
  const Encoding encoding = ParseEncoding(args.Get("encoding"));
  LineReader reader(in);
  std::vector<UnicodeString> names;
  std::vector<std::vector<UnicodeString>> rows;
  zub::Char delimiter = 0;
  int64_t lineNo = 0;
  for (std::string bytes; reader.Next(bytes);) {
    ++lineNo;
    const UnicodeString line = Decode(bytes, encoding);
    if (lineNo == 1) {
      delimiter = DetectDelimiter(line);
      for (const UnicodeString& name : SplitFields(line, delimiter)) names.push_back(TrimBlanks(name));
      continue;
    }
    if (line.empty()) continue;
    std::vector<UnicodeString> fields = SplitFields(line, delimiter);
    if (fields.size() > names.size())
      throw std::runtime_error(path + ":" + std::to_string(lineNo) + ": " + std::to_string(fields.size()) +
                               " fields, but the first line names " + std::to_string(names.size()));
    for (UnicodeString& field : fields) field = TrimBlanks(field);
    rows.push_back(std::move(fields));
  }
  if (names.empty()) throw std::runtime_error(path + ": no first line with feature names");
  if (rows.size() > static_cast<size_t>(INT32_MAX) || names.size() > static_cast<size_t>(INT32_MAX))
    throw std::runtime_error(path + ": too large for a feature matrix");

  TFeatureMatrix m(nullptr);
  if (!m.Resize(static_cast<int32_t>(names.size()), static_cast<int32_t>(rows.size())))
    throw std::runtime_error(path + ": not enough memory for the feature matrix");
  std::string kinds;
  for (size_t c = 0; c < names.size(); ++c) {
    zub::TFeatMatProps& p = *m.GetFeatProps(static_cast<int32_t>(c + 1));
    p.SetFeatNum(static_cast<int32_t>(c + 1));
    p.SetFeatName(names[c]);
    p.SetFeatKind(InferKind(rows, c));
    kinds += (c ? ", " : "") + U8(names[c]) + " " + U8(zub::FEATKINDIDS[p.FeatKind()]);
  }
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c)
      m.SetFeatValStr(static_cast<int32_t>(c + 1), static_cast<int32_t>(r + 1), rows[r][c]);

  const std::string target = args.Get("out", "-");
  if (target != "-") {
    m.Save(zub::SystemNameToUnicode(target));
    out << target << ": " << Count(static_cast<int64_t>(names.size()), "feature") << " (" << kinds << "), "
        << Count(static_cast<int64_t>(rows.size()), "object") << "\n";
    return 0;
  }
  // The library writes files by name; a private temporary file carries it to the output.
  std::string tmpl = (std::filesystem::temp_directory_path() / "zubkit-featmat-XXXXXX").string();
  const int fd = ::mkstemp(tmpl.data());
  if (fd < 0) throw std::runtime_error("cannot create a temporary file");
  ::close(fd);
  struct Remove {
    std::string name;
    ~Remove() { std::remove(name.c_str()); }
  } remove{tmpl};
  m.Save(zub::SystemNameToUnicode(tmpl));
  std::ifstream saved(tmpl, std::ios::binary);
  out << saved.rdbuf();
  return 0;
}

int RunFeatmat(const Args& args, std::ostream& out) {
  const std::string action = args.Positional()[0];
  const std::string path = args.Positional()[1];
  if (action != "from-csv" && (args.Has("out") || args.Has("encoding")))
    throw UsageError("--out and --encoding go with from-csv");
  if (action == "show") return RunShow(path, out);
  if (action == "check") return RunCheck(path, out);
  if (action == "from-csv") return RunFromCsv(args, path, out);
  throw UsageError("no action '" + action + "'; choose show, check or from-csv");
}

const Registration featmat(
    {"featmat",
     "show|check|from-csv FILE",
     "show, check or make a feature-matrix file (featdef, featvals, featend sections)",
     "show FILE: the features with their number, name, kind, sorted flag, comment and\n"
     "presets, then the value table (objects down, features across). Lines the reader\n"
     "skipped are reported on standard error.\n"
     "check FILE: loads the file, lists every line the reader skipped or stopped at with its\n"
     "line number, and prints the status: 0 read, -2 no section, -3 stopped at an error.\n"
     "Exit 1 unless the status is 0 and no line was skipped.\n"
     "from-csv CSV: makes a feature matrix of a delimited file. The first line names the\n"
     "features; the delimiter is the one the library detects in it (blank, semicolon,\n"
     "comma, colon or tab), fields may be in double quotes, blanks around fields go. Each\n"
     "column's kind is the narrowest that takes all its values: integer, double (numbers\n"
     "with \".\"), tri-state (true/false), else string. Features are numbered from 1. The\n"
     "file goes to standard output, or to --out FILE.\n"
     "FILE and CSV may be - for standard input.",
     {{"out", "FILE", "from-csv: write the matrix to FILE (- for standard output)"},
      {"encoding", "NAME", "from-csv: auto, utf-8, windows-1252 or latin-1"}},
     2,
     2,
     RunFeatmat});

}  // namespace
}  // namespace zubkit
