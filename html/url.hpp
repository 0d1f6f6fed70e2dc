// URL encoding and decoding, and the host-and-directory part of an HTTP address.
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Each of the 20 characters blank ! # $ % & ' ( ) * + , / : ; = ? @ [ ] becomes "%" and its
// code in two upper-case hex digits; every other character, those above 127 included, stays
// as it is: "a b&c" gives "a%20b%26c".
UnicodeString URLEncode(const UnicodeString& s);

// Two decoding passes, the second over the result of the first, so "%2541" gives "A". A pass
// replaces each "%" followed by two hex digits (either case) with the character of that code;
// any other "%" stays, and so does "+".
UnicodeString URLDecode(const UnicodeString& s);

// The address without its first "http://" (in any case) and what stands before it, and
// without what follows its last "/": "HTTP://host/docs/index.html" gives "host/docs/",
// "ftp://x/y/z" gives "ftp://x/y/". When no "/" is left after the scheme is removed
// ("http://host"), the path is empty.
UnicodeString ExtractHTTPPath(const UnicodeString& url);

}  // namespace zub
