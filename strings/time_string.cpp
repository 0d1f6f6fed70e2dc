#include "strings/time_string.hpp"

#include <cmath>
#include <string>

namespace zub {

namespace {

// n right-aligned in two characters (more when it is longer); zero-filled or blank-filled.
UnicodeString Field(int64_t n, bool zeroFill) {
  UnicodeString s = IntToStr(n);
  if (s.size() < 2) s.insert(s.begin(), zeroFill ? u'0' : u' ');
  return s;
}

}  // namespace

UnicodeString TimeString(double seconds, uint8_t format) {
  long double s = seconds;
  if (!(s >= 0) || std::isinf(s)) s = 0;
  const long double fullHours = std::trunc(s / 3600);
  int64_t h, m, sec;
  if (fullHours <= 2147483647.0L) {
    h = static_cast<int64_t>(fullHours) % 65536;
    m = static_cast<int64_t>(std::trunc((s - h * 3600.0L) / 60));
    sec = static_cast<int64_t>(std::trunc(s - h * 3600.0L - m * 60.0L));
  } else {
    // Beyond 32-bit hours the reduced hours would leave billions of minutes; show the
    // minutes and seconds within the last hour instead.
    h = static_cast<int64_t>(std::fmod(fullHours, 65536.0L));
    const long double rest = s - fullHours * 3600;
    m = static_cast<int64_t>(std::trunc(rest / 60));
    sec = static_cast<int64_t>(std::trunc(rest - m * 60.0L));
  }
  const auto cc = static_cast<int64_t>(std::trunc((s - std::trunc(s)) * 100));

  switch (format) {
    case 0:
      return Field(h, true) + u":" + Field(m, true) + u":" + Field(sec, true) + u"." + Field(cc, true);
    case 1:
      return Field(h, true) + u":" + Field(m, true) + u":" + Field(sec, true);
    case 2:
      return Field(h, false) + u"h" + Field(m, true);
    case 3:
      return Field(h, false) + u"h" + Field(m, true) + u"'" + Field(sec, true) + u"\"";
    case 4:
      return Field(h, true) + u":" + Field(m, true);
    case 5: {
      const int64_t h12 = h == 0 ? 12 : h > 12 ? h - 12 : h;
      return Field(h12, false) + u":" + Field(m, true) + (h < 12 ? u"a" : u"p");
    }
    default:
      return UnicodeString();
  }
}

}  // namespace zub
