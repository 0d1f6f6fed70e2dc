// CountWordsHTML: counting the words of an HTML document outside its markup, in pieces.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// The number of words of s outside markup. "<" starts markup and ">" ends it; the characters
// from "<" up to (not including) ">" are skipped and do not end a word, while ">" itself is a
// separator. A word is a run of characters outside WordSeps that ends at a separator and is at
// least 2 characters long; with skipNumbers, runs that begin with a digit do not count. inTag
// carries the markup state from one piece of a document to the next; a run still open at the
// end of s is not counted and not carried over. "Hello <b>big</b> world." counts 3.
int32_t CountWordsHTML(const UnicodeString& s, bool skipNumbers, bool& inTag);

}  // namespace zub
