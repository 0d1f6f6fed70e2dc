#include "streams/stream_text.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/file_stream.hpp"
#include "testing/fifo.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

// Counts the block writes a writer makes.
class CountingStream : public TMemoryStream {
 public:
  int32_t Write(const void* Buffer, int32_t Count) override {
    ++writes;
    return TMemoryStream::Write(Buffer, Count);
  }
  int writes = 0;
};

std::string Bytes(TMemoryStream& m) {
  return std::string(reinterpret_cast<const char*>(m.Memory()), m.DataSize());
}

TEST(StreamText, WriteStringStreamWritesOneByteForEachCharacterInBlocks) {
  CountingStream s;
  WriteStringStream(s, UnicodeString(4096, u'a'));
  EXPECT_EQ(s.Size(), 4096);
  CountingStream t;
  WriteStringStream(t, UnicodeString(4097, u'a'));
  EXPECT_EQ(t.Size(), 4097);
  EXPECT_EQ(t.writes, 2);
  TMemoryStream u;
  WriteStringStream(u, u"A\u0142\u00e9");  // U+0142 keeps only its low byte 0x42
  EXPECT_EQ(Bytes(u), "AB\xE9");
  WriteLnStream(u, u"x");
  EXPECT_EQ(Bytes(u), "AB\xE9x\r\n");
}

std::vector<std::pair<UnicodeString, bool>> Lines(const std::string& bytes, int32_t mode, int count) {
  TStringStream s{AnsiString(bytes)};
  std::vector<std::pair<UnicodeString, bool>> out;
  for (int i = 0; i < count; ++i) {
    bool eos = false;
    UnicodeString line = ReadLnStream(s, eos, mode);
    out.emplace_back(line, eos);
  }
  return out;
}

TEST(StreamText, ReadLnStreamInEveryLineEndMode) {
  using L = std::vector<std::pair<UnicodeString, bool>>;
  EXPECT_EQ(Lines("ab\r\ncd", 4, 2), (L{{u"ab", false}, {u"cd", true}}));
  EXPECT_EQ(Lines("ab\r", 4, 1), (L{{u"ab\r", true}}));  // no pair completed: kept as read
  EXPECT_EQ(Lines("ab\r\n", 2, 3), (L{{u"ab", false}, {u"", false}, {u"", true}}));
  EXPECT_EQ(Lines("ab\r\ncd\n", 0, 2), (L{{u"ab", false}, {u"cd", false}}));  // CR before LF removed too
  EXPECT_EQ(Lines("ab\rcd\r", 1, 2), (L{{u"ab", false}, {u"cd", false}}));
  EXPECT_EQ(Lines("ab\n\rcd", 3, 2), (L{{u"ab", false}, {u"cd", true}}));
  EXPECT_EQ(Lines("a\r\n\r\nb", 9, 1), (L{{u"a\r\n\r\nb", true}}));  // never a line end
  EXPECT_EQ(Lines("a\r\r\n", 0, 1), (L{{u"a\r", false}}));           // at most two removed
  EXPECT_EQ(Lines("\xE9\x01", 0, 1), (L{{u"\u00e9\u0001", true}}));  // bytes are characters
}

TEST(StreamText, SlurpingSearchingAndCounting) {
  TStringStream five{AnsiString("a\0b\0c", 5)};
  EXPECT_EQ(StreamAsString(five), u"ab");
  std::string big(700, 'x');
  big[699] = '\xFF';
  TStringStream bytes{AnsiString(big)};
  const UnicodeString all = StreamAsByteString(bytes);
  EXPECT_EQ(all.size(), 700u);
  EXPECT_EQ(all.back(), u'\u00ff');

  TStringStream find{AnsiString("abc;def")};
  EXPECT_TRUE(FindInStream(find, ';'));
  EXPECT_EQ(find.Position(), 4);
  EXPECT_FALSE(FindInStream(find, ';'));
  EXPECT_EQ(find.Position(), 7);

  TStringStream lines{AnsiString("a\nb\nc")};
  EXPECT_EQ(CountLinesInStream(lines), 2);
  EXPECT_EQ(lines.Position(), 5);
}

