#include "host/date_time.hpp"

#include <cmath>
#include <string>

#include "host/case_map.hpp"
#include "host/exceptions.hpp"
#include "host/internal/os.hpp"

namespace zub {

namespace {

constexpr int64_t kMSecsPerDay = 86400000;
constexpr int64_t kUnixDateDelta = 25569;  // 1970-01-01 as TDateTime

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  y = static_cast<int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y += m <= 2;
}

// Splits a TDateTime into whole days (since 1899-12-30) and milliseconds of the day.
void Split(TDateTime dt, int64_t& days, int64_t& ms) {
  if (!std::isfinite(dt) || std::fabs(dt) > 1e9) throw EConvertError(u"Invalid date/time value");
  days = static_cast<int64_t>(std::trunc(dt));
  ms = static_cast<int64_t>(std::llround(std::fabs(dt - std::trunc(dt)) * kMSecsPerDay));
  if (ms >= kMSecsPerDay) {
    ms -= kMSecsPerDay;
    days += dt >= 0 ? 1 : -1;
  }
}

int MonthDays(uint16_t y, uint16_t m) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

UnicodeString Pad(int64_t v, size_t width) {
  UnicodeString s = Utf8ToUnicode(std::to_string(v));
  if (s.size() < width) s.insert(0, width - s.size(), u'0');
  return s;
}

}  // namespace

bool IsLeapYear(uint16_t Year) {
  return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0;
}

bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Date) {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > MonthDays(Year, Month))
    return false;
  Date = static_cast<double>(DaysFromCivil(Year, Month, Day) + kUnixDateDelta);
  return true;
}

