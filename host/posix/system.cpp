// POSIX clock, local time, locale separators and case mapping for the host layer.
#include <langinfo.h>
#include <locale.h>
#include <wctype.h>
#include <clocale>
#include <cstdlib>
#include <ctime>

#include "host/internal/os.hpp"

namespace zub::os {

int64_t LocalTimeOffset(int64_t utcSec) {
  const auto t = static_cast<time_t>(utcSec);
  struct tm local;
  if (::localtime_r(&t, &local) == nullptr) return 0;
  return local.tm_gmtoff;
}

void CurrentTime(int64_t& sec, int32_t& nsec) {
  struct timespec ts;
  ::clock_gettime(CLOCK_REALTIME, &ts);
  sec = ts.tv_sec;
  nsec = static_cast<int32_t>(ts.tv_nsec);
}

uint64_t MonotonicMilliseconds() {
  struct timespec ts;
  ::clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
}

void LocaleSeparators(Char& decimal, Char& thousands) {
  decimal = u'.';
  thousands = u',';
  locale_t loc = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (loc == static_cast<locale_t>(nullptr)) return;
  const UnicodeString dp = Utf8ToUnicode(::nl_langinfo_l(RADIXCHAR, loc));
  const UnicodeString ts = Utf8ToUnicode(::nl_langinfo_l(THOUSEP, loc));
  if (dp.size() == 1) decimal = dp[0];
  if (ts.size() == 1) thousands = ts[0];
  ::freelocale(loc);
}

long double ParseLongDouble(const std::string& text) {
  static const locale_t c = ::newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
  return ::strtold_l(text.c_str(), nullptr, c);
}

namespace {
// A fixed UTF-8 locale: case mapping must not depend on the process locale.
locale_t CaseLocale() {
  static const locale_t loc = [] {
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
      locale_t l = ::newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(nullptr));
      if (l != static_cast<locale_t>(nullptr)) return l;
    }
    return static_cast<locale_t>(nullptr);
  }();
  return loc;
}

// Used when no UTF-8 locale is present: Latin-1 and Latin Extended-A.
Char LatinUpper(Char c) {
  if (c >= u'a' && c <= u'z') return c - 32;
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
  if (c == 0xFF) return 0x178;
  if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x178 &&
      c != 0x17F) {
    const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (oddUpper ? (c % 2 == 0) : (c % 2 == 1)) return c - 1;
  }
  if (c == 0x131) return u'I';
  return c;
}
Char LatinLower(Char c) {
  if (c >= u'A' && c <= u'Z') return c + 32;
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
  if (c == 0x178) return 0xFF;
  if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
    const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (oddUpper ? (c % 2 == 1) : (c % 2 == 0)) return c + 1;
  }
  if (c == 0x130) return u'i';
  return c;
}
}  // namespace

Char UpperChar(Char c) {
  if (c < 0x80) return (c >= u'a' && c <= u'z') ? c - 32 : c;
  if (c >= 0xD800 && c <= 0xDFFF) return c;
  const locale_t loc = CaseLocale();
  if (loc == static_cast<locale_t>(nullptr)) return LatinUpper(c);
  const wint_t r = ::towupper_l(c, loc);
  return r <= 0xFFFF ? static_cast<Char>(r) : c;
}

Char LowerChar(Char c) {
  if (c < 0x80) return (c >= u'A' && c <= u'Z') ? c + 32 : c;
  if (c >= 0xD800 && c <= 0xDFFF) return c;
  const locale_t loc = CaseLocale();
  if (loc == static_cast<locale_t>(nullptr)) return LatinLower(c);
  const wint_t r = ::towlower_l(c, loc);
  return r <= 0xFFFF ? static_cast<Char>(r) : c;
}

}  // namespace zub::os
