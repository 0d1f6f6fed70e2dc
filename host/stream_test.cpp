#include "host/stream.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <stdexcept>

#include "host/file_stream.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

TEST(MemoryStream, WritesGrowAndSeeksPastTheEndFillWithZeros) {
  TMemoryStream m;
  m.WriteBuffer("abc", 3);
  EXPECT_EQ(m.Position(), 3);
  m.SetPosition(6);
  m.WriteBuffer("z", 1);
  EXPECT_EQ(m.Size(), 7);
  EXPECT_EQ(std::memcmp(m.Memory(), "abc\0\0\0z", 7), 0);

  m.SetPosition(1);
  char buf[10] = {};
  EXPECT_EQ(m.Read(buf, 10), 6);  // short read at the end returns what there is
  EXPECT_EQ(m.Read(buf, 10), 0);
  EXPECT_THROW(m.Seek(-8, soCurrent), EStreamError);
  EXPECT_EQ(m.Position(), 7);
}

TEST(MemoryStream, SetSizeKeepsPositionUnlessItFallsBeyondTheEnd) {
  TMemoryStream m;
  m.WriteBuffer("abcdef", 6);
  m.SetPosition(2);
  m.SetSize(4);
  EXPECT_EQ(m.Position(), 2);
  m.SetSize(1);
  EXPECT_EQ(m.Position(), 1);
  m.SetSize(3);
  EXPECT_EQ(std::memcmp(m.Memory(), "a\0\0", 3), 0);  // regrown bytes are zero, not stale
}

TEST(Stream, ReadBufferAndWriteBufferRaiseOnShortTransfers) {
  TMemoryStream m;
  m.WriteBuffer("ab", 2);
  m.SetPosition(0);
  char buf[4];
  try {
    m.ReadBuffer(buf, 3);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_NE(UnicodeToUtf8(e.Message()).find("2 of 3"), std::string::npos) << e.what();
  }
  TStringStream s(AnsiString("ab"));
  TMemoryStream target;
  EXPECT_THROW(target.CopyFrom(s, 5), EReadError);
}

TEST(Stream, CopyFromZeroCopiesTheWholeSource) {
  TStringStream src(u"hello world");
  src.SetPosition(5);
  TMemoryStream dst;
  EXPECT_EQ(dst.CopyFrom(src, 0), 11);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(dst.Memory()), 11), "hello world");
}

TEST(StringStream, HoldsOneWindows1252BytePerCharacter) {
  TStringStream s(u"\u20ACa\u0100");
  EXPECT_EQ(s.Size(), 3);
  EXPECT_EQ(s.Bytes(),
            "\x80"
            "a?");
  EXPECT_EQ(s.ReadString(2), u"\u20ACa");
  s.SetPosition(s.Size());
  s.WriteString(u"\u00FC");
  EXPECT_EQ(s.DataString(), u"\u20ACa?\u00FC");
}

}  // namespace
}  // namespace zub

namespace zub {
namespace {

TEST(MemoryStream, WritesThatWouldPassTheInt64LimitRaiseAndTouchNothing) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  TMemoryStream m;
  m.WriteBuffer("abc", 3);
  m.SetPosition(kMax - 5);
  EXPECT_THROW(m.WriteBuffer("0123456789", 10), EWriteError);
  EXPECT_THROW(m.Seek(10, soCurrent), EStreamError);
  EXPECT_EQ(m.Size(), 3);
  EXPECT_EQ(std::memcmp(m.Memory(), "abc", 3), 0);
#if !defined(__SANITIZE_ADDRESS__)
  // A write far beyond the data needs memory no machine has: the stream's own error.
  m.SetPosition(int64_t{1} << 62);
  EXPECT_THROW(m.WriteBuffer("x", 1), EOutOfMemory);
  EXPECT_EQ(m.Size(), 3);
#endif
}

TEST(MemoryStream, InlineBytesAndBlockCallsAgree) {
  TMemoryStream m;
  for (int i = 0; i < 1000; ++i) m.WriteByte(static_cast<uint8_t>(i));
  EXPECT_EQ(m.Size(), 1000);
  EXPECT_EQ(m.DataSize(), 1000);
  m.SetPosition(998);
  EXPECT_EQ(m.ReadByte(), 998 % 256);
  m.WriteByte(1);  // overwrites the last byte
  m.WriteByte(2);  // and appends one
  EXPECT_EQ(m.Size(), 1001);
  EXPECT_EQ(m.ReadByte(), -1);
  m.SetPosition(1005);  // a gap after the end reads back as zeros once written past
  EXPECT_EQ(m.ReadByte(), -1);
  m.WriteByte(9);
  EXPECT_EQ(m.Size(), 1006);
  EXPECT_EQ(std::memcmp(m.Memory() + 999, "\x01\x02\0\0\0\0\x09", 7), 0);
  m.SetSize(10);
  m.SetPosition(0);
  char buf[16] = {};
  EXPECT_EQ(m.Read(buf, 16), 10);
}

TEST(Stream, CopyFromRaisesTheStreamsOwnErrors) {
  TStringStream src(AnsiString("abc"));
  TMemoryStream dst;
  EXPECT_THROW(dst.CopyFrom(src, -1), EStreamError);
  try {
    dst.CopyFrom(src, -1);
  } catch (const std::length_error&) {
    FAIL() << "a standard-library error left the stream";
  } catch (const EStreamError&) {
  }
}

}  // namespace
}  // namespace zub

namespace zub {
namespace {

// Writing in place through WriteWindow and Produce is writing: size, position and content
// follow, within a memory stream's allocation and a file stream's buffer alike.
TEST(Stream, WriteWindowWritesInPlace) {
  TMemoryStream m;
  EXPECT_TRUE(m.WriteWindow().empty());  // nothing allocated yet
  m.SetSize(200);
  m.SetSize(100);  // the allocation stays: room beyond the end
  m.SetPosition(98);
  std::span<uint8_t> room = m.WriteWindow();
  ASSERT_EQ(room.size(), 102u);
  room[0] = 'a';
  room[1] = 'b';
  room[2] = 'c';
  m.Produce(3);
  EXPECT_EQ(m.Position(), 101);
  EXPECT_EQ(m.Size(), 101);
  EXPECT_EQ(m.Memory()[100], 'c');
  EXPECT_EQ(m.Memory()[101], 0);

  testing::TempDir dir;
  {
    TFileStream f(dir.Name("w.bin"), fmCreate);
    f.WriteByte('x');  // opens the buffer for writing
    room = f.WriteWindow();
    ASSERT_GE(room.size(), 2u);
    room[0] = 'y';
    room[1] = 'z';
    f.Produce(2);
    EXPECT_EQ(f.Position(), 3);
    f.Close();
  }
  EXPECT_EQ(dir.ReadBytes("w.bin"), "xyz");
  // A file stream that is reading offers no room to write.
  TFileStream r(dir.Name("w.bin"), fmOpenRead);
  EXPECT_TRUE(r.WriteWindow().empty());
}

}  // namespace
}  // namespace zub
