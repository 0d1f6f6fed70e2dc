// `zubkit grep`, `zubkit csv-delim` and `zubkit tokens`: the pattern matcher, CSV delimiter
// detection and the tokenizer.
#include <iostream>
#include <ostream>

#include "tools/zubkit/cli.hpp"
#include "tools/zubkit/input.hpp"
#include "tools/zubkit/output.hpp"
#include "tools/zubkit/progress.hpp"
#include "tools/zubkit/text_lines.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

using zub::UnicodeString;
using zub::UnicodeToUtf8;

// A 1-based position in UTF-16 units as a count of characters (a surrogate pair is one).
int64_t CharacterPosition(const UnicodeString& line, int32_t pos) {
  int64_t chars = 0;
  for (int32_t i = 0; i < pos && i < static_cast<int32_t>(line.size()); ++i)
    if (line[static_cast<size_t>(i)] < 0xDC00 || line[static_cast<size_t>(i)] > 0xDFFF) ++chars;
  return pos > static_cast<int32_t>(line.size()) ? chars + (pos - static_cast<int32_t>(line.size())) : chars;
}

int RunGrep(const Args& args, std::ostream& out) {
  const auto& pos = args.Positional();
  zub::TGrep grep(nullptr);
  grep.SetName(u"grep");
  grep.SetIgnoreCase(args.Has("ignore-case"));
  grep.SetSearchStartPos(static_cast<int32_t>(args.GetInt("start", 1, 1, 1 << 30)));
  try {
    grep.SetRegExp(zub::U(pos[0]));
  } catch (const zub::EZUBStringlError& e) {
    std::cerr << "zubkit grep: " << e.what() << "\n";
    return 2;
  }
  if (args.Has("explain")) {
    if (pos.size() > 1) throw UsageError("--explain takes the pattern alone");
    out << UnicodeToUtf8(grep.RegExpListing());
    return 0;
  }
  std::vector<std::string> files(pos.begin() + 1, pos.end());
  if (files.empty()) files.push_back("-");
  const Encoding encoding = ParseEncoding(args.Get("encoding"));
  if (args.Has("with-filename") && args.Has("no-filename")) throw UsageError("choose one of -H and -h");
  const bool prefix = args.Has("with-filename") || (files.size() > 1 && !args.Has("no-filename"));
  bool matched = false, failed = false;
  for (const std::string& name : files) {
    try {
      Input in(name);
      Progress progress(in);
      const bool binary = !args.Has("binary") && in.LooksBinary();
      LineReader reader(in);
      std::string bytes;
      for (int64_t lineNo = 1; reader.Next(bytes); ++lineNo) {
        progress.Tick();
        const UnicodeString line = Decode(bytes, encoding);
        int32_t at = 0;
        if (!grep.MatchString(line, at)) continue;
        matched = true;
        if (binary) {
          out << "binary file " << in.Name() << " matches\n";
          break;
        }
        if (prefix) out << in.Name() << ":";
        out << lineNo << ":" << CharacterPosition(line, grep.MatchStartPos()) << "-"
            << CharacterPosition(line, grep.MatchEndPos()) << ":" << UnicodeToUtf8(line) << "\n";
      }
    } catch (const zub::Exception& e) {
      // A file that cannot be opened or read is reported; the others are still searched.
      FlushOut();
      std::cerr << "zubkit grep: " << e.what() << "\n";
      failed = true;
    }
  }
  return failed ? 2 : matched ? 0 : 1;
}

int RunCsvDelim(const Args& args, std::ostream& out) {
  Input in(args.Positional()[0]);
  LineReader reader(in);
  std::string bytes;
  reader.Next(bytes);
  const UnicodeString line = Decode(bytes, ParseEncoding(args.Get("encoding")));
  const zub::TCSVDelimiters d = zub::DetectCSVDelimiter(line);
  const std::array<int32_t, 6> counts = zub::CountCSVDelimiters(line);
  if (d == zub::csvUnknown) {
    out << "undefined: no candidate delimiter occurs in the first line\n";
    return 0;
  }
  int32_t runnerUp = 0;
  size_t runner = 0;
  for (size_t i = 1; i < counts.size(); ++i)
    if (i != d && counts[i] > runnerUp) runnerUp = counts[i], runner = i;
  const int certainty = static_cast<int>(100.0 * counts[d] / (counts[d] + runnerUp) + 0.5);
  out << UnicodeToUtf8(UnicodeString(zub::CSVDELIMITERIDS[d])) << ": " << counts[d] << " in the first line";
  if (runnerUp > 0)
    out << ", next best " << UnicodeToUtf8(UnicodeString(zub::CSVDELIMITERIDS[runner])) << " " << runnerUp;
  out << "; certainty " << certainty << "%\n";
  return 0;
}

// The tokens of one text, split by the library's tokenizer.
zub::TStrArray TokensOf(const UnicodeString& text, const Args& args) {
  const UnicodeString sep = zub::U(args.Get("sep"));
  zub::TStrArray tokens;
  if (args.Has("escape")) {
    const UnicodeString esc = zub::U(args.Get("escape"));
    if (esc.size() != 1) throw UsageError("--escape takes one character");
    zub::Tokenize(text, sep, esc[0], tokens);
  } else {
    zub::Tokenize(text, sep, tokens);
  }
  return tokens;
}

