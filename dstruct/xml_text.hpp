// Text inside the XML elements of the data structures: escaping it for writing and reading
// it back, shared by the string array and the associative array.
#pragma once

#include <optional>
#include <string_view>

#include "host/unicode.hpp"

namespace zub {

// "&", "<", ">" and '"' become named entities and characters below 32 numeric ones
// ("&#10;"), so a text fits on one line and inside an attribute. With NonAscii, every
// character from 127 up becomes a numeric entity too (one per UTF-16 unit, so lone
// surrogates survive), which keeps the file plain ASCII.
UnicodeString EscapeXMLText(std::u16string_view s, bool NonAscii);

// The inverse: &amp; &lt; &gt; &quot; &apos;, &#N; and &#xH; (one UTF-16 unit). An "&" that
// starts none of these makes a Strict reading fail (nullopt); otherwise it stays as text.
std::optional<UnicodeString> UnescapeXMLText(std::u16string_view s, bool Strict);

}  // namespace zub
