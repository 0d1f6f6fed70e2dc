#include "strings/param_list.hpp"

#include "colors/color_models.hpp"
#include "colors/named_colors.hpp"
#include "strings/number_format.hpp"
#include "strings/truth_text.hpp"

namespace zub {

namespace {

// The common layout; item(i) gives the text of value i.
template <typename Item>
UnicodeString Build(size_t n, bool trailingComma, int32_t maxCount, bool brackets, Item item) {
  UnicodeString text = brackets ? u"[" : u"";
  size_t count = n;
  if (maxCount > 0 && static_cast<size_t>(maxCount) < count) count = static_cast<size_t>(maxCount);
  if (count == 0) text += u',';
  for (size_t i = 0; i < count; ++i) text += item(i) + u",";
  if (count < n) text += u"...,";
  text.pop_back();
  if (brackets) text += u']';
  if (trailingComma) text += u',';
  return text;
}

}  // namespace

UnicodeString CreateParList(std::span<const int32_t> values, bool trailingComma, int32_t maxCount,
                            bool brackets) {
  return Build(values.size(), trailingComma, maxCount, brackets,
               [&](size_t i) { return IntToStr(values[i]); });
}
UnicodeString CreateParList(std::initializer_list<int32_t> values, bool trailingComma, int32_t maxCount,
                            bool brackets) {
  return CreateParList(std::span<const int32_t>(values.begin(), values.size()), trailingComma, maxCount,
                       brackets);
}

UnicodeString CreateParList(std::span<const bool> values, bool trailingComma, int32_t maxCount,
                            bool brackets) {
  return Build(values.size(), trailingComma, maxCount, brackets,
               [&](size_t i) { return BoolToStr(values[i], 0); });
}
UnicodeString CreateParList(std::initializer_list<bool> values, bool trailingComma, int32_t maxCount,
                            bool brackets) {
  return CreateParList(std::span<const bool>(values.begin(), values.size()), trailingComma, maxCount,
                       brackets);
}
UnicodeString CreateParList(std::span<const ByteBool> values, bool trailingComma, int32_t maxCount,
                            bool brackets) {
  return Build(values.size(), trailingComma, maxCount, brackets,
               [&](size_t i) { return BoolToStr(values[i], 0); });
}

UnicodeString CreateParList(std::span<const TColor> values, bool trailingComma, int32_t maxCount,
                            bool brackets, bool names) {
  return Build(values.size(), trailingComma, maxCount, brackets,
               [&](size_t i) { return names ? ObtainColorName(values[i]) : ColorToHexStr(values[i]); });
}
UnicodeString CreateParList(std::initializer_list<TColor> values, bool trailingComma, int32_t maxCount,
                            bool brackets, bool names) {
  return CreateParList(std::span<const TColor>(values.begin(), values.size()), trailingComma, maxCount,
                       brackets, names);
}

UnicodeString CreateParList(std::span<const double> values, bool trailingComma, int32_t maxCount,
                            int32_t digits, bool brackets) {
  return Build(values.size(), trailingComma, maxCount, brackets,
               [&](size_t i) { return AutoFormatData(values[i], digits); });
}
UnicodeString CreateParList(std::initializer_list<double> values, bool trailingComma, int32_t maxCount,
                            int32_t digits, bool brackets) {
  return CreateParList(std::span<const double>(values.begin(), values.size()), trailingComma, maxCount,
                       digits, brackets);
}

}  // namespace zub