int RunTokens(const Args& args, std::ostream& out) {
  if (!args.Has("sep")) throw UsageError("--sep is required");
  if (args.Has("file") == !args.Positional().empty()) throw UsageError("give either TEXT or --file FILE");
  if (!args.Has("file")) {
    for (const auto& t : TokensOf(zub::U(args.Positional()[0]), args)) out << UnicodeToUtf8(t) << "\n";
    return 0;
  }
  Input in(args.Get("file"));
  Progress progress(in);
  const Encoding encoding = ParseEncoding(args.Get("encoding"));
  LineReader reader(in);
  std::string bytes;
  for (int64_t lineNo = 1; reader.Next(bytes); ++lineNo) {
    progress.Tick();
    for (const auto& t : TokensOf(Decode(bytes, encoding), args))
      out << lineNo << "\t" << UnicodeToUtf8(t) << "\n";
  }
  return 0;
}

const Registration grep({"grep",
                         "PATTERN [FILE...]",
                         "print the lines that match a pattern of the library's matcher",
                         "Each match: [file:]line:start-end:text, positions in characters; the file\n"
                         "name comes when more than one file is searched (-H, -h choose). Standard\n"
                         "input without files, or for -. A file with a NUL byte in its first block\n"
                         "prints \"binary file FILE matches\". Text is decoded with --encoding (default\n"
                         "auto: UTF-8, or Windows-1252 for a line that is not UTF-8).\n"
                         "Exit 0 when something matched, 1 when nothing did, 2 on a bad pattern or\n"
                         "when a file could not be read (the other files are still searched).\n"
                         "Patterns: literal text, . ^ $ [set] [^set] (group), and * + ? after a\n"
                         "character, a group, a set or \".\".",
                         {{"ignore-case", "", "letters A..Z match either case", 'i'},
                          {"start", "N", "first position a match may start at"},
                          {"explain", "", "print the compiled tokens instead of searching"},
                          {"with-filename", "", "print the file name with each match", 'H'},
                          {"no-filename", "", "never print the file name", 'h'},
                          {"encoding", "NAME", "auto, utf-8, windows-1252 or latin-1"},
                          {"binary", "", "print matching lines of binary files too"}},
                         1,
                         1 << 20,
                         RunGrep});
const Registration csv({"csv-delim",
                        "FILE",
                        "detect the delimiter of a CSV file's first line",
                        "FILE may be - for standard input.",
                        {{"encoding", "NAME", "auto, utf-8, windows-1252 or latin-1"}},
                        1,
                        1,
                        RunCsvDelim});
const Registration tokens(
    {"tokens",
     "[TEXT]",
     "split a text, or each line of a file, into tokens, one per line",
     "With --file, each token comes as LINE<tab>TOKEN; FILE may be - for standard input.",
     {{"sep", "SEP", "the separator (required)"},
      {"escape", "C", "a character that makes the separator after it literal"},
      {"file", "FILE", "split each line of FILE instead of TEXT"},
      {"encoding", "NAME", "auto, utf-8, windows-1252 or latin-1 (with --file)"}},
     0,
     1,
     RunTokens});

const TourRegistration stop(
    {60, "Pattern matching, tokens and text transforms",
     [](std::ostream& out) {
       using namespace zub;
       TGrep g(nullptr);
       g.SetRegExp(u"err[a-z]* code [0-9]+");
       int32_t at = 0;
       const UnicodeString line = u"12:01 Error code 42 in module";
       g.SetIgnoreCase(true);
       if (g.MatchString(line, at))
         out << "TGrep with SetRegExp(\"err[a-z]* code [0-9]+\") and SetIgnoreCase(true):\n  MatchString(\""
             << UnicodeToUtf8(line) << "\", at) is true, MatchStartPos() = " << g.MatchStartPos()
             << ", MatchEndPos() = " << g.MatchEndPos() << "\n";
       g.SetIgnoreCase(false);
       g.SetRegExp(u"a*a*a*a*a*a*a*a*a*a*b");
       out << "  SetRegExp(\"a*a*a*a*a*a*a*a*a*a*b\") on 10 000 letters a: "
           << (g.MatchString(UnicodeString(10000, u'a'), at) ? "match" : "no match") << ", in linear time\n";
       TStrArray t;
       Tokenize(u"a!,b,c", u",", u'!', t);
       out << "Tokenize(\"a!,b,c\", \",\", '!', tokens) gives " << t.size() << " tokens: \""
           << UnicodeToUtf8(t[0]) << "\" and \"" << UnicodeToUtf8(t[1]) << "\"\n";
       out << "DetectCSVDelimiter(\"a;b;c,d\") is "
           << UnicodeToUtf8(UnicodeString(CSVDELIMITERIDS[DetectCSVDelimiter(u"a;b;c,d")]))
           << "\nCreateParList({1, 2, 3}, false, 2, true) = "
           << UnicodeToUtf8(CreateParList({1, 2, 3}, false, 2, true)) << "\n";
       out << "ExpandDiphthongs(\"\u00c4rger mit Stra\u00dfen\") is \""
           << UnicodeToUtf8(ExpandDiphthongs(u"\u00c4rger mit Stra\u00dfen"))
           << "\"\nDeScramble(Scramble(\"secret\")) == \"secret\": "
           << (DeScramble(Scramble(u"secret")) == u"secret" ? "yes" : "no") << "\n";
       out << "Try: zubkit grep -i 'err.*[0-9]+' FILE, zubkit grep --explain "
              "'(ab)*[x-z]+', zubkit tokens 'a;b;;c' --sep ';'\n";
     },
     "strings/ZUB_stringl.hpp"});

}  // namespace
}  // namespace zubkit
