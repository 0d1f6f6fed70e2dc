#include "host/text_file.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/fifo.hpp"
#include "testing/io_code.hpp"
#include "testing/small_disk.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::IoCode;
using zub::testing::TempDir;

TEST(TextFile, WritesWindows1252WithCrLf) {
  TempDir dir;
  TextFile f;
  AssignFile(f, dir.Name("out.txt"));
  Rewrite(f);
  Write(f, u"caf\u00e9 \u20ac ");
  Write(f, int32_t{-42});
  Write(f, int64_t{7}, 4);
  Write(f, u'!');
  WriteLn(f);
  WriteLn(f, u"\u4E2D");  // no Windows-1252 byte
  CloseFile(f);
  EXPECT_EQ(dir.ReadBytes("out.txt"), "caf\xE9 \x80 -42   7!\r\n?\r\n");

  Append(f);
  WriteLn(f, u"more");
  CloseFile(f);
  EXPECT_EQ(dir.ReadBytes("out.txt"), "caf\xE9 \x80 -42   7!\r\n?\r\nmore\r\n");
}

TEST(TextFile, ReadsLinesEndedByCrLfLfOrCr) {
  TempDir dir;
  dir.WriteBytes("in.txt", "one\r\ntwo\nthree\rfour\xE9");
  TextFile f;
  AssignFile(f, dir.Name("in.txt"));
  Reset(f);
  std::vector<UnicodeString> lines;
  while (!Eof(f)) {
    UnicodeString s;
    ReadLn(f, s);
    lines.push_back(s);
  }
  EXPECT_EQ(lines, (std::vector<UnicodeString>{u"one", u"two", u"three", u"four\u00e9"}));
  CloseFile(f);
}

// Counting in blocks meets the lines ReadLn meets, with CR LF pairs split across the file's
// buffer (4096 bytes) and across the counting blocks behind it.
TEST(TextFile, CountLinesToEofAgreesWithReadLn) {
  TempDir dir;
  const std::string cuts = std::string(4095, 'a') + "\r\n" + std::string(256 * 1024 - 2, 'b') + "\r\nc";
  for (const std::string& text : {std::string(), std::string("\n"), std::string("a"), std::string("a\r"),
                                  std::string("a\r\r\n\n\rb"), std::string("\r\n\r\n"), cuts, cuts + "\r"}) {
    dir.WriteBytes("in.txt", text);
    TextFile f;
    AssignFile(f, dir.Name("in.txt"));
    Reset(f);
    int64_t byReadLn = 0;
    for (; !Eof(f); ++byReadLn) ReadLn(f);
    Reset(f);
    EXPECT_EQ(Eof(f), text.empty());  // fills the file's buffer
    std::vector<int64_t> reports;
    EXPECT_EQ(CountLinesToEof(f, 2, [&](int64_t n) { reports.push_back(n); }), byReadLn) << text.size();
    EXPECT_TRUE(Eof(f));
    EXPECT_EQ(reports.size(), static_cast<size_t>(byReadLn / 2));
    if (!reports.empty()) {
      EXPECT_EQ(reports.back(), byReadLn / 2 * 2);
    }
    CloseFile(f);
  }
}

TEST(TextFile, ReadsCharactersAndIntegers) {
  TempDir dir;
  dir.WriteBytes("n.txt", "  12 -7\r\n\t$1F\nab\r\n");
  TextFile f;
  AssignFile(f, dir.Name("n.txt"));
  Reset(f);
  int32_t a = 0, b = 0, c = 0;
  Read(f, a);
  Read(f, b);
  EXPECT_TRUE(Eoln(f));
  Read(f, c);
  EXPECT_EQ(a, 12);
  EXPECT_EQ(b, -7);
  EXPECT_EQ(c, 31);
  ReadLn(f);
  Char ch;
  Read(f, ch);
  EXPECT_EQ(ch, u'a');
  Read(f, ch);
  Read(f, ch);
  EXPECT_EQ(ch, u'\r');  // line ends come through as stored
  EXPECT_TRUE(SeekEof(f));
  Read(f, ch);
  EXPECT_EQ(ch, Char(26));  // end of file
  int32_t atEnd = 5;
  Read(f, atEnd);
  EXPECT_EQ(atEnd, 0);
  CloseFile(f);
}

