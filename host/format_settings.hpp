// Format settings: separators, date/time layouts and names used by the locale-dependent
// conversions. The process-wide `FormatSettings` takes its separators from the user's
// locale when the library loads; the English names and layouts are fixed.
#pragma once

#include <array>

#include "host/unicode.hpp"

namespace zub {

struct TFormatSettings {
  Char DecimalSeparator = u'.';
  Char ThousandSeparator = u',';
  Char DateSeparator = u'/';
  Char TimeSeparator = u':';
  UnicodeString ShortDateFormat = u"yyyy/mm/dd";
  UnicodeString LongDateFormat = u"dddd, mmmm d, yyyy";
  UnicodeString ShortTimeFormat = u"hh:nn";
  UnicodeString LongTimeFormat = u"hh:nn:ss";
  UnicodeString TimeAMString = u"AM";
  UnicodeString TimePMString = u"PM";
  std::array<UnicodeString, 12> ShortMonthNames{u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
  std::array<UnicodeString, 12> LongMonthNames{u"January",   u"February", u"March",    u"April",
                                               u"May",       u"June",     u"July",     u"August",
                                               u"September", u"October",  u"November", u"December"};
  std::array<UnicodeString, 7> ShortDayNames{u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
  std::array<UnicodeString, 7> LongDayNames{u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                            u"Thursday", u"Friday", u"Saturday"};

  // Settings with the separators of the user's locale (LC_ALL, LC_NUMERIC, LANG);
  // "." and "," when it names none or cannot be loaded.
  static TFormatSettings FromLocale();
  // Settings with "." as decimal separator, for locale-independent text.
  static TFormatSettings Invariant() { return TFormatSettings{}; }
};

// Process-wide settings, read from the user's locale when the library is loaded.
extern TFormatSettings FormatSettings;

}  // namespace zub
