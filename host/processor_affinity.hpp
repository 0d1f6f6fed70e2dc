// The processors the calling thread may run on: how many they are, and keeping the thread on
// one of them while it measures something that each processor counts on its own.
#pragma once

#include <cstdint>
#include <vector>

namespace zub {

// The number of processors in the calling thread's affinity mask: those the scheduler may run
// it on, which is what `nproc` prints (fewer than the machine has under `taskset` or a
// container's CPU set). Masks of any size are read. When the system does not tell, the number
// of processors online; at least 1.
int32_t AvailableProcessorCount();

// Keeps the calling thread on the processor it runs on when the object is made, until the
// object goes, which puts the thread's former affinity mask back. Best effort: where the system
// refuses, the thread runs as before and Pinned() is false. Made and destroyed on one thread.
class TProcessorPin {
 public:
  TProcessorPin();
  ~TProcessorPin();
  TProcessorPin(const TProcessorPin&) = delete;
  TProcessorPin& operator=(const TProcessorPin&) = delete;

  bool Pinned() const { return FPinned; }

 private:
  std::vector<unsigned char> FSavedMask;
  bool FPinned = false;
};

}  // namespace zub
