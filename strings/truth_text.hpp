// Truth values and tri-states as text, and back.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// mode 0 "TRUE"/"FALSE", 1 "T"/"F", 2 ".T."/".F.", 3 "1"/"0", 4 "-1"/"0", 5 "FF"/"00",
// 6 "YES"/"NO", 7 "GOOD"/"BAD"; any other mode as 0.
UnicodeString BoolToStr(bool value, int32_t mode);
// trueText when value is true, else falseText.
UnicodeString BinString(bool value, const UnicodeString& trueText, const UnicodeString& falseText);
// After ASCII lower-casing and trimming blanks: "true", "1", "+1", "yes" give tsTrue;
// "false", "-1", "no" give tsFalse; everything else tsUndefined.
TTriState StrToTriState(std::u16string_view text);
// mode 1 "-1"/"1"/"0", mode 2 "no"/"yes"/"unknown", other modes "false"/"true"/"" for
// tsFalse/tsTrue/tsUndefined. Every text reads back through StrToTriState.
UnicodeString TriStateToStr(TTriState value, int32_t mode);

}  // namespace zub
