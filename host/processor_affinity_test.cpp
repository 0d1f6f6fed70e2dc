#include "host/processor_affinity.hpp"

#include <gtest/gtest.h>
#include <sched.h>

#include <stdexcept>
#include <thread>

namespace zub {
namespace {

cpu_set_t ThreadMask() {
  cpu_set_t set;
  CPU_ZERO(&set);
  EXPECT_EQ(::sched_getaffinity(0, sizeof set, &set), 0);
  return set;
}

// Affinity is a thread's own on Linux: each test changes it on a thread of its own.
template <typename F>
void OnOwnThread(F&& work) {
  std::thread t(std::forward<F>(work));
  t.join();
}

TEST(ProcessorAffinity, CountIsThatOfTheThreadsMask) {
  const cpu_set_t mask = ThreadMask();
  EXPECT_EQ(AvailableProcessorCount(), CPU_COUNT(&mask));
}

TEST(ProcessorAffinity, AThreadRestrictedToOneProcessorCountsOne) {
  OnOwnThread([] {
    const cpu_set_t mask = ThreadMask();
    int first = 0;
    while (!CPU_ISSET(first, &mask)) ++first;
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(first, &one);
    ASSERT_EQ(::sched_setaffinity(0, sizeof one, &one), 0);
    EXPECT_EQ(AvailableProcessorCount(), 1);
  });
}

TEST(ProcessorAffinity, PinHoldsTheThreadOnItsProcessorAndPutsTheMaskBack) {
  OnOwnThread([] {
    const cpu_set_t before = ThreadMask();
    {
      const TProcessorPin pin;
      ASSERT_TRUE(pin.Pinned());
      const cpu_set_t pinned = ThreadMask();
      EXPECT_EQ(CPU_COUNT(&pinned), 1);
      EXPECT_TRUE(CPU_ISSET(::sched_getcpu(), &pinned));
    }
    cpu_set_t after = ThreadMask();
    EXPECT_TRUE(CPU_EQUAL(&before, &after));

    try {
      const TProcessorPin pin;
      throw std::runtime_error("cut short");
    } catch (const std::runtime_error&) {
    }
    after = ThreadMask();
    EXPECT_TRUE(CPU_EQUAL(&before, &after));
  });
}

}  // namespace
}  // namespace zub
