#include "foundation/csv_delimiters.hpp"

namespace zub {

namespace {
constexpr std::array<std::u16string_view, 6> kCSVDelimiterIds = {u"undefined", u"blank", u"semicolon",
                                                                 u"comma",     u"colon", u"tab"};
}  // namespace

std::array<std::u16string_view, 6> CSVDELIMITERIDS = kCSVDelimiterIds;

void ReleaseCSVDelimiterIds() {
  CSVDELIMITERIDS.fill(std::u16string_view());
}
void FillCSVDelimiterIds() {
  CSVDELIMITERIDS = kCSVDelimiterIds;
}

TCSVDelimiters ResolveCSVDelimiter(Char Delim) {
  for (int d = csvBlank; d <= csvTab; ++d)
    if (CSVDELIMITERS[static_cast<size_t>(d)] == Delim) return static_cast<TCSVDelimiters>(d);
  return csvUnknown;
}

}  // namespace zub
