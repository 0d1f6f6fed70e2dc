// `zubkit date`: the run-time layer's date formatting, and the tour's look at the host services.
#include <cmath>
#include <ostream>

#include "tools/zubkit/cli.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

using zub::U;
using zub::UnicodeToUtf8;

int RunDate(const Args& args, std::ostream& out) {
  zub::TDateTime when = zub::Now();
  if (!args.Positional().empty()) {
    double serial = 0;
    int32_t code = 0;
    zub::Val(U(args.Positional()[0]), serial, code);
    // The day is the integer part, also for negative numbers, so -693593.5 is still in
    // year 1; the year is checked after decoding because milliseconds round up to the next day.
    uint16_t year = 0, month = 0, day = 0;
    if (code == 0 && std::isfinite(serial) && std::fabs(serial) < 3e6)
      zub::DecodeDate(serial, year, month, day);
    if (year < 1 || year > 9999)
      throw UsageError("DAYS wants a day number from -693593 (0001-01-01) to 2958465 (9999-12-31), not '" +
                       args.Positional()[0] + "'");
    when = serial;
  }
  const zub::UnicodeString format = U(args.Get("format", "yyyy-mm-dd hh:nn:ss"));
  out << UnicodeToUtf8(zub::FormatDateTime(format, when, zub::TFormatSettings::Invariant())) << "\n";
  return 0;
}

const Registration date(
    {"date",
     "[DAYS]",
     "format a date and time (now, or DAYS since 1899-12-30)",
     "DAYS counts from 1899-12-30 (day 0), negative numbers count back: -1 is 1899-12-29.\n"
     "The fraction is the time of day, also after a negative day: -1.25 is 1899-12-29 06:00.\n"
     "Format specifiers: d dd ddd dddd m mm mmm mmmm yy yyyy h hh n nn s ss z zzz am/pm,\n"
     "\"quoted\" or 'quoted' text is copied.",
     {{"format", "FMT", "format string (default yyyy-mm-dd hh:nn:ss)"}},
     0,
     1,
     RunDate});

const TourRegistration stop(
    {20, "Run-time services",
     [](std::ostream& out) {
       using namespace zub;
       const TDateTime t = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0);
       out << "Dates are day numbers: 2024-03-05 14:07:09 is "
           << UnicodeToUtf8(FloatToStr(t, TFormatSettings::Invariant()))
           << ",\n  formatted 'dddd, mmmm d, yyyy h:nn am/pm' as \""
           << UnicodeToUtf8(FormatDateTime(u"dddd, mmmm d, yyyy h:nn am/pm", t, TFormatSettings{})) << "\"\n";
       out << "Numbers round halves to even: Round(2.5) = " << Round(2.5) << ", Round(3.5) = " << Round(3.5)
           << "\n";
       const Variant v(u"42");
       out << "A Variant holding the text \"42\" (type code " << VarType(v) << ") reads as the integer "
           << v.AsInt32() << "\n";
       TStringStream s(u"caf\u00e9 \u20ac5");
       out << "8-bit text is Windows-1252: \"caf\u00e9 \u20ac5\" is " << s.Size() << " bytes in a stream\n";
       out << "Windows paths work: C:\\tmp\\a.txt is " << HostPath(u"C:\\tmp\\a.txt") << " here\n";
       out << "Try: zubkit date, zubkit date 45356.5 --format \"ddd d mmm yyyy hh:nn\"\n";
     },
     "host/host.hpp"});

}  // namespace
}  // namespace zubkit
