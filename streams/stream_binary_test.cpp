#include "streams/stream_binary.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace zub {
namespace {

TEST(StreamBinary, EveryWriterRoundTripsThroughItsReader) {
  TMemoryStream m;
  const Extended ext = uc_MaxDouble;
  WriteExtendedToStream(m, ext);
  WriteExtendedToStream(m, -uc_MinExtended);
  WriteDoubleToStream(m, -0.1);
  WriteSingleToStream(m, 3.5f);
  WriteLongintToStream(m, -123456789);
  EXPECT_EQ(m.Size(), 10 + 10 + 8 + 4 + 4);
  m.SetPosition(0);
  bool error = true;
  EXPECT_EQ(ReadExtendedFromStream(m, error), ext);
  EXPECT_FALSE(error);
  EXPECT_EQ(ReadExtendedFromStream(m, error), -uc_MinExtended);
  EXPECT_EQ(ReadDoubleFromStream(m, error), -0.1);
  EXPECT_EQ(ReadSingleFromStream(m, error), 3.5f);
  EXPECT_EQ(ReadLongintFromStream(m, error), -123456789);
  EXPECT_FALSE(error);
}

TEST(StreamBinary, ExtendedIsTheTenByteX87Layout) {
  const std::array<uint8_t, 10> one = ExtendedToBytes(1.0L);
  const std::array<uint8_t, 10> expected = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
  EXPECT_EQ(one, expected);
  EXPECT_EQ(BytesToExtended(expected), 1.0L);
  EXPECT_TRUE(std::isinf(BytesToExtended(ExtendedToBytes(-std::numeric_limits<Extended>::infinity()))));
  EXPECT_TRUE(std::isnan(BytesToExtended(ExtendedToBytes(std::numeric_limits<Extended>::quiet_NaN()))));
}

TEST(StreamBinary, ShortReadsSetTheErrorAndConsumeWhatIsLeft) {
  TStringStream s{AnsiString("\x01\x02\x03\x04\x05", 5)};
  bool error = false;
  const double d = ReadDoubleFromStream(s, error);
  EXPECT_TRUE(error);
  EXPECT_EQ(s.Position(), 5);
  uint64_t bits = 0;
  std::memcpy(&bits, &d, 8);
  EXPECT_EQ(bits, 0x0504030201ULL);  // the delivered bytes, the rest zero
  EXPECT_EQ(ReadLongintFromStream(s, error), 0);
  EXPECT_TRUE(error);
}

// A stream whose reads fail outright.
class BrokenStream : public TMemoryStream {
 public:
  int32_t Read(void*, int32_t) override { throw EReadError(u"device gone"); }
};

TEST(StreamBinary, ReadersSwallowStreamErrors) {
  BrokenStream b;
  bool error = false;
  EXPECT_EQ(ReadSingleFromStream(b, error), 0.0f);
  EXPECT_TRUE(error);
}

}  // namespace
}  // namespace zub
