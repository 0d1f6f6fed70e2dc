// Unit ZUB_cpuid: processor identification.
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Errors raised by this unit.
ZUB_DECLARE_EXCEPTION(EZUBCpuIdError, EZUBError);

}  // namespace zub
