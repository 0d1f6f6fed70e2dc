// EZUBStringlError, raised by the pattern matcher.
#pragma once

#include "foundation/zub_error.hpp"

namespace zub {

ZUB_DECLARE_EXCEPTION(EZUBStringlError, EZUBError);

}  // namespace zub
