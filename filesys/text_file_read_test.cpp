#include "filesys/text_file_read.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filesys/ZUB_filesys.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;

TEST(TextFileRead, CheckTextFileTypeByTheFirstBytes) {
  const std::pair<std::string, TTextfileType> cases[] = {
      {"\xEF\xBB\xBFtext", tftUTF8},
      {std::string("\xFF\xFE\0\0", 4), tftUnicode4_le},
      {std::string("\0\0\xFE\xFF", 4), tftUnicode4_be},
      {std::string("\xFF\xFEh\0", 4), tftUnicode_le},
      {"\xFF\xFE", tftUnicode_le},  // shorter than four bytes
      {"\xFE\xFF", tftUnicode_be},
      {"{\\rtf1", tftRTF},
      {"{\\r", tftRTF},
      {"{\\", tftUnknown},
      {"", tftUnknown},
      {"plain", tftUnknown},
  };
  TempDir dir;
  for (const auto& [bytes, type] : cases) {
    dir.WriteBytes("f", bytes);
    EXPECT_EQ(CheckTextFileType(dir.Name("f")), type) << bytes.size();
  }
  EXPECT_THROW(CheckTextFileType(dir.Name("missing")), EInOutError);
}

TEST(TextFileRead, ReadStringBetweenMarkers) {
  TempDir dir;
  dir.WriteBytes("t", "head\r\nxx<BEGIN>one\r\ntwo<end>tail\r\nthree\r\n");
  struct Case {
    UnicodeString begin, end, text;
  };
  const Case cases[] = {
      {u"<begin>", u"<END>", u"one\r\ntwo\r\n"},
      {u"<begin>", u"", u"one\r\ntwo<end>tail\r\nthree\r\n"},
      {u"", u"<end>", u"head\r\nxx<BEGIN>one\r\ntwo\r\n"},
      {u"<begin>", u"one", u"\r\n"},  // the end marker on the begin marker's line
      {u"absent", u"", u""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReadStringFromTextFile(dir.Name("t"), c.begin, c.end), c.text) << UnicodeToUtf8(c.begin);
  EXPECT_EQ(ReadStringFromTextFile(dir.Name("missing"), u"", u""), u"");
}

TEST(TextFileRead, LastLinesAndLineCountsRewindTheFile) {
  TempDir dir;
  dir.WriteBytes("two", "line 1\r\nline 2\r\n");
  int32_t count = -1;
  EXPECT_EQ(ReadLastNLinesOfTextFile(dir.Name("two"), 3, count), (TStrArray{u"", u"line 1", u"line 2"}));
  EXPECT_EQ(count, 2);
  dir.WriteBytes("five", "1\n2\n3\n4\n5");
  EXPECT_EQ(ReadLastNLinesOfTextFile(dir.Name("five"), 2, count), (TStrArray{u"4", u"5"}));
  EXPECT_EQ(count, 5);
  EXPECT_EQ(ReadLastNLinesOfTextFile(dir.Name("five"), 0, count), TStrArray{});
  EXPECT_EQ(count, 5);
  EXPECT_THROW(ReadLastNLinesOfTextFile(dir.Name("missing"), 1, count), EInOutError);

  std::string text;
  for (int i = 1; i <= 2500; ++i) text += "row " + std::to_string(i) + "\r\n";
  dir.WriteBytes("many", text);
  TextFile f;
  AssignFile(f, dir.Name("many"));
  Reset(f);
  std::vector<double> reports;
  EXPECT_EQ(CountLinesInTextFile(f, [&](TObject* sender, double n, double second) {
              EXPECT_EQ(sender, nullptr);
              EXPECT_EQ(second, 0);
              reports.push_back(n);
            }),
            2500);
  EXPECT_EQ(reports, (std::vector<double>{1000, 2000}));
  UnicodeString first;
  ReadLn(f, first);  // back at the start
  EXPECT_EQ(first, u"row 1");
  EXPECT_EQ(ReadLastNLinesOfTextFile(f, 1, count), TStrArray{u"row 2500"});
  ReadLn(f, first);
  EXPECT_EQ(first, u"row 1");
  CloseFile(f);
  EXPECT_EQ(CountLinesInTextFile(dir.Name("five"), nullptr), 5);
  dir.WriteBytes("empty", "");
  EXPECT_EQ(CountLinesInTextFile(dir.Name("empty"), nullptr), 0);
}

TEST(TextFileRead, DetectAndFindStrings) {
  TempDir dir;
  dir.WriteBytes("t", "abc\r\ndxe\r\nCaf\xC9 X\r\n");
  struct Case {
    UnicodeString text;
    bool ignoreCase;
    int32_t max, result;
  };
  const Case detect[] = {
      {u"x", false, 10, 5},   // 3 + 2
      {u"x", false, 4, 0},    // 5 passes the maximum
      {u"X", false, 100, 12},  // 3 + 3 + 6: the X of line 3
      {u"X", true, 100, 5},
      {u"zzz", false, 100, 0},
      {u"", false, 100, 0},
  };
  for (const Case& c : detect)
    EXPECT_EQ(DetectStringInFile(dir.Name("t"), c.text, c.ignoreCase, c.max), c.result) << UnicodeToUtf8(c.text);

  UnicodeString line = u"old";
  EXPECT_EQ(FindFirstMatchInTextFile(dir.Name("t"), u"caf\u00e9", true, line), 1);  // every letter folds
  EXPECT_EQ(line, u"Caf\u00c9 X");
  EXPECT_EQ(FindFirstMatchInTextFile(dir.Name("t"), u"caf\u00e9", false, line), 0);
  EXPECT_EQ(line, u"");
  EXPECT_EQ(FindFirstMatchInTextFile(dir.Name("t"), u"xe", false, line), 2);
  EXPECT_EQ(line, u"dxe");
  EXPECT_THROW(DetectStringInFile(dir.Name("missing"), u"x", false, 1), EInOutError);
}

TEST(TextFileRead, ReadNextWordSkipsBlanksAndControlCharacters) {
  TempDir dir;
  dir.WriteBytes("w", "  ab cd\r\n\t\x01 ef\xE9");
  TextFile f;
  AssignFile(f, dir.Name("w"));
  Reset(f);
  std::vector<UnicodeString> words;
  for (int i = 0; i < 5; ++i) words.push_back(ReadNextWordInTextFile(f));
  EXPECT_EQ(words, (std::vector<UnicodeString>{u"ab", u"cd", u"ef\u00e9", u"", u""}));
  CloseFile(f);
}

}  // namespace
}  // namespace zub
