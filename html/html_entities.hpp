// Character references both ways: text made safe for HTML, and the references of an HTML
// text resolved into characters.
//
// The names known are the 96 HTML 4 Latin-1 entities (HTMLLat1Entities, "&nbsp;" for 160 to
// "&yuml;" for 255) and the markup five "&amp;", "&lt;", "&gt;", "&quot;" and "&apos;", with
// their case as written; numeric references are decimal ("&#233;") or hexadecimal
// ("&#xE9;", "&#XE9;"), and every reference ends in ";".
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// The HTML form of one character: "&amp;", "&lt;", "&gt;", "&quot;" and "&#39;" for the
// markup characters, the Latin-1 entity for 160..255, a decimal reference ("&#8364;") for a
// character above 255, "&#65533;" for a lone surrogate half; any other character (ASCII,
// the controls and 128..159, which HTML would read as Windows-1252) as it is.
UnicodeString AnsiToHTMLEntity(Char c);

// s with every character in its AnsiToHTMLEntity form, a surrogate pair as one decimal
// reference ("&#128512;"): plain ASCII apart from the controls and 128..159, so it survives a
// Windows-1252 file and is safe inside elements and quoted attribute values.
UnicodeString MakeStringHTMLCompatible(const UnicodeString& s);

// s with every known reference replaced by its character, once ("&amp;lt;" gives "&lt;"). A
// numeric reference gives its code point (as a surrogate pair above U+FFFF). Unknown names,
// references without ";", and numbers of no character (0, surrogates, above U+10FFFF) stay
// as they are.
UnicodeString ResolveHTMLEntities(const UnicodeString& s);

// The character of s when s is exactly one known reference ("&auml;" gives "ä", "&#x1F600;"
// a surrogate pair); otherwise s as it is.
UnicodeString HTMLEntityToAnsi(const UnicodeString& s);

}  // namespace zub
