#include "host/processor_affinity.hpp"

#include "host/internal/os.hpp"

namespace zub {

int32_t AvailableProcessorCount() {
  std::vector<unsigned char> mask;
  if (os::ThreadAffinity(mask)) {
    const int32_t n = os::AffinityCount(mask);
    if (n >= 1) return n;
  }
  return os::OnlineProcessorCount();
}

TProcessorPin::TProcessorPin() {
  // Without the old mask there is nothing to put back, so the thread is left alone.
  if (os::ThreadAffinity(FSavedMask)) FPinned = os::PinThreadToCurrentProcessor();
}

TProcessorPin::~TProcessorPin() {
  if (FPinned) os::SetThreadAffinity(FSavedMask);
}

}  // namespace zub
