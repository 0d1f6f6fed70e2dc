// POSIX processor affinity and thread scheduling primitives for the host layer (Linux: the
// affinity mask, the policy and the nice level all belong to the calling thread).
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "host/internal/os.hpp"

namespace zub::os {

namespace {

// A cpu_set_t of the system's own allocation, for the *_S macros.
class CpuSet {
 public:
  explicit CpuSet(int processors)
      : FSet(CPU_ALLOC(processors)), FSize(FSet != nullptr ? CPU_ALLOC_SIZE(processors) : 0) {
    if (FSet != nullptr) CPU_ZERO_S(FSize, FSet);
  }
  ~CpuSet() {
    if (FSet != nullptr) CPU_FREE(FSet);
  }
  CpuSet(const CpuSet&) = delete;
  CpuSet& operator=(const CpuSet&) = delete;

  cpu_set_t* Set() const { return FSet; }
  size_t Size() const { return FSize; }

 private:
  cpu_set_t* FSet;
  size_t FSize;
};

// The system refuses a mask smaller than its own (EINVAL); past this many processors it is
// no mask size problem any more.
constexpr int kMaxProcessors = 1 << 22;

}  // namespace

bool ThreadAffinity(std::vector<unsigned char>& mask) {
  for (int n = 1024; n <= kMaxProcessors; n *= 2) {
    const CpuSet set(n);
    if (set.Set() == nullptr) return false;
    if (::sched_getaffinity(0, set.Size(), set.Set()) == 0) {
      mask.resize(set.Size());
      std::memcpy(mask.data(), set.Set(), set.Size());
      return true;
    }
    if (errno != EINVAL) return false;
  }
  return false;
}

bool SetThreadAffinity(const std::vector<unsigned char>& mask) {
  const CpuSet set(static_cast<int>(mask.size() * 8));
  if (set.Set() == nullptr || set.Size() < mask.size()) return false;
  std::memcpy(set.Set(), mask.data(), mask.size());
  return ::sched_setaffinity(0, set.Size(), set.Set()) == 0;
}

int32_t AffinityCount(const std::vector<unsigned char>& mask) {
  const CpuSet set(static_cast<int>(mask.size() * 8));
  if (set.Set() == nullptr || set.Size() < mask.size()) return 0;
  std::memcpy(set.Set(), mask.data(), mask.size());
  return CPU_COUNT_S(set.Size(), set.Set());
}

bool PinThreadToCurrentProcessor() {
  const int cpu = ::sched_getcpu();
  if (cpu < 0) return false;
  const CpuSet set(cpu + 1);
  if (set.Set() == nullptr) return false;
  CPU_SET_S(static_cast<size_t>(cpu), set.Size(), set.Set());
  return ::sched_setaffinity(0, set.Size(), set.Set()) == 0;
}

int32_t OnlineProcessorCount() {
  const long n = ::sysconf(_SC_NPROCESSORS_ONLN);
  return n >= 1 ? static_cast<int32_t>(std::min<long>(n, INT32_MAX)) : 1;
}

bool SaveThreadScheduling(ThreadScheduling& s) {
  const int policy = ::sched_getscheduler(0);
  if (policy < 0) return false;
  struct sched_param param {};
  if (::sched_getparam(0, &param) != 0) return false;
  errno = 0;
  const int nice = ::getpriority(PRIO_PROCESS, 0);
  if (nice == -1 && errno != 0) return false;
  s.policy = policy;
  s.priority = param.sched_priority;
  s.nice = nice;
  return true;
}

int32_t RaiseThreadScheduling(const ThreadScheduling& current) {
  const int flags = current.policy & SCHED_RESET_ON_FORK;
  const int policy = current.policy & ~SCHED_RESET_ON_FORK;
  // Only the policies that sched_setscheduler can put back (not a deadline task's).
  if (policy != SCHED_OTHER && policy != SCHED_BATCH && policy != SCHED_IDLE && policy != SCHED_FIFO &&
      policy != SCHED_RR)
    return 0;

  const int top = ::sched_get_priority_max(SCHED_FIFO);
  const int bottom = ::sched_get_priority_min(SCHED_FIFO);
  struct sched_param param {};
  param.sched_priority = top;
  if (top >= 0 && ::sched_setscheduler(0, SCHED_FIFO | flags, &param) == 0) return 2;
  // Without the privilege, RLIMIT_RTPRIO says how high a real-time priority may go.
  struct rlimit limit {};
  if (top >= 0 && ::getrlimit(RLIMIT_RTPRIO, &limit) == 0 && limit.rlim_cur != 0 &&
      limit.rlim_cur >= static_cast<rlim_t>(bottom)) {
    param.sched_priority = static_cast<int>(std::min<rlim_t>(limit.rlim_cur, static_cast<rlim_t>(top)));
    if (::sched_setscheduler(0, SCHED_FIFO | flags, &param) == 0) return 2;
  }

  // Then the lowest nice level: -20 with the privilege, else 20 - RLIMIT_NICE.
  int lowest = -20;
  if (::setpriority(PRIO_PROCESS, 0, lowest) != 0) {
    if (::getrlimit(RLIMIT_NICE, &limit) != 0 || limit.rlim_cur == 0) return 0;
    lowest = 20 - static_cast<int>(std::min<rlim_t>(limit.rlim_cur, 40));
    if (lowest >= current.nice || ::setpriority(PRIO_PROCESS, 0, lowest) != 0) return 0;
  }
  return lowest < current.nice ? 1 : 0;
}

bool RestoreThreadScheduling(const ThreadScheduling& s) {
  struct sched_param param {};
  param.sched_priority = s.priority;
  const bool policy = ::sched_setscheduler(0, s.policy, &param) == 0;
  const bool nice = ::setpriority(PRIO_PROCESS, 0, s.nice) == 0;
  return policy && nice;
}

}  // namespace zub::os
