// `zubkit grep`, `zubkit csv-delim` and `zubkit tokens`: the pattern matcher, CSV delimiter
// detection and the tokenizer.
#include <iostream>
#include <new>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// The bytes that every line the pattern can match holds, whatever encoding the line is
// decoded in: the longest run of ASCII characters in the strings the matcher requires. An
// ASCII character comes from its own byte in UTF-8, Windows-1252 and Latin-1 alike, and no
// other byte decodes to one (a byte that is not UTF-8 becomes U+FFFD), so a line without
// the run cannot match. CR and LF end a run, as they never stand inside a line. Empty when
// there is no run; then every line goes to the matcher.
std::string LineNeedle(const zub::TGrep& grep) {
  std::string best, run;
  for (const UnicodeString& required : grep.RequiredStrings()) {
    run.clear();
    for (const zub::Char c : required) {
      if (c >= 0x80 || c == u'\n' || c == u'\r') {
        run.clear();
        continue;
      }
      run += static_cast<char>(c);
      if (run.size() > best.size()) best = run;
    }
  }
  return best;
}

bool IsLineEnd(char c) {
  return c == '\n' || c == '\r';
}

// The first line end in w at or after from, or npos.
size_t FindLineEnd(std::string_view w, size_t from) {
  for (size_t i = from; i < w.size(); ++i)
    if (IsLineEnd(w[i])) return i;
  return std::string_view::npos;
}

// The line ends in a run of whole lines: LF, CR LF or CR, one each.
int64_t CountLineEnds(std::string_view w) {
  int64_t ends = 0;
  for (const char c : w) ends += c == '\n';
  if (w.find('\r') == std::string_view::npos) return ends;
  for (size_t i = 0; i < w.size(); ++i)
    if (w[i] == '\r' && (i + 1 == w.size() || w[i + 1] != '\n')) ++ends;
  return ends;
}

// Hands the lines of In that may match to OnLine(bytes, line number), in order, with the
// line ends of LineReader (LF, CR LF or CR). With a needle, only the lines that hold it
// come: the needle is searched in the buffered bytes, so the lines in between are neither
// copied nor decoded, and their ends are counted only when Numbered. OnLine returns false
// to stop reading.
template <typename OnLine>
void ScanLines(Input& in, Progress& progress, std::string_view needle, bool fold, bool numbered,
               OnLine onLine) {
  constexpr size_t npos = std::string_view::npos;
  zub::TStream& s = in.Stream();
  std::string carry;     // the start of a line that goes on in the next block
  bool open = false;     // whether carry holds one
  bool afterCR = false;  // the last block ended on CR: an LF first in the next is that end
  int64_t lineNo = 0;    // line ends before the place reached
  auto holdsNeedle = [&](std::string_view line) {
    return needle.empty() || zub::FindLiteralBytes(line, needle, fold) != npos;
  };
  while (!in.AtEnd()) {
    const std::span<const uint8_t> block = s.Buffered();
    const std::string_view w(reinterpret_cast<const char*>(block.data()), block.size());
    for (size_t k = 0; k < w.size(); k += 1024) progress.Tick();  // a tick per KiB
    // The place after the line end at e.
    auto pastEnd = [&](size_t e) {
      if (w[e] != '\r') return e + 1;
      if (e + 1 == w.size()) afterCR = true;
      return e + 1 < w.size() && w[e + 1] == '\n' ? e + 2 : e + 1;
    };
    size_t i = 0;
    if (afterCR) {
      afterCR = false;
      if (w[0] == '\n') i = 1;
    }
    if (open && i < w.size()) {
      const size_t e = FindLineEnd(w, i);
      if (e == npos) {
        carry.append(w.substr(i));
        s.Consume(w.size());
        continue;
      }
      carry.append(w.substr(i, e - i));
      open = false;
      ++lineNo;
      if (holdsNeedle(carry) && !onLine(std::string_view(carry), lineNo)) return;
      i = pastEnd(e);
    }
    while (i < w.size()) {
      size_t start = i, from = i;  // the line that may match, and where to look for its end
      if (!needle.empty()) {
        const size_t hit = zub::FindLiteralBytes(w.substr(i), needle, fold);
        if (hit == npos) {
          // Only the last line of the block may still match, with bytes of the next block.
          start = w.size();
          while (start > i && !IsLineEnd(w[start - 1])) --start;
          if (start == w.size() && start > i && w[start - 1] == '\r') afterCR = true;
        } else {
          start = i + hit;
          while (start > i && !IsLineEnd(w[start - 1])) --start;
        }
        from = hit == npos ? start : i + hit;
        if (numbered) lineNo += CountLineEnds(w.substr(i, start - i));
      }
      if (start == w.size()) break;
      const size_t e = FindLineEnd(w, from);
      if (e == npos) {
        carry.assign(w.substr(start));
        open = true;
        break;
      }
      ++lineNo;
      if (!onLine(w.substr(start, e - start), lineNo)) return;
      i = pastEnd(e);
    }
    s.Consume(w.size());
  }
  if (open && holdsNeedle(carry)) onLine(std::string_view(carry), lineNo + 1);
}

