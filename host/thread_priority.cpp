#include "host/thread_priority.hpp"

#include "host/internal/os.hpp"

namespace zub {

TTopPriority::TTopPriority() {
  os::ThreadScheduling s;
  // What cannot be read cannot be put back: then the thread keeps its scheduling.
  FSaved = os::SaveThreadScheduling(s);
  if (!FSaved) return;
  FPolicy = s.policy;
  FPriority = s.priority;
  FNice = s.nice;
  FRaised = static_cast<TPriorityRaise>(os::RaiseThreadScheduling(s));
}

TTopPriority::~TTopPriority() {
  if (!FSaved) return;
  os::ThreadScheduling s;
  s.policy = FPolicy;
  s.priority = FPriority;
  s.nice = FNice;
  os::RestoreThreadScheduling(s);
}

}  // namespace zub
