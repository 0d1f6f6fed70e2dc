// Unit ZUB_stringl: number formatting, string editing, parameter lists and tokens, the pattern matcher and
// scrambling.
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Errors raised by this unit.
ZUB_DECLARE_EXCEPTION(EZUBStringlError, EZUBError);

}  // namespace zub