int RunGrep(const Args& args, std::ostream& out) {
  const auto& pos = args.Positional();
  zub::TGrep grep(nullptr);
  grep.SetName(u"grep");
  grep.SetStopOnError(false);
  grep.SetIgnoreCase(args.Has("ignore-case"));
  grep.SetSearchStartPos(static_cast<int32_t>(args.GetInt("start", 1, 1, 1 << 30)));
  const UnicodeString pattern = zub::U(pos[0]);
  grep.SetRegExp(pattern);
  if (grep.LastError() != 0) {
    // Where the matcher stopped reading, in characters of the pattern as given.
    const int32_t at = grep.ErrorPos();
    std::cerr << "zubkit grep: error in pattern \"" << pos[0] << "\" "
              << (at > static_cast<int32_t>(pattern.size())
                      ? std::string("at its end")
                      : "at position " + std::to_string(CharacterPosition(pattern, at)))
              << ": " << UnicodeToUtf8(zub::TGrep::ErrorText(grep.LastError()))
              << "\nTry 'zubkit help grep'.\n";
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
  const bool count = args.Has("count");
  const std::string needle = LineNeedle(grep);
  bool matched = false, failed = false;
  for (const std::string& name : files) {
    try {
      Input in(name);
      Progress progress(in);
      // Counting reads binary files as text, as grep -c does.
      const bool binary = !count && !args.Has("binary") && in.LooksBinary();
      int64_t matches = 0;
      ScanLines(in, progress, needle, grep.IgnoreCase(), !count, [&](std::string_view bytes, int64_t lineNo) {
        const UnicodeString line = Decode(bytes, encoding);
        int32_t at = 0;
        if (!grep.MatchString(line, at)) return true;
        ++matches;
        if (count) return true;
        if (binary) {
          out << "binary file " << in.Name() << " matches\n";
          return false;
        }
        if (prefix) out << in.Name() << ":";
        out << lineNo << ":" << CharacterPosition(line, grep.MatchStartPos()) << "-"
            << CharacterPosition(line, grep.MatchEndPos()) << ":" << UnicodeToUtf8(line) << "\n";
        return true;
      });
      if (count) {
        if (prefix) out << in.Name() << ":";
        out << matches << "\n";
      }
      matched = matched || matches > 0;
    } catch (const WriteError&) {
      throw;
    } catch (const std::exception& e) {
      // A file that cannot be opened or read is reported, with the system's reason; the
      // others are still searched. The library's messages name the file, except that
      // standard input goes by the system's name for it.
      ReportInputError("grep", name, e);
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
                         "name comes when more than one file is searched (-H, -h choose). -c prints\n"
                         "[file:]count instead. Standard input without files, or for -. A file with\n"
                         "a NUL byte in its first block prints \"binary file FILE matches\". Text is\n"
                         "decoded with --encoding (default auto: UTF-8, or Windows-1252 for a line\n"
                         "that is not UTF-8).\n"
                         "Exit 0 when something matched, 1 when nothing did, 2 on a bad pattern (the\n"
                         "message says at which character) or when a file could not be read (the\n"
                         "other files are still searched).\n"
                         "\n"
                         "Patterns are a small dialect, matched anywhere in a line:\n"
                         "  abc     literal text; \\ makes the next character literal: \\. \\* \\[ \\$ \\\\\n"
                         "  \\#HH    the character of hex code HH, two digits: \\#09 is a tab. It is\n"
                         "          put in before the pattern is read, so \\#2A is the operator *\n"
                         "          (write \\*); with -i write letters in lower case (\\#61, not \\#41)\n"
                         "  .       any one character\n"
                         "  ^  $    start of the line (first only), end of the line (last only)\n"
                         "  [a-z_]  one character of a set, ranges allowed; [^0-9] one not in it.\n"
                         "          Inside, write \\] \\- \\^ for the characters themselves\n"
                         "  (a.c)   a group is literal text: . [ * ( $ inside are characters; the first\n"
                         "          ) ends it, so groups don't nest; write \\) and \\^ for those two\n"
                         "  * + ?   0 or more, 1 or more, 0 or 1 of the character, group, set or .\n"
                         "          before: ab* repeats b, (ab)* repeats ab; not first, not after ^\n"
                         "          or another operator\n"
                         "A - right after a set, repeated or not, is refused (\"minus not allowed\n"
                         "here\": [a-f]-[0-9] would read like a range of sets): write [0-9]\\-[0-9].\n"
                         "There is no alternation: | is a character.",
                         {{"ignore-case", "", "letters A..Z match either case", 'i'},
                          {"count", "", "print only the number of matching lines, per file", 'c'},
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
