// Fields of delimited text lines, as `zubkit sort` and `zubkit featmat from-csv` split them.
#pragma once

#include <vector>

#include "zubcorekit.hpp"

namespace zubkit {

// The delimiter the library's CSV detection finds in a line (blank, semicolon, comma, colon
// or tab), or 0 when the line holds none of them.
zub::Char DetectDelimiter(const zub::UnicodeString& line);

// The fields of a line; one field, the whole line, when the delimiter is 0. A field that
// begins with a double quote runs to the closing quote, with "" standing for a quote inside
// it (a missing closing quote takes the rest of the line); text between the closing quote
// and the next delimiter is kept.
std::vector<zub::UnicodeString> SplitFields(const zub::UnicodeString& line, zub::Char delimiter);

}  // namespace zubkit
