#include "dstruct/bit_field.hpp"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "dstruct/ZUB_dstruct.hpp"
#include "dstruct/internal/bit_kernels.hpp"

namespace zub {
namespace {

using dstruct_internal::BitKernels;

// Bit i of the bytes, least significant first.
bool BitOf(const std::vector<uint8_t>& bytes, int64_t i) {
  return (bytes[static_cast<size_t>(i / 8)] >> (i % 8) & 1) != 0;
}

TEST(TBitFld, NewFieldAndIndexEdges) {
  TBitFld f(nullptr);
  EXPECT_EQ(f.Size(), 1000);
  EXPECT_EQ(f.Storage().size(), 127u);
  EXPECT_EQ(f.FirstTrueBit(), -1);
  f.SetBit(1000, true);
  f.SetBit(1001, true);
  f.SetBit(-1, true);
  f.ToggleBit(1001);
  EXPECT_EQ(f.CountTrueBits(), 1);
  EXPECT_EQ(f.FirstTrueBit(), 1000);
  EXPECT_FALSE(f.GetBit(1001));
  EXPECT_FALSE(f.GetBit(-1));
  f.ToggleBit(1000);
  f.ToggleBit(3);
  EXPECT_EQ(f.FirstTrueBit(), 3);
  EXPECT_EQ(f.CountTrueBits(), 1);

  TIntArray list;
  f.MakeListOfBits(list, false);
  ASSERT_EQ(list.size(), 1000u);
  EXPECT_EQ(list[2], 2);
  EXPECT_EQ(list[3], 4);
  EXPECT_EQ(list.back(), 1000);
}

TEST(TBitFld, SetSizeKeepsStorageBytesAndTheirSlack) {
  TBitFld f(nullptr);
  f.SetSize(3);
  for (int i = 0; i <= 7; ++i) f.SetBit(i, true);  // only 0..3 are in the field
  EXPECT_EQ(f.CountTrueBits(), 4);
  f.Invert();  // writes the slack of byte 0: bits 4..7 become set
  EXPECT_EQ(f.CountTrueBits(), 0);
  f.Invert();
  f.SetSize(3);  // same size: nothing
  EXPECT_EQ(f.Storage().size(), 2u);
  for (int32_t ignored : {-1, TBitFld::MaxBitFldSize + 1}) {
    f.SetSize(ignored);
    EXPECT_EQ(f.Size(), 3);
  }
  for (int i = 0; i <= 7; ++i) f.SetBit(i, true);
  f.SetSize(10);
  EXPECT_EQ(f.Storage().size(), 3u);
  EXPECT_EQ(f.CountTrueBits(), 4);  // bits 4..7 were never set as bits of the small field
  f.SetSize(3);
  f.Invert();
  f.Invert();
  f.SetSize(10);
  EXPECT_EQ(f.CountTrueBits(), 4);  // two inversions leave the slack as it was
  EXPECT_EQ(f.FirstTrueBit(), 0);
}

TEST(TBitFld, SlackBitsShowInTheHash) {
  TBitFld a(nullptr), b(nullptr);
  // Size 1000: byte 125 holds bit 1000 and seven slack bits; byte 126 is never hashed.
  b.Invert();
  for (int32_t i = 0; i <= 1000; ++i) b.SetBit(i, false);
  EXPECT_EQ(b.CountTrueBits(), 0);
  EXPECT_EQ(b.Storage()[125], 0xFE);
  EXPECT_NE(a.Hash(), b.Hash());
  EXPECT_EQ(b.Hash(), SHA1FromBytes(std::span(b.Storage().data(), 126)));

  TBitFld c(nullptr);
  c.Clone(&b);  // copies every byte, slack included
  EXPECT_EQ(c.Hash(), b.Hash());
  c.Clear();
  EXPECT_EQ(c.Hash(), a.Hash());

  // More than half requested: every byte starts as $FF, so the slack bits are set.
  TBitFld d(nullptr);
  d.RandomFill(int32_t{900});
  EXPECT_EQ(d.Storage()[125] & 0xFE, 0xFE);
  EXPECT_EQ(d.Storage()[126], 0xFF);
  d.RandomFill(int32_t{400});
  EXPECT_EQ(d.Storage()[125] & 0xFE, 0);
  EXPECT_EQ(d.Storage()[126], 0);
}

TEST(TBitFld, RandomFillSetsExactlyTheCount) {
  struct Case {
    int32_t size;
    double percent;
    int32_t expected;
  };
  // n = Percent x 0.01 x Size, halves to even; Percent clamped to 0..100.
  const Case percents[] = {{1000, 50.0, 500},   {1000, 0.0, 0},  {1000, 100.0, 1000},
                           {1000, 250.0, 1000}, {1000, -3.0, 0}, {10, 25.0, 2},
                           {10, 35.0, 4},       {10, 45.0, 4},   {0, 100.0, 0}};
  RandSeed = 7;
  for (const Case& c : percents) {
    TBitFld f(nullptr);
    f.SetSize(c.size);
    f.RandomFill(c.percent);
    EXPECT_EQ(f.CountTrueBits(), c.expected) << c.size << " " << c.percent;
  }
  struct CountCase {
    int32_t size, nbits, expected;
  };
  const CountCase counts[] = {{1000, 0, 0},     {1000, 1, 1},       {1000, 500, 500},
                              {1000, 501, 501}, {1000, 1001, 1001}, {1000, 5000, 1001},
                              {1000, -4, 0},    {0, 1, 1},          {7, 8, 8}};
  for (const CountCase& c : counts) {
    TBitFld f(nullptr);
    f.SetSize(c.size);
    f.SetBit(0, true);
    f.RandomFill(c.nbits);
    EXPECT_EQ(f.CountTrueBits(), c.expected) << c.size << " " << c.nbits;
  }
}

TEST(TBitFld, SelectRandomBitReturnsTheDrawnMatchingBit) {
  TBitFld f(nullptr);
  EXPECT_EQ(f.SelectRandomBit(true), -1);
  f.RandomFill(int32_t{1001});
  EXPECT_EQ(f.SelectRandomBit(false), -1);

  f.SetSize(5000);
  RandSeed = 99;
  f.RandomFill(30.0);
  for (bool state : {true, false}) {
    TIntArray list;
    f.MakeListOfBits(list, state);
    EXPECT_EQ(list.size(), static_cast<size_t>(state ? 1500 : 3501));
    for (int round = 0; round < 200; ++round) {
      const uint32_t seed = RandSeed;
      const int32_t r = Random(static_cast<int32_t>(list.size()));
      RandSeed = seed;
      EXPECT_EQ(f.SelectRandomBit(state), list[static_cast<size_t>(r)]);
    }
  }
}

TEST(TBitFld, CombineWithAndInvertWorkOnBytes) {
  struct Case {
    TLogicOp op;
    uint8_t expected;  // of $0C op $0A
  };
  const Case cases[] = {{loAND, 0x08},    {loOR, 0x0E},    {loXOR, 0x06},
                        {loANDNot, 0x04}, {loORNot, 0xFD}, {loXORNot, 0xF9}};
  for (const Case& c : cases) {
    TBitFld a(nullptr), b(nullptr);
    a.SetSize(7);  // bits 0..7: byte 0 is all field, byte 1 slack
    b.SetSize(7);
    for (int32_t i : {2, 3}) a.SetBit(i, true);
    for (int32_t i : {1, 3}) b.SetBit(i, true);
    a.CombineWith(b, c.op);
    EXPECT_EQ(a.Storage()[0], c.expected) << UnicodeToUtf8(IDS_LOGICOP[c.op]);
    EXPECT_EQ(a.Storage()[1], 0) << UnicodeToUtf8(IDS_LOGICOP[c.op]);
  }
  TBitFld a(nullptr), b(nullptr);
  b.SetSize(999);
  a.SetBit(5, true);
  b.Invert();
  a.CombineWith(b, loOR);  // different sizes: nothing
  EXPECT_EQ(a.CountTrueBits(), 1);
  a.CombineWith(a, loXOR);
  EXPECT_EQ(a.CountTrueBits(), 0);
}

TEST(TBitFld, AssignCopiesFieldsOnly) {
  TBitFld a(nullptr), b(nullptr);
  a.SetSize(77);
  a.Invert();
  b.Assign(&a);
  EXPECT_EQ(b.Size(), 77);
  EXPECT_EQ(b.Storage(), a.Storage());
  TBitFld c(nullptr);
  c.Clone(nullptr);
  EXPECT_EQ(c.Size(), 1000);
  TComponent other(nullptr);
  EXPECT_THROW(c.Assign(&other), EConvertError);
  EXPECT_THROW(c.Assign(nullptr), EConvertError);
}

// The word kernels against a bit-by-bit model, on random bytes of every length up to 700 bits
// and at every byte offset (so unaligned words), for the portable and this processor's
// kernels.
TEST(BitKernels, AgreeWithABitByBitModel) {
  std::mt19937 rng(5);
  std::vector<uint8_t> bytes(100);
  for (const BitKernels* k :
       {&dstruct_internal::PortableBitKernels(), &dstruct_internal::BitKernelsForCpu()}) {
    for (int64_t nbits = 0; nbits <= 700; ++nbits) {
      const size_t offset = static_cast<size_t>(nbits % 8);
      // Sparse, dense and mixed fields.
      const int density = static_cast<int>(nbits % 3);
      for (auto& b : bytes) {
        const auto r = static_cast<uint8_t>(rng());
        b = density == 0   ? static_cast<uint8_t>(r & rng() & rng())
            : density == 1 ? static_cast<uint8_t>(r | rng())
                           : r;
      }
      std::vector<uint8_t> field(bytes.begin() + static_cast<ptrdiff_t>(offset), bytes.end());
      const uint8_t* p = bytes.data() + offset;
      std::vector<int32_t> ones, zeros;
      for (int64_t i = 0; i < nbits; ++i) (BitOf(field, i) ? ones : zeros).push_back(static_cast<int32_t>(i));
      ASSERT_EQ(k->CountOnes(p, nbits), static_cast<int64_t>(ones.size())) << nbits;
      ASSERT_EQ(dstruct_internal::FindFirstOne(p, nbits), ones.empty() ? -1 : ones[0]) << nbits;
      for (bool state : {true, false}) {
        const auto& model = state ? ones : zeros;
        for (size_t r = 0; r <= model.size(); ++r)
          ASSERT_EQ(k->SelectBit(p, nbits, state, static_cast<int64_t>(r)), r < model.size() ? model[r] : -1)
              << nbits << " " << r;
        std::vector<int32_t> listed(model.size() + 1, -7);
        ASSERT_EQ(dstruct_internal::ListBits(p, nbits, state, listed.data()),
                  static_cast<int64_t>(model.size()));
        listed.pop_back();
        ASSERT_EQ(listed, model) << nbits;
      }
    }
  }
}

}  // namespace
}  // namespace zub
