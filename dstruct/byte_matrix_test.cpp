#include "dstruct/byte_matrix.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "dstruct/ZUB_dstruct.hpp"

namespace zub {
namespace {

// A matrix whose cell (c, r) holds 10 c + r, and a count of its change notifications.
struct Fixture {
  TByteMatrix m{nullptr};
  int changes = 0;
  Fixture(int32_t cols, int32_t rows) {
    m.Resize(cols, rows);
    for (int32_t c = 1; c <= cols; ++c)
      for (int32_t r = 1; r <= rows; ++r) m.SetByte(c, r, static_cast<uint8_t>(10 * c + r));
    m.SetOnChange([this](TObject* sender) {
      EXPECT_EQ(sender, &m);
      ++changes;
    });
  }
};

TEST(TByteMatrix, OutsideTheMatrixReadsDefaultAndIgnoresWrites) {
  Fixture f(3, 2);
  f.m.SetDefaultValue(0x81);
  for (auto [c, r] : {std::pair{0, 1}, {4, 1}, {1, 0}, {1, 3}, {-1, -1}}) {
    EXPECT_EQ(f.m.GetByte(c, r), 0x81) << c << "," << r;
    EXPECT_TRUE(f.m.GetBit(c, r, 7));
    EXPECT_FALSE(f.m.GetBit(c, r, 1));
    f.m.SetByte(c, r, 5);
    f.m.SetBit(c, r, 0, true);
    f.m.ToggleBit(c, r, 0);
  }
  EXPECT_EQ(f.changes, 0);
  EXPECT_EQ(f.m.GetByte(3, 2), 32);
  for (int32_t bit : {-1, 8}) {
    f.m.SetBit(1, 1, bit, true);
    f.m.ToggleBit(1, 1, bit);
    EXPECT_FALSE(f.m.GetBit(1, 1, bit));
  }
  EXPECT_EQ(f.changes, 0);
  EXPECT_EQ(f.m.GetByte(1, 1), 11);  // 0000 1011
  f.m.SetBit(1, 1, 7, true);
  f.m.ToggleBit(1, 1, 0);
  f.m.SetBit(1, 1, 1, false);
  EXPECT_EQ(f.m.GetByte(1, 1), 0x88);
  EXPECT_TRUE(f.m.GetBit(1, 1, 3));
  EXPECT_EQ(f.changes, 3);
}

TEST(TByteMatrix, ResizeKeepsTheCommonCells) {
  TByteMatrix n(nullptr);
  EXPECT_EQ(n.NrOfColumns(), 1);
  EXPECT_EQ(n.GetByte(1, 1), 0);
  Fixture f(3, 2);
  EXPECT_FALSE(f.m.Resize(0, 5));
  EXPECT_FALSE(f.m.Resize(3, -1));
  EXPECT_FALSE(f.m.Resize(3, 2));
  EXPECT_EQ(f.changes, 0);
  EXPECT_TRUE(f.m.Resize(2, 4));
  EXPECT_EQ(f.changes, 1);
  const uint8_t expected[2][4] = {{11, 12, 0, 0}, {21, 22, 0, 0}};
  for (int32_t c = 1; c <= 2; ++c)
    for (int32_t r = 1; r <= 4; ++r) EXPECT_EQ(f.m.GetByte(c, r), expected[c - 1][r - 1]);
  f.m.SetNrCols(0);
  EXPECT_EQ(f.m.NrOfColumns(), 1);
  f.m.SetNrRows(-5);
  EXPECT_EQ(f.m.NrOfRows(), 1);
  EXPECT_EQ(f.m.GetByte(1, 1), 11);
}

TEST(TByteMatrix, MirrorAndFillCallChanged) {
  Fixture f(3, 3);
  f.m.MirrorColumns();
  EXPECT_EQ(f.m.GetByte(1, 2), 32);
  EXPECT_EQ(f.m.GetByte(2, 2), 22);
  EXPECT_EQ(f.m.GetByte(3, 1), 11);
  f.m.MirrorRows();
  EXPECT_EQ(f.m.GetByte(1, 1), 33);
  EXPECT_EQ(f.m.GetByte(1, 3), 31);
  EXPECT_EQ(f.m.GetByte(2, 2), 22);
  EXPECT_EQ(f.changes, 2);
  Fixture one(1, 4);
  one.m.MirrorColumns();
  EXPECT_EQ(one.changes, 1);
  EXPECT_EQ(one.m.GetByte(1, 4), 14);
  one.m.MirrorRows();
  EXPECT_EQ(one.m.GetByte(1, 4), 11);
  one.m.Fill(7);
  EXPECT_EQ(one.m.GetByte(1, 2), 7);
  EXPECT_EQ(one.changes, 3);
}

TEST(TByteMatrix, CombineWithNeedsEqualDimensions) {
  Fixture a(2, 2), b(2, 2), c(2, 3);
  b.m.Fill(0x0F);
  a.m.CombineWith(b.m, loXORNot);  // 10 c + r xor $F0
  EXPECT_EQ(a.m.GetByte(2, 1), 21 ^ 0xF0);
  EXPECT_EQ(a.changes, 0);
  a.m.CombineWith(c.m, loAND);
  EXPECT_EQ(a.m.GetByte(2, 1), 21 ^ 0xF0);
}

TEST(TByteMatrix, AssignCopiesCellsAndTheHandler) {
  Fixture a(2, 3);
  a.m.SetDefaultValue(9);
  std::vector<TObject*> senders;
  a.m.SetOnChange([&](TObject* sender) { senders.push_back(sender); });
  TByteMatrix b(nullptr);
  b.Assign(&a.m);
  EXPECT_TRUE(senders.empty());
  EXPECT_EQ(b.NrOfColumns(), 2);
  EXPECT_EQ(b.NrOfRows(), 3);
  EXPECT_EQ(b.GetByte(2, 3), 23);
  EXPECT_EQ(b.GetByte(5, 5), 9);
  b.Fill(1);
  ASSERT_EQ(senders.size(), 1u);
  EXPECT_EQ(senders[0], &b);
  TComponent other(nullptr);
  EXPECT_THROW(b.Assign(&other), EConvertError);
  EXPECT_EQ(b.GetByte(1, 1), 1);
}

}  // namespace
}  // namespace zub
