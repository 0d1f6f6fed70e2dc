// TFeatureMatrix::GenerateFeatNames and the expansion of its name templates.
#include <cstdlib>
#include <optional>

#include "dstruct/feature_matrix.hpp"

namespace zub {

namespace {

// Guards against templates whose expansion would not end or would grow without bound.
constexpr size_t kMaxExpandedLength = 65536;
constexpr int32_t kMaxPlaceholders = 4096;

// Leading spaces, an optional sign and decimal digits that fit 32 bits; only spaces (or
// nothing) read as 0.
std::optional<int32_t> ParseWidth(std::u16string_view p) {
  size_t i = 0;
  while (i < p.size() && p[i] == u' ') ++i;
  if (i == p.size()) return 0;
  bool negative = false;
  if (p[i] == u'+' || p[i] == u'-') negative = p[i++] == u'-';
  if (i == p.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < p.size(); ++i) {
    if (p[i] < u'0' || p[i] > u'9') return std::nullopt;
    value = value * 10 + (p[i] - u'0');
    if (value > int64_t{1} << 31) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

// N in decimal laid out by width w (see GenerateFeatNames).
std::optional<UnicodeString> DecimalField(int64_t n, int32_t w) {
  if (w == 0) return IntToStr(n);
  if (std::abs(int64_t{w}) > static_cast<int64_t>(kMaxExpandedLength)) return std::nullopt;
  if (w > 0) {
    UnicodeString s = IntToStr(n);
    const auto width = static_cast<size_t>(w);
    if (s.size() > width) return s.substr(s.size() - width);
    return UnicodeString(width - s.size(), u' ') + s;
  }
  const auto digits = static_cast<size_t>(-int64_t{w});
  UnicodeString s = IntToStr(n < 0 ? -n : n);
  s = s.size() > digits ? s.substr(s.size() - digits) : UnicodeString(digits - s.size(), u'0') + s;
  return n < 0 ? u"-" + s : s;
}

UnicodeString HexField(int32_t n, int32_t w) {
  const auto digits = static_cast<size_t>(std::clamp(w, 1, 16));
  UnicodeString s = IntToHex(static_cast<uint64_t>(static_cast<uint32_t>(n)), 1);
  if (s.size() > digits) return s.substr(s.size() - digits);
  return UnicodeString(digits - s.size(), u'0') + s;
}

std::optional<UnicodeString> Expand(UnicodeString text, int32_t number, int32_t index, TDateTime now) {
  for (int32_t count = 0;; ++count) {
    const size_t open = text.find(u"<%");
    if (open == UnicodeString::npos) return text;
    const size_t close = text.find(u"%>");
    // The letter must stand between the two marks.
    if (close == UnicodeString::npos || close < open + 3 || count >= kMaxPlaceholders) return std::nullopt;
    const Char letter = text[open + 2];
    const std::u16string_view param = std::u16string_view(text).substr(open + 3, close - open - 3);
    std::optional<UnicodeString> replacement;
    switch (letter) {
      case u'D':
      case u'd':
      case u'I':
      case u'i':
      case u'H':
      case u'h': {
        const std::optional<int32_t> w = ParseWidth(param);
        if (!w) return std::nullopt;
        if (letter == u'H' || letter == u'h')
          replacement = HexField(number, *w);
        else
          replacement = DecimalField((letter == u'D' || letter == u'd') ? number : index, *w);
        break;
      }
      case u'T':
      case u't':
        try {
          replacement = FormatDateTime(param, now);
        } catch (const Exception&) {
          return std::nullopt;
        }
        break;
      default:
        return std::nullopt;
    }
    if (!replacement) return std::nullopt;
    text.replace(open, close + 2 - open, *replacement);
    if (text.size() > kMaxExpandedLength) return std::nullopt;
  }
}

}  // namespace

int32_t TFeatureMatrix::GenerateFeatNames(const UnicodeString& Template, int32_t IxFrom, int32_t IxTo,
                                          int32_t FirstNum, int32_t Delta) {
  if (IxFrom == 0 && IxTo == 0) {
    IxFrom = 1;
    IxTo = FNFeats;
  }
  if (IxFrom < 1 || IxFrom > FNFeats || IxTo < 1 || IxTo > FNFeats) return -1;
  const int32_t first = std::min(IxFrom, IxTo);
  const int32_t last = std::max(IxFrom, IxTo);
  const TDateTime now = Now();
  for (int32_t i = first; i <= last; ++i) {
    const uint32_t n =
        static_cast<uint32_t>(FirstNum) + static_cast<uint32_t>(i - first) * static_cast<uint32_t>(Delta);
    std::optional<UnicodeString> name = Expand(Template, static_cast<int32_t>(n), i, now);
    if (!name) return -2;
    FFeatProps[static_cast<size_t>(i - 1)]->SetFeatName(*name);
  }
  return 0;
}

}  // namespace zub
