// `zubkit fmt` and `zubkit time`: the library's number and time layouts.
#include <cmath>
#include <ostream>

#include "tools/zubkit/cli.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

using zub::U;
using zub::UnicodeToUtf8;

long double ParseValue(const std::string& text) {
  long double v = 0;
  int32_t code = 0;
  zub::Val(U(text), v, code);
  if (code != 0) throw UsageError("'" + text + "' is not a number");
  return v;
}

int RunFmt(const Args& args, std::ostream& out) {
  const long double value = ParseValue(args.Positional()[0]);
  const auto width = static_cast<int32_t>(args.GetInt("width", 10, -1000, 1000));
  const auto decimals = static_cast<int32_t>(args.GetInt("decimals", 2, -1000, 1000));
  const int modes = args.Has("sigdig") + args.Has("auto") + args.Has("data");
  if (modes > 1) throw UsageError("choose one of --sigdig, --auto and --data");
  if (args.Has("comma") && !args.Has("auto")) throw UsageError("--comma goes with --auto");
  if (args.Has("plus") && modes > 0) throw UsageError("--plus goes with the plain layout only");

  zub::UnicodeString text;
  if (args.Has("sigdig")) {
    text = zub::SigDigStr(static_cast<double>(value), width,
                          static_cast<int32_t>(args.GetInt("sigdig", 0, -1000, 1000)));
  } else if (args.Has("auto")) {
    text = zub::AutoFormatData(static_cast<double>(value),
                               static_cast<int32_t>(args.GetInt("auto", 0, 0, 1000)), args.Has("comma"));
  } else if (args.Has("data")) {
    text = zub::FormatData(static_cast<double>(value), width, decimals);
  } else if (args.Has("plus")) {
    text = zub::strffForcePlus(value, width, decimals);
  } else {
    text = zub::strff(value, width, decimals);
  }
  out << UnicodeToUtf8(text) << "\n";
  return 0;
}

// TimeString reduces hours modulo 65536 and shows a negative duration as zero, so the
// command refuses what would come out wrong and writes the sign itself.
constexpr long double kMaxSeconds = 65536.0L * 3600;
constexpr long double kSecondsPerDay = 86400;

int RunTime(const Args& args, std::ostream& out) {
  const std::string& text = args.Positional()[0];
  const long double value = ParseValue(text);
  const auto format = static_cast<uint8_t>(args.GetInt("format", 0, 0, 5));
  if (format == 5) {
    if (!(value >= 0 && value < kSecondsPerDay))
      throw UsageError("--format 5 is a time of day: SECONDS from 0 to below 86400, not '" + text + "'");
  } else if (!(std::fabs(value) < kMaxSeconds)) {
    throw UsageError("SECONDS wants a duration shorter than 65536 hours (235929600 s), not '" + text + "'");
  }
  const auto seconds = static_cast<double>(value);
  std::string shown = UnicodeToUtf8(zub::TimeString(std::fabs(seconds), format));
  // A duration that shows as zero gets no sign; a blank-filled hour field takes the sign in its blank.
  if (seconds < 0 && shown != UnicodeToUtf8(zub::TimeString(0, format))) {
    if (shown[0] == ' ')
      shown[0] = '-';
    else
      shown.insert(shown.begin(), '-');
  }
  out << shown << "\n";
  return 0;
}

const Registration fmt(
    {"fmt",
     "VALUE",
     "write a number in the library's fixed-width layouts",
     "Without a mode option VALUE is laid out in --width characters with --decimals decimals;\n"
     "decimals -2 gives the exponent layout with two exponent digits, other negative values four.\n"
     "A negative width fills with zeros. Example: zubkit fmt 1234.56 --width 10 --decimals -2",
     {{"width", "W", "field width (default 10; negative: zero fill)"},
      {"decimals", "D", "decimals (default 2; -2: exponent layout)"},
      {"plus", "", "show a + for values >= 0"},
      {"sigdig", "N", "N significant digits in the field (SigDigStr)"},
      {"auto", "DIGITS", "DIGITS significant digits without fill (AutoFormatData)"},
      {"comma", "", "with --auto: a decimal comma"},
      {"data", "", "table layout: fixed up to nine digits, else exponent (FormatData)"}},
     1,
     1,
     RunFmt});

const Registration time({"time",
                         "SECONDS",
                         "write a duration as a clock text",
                         "Formats: 0 hh:mm:ss.cc, 1 hh:mm:ss, 2 hhHmm, 3 hhHmm'ss\", 4 hh:mm, 5 h:mm a/p.\n"
                         "Formats 0 to 4 show durations shorter than 65536 hours; a negative one gets a\n"
                         "leading \"-\" (none when it shows as zero). Format 5 is a time of day: SECONDS\n"
                         "from 0 to below 86400. Hundredths are cut, not rounded.",
                         {{"format", "N", "layout 0..5 (default 0)"}},
                         1,
                         1,
                         RunTime});

const TourRegistration stop(
    {30, "Number and time formatting",
     [](std::ostream& out) {
       using namespace zub;
       out << "Fixed-width fields switch to exponent notation when a value will not fit:\n";
       for (double v : {1234.5678, 0.001, 12345678901.0}) {
         out << "  FormatData(" << UnicodeToUtf8(FloatToStr(v, TFormatSettings::Invariant()))
             << ", 10, 2) = \"" << UnicodeToUtf8(FormatData(v, 10, 2)) << "\"\n";
       }
       out << "  strff(1234.56, 10, -2) = \"" << UnicodeToUtf8(strff(1234.56L, 10, -2))
           << "\", zero-filled \"" << UnicodeToUtf8(strff(-1.5L, -8, 2)) << "\"\n";
       out << "  SigDigStr(123.456, 10, 4) = \"" << UnicodeToUtf8(SigDigStr(123.456, 10, 4))
           << "\", AutoFormatData(0.05, 3) = \"" << UnicodeToUtf8(AutoFormatData(0.05, 3)) << "\"\n";
       out << "  IntToStrGrouped(-1234567) = \"" << UnicodeToUtf8(IntToStrGrouped(-1234567, u',')) << "\"\n";
       out << "  TimeString(3723.25) = \"" << UnicodeToUtf8(TimeString(3723.25, 0)) << "\", format 5: \""
           << UnicodeToUtf8(TimeString(3723.25, 5)) << "\"\n";
       out << "  BoolToStr(true, 2) = \"" << UnicodeToUtf8(BoolToStr(true, 2))
           << "\", StrToTriState(\" YES \") is tsTrue: " << (StrToTriState(u" YES ") == tsTrue ? "yes" : "no")
           << "\n";
       out << "Try: zubkit fmt 1234.56 --width 10 --decimals -2, zubkit time 3723.25 --format 3\n";
     },
     "strings/ZUB_stringl.hpp"});

}  // namespace
}  // namespace zubkit
