// `zubkit numbers` and `zubkit lines`: the stream readers on a file (`zubkit tags` is in
// cmd_tags.cpp); and the tour stop for streams and tags.
#include <ostream>
#include <stdexcept>

#include "tools/zubkit/cli.hpp"
#include "tools/zubkit/input.hpp"
#include "tools/zubkit/progress.hpp"
#include "tools/zubkit/text_lines.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

using zub::UnicodeString;
using zub::UnicodeToUtf8;

// Refuses binary input for the text commands unless --binary asks for it.
void RequireText(Input& in, const Args& args) {
  if (!args.Has("binary") && in.LooksBinary())
    throw std::runtime_error(in.Name() +
                             ": binary file (a NUL byte in its first block); --binary reads it anyway");
}

int RunNumbers(const Args& args, std::ostream& out) {
  const std::string sep = args.Get("sep", "dot");
  const int32_t decPChar = sep == "dot" ? 1 : sep == "comma" ? 2 : sep == "both" ? 3 : 0;
  if (decPChar == 0) throw UsageError("--sep takes dot, comma or both");
  Input in(args.Positional()[0]);
  Progress progress(in);
  const bool allowExp = !args.Has("no-exp");
  while (!in.AtEnd()) {
    zub::TFPNumScanner scanner(allowExp, decPChar);
    for (;;) {
      in.BeforeRead();
      if (!scanner.Feed(in.Stream().ReadByte())) break;
    }
    progress.Tick();
    if (!scanner.Failed())
      out << UnicodeToUtf8(zub::FloatToStr(scanner.Result(), zub::TFormatSettings::Invariant())) << "\n";
  }
  return 0;
}

int RunLines(const Args& args, std::ostream& out) {
  Input in(args.Positional()[0]);
  RequireText(in, args);
  Progress progress(in);
  const bool count = args.Has("count");
  const Encoding encoding = ParseEncoding(args.Get("encoding"));
  if (args.Has("eol")) {
    // The library's line-end modes, bytes as characters 0..255 as the stream readers give them.
    const auto mode = static_cast<int32_t>(args.GetInt("eol", 2, 0, 4));
    int64_t lines = 0;
    for (bool eos = false; !eos;) {
      in.BeforeRead();
      const UnicodeString line = zub::ReadLnStream(in.Stream(), eos, mode);
      if (eos && line.empty()) break;
      ++lines;
      progress.Tick();
      if (!count) out << UnicodeToUtf8(Decode(std::string(line.begin(), line.end()), encoding)) << "\n";
    }
    if (count) out << lines << "\n";
    return 0;
  }
  LineReader reader(in);
  std::string bytes;
  while (reader.Next(bytes)) {
    progress.Tick();
    if (!count) out << UnicodeToUtf8(Decode(bytes, encoding)) << "\n";
  }
  if (count) out << reader.Ends() << "\n";
  return 0;
}

const Registration numbers({"numbers",
                            "FILE",
                            "print every number the stream scanner finds in a file",
                            "FILE may be - for standard input.",
                            {{"no-exp", "", "no exponent part (an E ends the number)"},
                             {"sep", "dot|comma|both", "the decimal separator (default dot)"}},
                            1,
                            1,
                            RunNumbers});
const Registration lines({"lines",
                          "FILE",
                          "print or count the lines of a file",
                          "Lines end with LF, CR LF or CR, one end each; --count prints the number of\n"
                          "ends, as wc -l does for LF files. --eol reads with the library's line-end\n"
                          "modes instead: 0 LF, 1 CR, 2 CR or LF, 3 LF CR, 4 CR LF. Text is decoded with\n"
                          "--encoding (default auto: UTF-8, or Windows-1252 for a line that is not UTF-8)\n"
                          "and printed as UTF-8. FILE may be - for standard input.",
                          {{"eol", "0..4", "the library's line-end mode"},
                           {"count", "", "print the number of line ends only"},
                           {"encoding", "NAME", "auto, utf-8, windows-1252 or latin-1"},
                           {"binary", "", "read a file that looks binary (a NUL byte) anyway"}},
                          1,
                          1,
                          RunLines});

const TourRegistration stop(
    {50, "Streams and tags",
     [](std::ostream& out) {
       using namespace zub;
       TStringStream xml(
           u"<!-- sample --><label font=\"Arial\" size=\"12\">Hello <b>world</b></label><point x=\"1\" "
           u"y=\"2.5\"/>");
       out << "ReadNextTagInStream(xml, {\"label\", \"point\", \"dummy\"}, attribs, content), three times:\n";
       const UnicodeString list[] = {u"label", u"point", u"dummy"};
       UnicodeString attribs, content;
       for (int i = 0; i < 3; ++i) {
         const int32_t ix = ReadNextTagInStream(xml, list, attribs, content);
         out << "  index " << ix << ": attributes [" << UnicodeToUtf8(attribs) << "] content ["
             << UnicodeToUtf8(content) << "]";
         if (ix == 1)
           out << ", ScanForXMLAttrib(attribs, \"Y\") = " << UnicodeToUtf8(ScanForXMLAttrib(attribs, u"Y"));
         out << "\n";
       }
       TStringStream nums(u"  -12.5E+3; 7. 3,25 1E999");
       out << "ScanStreamFPNum(nums, true, 3) on \"  -12.5E+3; 7. 3,25 1E999\", four times:";
       for (int i = 0; i < 4; ++i)
         out << " "
             << UnicodeToUtf8(FloatToStr(ScanStreamFPNum(nums, true, 3), TFormatSettings::Invariant()));
       out << "\n";
       TMemoryStream bin;
       WriteExtendedToStream(bin, uc_ln10);
       bin.SetPosition(0);
       bool error = false;
       out << "WriteExtendedToStream(bin, uc_ln10) writes " << bin.Size()
           << " bytes; ReadExtendedFromStream reads it back "
           << (ReadExtendedFromStream(bin, error) == uc_ln10 && !error ? "exactly" : "wrongly") << "\n";
       out << "Try: zubkit tags FILE --names a,b, zubkit numbers FILE --sep both, zubkit lines FILE --eol 4 "
              "--count\n";
     },
     "streams/ZUB_streams.hpp"});

}  // namespace
}  // namespace zubkit