bool TryEncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec, TDateTime& Time) {
  if (Hour > 23 || Min > 59 || Sec > 59 || MSec > 999) return false;
  Time = static_cast<double>(((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec) / kMSecsPerDay;
  return true;
}

TDateTime EncodeDate(uint16_t Year, uint16_t Month, uint16_t Day) {
  TDateTime d = 0;
  if (!TryEncodeDate(Year, Month, Day, d)) throw EConvertError(u"Invalid argument to date encode");
  return d;
}

TDateTime EncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec) {
  TDateTime t = 0;
  if (!TryEncodeTime(Hour, Min, Sec, MSec, t)) throw EConvertError(u"Invalid argument to time encode");
  return t;
}

void DecodeDate(TDateTime DateTime, uint16_t& Year, uint16_t& Month, uint16_t& Day) {
  int64_t days = 0, ms = 0;
  Split(DateTime, days, ms);
  int64_t y = 0;
  unsigned m = 0, d = 0;
  CivilFromDays(days - kUnixDateDelta, y, m, d);
  Year = static_cast<uint16_t>(y < 0 ? 0 : y > 65535 ? 65535 : y);
  Month = static_cast<uint16_t>(m);
  Day = static_cast<uint16_t>(d);
}

void DecodeTime(TDateTime DateTime, uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec) {
  int64_t days = 0, ms = 0;
  Split(DateTime, days, ms);
  MSec = static_cast<uint16_t>(ms % 1000);
  Sec = static_cast<uint16_t>(ms / 1000 % 60);
  Min = static_cast<uint16_t>(ms / 60000 % 60);
  Hour = static_cast<uint16_t>(ms / 3600000);
}

int32_t DayOfWeek(TDateTime DateTime) {
  int64_t days = 0, ms = 0;
  Split(DateTime, days, ms);
  // 1899-12-30 was a Saturday.
  return static_cast<int32_t>(((days % 7) + 7 + 6) % 7) + 1;
}

TDateTime UnixToLocalDateTime(int64_t Seconds, int32_t Nanoseconds) {
  const int64_t local = Seconds + os::LocalTimeOffset(Seconds);
  return static_cast<double>(kUnixDateDelta) + (static_cast<double>(local) + Nanoseconds / 1e9) / 86400.0;
}

int64_t LocalDateTimeToUnix(TDateTime DateTime) {
  const auto local = static_cast<int64_t>(std::llround((DateTime - kUnixDateDelta) * 86400.0));
  int64_t utc = local - os::LocalTimeOffset(local);
  utc = local - os::LocalTimeOffset(utc);  // second pass settles offsets that change at this instant
  return utc;
}

TDateTime Now() {
  int64_t sec = 0;
  int32_t nsec = 0;
  os::CurrentTime(sec, nsec);
  // Millisecond resolution, like the classic clock.
  return UnixToLocalDateTime(sec, nsec / 1000000 * 1000000);
}

TDateTime Date() {
  return std::floor(Now());
}
TDateTime Time() {
  const TDateTime n = Now();
  return n - std::floor(n);
}

int32_t DateTimeToFileDate(TDateTime DateTime) {
  uint16_t y, mo, d, h, mi, s, ms;
  DecodeDate(DateTime, y, mo, d);
  DecodeTime(DateTime, h, mi, s, ms);
  if (y < 1980 || y > 2107) return 0;
  return static_cast<int32_t>((uint32_t(y - 1980) << 25) | (uint32_t(mo) << 21) | (uint32_t(d) << 16) |
                              (uint32_t(h) << 11) | (uint32_t(mi) << 5) | (s / 2));
}

TDateTime FileDateToDateTime(int32_t FileDate) {
  const auto v = static_cast<uint32_t>(FileDate);
  TDateTime d = 0, t = 0;
  if (!TryEncodeDate(static_cast<uint16_t>((v >> 25) + 1980), (v >> 21) & 0xF, (v >> 16) & 0x1F, d) ||
      !TryEncodeTime((v >> 11) & 0x1F, (v >> 5) & 0x3F, (v & 0x1F) * 2, 0, t))
    throw EConvertError(u"Invalid file date");
  return d + t;
}

namespace {

// Depth counts the settings' formats expanded inside each other ("c" in a ShortDateFormat);
// below the second level they expand to nothing, so no settings can make this recurse forever.
UnicodeString FormatNested(std::u16string_view Format, TDateTime DateTime, const TFormatSettings& Settings,
                           int Depth) {
  if (Depth > 2) return UnicodeString();
  const auto Nested = [Depth, DateTime, &Settings](std::u16string_view f) {
    return FormatNested(f, DateTime, Settings, Depth + 1);
  };
  if (Format.empty()) Format = u"c";
  uint16_t year, month, day, hour, minute, second, msec;
  DecodeDate(DateTime, year, month, day);
  DecodeTime(DateTime, hour, minute, second, msec);
  const int dow = DayOfWeek(DateTime) - 1;

  // Whether an am/pm marker follows anywhere: the hour is then on the 12-hour clock.
  const UnicodeString lower = LowerCase(Format);
  const bool twelve = lower.find(u"am/pm") != UnicodeString::npos ||
                      lower.find(u"a/p") != UnicodeString::npos || lower.find(u"ampm") != UnicodeString::npos;
  const int hour12 = hour % 12 == 0 ? 12 : hour % 12;

  UnicodeString out;
  bool afterHour = false;
  size_t i = 0;
  auto run = [&](Char c) {
    size_t n = 0;
    while (i + n < Format.size() && (Format[i + n] | 0x20) == c) ++n;
    return n;
  };
  while (i < Format.size()) {
    const Char c = Format[i];
    const Char lc = (c >= u'A' && c <= u'Z') ? c + 32 : c;
    if (c == u'"' || c == u'\'') {
      const size_t end = Format.find(c, i + 1);
      const size_t stop = end == std::u16string_view::npos ? Format.size() : end;
      out.append(Format.substr(i + 1, stop - i - 1));
      i = stop + 1;
      continue;
    }
    if (lower.compare(i, 5, u"am/pm") == 0) {
      out += hour < 12 ? Format.substr(i, 2) : Format.substr(i + 3, 2);
      i += 5;
      continue;
    }
    if (lower.compare(i, 3, u"a/p") == 0) {
      out += hour < 12 ? Format.substr(i, 1) : Format.substr(i + 2, 1);
      i += 3;
      continue;
    }
    if (lower.compare(i, 4, u"ampm") == 0) {
      out += hour < 12 ? Settings.TimeAMString : Settings.TimePMString;
      i += 4;
      continue;
    }
    size_t n = 0;
    bool hourToken = false;
    switch (lc) {
      case u'd':
        n = run(u'd');
        if (n == 1)
          out += Pad(day, 1);
        else if (n == 2)
          out += Pad(day, 2);
        else if (n == 3)
          out += Settings.ShortDayNames[dow];
        else if (n == 4)
          out += Settings.LongDayNames[dow];
        else if (n == 5)
          out += Nested(Settings.ShortDateFormat);
        else
          out += Nested(Settings.LongDateFormat);
        n = std::min<size_t>(n, 6);
        break;
      case u'm':
        n = run(u'm');
        if (afterHour && n <= 2) {
          out += Pad(minute, n);
        } else {
          n = std::min<size_t>(n, 4);
          if (n <= 2)
            out += Pad(month, n);
          else if (n == 3)
            out += Settings.ShortMonthNames[month - 1];
          else
            out += Settings.LongMonthNames[month - 1];
        }
        break;
      case u'y':
        n = run(u'y');
        out += n <= 2 ? Pad(year % 100, 2) : Pad(year, 4);
        break;
      case u'h':
        n = std::min<size_t>(run(u'h'), 2);
        out += Pad(twelve ? hour12 : hour, n);
        hourToken = true;
        break;
      case u'n':
        n = std::min<size_t>(run(u'n'), 2);
        out += Pad(minute, n);
        break;
      case u's':
        n = std::min<size_t>(run(u's'), 2);
        out += Pad(second, n);
        break;
      case u'z':
        n = run(u'z') >= 3 ? 3 : 1;
        out += Pad(msec, n);
        break;
      case u't':
        n = std::min<size_t>(run(u't'), 2);
        out += Nested(n == 1 ? Settings.ShortTimeFormat : Settings.LongTimeFormat);
        break;
      case u'c':
        n = 1;
        out += Nested(Settings.ShortDateFormat);
        if (hour != 0 || minute != 0 || second != 0 || msec != 0)
          out += u' ' + Nested(Settings.LongTimeFormat);
        break;
      case u'/':
        n = 1;
        out += Settings.DateSeparator;
        break;
      case u':':
        n = 1;
        out += Settings.TimeSeparator;
        break;
      default:
        n = 1;
        out += c;
        // Literal separators do not end the hour context ("h:m" still means minutes).
        if (c == u' ' || c == u'.' || c == u'-') hourToken = afterHour;
        break;
    }
    if (lc == u':') hourToken = afterHour;
    afterHour = hourToken;
    i += n;
  }
  return out;
}

}  // namespace

UnicodeString FormatDateTime(std::u16string_view Format, TDateTime DateTime,
                             const TFormatSettings& Settings) {
  return FormatNested(Format, DateTime, Settings, 0);
}

UnicodeString FormatDateTime(std::u16string_view Format, TDateTime DateTime) {
  return FormatDateTime(Format, DateTime, FormatSettings);
}

UnicodeString DateTimeToStr(TDateTime DateTime) {
  return FormatDateTime(u"c", DateTime);
}

}  // namespace zub
