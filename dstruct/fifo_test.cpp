#include "dstruct/fifo.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <random>
#include <vector>

#include "dstruct/ZUB_dstruct.hpp"

namespace zub {
namespace {

// What GetByte would deliver, in order, read through SenseByte (the FIFO stays as it is).
std::vector<uint8_t> Held(const TFifo& f) {
  std::vector<uint8_t> bytes;
  uint8_t b = 0;
  for (int32_t i = 0; f.SenseByte(i, b); ++i) bytes.push_back(b);
  return bytes;
}

std::vector<uint8_t> Drain(TFifo& f) {
  std::vector<uint8_t> bytes;
  for (uint8_t b = 0; f.GetByte(b);) bytes.push_back(b);
  return bytes;
}

TEST(TFifo, NewFifoIsEmptyWithRoomFor255Bytes) {
  TFifo f(nullptr);
  EXPECT_EQ(f.ClassName(), u"TFifo");
  EXPECT_EQ(f.Size(), 256);
  EXPECT_EQ(f.CountBytes(), 0);
  uint8_t b = 7;
  EXPECT_FALSE(f.GetByte(b));
  EXPECT_FALSE(f.SenseByte(0, b));
  EXPECT_EQ(b, 7);  // untouched
  int32_t taken = 0;
  while (f.PutByte(static_cast<uint8_t>(taken))) ++taken;
  EXPECT_EQ(taken, 255);
  EXPECT_EQ(f.CountBytes(), 255);
}

TEST(TFifo, FullFifoRefusesPutAndLoadBackButForceDropsTheOldest) {
  TFifo f(nullptr);
  f.SetSize(4);
  EXPECT_TRUE(f.PutByte(1));
  EXPECT_TRUE(f.PutByte(2));
  EXPECT_TRUE(f.PutByte(3));
  EXPECT_FALSE(f.PutByte(4));
  EXPECT_FALSE(f.LoadBack(9));
  EXPECT_EQ(Held(f), (std::vector<uint8_t>{1, 2, 3}));

  EXPECT_TRUE(f.ForceByte(4));
  EXPECT_EQ(f.CountBytes(), 3);
  EXPECT_EQ(Held(f), (std::vector<uint8_t>{2, 3, 4}));

  // Not full: ForceByte stores as PutByte does and says false.
  uint8_t b = 0;
  ASSERT_TRUE(f.GetByte(b));
  EXPECT_EQ(b, 2);
  EXPECT_FALSE(f.ForceByte(5));
  EXPECT_EQ(Drain(f), (std::vector<uint8_t>{3, 4, 5}));
}

TEST(TFifo, LoadBackPutsAByteBeforeTheOthers) {
  TFifo f(nullptr);
  f.PutByte(1);
  f.PutByte(2);
  EXPECT_TRUE(f.LoadBack(9));
  uint8_t b = 0;
  ASSERT_TRUE(f.SenseByte(0, b));
  EXPECT_EQ(b, 9);
  ASSERT_TRUE(f.SenseByte(2, b));
  EXPECT_EQ(b, 2);
  EXPECT_FALSE(f.SenseByte(3, b));
  EXPECT_FALSE(f.SenseByte(-1, b));
  EXPECT_EQ(Drain(f), (std::vector<uint8_t>{9, 1, 2}));
  EXPECT_FALSE(f.GetByte(b));

  // On an empty FIFO whose output end is slot 0, LoadBack wraps to the last slot.
  f.Clear();
  EXPECT_TRUE(f.LoadBack(5));
  EXPECT_TRUE(f.PutByte(6));
  EXPECT_EQ(Drain(f), (std::vector<uint8_t>{5, 6}));
}

TEST(TFifo, ClearEmptiesAndKeepsTheSize) {
  TFifo f(nullptr);
  f.SetSize(8);
  for (uint8_t i = 0; i < 5; ++i) f.PutByte(i);
  f.Clear();
  EXPECT_EQ(f.CountBytes(), 0);
  EXPECT_EQ(f.Size(), 8);
  for (uint8_t i = 10; i < 17; ++i) EXPECT_TRUE(f.PutByte(i));
  EXPECT_EQ(Drain(f), (std::vector<uint8_t>{10, 11, 12, 13, 14, 15, 16}));
}

TEST(TFifo, SizeOneHoldsNothing) {
  TFifo f(nullptr);
  f.SetSize(1);
  uint8_t b = 0;
  EXPECT_FALSE(f.PutByte(1));
  EXPECT_FALSE(f.LoadBack(1));
  EXPECT_TRUE(f.ForceByte(1));  // counts as full, and the byte cannot stay
  EXPECT_EQ(f.CountBytes(), 0);
  EXPECT_FALSE(f.GetByte(b));
}

TEST(TFifo, SetSizeIgnoresSizesBelowOneAndTheSameSize) {
  TFifo f(nullptr);
  f.PutByte(1);
  f.PutByte(2);
  for (const int32_t n : {0, -1, 256}) {
    f.SetSize(n);
    EXPECT_EQ(f.Size(), 256) << n;
    EXPECT_EQ(Held(f), (std::vector<uint8_t>{1, 2})) << n;
  }
}

TEST(TFifo, SetSizeKeepsTheOldestBytesThatFitOfAWrappedRing) {
  struct Case {
    int32_t from, to;
  };
  // Old and new sizes around the number held (5) and the wrap.
  const Case cases[] = {{8, 16}, {8, 7}, {8, 6}, {8, 5}, {8, 3}, {8, 2}, {8, 1}, {6, 64}, {16, 4}};
  for (const Case& c : cases) {
    TFifo f(nullptr);
    f.SetSize(c.from);
    // Move the output end near the ring's end, so the five bytes held wrap around it.
    for (int32_t i = 0; i < c.from - 2; ++i) {
      f.PutByte(0);
      uint8_t b = 0;
      f.GetByte(b);
    }
    for (uint8_t i = 1; i <= 5; ++i) ASSERT_TRUE(f.PutByte(i)) << c.from;
    f.SetSize(c.to);
    EXPECT_EQ(f.Size(), c.to);
    const int32_t kept = std::min(5, c.to - 1);
    std::vector<uint8_t> want;
    for (int32_t i = 1; i <= kept; ++i) want.push_back(static_cast<uint8_t>(i));
    EXPECT_EQ(f.CountBytes(), kept) << c.from << " -> " << c.to;
    EXPECT_EQ(Held(f), want) << c.from << " -> " << c.to;
    // The resized FIFO fills to its new limit and gives its bytes back in order.
    for (int32_t i = kept; i < c.to - 1; ++i) ASSERT_TRUE(f.PutByte(static_cast<uint8_t>(100 + i)));
    EXPECT_FALSE(f.PutByte(0));
    for (int32_t i = kept; i < c.to - 1; ++i) want.push_back(static_cast<uint8_t>(100 + i));
    EXPECT_EQ(Drain(f), want) << c.from << " -> " << c.to;
  }
}

TEST(TFifo, ResizingAnEmptyFifoLeavesItEmptyAndUsable) {
  TFifo f(nullptr);
  f.PutByte(1);
  uint8_t b = 0;
  f.GetByte(b);  // empty, with both ends at slot 1
  f.SetSize(3);
  EXPECT_EQ(f.CountBytes(), 0);
  EXPECT_FALSE(f.GetByte(b));
  EXPECT_TRUE(f.PutByte(7));
  EXPECT_TRUE(f.PutByte(8));
  EXPECT_FALSE(f.PutByte(9));
  EXPECT_EQ(Drain(f), (std::vector<uint8_t>{7, 8}));
}

TEST(TFifo, SizesBeyondTheLimitRaiseAndLeaveTheFifoAsItWas) {
  TFifo f(nullptr);
  f.SetName(u"Queue");
  f.PutByte(1);
  for (const int32_t n : {TFifo::MaxFifoSize + 1, INT32_MAX}) {
    try {
      f.SetSize(n);
      ADD_FAILURE() << "SetSize(" << n << ") did not raise";
    } catch (const EZUBDStructError& e) {
      EXPECT_EQ(e.Message(), u"Component \"Queue\": FIFO structure too large");
    }
    EXPECT_EQ(f.Size(), 256);
    EXPECT_EQ(Held(f), (std::vector<uint8_t>{1}));
  }
}

// Many cycles of random operations, each checked against a std::deque holding what the FIFO
// should hold; sizes change on the way, so the ends wrap at every position.
TEST(TFifo, AgreesWithADequeOverManyRandomOperations) {
  std::mt19937 rng(20240531);
  TFifo f(nullptr);
  std::deque<uint8_t> model;
  int32_t size = 256;
  const auto full = [&] { return static_cast<int32_t>(model.size()) == size - 1; };
  for (int step = 0; step < 200000; ++step) {
    const auto byte = static_cast<uint8_t>(rng());
    const uint32_t op = rng() % 100;
    uint8_t b = 0;
    if (op < 35) {
      const bool stored = !full();
      ASSERT_EQ(f.PutByte(byte), stored) << step;
      if (stored) model.push_back(byte);
    } else if (op < 40) {
      const bool wasFull = full();
      ASSERT_EQ(f.ForceByte(byte), wasFull) << step;
      if (wasFull && !model.empty()) model.pop_front();
      if (size > 1) model.push_back(byte);
    } else if (op < 45) {
      const bool stored = !full();
      ASSERT_EQ(f.LoadBack(byte), stored) << step;
      if (stored) model.push_front(byte);
    } else if (op < 85) {
      ASSERT_EQ(f.GetByte(b), !model.empty()) << step;
      if (!model.empty()) {
        ASSERT_EQ(b, model.front()) << step;
        model.pop_front();
      }
    } else if (op < 99) {
      const auto ix = static_cast<int32_t>(rng() % (model.size() + 2)) - 1;
      const bool there = ix >= 0 && ix < static_cast<int32_t>(model.size());
      ASSERT_EQ(f.SenseByte(ix, b), there) << step;
      if (there) {
        ASSERT_EQ(b, model[static_cast<size_t>(ix)]) << step;
      }
    } else {
      size = 1 + static_cast<int32_t>(rng() % 300);
      f.SetSize(size);
      if (static_cast<int32_t>(model.size()) > size - 1) model.resize(static_cast<size_t>(size - 1));
    }
    ASSERT_EQ(f.CountBytes(), static_cast<int32_t>(model.size())) << step;
  }
  EXPECT_EQ(Drain(f), std::vector<uint8_t>(model.begin(), model.end()));
}

}  // namespace
}  // namespace zub
