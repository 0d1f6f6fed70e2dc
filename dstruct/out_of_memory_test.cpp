// The out-of-memory errors of the data structure components: the exact message, and the
// component as it was.
#include <gtest/gtest.h>

#include "dstruct/ZUB_dstruct.hpp"
#include "testing/alloc_failure.hpp"

namespace zub {
namespace {

using zub::testing::FailNextAllocation;

template <typename F>
UnicodeString MessageOf(F action, int skip = 0) {
  try {
    FailNextAllocation failing(skip);
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

TEST(OutOfMemory, FifoAndStacks) {
  EXPECT_EQ(MessageOf([] { TFifo f(nullptr); }), u"Component \"\": FIFO structure too large");
  TFifo fifo(nullptr);
  fifo.SetName(u"Ring");
  for (uint8_t b : {1, 2, 3}) fifo.PutByte(b);
  EXPECT_EQ(MessageOf([&] { fifo.SetSize(1000); }), u"Component \"Ring\": FIFO structure too large");
  EXPECT_EQ(fifo.Size(), 256);
  EXPECT_EQ(fifo.CountBytes(), 3);
  uint8_t b = 0;
  EXPECT_TRUE(fifo.GetByte(b));
  EXPECT_EQ(b, 1);

  EXPECT_EQ(MessageOf([] { TStringStack s(nullptr); }), u"Component \"\": not enough memory on heap");
  EXPECT_EQ(MessageOf([] { T2DArrayStack s(nullptr); }), u"Component \"\": not enough memory on heap");
  TStringStack strings(nullptr);
  strings.SetName(u"S");
  strings.Push(u"first");
  const UnicodeString longText(100, u'x');  // beyond the short-string buffer, so it allocates
  EXPECT_EQ(MessageOf([&] { strings.Push(longText); }), u"Component \"S\": not enough memory");
  EXPECT_EQ(strings.NumEntries(), 1);
  T2DArrayStack arrays(nullptr);
  arrays.SetName(u"A");
  const TDouble2DArray values = {{1, 2}, {3, 4}};
  for (int skip = 0;; ++skip) {
    const UnicodeString m = MessageOf([&] { arrays.Push(values, longText); }, skip);
    if (m == u"(no error)") break;
    EXPECT_EQ(m, u"Component \"A\": not enough memory") << skip;
    EXPECT_EQ(arrays.NumEntries(), 0) << skip;
  }
  EXPECT_EQ(arrays.NumEntries(), 1);
}

// Every allocation of an Add in turn fails: the accumulator stays as it was each time.
TEST(OutOfMemory, StringAccuAddIsAllOrNothing) {
  EXPECT_EQ(MessageOf([] { TStringAccu a(nullptr); }), u"Component \"\": not enough memory on heap");
  TStringAccu accu(nullptr);
  accu.SetName(u"Words");
  accu.Add(u"a");
  const UnicodeString longText(100, u'y');
  int failures = 0;
  for (int skip = 0;; ++skip) {
    const UnicodeString m = MessageOf([&] { accu.Add(longText); }, skip);
    if (m == u"(no error)") break;
    ++failures;
    EXPECT_EQ(m, u"Component \"Words\": not enough memory") << skip;
    ASSERT_EQ(accu.Size(), 1) << skip;
    accu.Add(u"a");  // the index still finds the old entry
    EXPECT_EQ(accu.Size(), 1) << skip;
  }
  EXPECT_GT(failures, 0);
  EXPECT_EQ(accu.Size(), 2);
  EXPECT_EQ(accu.GetString(2), longText);
  EXPECT_EQ(accu.GetCount(1), 1 + failures);
}

}  // namespace
}  // namespace zub
