// The code of the EInOutError an operation raises, or 0 when it raises none.
#pragma once

#include <cstdint>
#include <functional>

#include "host/exceptions.hpp"

namespace zub::testing {

inline int32_t IoCode(const std::function<void()>& op) {
  try {
    op();
  } catch (const EInOutError& e) {
    return e.ErrorCode();
  }
  return 0;
}

}  // namespace zub::testing
