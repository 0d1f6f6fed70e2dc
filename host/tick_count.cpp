#include "host/tick_count.hpp"

#include "host/internal/os.hpp"

namespace zub {

uint64_t MillisecondTicks() {
  return os::MonotonicMilliseconds();
}

}  // namespace zub