TEST(StreamText, ReadStreamUntilFindsTheTextInAnyCaseAcrossBlocks) {
  TStringStream s{AnsiString("Hello WORLD and more")};
  int32_t err = 5;
  EXPECT_EQ(ReadStreamUntil(s, u"world", err), u"Hello WORLD");
  EXPECT_EQ(err, 0);
  EXPECT_EQ(s.Position(), 11);

  // A match straddling the 256-byte block boundary.
  std::string text(250, '.');
  text += "needle-in-haystack";
  text += std::string(600, '.');
  TStringStream t{AnsiString(text)};
  s.SetPosition(0);
  EXPECT_EQ(ReadStreamUntil(t, u"NEEDLE-IN", err).size(), 259u);
  EXPECT_EQ(err, 0);
  EXPECT_EQ(t.Position(), 259);

  TStringStream u{AnsiString("abc")};
  EXPECT_EQ(ReadStreamUntil(u, u"zz", err), u"abc");
  EXPECT_EQ(err, -1);
  EXPECT_EQ(u.Position(), 3);
  u.SetPosition(0);
  ReadStreamUntil(u, u"", err);
  EXPECT_EQ(err, -1);
}

}  // namespace
}  // namespace zub

namespace zub {
namespace {

TEST(StreamText, WrittenLinesReadBackInEveryModeThatEndsThem) {
  TMemoryStream m;
  const UnicodeString lines[] = {u"first", u"", u"caf\u00e9 \u00ff", u"last"};
  for (const auto& l : lines) WriteLnStream(m, l);
  for (int32_t mode : {0, 2, 4}) {
    m.SetPosition(0);
    std::vector<UnicodeString> got;
    for (bool eos = false;;) {
      UnicodeString l = ReadLnStream(m, eos, mode);
      if (eos) break;
      got.push_back(l);
      if (mode == 2) ReadLnStream(m, eos, mode);  // the LF of CR LF reads as an empty line
    }
    EXPECT_EQ(got, std::vector<UnicodeString>(std::begin(lines), std::end(lines))) << mode;
  }
}

}  // namespace
}  // namespace zub

namespace zub {
namespace {

// Lines of a stream in mode 0 until Eos.
std::vector<UnicodeString> AllLines(TStream& s) {
  std::vector<UnicodeString> lines;
  for (bool eos = false; !eos;) {
    UnicodeString line = ReadLnStream(s, eos, 0);
    if (!eos || !line.empty()) lines.push_back(std::move(line));
  }
  return lines;
}

TEST(StreamText, ReadLnStreamReadsPipesAndProcFilesToTheirEnd) {
  testing::TempDir dir;
  std::string data;
  for (int i = 0; i < 20000; ++i) data += "line " + std::to_string(i) + "\r\n";
  testing::FifoFeeder fifo(dir, "fifo", data);
  TFileStream pipe(fifo.Name(), fmOpenRead);
  const std::vector<UnicodeString> lines = AllLines(pipe);
  ASSERT_EQ(lines.size(), 20000u);
  EXPECT_EQ(lines[19999], u"line 19999");

  TFileStream proc(u"/proc/self/status", fmOpenRead);
  const std::vector<UnicodeString> status = AllLines(proc);
  ASSERT_GT(status.size(), 10u);
  EXPECT_EQ(status[0].substr(0, 5), u"Name:");
}

TEST(StreamText, AHugeLineComesWholeFromEveryKindOfStream) {
  testing::TempDir dir;
  std::string line(3 << 20, 'x');
  for (size_t i = 0; i < line.size(); i += 4093) line[i] = static_cast<char>('a' + i % 26);
  const std::string data = line + "\r\nnext";
  dir.WriteBytes("huge.txt", data);
  testing::FifoFeeder fifo(dir, "fifo", data);
  TFileStream file(dir.Name("huge.txt"), fmOpenRead);
  TFileStream pipe(fifo.Name(), fmOpenRead);
  TStringStream memory(data);
  for (TStream* s :
       {static_cast<TStream*>(&file), static_cast<TStream*>(&pipe), static_cast<TStream*>(&memory)}) {
    bool eos = true;
    const UnicodeString got = ReadLnStream(*s, eos, 4);
    EXPECT_FALSE(eos);
    ASSERT_EQ(got.size(), line.size());
    EXPECT_TRUE(std::equal(got.begin(), got.end(), line.begin(),
                           [](Char c, char b) { return c == static_cast<uint8_t>(b); }));
    EXPECT_EQ(ReadLnStream(*s, eos, 4), u"next");
    EXPECT_TRUE(eos);
  }
}

}  // namespace
}  // namespace zub
