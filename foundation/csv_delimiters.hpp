// The CSV delimiter tables, indexed by TCSVDelimiters, and ResolveCSVDelimiter.
#pragma once

#include <array>
#include <string_view>

#include "foundation/zubbase_types.hpp"

namespace zub {

// The delimiter character of each value (character code 0 for csvUnknown).
inline constexpr std::array<Char, 6> CSVDELIMITERS = {u'\0', u' ', u';', u',', u':', u'\t'};

// The name of each delimiter ("undefined", "blank", "semicolon", "comma", "colon", "tab").
// A string table of the unit: emptied when the unit is finalised for the last time and
// filled again when it is loaded anew.
extern std::array<std::u16string_view, 6> CSVDELIMITERIDS;

// Unit lifecycle: empty CSVDELIMITERIDS on the last unload, fill it on the first load.
void ReleaseCSVDelimiterIds();
void FillCSVDelimiterIds();

// The delimiter value whose character equals Delim (csvBlank .. csvTab, in that order);
// csvUnknown when none does, character code 0 included.
TCSVDelimiters ResolveCSVDelimiter(Char Delim);

}  // namespace zub
