// Dates and times as TDateTime: days since 1899-12-30 in the integer part, the time of day
// as the fraction. Encoding, decoding, formatting with a format string, the clock, and the
// conversions to and from file time stamps.
#pragma once

#include <cstdint>

#include "host/format_settings.hpp"
#include "host/unicode.hpp"

namespace zub {

using TDateTime = double;

// Raise EConvertError for dates outside 1..9999 / times outside the day.
TDateTime EncodeDate(uint16_t Year, uint16_t Month, uint16_t Day);
TDateTime EncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec);
bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Date);
bool TryEncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec, TDateTime& Time);
void DecodeDate(TDateTime DateTime, uint16_t& Year, uint16_t& Month, uint16_t& Day);
void DecodeTime(TDateTime DateTime, uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec);
// 1 = Sunday .. 7 = Saturday.
int32_t DayOfWeek(TDateTime DateTime);
bool IsLeapYear(uint16_t Year);

// Local date and time, the date alone and the time alone.
TDateTime Now();
TDateTime Date();
TDateTime Time();

// Formats with the classic specifiers (case-insensitive):
//   d dd ddd dddd ddddd dddddd   day, 2-digit day, short/long day name, short/long date
//   m mm mmm mmmm                month (minutes when right after h or hh), short/long name
//   yy yyyy                      year
//   h hh n nn s ss z zzz         hour, minute, second, millisecond
//   t tt c                       short time, long time, short date + long time
//   am/pm a/p ampm               12-hour clock with the marker; the hour follows it
//   / :                          the settings' date and time separators
//   "text" 'text'                literal text
// Other characters are copied. An empty format means "c".
UnicodeString FormatDateTime(std::u16string_view Format, TDateTime DateTime);
UnicodeString FormatDateTime(std::u16string_view Format, TDateTime DateTime, const TFormatSettings& Settings);
UnicodeString DateTimeToStr(TDateTime DateTime);

// Seconds since 1970-01-01 UTC <-> local TDateTime.
TDateTime UnixToLocalDateTime(int64_t Seconds, int32_t Nanoseconds = 0);
int64_t LocalDateTimeToUnix(TDateTime DateTime);

// Packed DOS time stamps (the Time field of find records): local time, 2-second steps.
int32_t DateTimeToFileDate(TDateTime DateTime);
TDateTime FileDateToDateTime(int32_t FileDate);

}  // namespace zub
