// EZUBColArrayError, raised by the colour array when memory runs out.
#pragma once

#include "foundation/zub_error.hpp"

namespace zub {

ZUB_DECLARE_EXCEPTION(EZUBColArrayError, EZUBError);

}  // namespace zub
