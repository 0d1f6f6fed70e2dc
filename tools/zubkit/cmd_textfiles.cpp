// `zubkit filetype`, `crlf`, `tail` and `asc`: the text-file routines of the library.
#include <algorithm>
#include <ostream>
#include <string>

#include "tools/zubkit/cli.hpp"
#include "tools/zubkit/output.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

using zub::UnicodeString;

// "-" is standard input (or output).
UnicodeString FileArg(const std::string& name, const char* standard) {
  return zub::SystemNameToUnicode(name == "-" ? standard : name);
}

const char* TypeName(zub::TTextfileType t) {
  switch (t) {
    case zub::tftUTF8:
      return "UTF-8 (byte-order mark)";
    case zub::tftUnicode_le:
      return "UTF-16 little-endian (byte-order mark)";
    case zub::tftUnicode_be:
      return "UTF-16 big-endian (byte-order mark)";
    case zub::tftUnicode4_le:
      return "UTF-32 little-endian (byte-order mark)";
    case zub::tftUnicode4_be:
      return "UTF-32 big-endian (byte-order mark)";
    case zub::tftRTF:
      return "RTF";
    default:
      return "unknown (no byte-order mark)";
  }
}

int RunFiletype(const Args& args, std::ostream& out) {
  bool failed = false;
  for (const std::string& name : args.Positional()) {
    const char* type = nullptr;
    if (ReportingErrors("filetype", name,
                        [&] { type = TypeName(zub::CheckTextFileType(FileArg(name, "/dev/stdin"))); }))
      out << name << ": " << type << "\n";
    else
      failed = true;
  }
  return failed ? 1 : 0;
}

int RunCrlf(const Args& args, std::ostream&) {
  zub::EnsureCRLFInFile(FileArg(args.Positional()[0], "/dev/stdin"), FileArg(args.Positional()[1], "/dev/stdout"));
  return 0;
}

int RunTail(const Args& args, std::ostream& out) {
  const std::string& name = args.Positional()[0];
  const UnicodeString file = FileArg(name, "/dev/stdin");
  int32_t n = static_cast<int32_t>(args.GetInt("lines", 10, 0, 10000000));
  // A file shorter than N needs no N strings: count first where the file can be read twice.
  if (name != "-" && zub::FileExists(file)) {
    zub::TextFile f;
    zub::AssignFile(f, file);
    zub::Reset(f);
    n = std::min(n, zub::CountLinesInTextFile(f, nullptr));
    zub::CloseFile(f);
  }
  int32_t total = 0;
  const zub::TStrArray lines = zub::ReadLastNLinesOfTextFile(file, n, total);
  // The lines come back as they were stored: each character is one byte of the file.
  for (size_t i = lines.size() - std::min<size_t>(lines.size(), static_cast<size_t>(total)); i < lines.size(); ++i)
    out << zub::UnicodeToAnsi(lines[i]) << "\n";
  return 0;
}

int RunAsc(const Args& args, std::ostream& out) {
  UnicodeString comment;
  int32_t first = 0, second = 0;
  bool f[4] = {};
  const uint8_t code = zub::ReadHeaderOfASC(FileArg(args.Positional()[0], "/dev/stdin"), comment, first, second, f[0],
                                            f[1], f[2], f[3]);
  out << "comment: " << zub::UnicodeToAnsi(comment) << "\n";
  if (code != zub::kAscBadFirstCount) out << "first count: " << first << "\n";
  if (code == zub::kAscHeaderRead || code == zub::kAscBadFlag) out << "second count: " << second << "\n";
  if (code == zub::kAscHeaderRead)
    out << "flags: " << (f[0] ? "TRUE" : "FALSE") << " " << (f[1] ? "TRUE" : "FALSE") << " "
        << (f[2] ? "TRUE" : "FALSE") << " " << (f[3] ? "TRUE" : "FALSE") << "\n";
  out << "code " << int(code) << ": " << zub::UnicodeToUtf8(zub::AscHeaderCodeText(code)) << "\n";
  return code == zub::kAscHeaderRead ? 0 : 1;
}

const Registration filetype({"filetype",
                             "FILE...",
                             "tell each file's encoding from its byte-order mark (or RTF)",
                             "Looks at the first four bytes only: a UTF-8, UTF-16 or UTF-32 byte-order\n"
                             "mark, or \"{\\r\" for RTF. A file without one is 'unknown' (plain UTF-8 text\n"
                             "without a mark among them). A file that cannot be read is reported (exit 1).",
                             {},
                             1,
                             1000000,
                             RunFiletype});

const Registration crlf({"crlf",
                         "IN OUT",
                         "copy IN to OUT with an LF behind every CR that lacks one",
                         "Every CR of the output is followed by LF (CR CR becomes CR LF CR LF); lone LFs\n"
                         "and all other bytes are copied unchanged. IN and OUT may be the same file: it\n"
                         "is then rewritten through a new file that replaces it at the end. '-' is\n"
                         "standard input or output.",
                         {},
                         2,
                         2,
                         RunCrlf});

const Registration tail({"tail",
                         "FILE",
                         "print the last lines of a text file",
                         "Lines end at CR LF, LF or CR and are printed with LF, their bytes unchanged.\n"
                         "'-' is standard input.",
                         {{"lines", "N", "the number of lines (default 10)", 'n'}},
                         1,
                         1,
                         RunTail});

const Registration asc({"asc",
                        "FILE",
                        "read the header of an ASC data file",
                        "Line 1 is a comment, lines 2 and 3 hold positive counts, line 4 up to four\n"
                        "TRUE/FALSE flags. Prints what was read and the result code with its meaning;\n"
                        "exit 1 unless the code is 0.",
                        {},
                        1,
                        1,
                        RunAsc});

const TourRegistration stop({86, "Text files",
                             [](std::ostream& out) {
                               using namespace zub;
                               const UnicodeString dir = GetTempDir() + u"zubkit-tour-" +
                                                         IntToStr(static_cast<int64_t>(SecureRandom(1u << 30)));
                               ForceDirectories(dir);
                               const UnicodeString a = dir + u"/a.txt", b = dir + u"/b.txt";
                               ClearTextFile(a);
                               TStringList lines;
                               for (const Char* s : {u"one", u"two", u"three", u"four"}) lines.Add(s);
                               AppendToTextFile(a, lines);
                               int32_t count = 0;
                               const TStrArray last = ReadLastNLinesOfTextFile(a, 2, count);
                               out << "ClearTextFile, then AppendToTextFile of one, two, three, four: "
                                   << CountLinesInTextFile(a, nullptr) << " lines; the last 2: \""
                                   << UnicodeToUtf8(last[0]) << "\", \"" << UnicodeToUtf8(last[1]) << "\"\n";
                               out << "FilterCopyTextFile dropping lines 1 and 3: code "
                                   << int(FilterCopyTextFile(a, b, {1, 3}));
                               UnicodeString line;
                               out << "; FindFirstMatchInTextFile(\"REE\", ignoring case) = "
                                   << FindFirstMatchInTextFile(b, u"REE", true, line) << " in \""
                                   << UnicodeToUtf8(line) << "\"\n";
                               out << "CheckTextFileType = " << TypeName(CheckTextFileType(b))
                                   << "; DelDirTree cleans up: \"" << UnicodeToUtf8(DelDirTree(dir)) << "\"\n";
                             },
                             "filesys/ZUB_filesys.hpp"});

}  // namespace
}  // namespace zubkit
