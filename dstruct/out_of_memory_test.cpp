// The out-of-memory errors of the data structure components: the exact message, and the
// component as it was.
#include <gtest/gtest.h>

#include "dstruct/ZUB_dstruct.hpp"
#include "testing/alloc_failure.hpp"

namespace zub {
namespace {

using zub::testing::FailNextAllocation;

template <typename F>
UnicodeString MessageOf(F action) {
  try {
    FailNextAllocation failing;
    action();
  } catch (const EZUBDStructError& e) {
    return e.Message();
  }
  return u"(no error)";
}

TEST(OutOfMemory, BitFieldAndByteMatrix) {
  EXPECT_EQ(MessageOf([] { TBitFld f(nullptr); }),
            u"Component \"\": not enough memory on heap");
  TBitFld f(nullptr);
  f.SetName(u"Bits");
  f.SetBit(1000, true);
  EXPECT_EQ(MessageOf([&] { f.SetSize(5000); }), u"Component \"Bits\": not enough memory");
  EXPECT_EQ(f.Size(), 1000);
  EXPECT_EQ(f.Storage().size(), 127u);
  TIntArray list{4};
  EXPECT_EQ(MessageOf([&] { f.MakeListOfBits(list, true); }),
            u"Component \"Bits\": not enough memory");
  EXPECT_EQ(list, TIntArray{4});

  EXPECT_EQ(MessageOf([] { TByteMatrix m(nullptr); }),
            u"Component \"\": not enough memory on heap");
  TByteMatrix m(nullptr);
  m.SetName(u"Cells");
  m.SetByte(1, 1, 42);
  EXPECT_EQ(MessageOf([&] { m.Resize(30, 40); }),
            u"Component \"Cells\": not enough memory on heap");
  EXPECT_EQ(m.NrOfColumns(), 1);
  EXPECT_EQ(m.GetByte(1, 1), 42);
}

}  // namespace
}  // namespace zub
