#include "filesys/text_file_write.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "filesys/ZUB_filesys.hpp"
#include "testing/small_disk.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;
namespace fs = std::filesystem;

TEST(TextFileWrite, EnsureCrLfPutsAnLfBehindEveryCr) {
  const std::string block(64 * 1024 - 1, 'x');  // the CR ends a read block
  const std::pair<std::string, std::string> cases[] = {
      {"a\rb", "a\r\nb"},
      {"a\r", "a\r\n"},
      {"a\nb", "a\nb"},
      {"a\r\nb", "a\r\nb"},
      {"\r\r", "\r\n\r\n"},
      {"\r\r\n\r", "\r\n\r\n\r\n"},
      {"", ""},
      {block + "\r\n", block + "\r\n"},
      {block + "\ry", block + "\r\ny"},
      {std::string("\0\xFF\r", 3), std::string("\0\xFF\r\n", 4)},
  };
  TempDir dir;
  for (const auto& [in, out] : cases) {
    dir.WriteBytes("in", in);
    EnsureCRLFInFile(dir.Name("in"), dir.Name("out"));
    EXPECT_EQ(dir.ReadBytes("out"), out) << in.size();
  }
  EXPECT_THROW(EnsureCRLFInFile(dir.Name("missing"), dir.Name("out2")), EInOutError);
  EXPECT_FALSE(fs::exists(dir.Native("out2")));
}

// One file as input and output, by any name: rewritten whole, links kept, no leftovers.
TEST(TextFileWrite, SameFileAsInputAndOutputIsRewrittenSafely) {
  TempDir dir;
  dir.WriteBytes("t.txt", "1\r2\r3\r4\r5\r");
  fs::create_symlink("t.txt", dir.Native("link"));
  fs::create_hard_link(dir.Native("t.txt"), dir.Native("hard"));
  EnsureCRLFInFile(dir.Name("t.txt"), dir.Name("t.txt"));
  EXPECT_EQ(dir.ReadBytes("t.txt"), "1\r\n2\r\n3\r\n4\r\n5\r\n");
  dir.WriteBytes("t.txt", "1\r2\r3\r4\r5\r");
  EnsureCRLFInFile(dir.Name("./t.txt"), dir.Name("link"));
  EXPECT_TRUE(fs::is_symlink(dir.Native("link")));
  EXPECT_EQ(dir.ReadBytes("t.txt"), "1\r\n2\r\n3\r\n4\r\n5\r\n");

  EXPECT_EQ(FilterCopyTextFile(dir.Name("link"), dir.Name("t.txt"), {2, 4}), 0);
  EXPECT_EQ(dir.ReadBytes("t.txt"), "1\r\n3\r\n5\r\n");
  EXPECT_EQ(FilterCopyTextFile(dir.Name("hard"), dir.Name("hard"), {1}), 0);
  EXPECT_EQ(dir.ReadBytes("hard"), "2\r\n3\r\n4\r\n5\r\n");  // the hard link now names a file of its own
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 3u);  // no replacement file left behind
}

TEST(TextFileWrite, AppendClearAndFilterCopy) {
  TempDir dir;
  AppendToTextFile(dir.Name("log"), u"first");  // created
  TStringList more;
  more.Add(u"caf\u00e9");
  more.Add(u"");
  AppendToTextFile(dir.Name("log"), more);
  EXPECT_EQ(dir.ReadBytes("log"), "first\r\ncaf\xE9\r\n\r\n");
  ClearTextFile(dir.Name("log"));
  EXPECT_EQ(dir.ReadBytes("log"), "\r\n");
  EXPECT_THROW(AppendToTextFile(dir.Name("no/such/dir/log"), u"x"), EInOutError);

  dir.WriteBytes("five", "1\n2\r\n3\r4\n5");
  EXPECT_EQ(FilterCopyTextFile(dir.Name("five"), dir.Name("kept"), {1, 3}), 0);
  EXPECT_EQ(dir.ReadBytes("kept"), "2\r\n4\r\n5\r\n");
  EXPECT_EQ(FilterCopyTextFile(dir.Name("five"), dir.Name("all"), {0, -1, 99}), 0);
  EXPECT_EQ(dir.ReadBytes("all"), "1\r\n2\r\n3\r\n4\r\n5\r\n");
  EXPECT_EQ(FilterCopyTextFile(dir.Name("missing"), dir.Name("x"), {}), 255);
  EXPECT_EQ(FilterCopyTextFile(dir.Name("five"), dir.Name("no/such/dir/x"), {}), 254);
  EXPECT_EQ(FilterCopyTextFile(dir.Name("five"), dir.Name(""), {}), 254);  // a folder
}

// A disk that fills up is reported, and no cut file stays behind as if it were whole.
TEST(TextFileWrite, AFullDiskIsReportedAndLeavesNoCutFile) {
  zub::testing::SmallDisk disk(256 << 10);
  ZUB_REQUIRE_SMALL_DISK(disk);
  TempDir dir;
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "line\r";
  dir.WriteBytes("big", text);
  EXPECT_THROW(EnsureCRLFInFile(dir.Name("big"), disk.Dir().Name("crlf")), EInOutError);
  EXPECT_FALSE(fs::exists(disk.Dir().Native("crlf")));
  EXPECT_EQ(FilterCopyTextFile(dir.Name("big"), disk.Dir().Name("filtered"), {}), 254);
  EXPECT_FALSE(fs::exists(disk.Dir().Native("filtered")));

  // Rewriting a file in place on a full disk keeps the original.
  text.resize(100000);
  disk.Dir().WriteBytes("inplace", text);
  disk.LeaveFree(0);
  EXPECT_THROW(EnsureCRLFInFile(disk.Dir().Name("inplace"), disk.Dir().Name("inplace")), EInOutError);
  EXPECT_EQ(disk.Dir().ReadBytes("inplace"), text);
  EXPECT_EQ(FilterCopyTextFile(disk.Dir().Name("inplace"), disk.Dir().Name("inplace"), {1}), 254);
  EXPECT_EQ(disk.Dir().ReadBytes("inplace"), text);
  EXPECT_THROW(AppendToTextFile(disk.Dir().Name("inplace"), UnicodeString(10000, u'x')), EInOutError);
  EXPECT_THROW(ClearTextFile(disk.Dir().Name("cleared")), EInOutError);
}

}  // namespace
}  // namespace zub
