// ConvertVariant: a variant, or an array of arrays of variants up to three levels deep, as
// readable text.
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// A scalar as its value text: integers in decimal, single and double as strff(v, 12, -2),
// Booleans "TRUE"/"FALSE", strings as they are, Null "NULL", a variant "variant" (or
// "array of variant"), anything else "(unknown type: N)". An array gets a header
// "Array[lo,hi]...:" and CR LF, then at most 12 elements of the first level ("..." after
// them when there are more) across a line, 10 of the second level down the lines
// (" ......" when more) and 3 layers of the third level (" ... more layers"). An array whose
// high bound is below 0 is "undefined array". Nested arrays of uneven shape make the
// variant access fail with the host's error.
UnicodeString ConvertVariant(const Variant& v);

}  // namespace zub
