// Running the calling thread at the highest priority the process may give it, for a short
// measurement that other work must not interrupt, and putting its priority back afterwards.
//
// On POSIX the thread gets, in this order of preference:
//   - real-time scheduling (SCHED_FIFO) at the highest priority, where the process holds the
//     privilege, else at the highest that RLIMIT_RTPRIO allows;
//   - else the lowest nice level it may take (-20 with the privilege, else the one RLIMIT_NICE
//     allows), when that is below its own;
//   - else nothing changes.
// A thread under deadline scheduling is left as it is. On Linux both the policy and the nice
// level are the calling thread's own, so other threads of the process are not touched.
#pragma once

#include <cstdint>

namespace zub {

// How far TTopPriority raised the thread.
enum class TPriorityRaise : uint8_t { None, Nice, RealTime };

// Saves the calling thread's scheduling and raises it; the destructor puts both the policy and
// the nice level back, also when the scope is left by an exception. Made and destroyed on one
// thread.
class TTopPriority {
 public:
  TTopPriority();
  ~TTopPriority();
  TTopPriority(const TTopPriority&) = delete;
  TTopPriority& operator=(const TTopPriority&) = delete;

  TPriorityRaise Raised() const { return FRaised; }

 private:
  bool FSaved = false;
  int32_t FPolicy = 0;
  int32_t FPriority = 0;
  int32_t FNice = 0;
  TPriorityRaise FRaised = TPriorityRaise::None;
};

}  // namespace zub
