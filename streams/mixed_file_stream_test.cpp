#include "streams/mixed_file_stream.hpp"

#include <gtest/gtest.h>

#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;

TEST(MixedFileStream, LinesNumbersAndBinaryValuesShareOneFile) {
  TempDir dir;
  const UnicodeString name = dir.Name("mixed.bin");
  {
    TMixedFStream f(name, fmCreate);
    f.WriteLn(u"abc");
    f.WriteByte(200);
    f.WriteInteger(-5);
    f.WriteDouble(2.25);
    f.Write(u" -42\n3,25;x");
  }
  EXPECT_EQ(dir.ReadBytes("mixed.bin").size(), 5u + 13u + 11u);
  TMixedFStream f(name, fmOpenRead);
  EXPECT_EQ(f.ReadLn(4), u"abc");
  bool error = true;
  EXPECT_EQ(f.ReadByte(error), 200);
  EXPECT_FALSE(error);
  EXPECT_EQ(f.ReadInteger(error), -5);
  EXPECT_EQ(f.ReadDouble(error), 2.25);
  EXPECT_FALSE(error);
  EXPECT_EQ(f.ReadDecimal(), -42);
  EXPECT_EQ(f.ReadFPNum(true, 3), 3.25);
  EXPECT_EQ(f.ReadLn(4), u"x");
  EXPECT_TRUE(f.Eos());
  EXPECT_EQ(f.ReadByte(error), 0);
  EXPECT_TRUE(error);
  EXPECT_EQ(f.ReadExtended(error), 0.0L);
  EXPECT_TRUE(error);
}

TEST(MixedFileStream, ReadLnKeepsPrintableCharactersAndTabs) {
  TempDir dir;
  dir.WriteBytes("l.txt", std::string("a\tb\x07\r\nnext\r\nlast\xE9", 18));
  TMixedFStream f(dir.Name("l.txt"), fmOpenRead);
  EXPECT_EQ(f.ReadLn(4), u"a\tb");
  EXPECT_EQ(f.ReadLn(9), u"nextlast\u00e9");  // mode 9 never ends a line
  EXPECT_TRUE(f.Eos());
  EXPECT_EQ(f.ReadLn(4), u"");

  dir.WriteBytes("m.txt", "a\r\nb");
  TMixedFStream g(dir.Name("m.txt"), fmOpenRead);
  EXPECT_EQ(g.ReadLn(2), u"a");
  EXPECT_EQ(g.ReadLn(2), u"");
  EXPECT_EQ(g.ReadLn(2), u"b");
  EXPECT_THROW(TMixedFStream(dir.Name("none"), fmOpenRead), EFOpenError);
}

}  // namespace
}  // namespace zub