TEST(TextFile, EveryFailureRaisesEInOutErrorWithCodeAndName) {
  TempDir dir;
  dir.WriteBytes("bad.txt", "12x\n99999999999\n");
  TextFile f;
  EXPECT_EQ(IoCode([&] { Reset(f); }), ioFileNotAssigned);
  AssignFile(f, dir.Name("nothere.txt"));
  try {
    Reset(f);
    FAIL();
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.ErrorCode(), ioFileNotFound);
    EXPECT_EQ(e.FileName(), dir.Name("nothere.txt"));
    EXPECT_NE(std::string(e.what()).find("nothere.txt"), std::string::npos);
  }
  EXPECT_EQ(IoCode([&] { Append(f); }), ioFileNotFound);
  EXPECT_EQ(IoCode([&] { CloseFile(f); }), ioFileNotOpen);
  EXPECT_EQ(IoCode([&] { WriteLn(f, u"x"); }), ioFileNotOpen);

  AssignFile(f, dir.Name("bad.txt"));
  Reset(f);
  int32_t v = 0;
  EXPECT_EQ(IoCode([&] { Read(f, v); }), ioInvalidNumber);
  ReadLn(f);
  EXPECT_EQ(IoCode([&] { Read(f, v); }), ioInvalidNumber);  // does not fit 32 bits
  EXPECT_EQ(IoCode([&] { WriteLn(f); }), ioNotOpenForOutput);
  CloseFile(f);

  AssignFile(f, dir.Name("w.txt"));
  Rewrite(f);
  UnicodeString s;
  EXPECT_EQ(IoCode([&] { ReadLn(f, s); }), ioNotOpenForInput);
  CloseFile(f);
  AssignFile(f, dir.Name("no/dir/x.txt"));
  EXPECT_EQ(IoCode([&] { Rewrite(f); }), ioPathNotFound);
}

TEST(TextFile, LongLinesCrossTheBuffer) {
  TempDir dir;
  const std::string line(10000, 'q');
  dir.WriteBytes("long.txt", line + "\r\n" + line);
  TextFile f;
  AssignFile(f, dir.Name("long.txt"));
  Reset(f);
  UnicodeString a, b;
  ReadLn(f, a);
  ReadLn(f, b);
  EXPECT_EQ(a.size(), 10000u);
  EXPECT_EQ(b.size(), 10000u);
  EXPECT_TRUE(Eof(f));
}

}  // namespace
}  // namespace zub

namespace zub {
namespace {

TEST(TextFile, CloseFileReportsAFullDiskEvenAfterAnEarlierFailure) {
  TextFile f;
  AssignFile(f, u"/dev/full");
  Rewrite(f);
  WriteLn(f, u"buffered");
  EXPECT_EQ(IoCode([&] { CloseFile(f); }), ioDiskFull);

  testing::SmallDisk disk(64 * 1024);
  ZUB_REQUIRE_SMALL_DISK(disk);
  disk.LeaveFree(8 * 1024);
  AssignFile(f, disk.Dir().Name("t.txt"));
  Rewrite(f);
  const UnicodeString line(100, u'x');
  int32_t firstFailure = 0;
  for (int i = 0; i < 1000 && firstFailure == 0; ++i) firstFailure = IoCode([&] { WriteLn(f, line); });
  EXPECT_EQ(firstFailure, ioDiskFull);
  // The caller went on after the failure; closing still tells it.
  EXPECT_EQ(IoCode([&] { CloseFile(f); }), ioDiskFull);
}

TEST(TextFile, ReadsPipesAsTheLinesArrive) {
  TempDir dir;
  testing::FifoFeeder fifo(dir, "fifo", "one\r\ntwo\nthree");
  TextFile f;
  AssignFile(f, fifo.Name());
  Reset(f);
  UnicodeString a, b, c;
  ReadLn(f, a);
  ReadLn(f, b);
  ReadLn(f, c);
  EXPECT_EQ(a + u"|" + b + u"|" + c, u"one|two|three");
  EXPECT_TRUE(Eof(f));
  CloseFile(f);
}

}  // namespace
}  // namespace zub
