// Unit ZUB_cpuid: processor identification.
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Errors raised by this unit.
ZUB_DECLARE_EXCEPTION(EZUBCpuIdError, EZUBError);

}  // namespace zub

#include "cpuid/cpu_features.hpp"
#include "cpuid/cpu_info.hpp"
#include "cpuid/cpu_speed.hpp"
