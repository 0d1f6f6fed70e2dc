// Pieces of JSON output for commands that offer --json.
#pragma once

#include <string>
#include <string_view>

namespace zubkit {

// Utf8 as a JSON string literal, quotes included: '"' and '\' escaped, control characters as
// \n, \t, \r, \b, \f or \u00XX; everything else, non-ASCII UTF-8 included, as it is.
std::string JsonString(std::string_view utf8);

}  // namespace zubkit
