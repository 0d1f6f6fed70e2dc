#include "strings/variant_dump.hpp"

#include <algorithm>

#include "strings/number_format.hpp"

namespace zub {

namespace {

constexpr int32_t kShown1 = 12, kShown2 = 10, kShown3 = 3;

UnicodeString ValueText(const Variant& v) {
  const TVarType code = v.VType() & varTypeMask;
  switch (code) {
    case varNull:
      return u"NULL";
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64:
      return IntToStr(v.AsInt64());
    case varUInt64:
      return Utf8ToUnicode(std::to_string(v.AsUInt64()));
    case varSingle:
    case varDouble:
      return strff(v.AsDouble(), 12, -2);
    case varBoolean:
      return v.AsBoolean() ? u"TRUE" : u"FALSE";
    case varVariant:
      return v.IsArray() ? u"array of variant" : u"variant";
    case varString:
    case varUString:
      return v.AsString();
    default:
      return u"(unknown type: " + IntToStr(int32_t{code}) + u")";
  }
}

struct Level {
  int32_t lo, hi, shownHi;
  bool more;
};

Level LevelOf(const Variant& a, int32_t limit) {
  Level l{a.LowBound(), a.HighBound(), 0, false};
  l.more = int64_t{l.hi} - l.lo + 1 > limit;
  l.shownHi = l.more ? l.lo + limit - 1 : l.hi;
  return l;
}

}  // namespace

UnicodeString ConvertVariant(const Variant& v) {
  if (!v.IsArray()) return ValueText(v);
  const Level l1 = LevelOf(v, kShown1);
  if (l1.hi < 0) return u"undefined array";
  int depth = 1;
  Level l2{}, l3{};
  if (v[l1.lo].IsArray()) {
    depth = 2;
    l2 = LevelOf(v[l1.lo], kShown2);
    if (l2.hi >= l2.lo && v[l1.lo][l2.lo].IsArray()) {
      depth = 3;
      l3 = LevelOf(v[l1.lo][l2.lo], kShown3);
    }
  }
  auto bounds = [](const Level& l) { return u"[" + IntToStr(l.lo) + u"," + IntToStr(l.hi) + u"]"; };
  UnicodeString out = u"Array" + bounds(l1);
  if (depth >= 2) out += bounds(l2);
  if (depth >= 3) out += bounds(l3);
  out += u":\r\n";
  const UnicodeString marker1 = l1.more ? u"..." : u"";

  // One text line: the elements picked by at(i) for the shown first-level indices.
  auto line = [&](auto at) {
    UnicodeString t;
    for (int32_t i = l1.lo; i <= l1.shownHi; ++i) {
      if (i > l1.lo) t += u',';
      t += ValueText(at(i));
    }
    return t + marker1;
  };
  if (depth == 1) return out + line([&](int32_t i) -> const Variant& { return v[i]; });
  if (depth == 2) {
    for (int32_t j = l2.lo; j <= l2.shownHi; ++j)
      out += line([&](int32_t i) -> const Variant& { return v[i][j]; }) + u"\r\n";
    if (l2.more) out += u" ......";
    return out;
  }
  for (int32_t k = l3.lo; k <= l3.shownHi; ++k) {
    out += u"layer " + IntToStr(k) + u":\r\n";
    for (int32_t j = l2.lo; j <= l2.shownHi; ++j)
      out += line([&](int32_t i) -> const Variant& { return v[i][j][k]; }) + u"\r\n";
    if (l2.more) out += u" ......\r\n";
  }
  if (l3.more) out += u" ... more layers";
  return out;
}

}  // namespace zub
