// EZUBError, the common base of every error the library raises.
#pragma once

#include "host/exceptions.hpp"

namespace zub {

ZUB_DECLARE_EXCEPTION(EZUBError, Exception);

}  // namespace zub
