#include "host/thread_priority.hpp"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <string>
#include <thread>

namespace zub {
namespace {

struct Scheduling {
  int policy;
  int priority;
  int nice;
  bool operator==(const Scheduling&) const = default;
};

Scheduling Current() {
  sched_param p{};
  EXPECT_EQ(::sched_getparam(0, &p), 0);
  errno = 0;
  const int nice = ::getpriority(PRIO_PROCESS, 0);
  EXPECT_EQ(errno, 0);
  return {::sched_getscheduler(0), p.sched_priority, nice};
}

std::string Describe(const Scheduling& s) {
  return "policy " + std::to_string(s.policy) + ", priority " + std::to_string(s.priority) + ", nice " +
         std::to_string(s.nice);
}

// Scheduling is a thread's own on Linux: each test changes it on a thread of its own.
template <typename F>
void OnOwnThread(F&& work) {
  std::thread t(std::forward<F>(work));
  t.join();
}

// Whether this process may use real-time scheduling at all, tried on a scratch thread.
bool RealTimeAllowed() {
  bool allowed = false;
  OnOwnThread([&] {
    sched_param p{};
    p.sched_priority = ::sched_get_priority_min(SCHED_FIFO);
    allowed = ::sched_setscheduler(0, SCHED_FIFO, &p) == 0;
  });
  return allowed;
}

TEST(ThreadPriority, RaisesAndPutsBackPolicyAndNiceLevel) {
  const bool realTime = RealTimeAllowed();
  OnOwnThread([&] {
    // A state of its own to come back to: batch scheduling at nice 7.
    sched_param zero{};
    ASSERT_EQ(::sched_setscheduler(0, SCHED_BATCH, &zero), 0);
    ASSERT_EQ(::setpriority(PRIO_PROCESS, 0, 7), 0);
    const Scheduling before = Current();
    {
      const TTopPriority top;
      const Scheduling during = Current();
      if (realTime) {
        EXPECT_EQ(top.Raised(), TPriorityRaise::RealTime);
        EXPECT_EQ(during.policy, SCHED_FIFO);
        EXPECT_EQ(during.priority, ::sched_get_priority_max(SCHED_FIFO));
      } else if (top.Raised() == TPriorityRaise::Nice) {
        EXPECT_LT(during.nice, 7);
      } else {
        EXPECT_EQ(during, before) << Describe(during);
      }
    }
    EXPECT_EQ(Current(), before) << Describe(Current());

    try {
      const TTopPriority top;
      throw std::runtime_error("cut short");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(Current(), before) << Describe(Current());
  });
}

constexpr char kLimitsRefused[] = "limits refused";

// Runs work in a child process that sets its nice level and limits as the superuser and then
// gives up its privileges; returns what work reports ("" when all went as expected), or
// kLimitsRefused when the limits cannot be set (raising a hard limit takes CAP_SYS_RESOURCE).
template <typename F>
std::string InUnprivilegedChild(int startNice, rlim_t niceLimit, rlim_t rtprioLimit, F&& work) {
  int fds[2];
  if (::pipe(fds) != 0) return "no pipe";
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    std::string report;
    const rlimit nice{niceLimit, niceLimit};
    const rlimit rtprio{rtprioLimit, rtprioLimit};
    if (::setrlimit(RLIMIT_NICE, &nice) != 0 || ::setrlimit(RLIMIT_RTPRIO, &rtprio) != 0)
      report = kLimitsRefused;
    else if (::setpriority(PRIO_PROCESS, 0, startNice) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
      report = "set-up failed";
    else
      report = work();
    const ssize_t written = ::write(fds[1], report.data(), report.size());
    ::_exit(written == static_cast<ssize_t>(report.size()) ? 0 : 1);
  }
  ::close(fds[1]);
  std::string report;
  char buf[256];
  for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) report.append(buf, static_cast<size_t>(n));
  ::close(fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) report += " (child failed)";
  return report;
}

// Without the privilege and without limits to use, the thread stays as it is.
TEST(ThreadPriority, UnprivilegedWithoutLimitsStaysAsItIs) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs the superuser to set up an unprivileged child";
  EXPECT_EQ(InUnprivilegedChild(10, 0, 0,
                                [] {
                                  const Scheduling before = Current();
                                  const TTopPriority top;
                                  if (top.Raised() != TPriorityRaise::None) return std::string("raised");
                                  return Current() == before ? std::string()
                                                             : "changed: " + Describe(Current());
                                }),
            "");
}

// RLIMIT_NICE 15 allows nice levels down to 5: the thread takes 5 and gets its 10 back.
TEST(ThreadPriority, UnprivilegedTakesTheNiceLevelItsLimitAllows) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs the superuser to set up an unprivileged child";
  const std::string report = InUnprivilegedChild(10, 15, 0, [] {
    const Scheduling before = Current();
    std::string r;
    {
      const TTopPriority top;
      if (top.Raised() != TPriorityRaise::Nice) r += "not raised by nice; ";
      if (Current().nice != 5) r += "nice " + std::to_string(Current().nice) + "; ";
    }
    if (!(Current() == before)) r += "not put back: " + Describe(Current());
    return r;
  });
  if (report == kLimitsRefused) GTEST_SKIP() << "RLIMIT_NICE cannot be raised here";
  EXPECT_EQ(report, "");
}

// RLIMIT_RTPRIO 10: real-time scheduling at priority 10, then the thread's own back.
TEST(ThreadPriority, UnprivilegedTakesTheRealTimePriorityItsLimitAllows) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs the superuser to set up an unprivileged child";
  if (!RealTimeAllowed()) GTEST_SKIP() << "real-time scheduling is not allowed here at all";
  const std::string report = InUnprivilegedChild(0, 0, 10, [] {
    const Scheduling before = Current();
    std::string r;
    {
      const TTopPriority top;
      if (top.Raised() != TPriorityRaise::RealTime) r += "not real-time; ";
      if (Current().policy != SCHED_FIFO || Current().priority != 10) r += Describe(Current()) + "; ";
    }
    if (!(Current() == before)) r += "not put back: " + Describe(Current());
    return r;
  });
  if (report == kLimitsRefused) GTEST_SKIP() << "RLIMIT_RTPRIO cannot be raised here";
  EXPECT_EQ(report, "");
}

}  // namespace
}  // namespace zub
