#include "strings/string_sort.hpp"

#include "strings/char_class.hpp"
#include "strings/string_search.hpp"

namespace zub {

namespace {

int Sign(int64_t v) {
  return v < 0 ? -1 : v > 0 ? 1 : 0;
}

int CompareByCode(std::u16string_view a, std::u16string_view b) {
  return Sign(a.compare(b));
}

// Numeric comparison of sort texts. It orders exactly as the digit runs written with 15
// digits and leading zeros would (so a digit-led text sorts as if it began with "0"
// against texts that do not), and extends that order to runs of any length.
int CompareNumeric(std::u16string_view a, std::u16string_view b) {
  const bool da = !a.empty() && IsDigit(a[0]);
  const bool db = !b.empty() && IsDigit(b[0]);
  if (!da && !db) return CompareByCode(a, b);
  if (da != db) {
    const std::u16string_view other = da ? b : a;
    const int numberFirst = other.empty() ? 1 : Sign(int64_t{u'0'} - other[0]);
    return da ? numberFirst : -numberFirst;
  }
  auto split = [](std::u16string_view t, std::u16string_view& digits, std::u16string_view& rest) {
    size_t end = 0;
    while (end < t.size() && IsDigit(t[end])) ++end;
    size_t lead = 0;
    while (lead + 1 < end && t[lead] == u'0') ++lead;
    digits = t.substr(lead, end - lead);
    rest = t.substr(end);
  };
  std::u16string_view na, ra, nb, rb;
  split(a, na, ra);
  split(b, nb, rb);
  if (na.size() != nb.size()) return na.size() < nb.size() ? -1 : 1;
  if (const int c = CompareByCode(na, nb)) return c;
  return CompareByCode(ra, rb);
}

}  // namespace

int32_t SortStringList(TStringList& list, std::u16string_view key, int32_t n, int32_t offset, bool ignoreCase,
                       bool numeric) {
  if (n == 0) return -3;
  const UnicodeString k = ignoreCase ? FoldAscii(key) : UnicodeString(key);
  int32_t status = 0;

  auto keyPos = [&](const UnicodeString& item) -> int32_t {
    if (k.empty()) return 0;
    return n > 0 ? NumberedPos(k, item, 1, n, ignoreCase)
                 : NumberedPosBw(k, item, static_cast<int32_t>(item.size()), -n, ignoreCase);
  };
  // Where the sort text starts: after the first `cut` characters; -1 when outside the item.
  auto cutOf = [&](const UnicodeString& item, int32_t p) -> int64_t {
    const int64_t cut = int64_t{p} + static_cast<int64_t>(k.size()) + offset - 2;
    return cut < 1 || cut > static_cast<int64_t>(item.size()) ? -1 : cut;
  };

  list.CustomSort([&](TStringList& l, int32_t i1, int32_t i2) -> int32_t {
    if (status != 0) return 0;
    const UnicodeString& a = l.Strings(i1);
    const UnicodeString& b = l.Strings(i2);
    const int32_t pa = keyPos(a), pb = keyPos(b);
    if (pa == 0 || pb == 0) {
      status = -1;
      return 0;
    }
    const int64_t ca = cutOf(a, pa), cb = cutOf(b, pb);
    if (ca < 0 || cb < 0) {
      status = -2;
      return 0;
    }
    const std::u16string_view ta = std::u16string_view(a).substr(static_cast<size_t>(ca));
    const std::u16string_view tb = std::u16string_view(b).substr(static_cast<size_t>(cb));
    return numeric ? CompareNumeric(ta, tb) : CompareByCode(ta, tb);
  });
  return status;
}

}  // namespace zub
