// Unit ZUB_zubcolors: colour models and conversions, the colour array and named colours.
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Errors raised by this unit.
ZUB_DECLARE_EXCEPTION(EZUBColArrayError, EZUBError);

}  // namespace zub
