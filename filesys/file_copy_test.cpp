#include "filesys/file_copy.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "filesys/ZUB_filesys.hpp"
#include "testing/small_disk.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;
namespace fs = std::filesystem;
using Reports = std::vector<std::pair<int32_t, int32_t>>;

std::string Bytes(size_t n) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>(i * 31 + i / 8192);
  return s;
}

TEST(FileCopy, FeedbackComesPerBlock) {
  struct Case {
    size_t size;
    Reports reports;
  };
  const std::vector<Case> cases = {
      {20000, {{0, 20000}, {0, 20000}, {8192, 20000}, {16384, 20000}, {20000, 20000}}},
      {16384, {{0, 16384}, {0, 16384}, {8192, 16384}, {16384, 16384}, {16384, 16384}}},
      {0, {{0, 0}, {0, 0}, {0, 0}}},
  };
  for (const Case& c : cases) {
    TempDir dir;
    dir.WriteBytes("src", Bytes(c.size));
    Reports got;
    EXPECT_EQ(FileCopyFeedBk(dir.Name("src"), dir.Name("dst"), false,
                             [&](int32_t done, int32_t size) { got.emplace_back(done, size); }),
              0);
    EXPECT_EQ(got, c.reports) << c.size;
    EXPECT_EQ(dir.ReadBytes("dst"), Bytes(c.size));
  }
  // A large file: one report per block, in order, and the bytes whole.
  TempDir dir;
  const size_t big = 20 * 1024 * 1024 + 123;
  dir.WriteBytes("src", Bytes(big));
  std::vector<int64_t> got;
  EXPECT_EQ(FileCopyFeedBk64(dir.Name("src"), dir.Name("dst"), false,
                             [&](int64_t done, int64_t) { got.push_back(done); }),
            0);
  std::vector<int64_t> want = {0};
  for (int64_t block = 0; block <= static_cast<int64_t>(big); block += 8192) want.push_back(block);
  want.push_back(big);
  EXPECT_EQ(got, want);
  EXPECT_EQ(dir.ReadBytes("dst"), Bytes(big));
}

TEST(FileCopy, AbortEndsAfterTheReportedBlock) {
  TempDir dir;
  dir.WriteBytes("src", Bytes(100000));
  int calls = 0;
  EXPECT_EQ(FileCopyFeedBk(dir.Name("src"), dir.Name("dst"), false,
                           [&](int32_t, int32_t) {
                             if (++calls == 4) AbortAnyFileCopying();  // at the report of the third block
                           }),
            0);
  EXPECT_EQ(dir.ReadBytes("dst"), Bytes(3 * 8192));
  TDateTime a = 0, b = 0;
  ASSERT_TRUE(FileAge(dir.Name("src"), a) && FileAge(dir.Name("dst"), b));
  EXPECT_NEAR(a, b, 1.0 / 86400);
  // The next copy starts with the switch cleared.
  EXPECT_EQ(FileCopyFeedBk(dir.Name("src"), dir.Name("dst"), false, nullptr), 0);
  EXPECT_EQ(dir.ReadBytes("dst"), Bytes(100000));
}

TEST(FileCopy, SameFileByAnotherNameIsLeftAlone) {
  TempDir dir;
  fs::create_directory(dir.Native("d"));
  dir.WriteBytes("d/f", "precious");
  fs::create_hard_link(dir.Native("d/f"), dir.Native("hard"));
  fs::create_symlink(dir.Native("d/f"), dir.Native("soft"));
  int calls = 0;
  auto count = [&](int32_t, int32_t) { ++calls; };
  for (const char* other : {"d/./f", "hard", "soft", "d/../d/f", "d"})
    EXPECT_EQ(FileCopyFeedBk(dir.Name("d/f"), dir.Name(other), false, count), 0) << other;
  EXPECT_EQ(dir.ReadBytes("d/f"), "precious");
  EXPECT_EQ(calls, 0);
}

TEST(FileCopy, ErrorCodes) {
  TempDir dir;
  dir.WriteBytes("src", "x");
  dir.WriteBytes("dst", "old");
  EXPECT_THROW(FileCopyFeedBk(dir.Name("none"), dir.Name("dst"), false, nullptr), EInOutError);
  EXPECT_EQ(dir.ReadBytes("dst"), "old");
  EXPECT_EQ(FileCopyFeedBk(dir.Name("src"), dir.Name("no/such/dst"), false, nullptr), -2);
  EXPECT_EQ(FileCopyFeedBk(dir.Name("src"), u"/dev/full", false, nullptr), -3);

  // Into a folder: under the source's name.
  fs::create_directory(dir.Native("into"));
  EXPECT_EQ(FileCopyFeedBk(dir.Name("src"), dir.Name("into"), false, nullptr), 0);
  EXPECT_EQ(dir.ReadBytes("into/src"), "x");
}

TEST(FileCopy, FullDiskIsAWriteError) {
  zub::testing::SmallDisk disk(256 << 10);
  ZUB_REQUIRE_SMALL_DISK(disk);
  TempDir dir;
  dir.WriteBytes("src", Bytes(1 << 20));
  EXPECT_EQ(FileCopyFeedBk(dir.Name("src"), disk.Dir().Name("dst"), false, nullptr), -3);
  fs::create_directories(dir.Native("tree/sub"));
  dir.WriteBytes("tree/sub/big", Bytes(1 << 20));
  CopyFileTree(dir.Name("tree"), disk.Dir().Name("copy"), false, nullptr);  // goes on, reports nothing
  EXPECT_LT(fs::file_size(disk.Dir().Native("copy/sub/big")), 1u << 20);
}

TEST(FileCopy, TreeCopy) {
  TempDir dir;
  fs::create_directories(dir.Native("src/sub/deep"));
  fs::create_directories(dir.Native("outside"));
  dir.WriteBytes("src/a", Bytes(10000));
  dir.WriteBytes("src/sub/b", "b");
  dir.WriteBytes("src/sub/deep/c", "");
  dir.WriteBytes("outside/o", "o");
  fs::create_directory_symlink("../outside", dir.Native("src/sub/link"));
  std::vector<std::pair<UnicodeString, int32_t>> files;
  CopyFileTree(dir.Name("src"), dir.Name("dst/nested"), true,
               [&](int32_t, int32_t, const UnicodeString& name, int32_t n) {
                 if (files.empty() || files.back().first != name) files.emplace_back(name, n);
               });
  EXPECT_EQ(dir.ReadBytes("dst/nested/a"), Bytes(10000));
  EXPECT_EQ(dir.ReadBytes("dst/nested/sub/b"), "b");
  EXPECT_TRUE(fs::exists(dir.Native("dst/nested/sub/deep/c")));
  EXPECT_TRUE(fs::is_symlink(dir.Native("dst/nested/sub/link")));
  EXPECT_EQ(fs::read_symlink(dir.Native("dst/nested/sub/link")), "../outside");
  const UnicodeString dst = dir.Name("dst/nested/");
  EXPECT_EQ(files, (std::vector<std::pair<UnicodeString, int32_t>>{
                       {dst + u"a", 1}, {dst + u"sub/b", 2}, {dst + u"sub/deep/c", 3}}));

  // Into itself: refused; onto itself: nothing.
  EXPECT_THROW(CopyFileTree(dir.Name("src"), dir.Name("src/sub/new"), false, nullptr), EZUBFileSysError);
  EXPECT_THROW(CopyFileTree(dir.Name("src"), dir.Name("src/sub/link/../../sub/x"), false, nullptr),
               EZUBFileSysError);
  EXPECT_FALSE(fs::exists(dir.Native("src/sub/new")));
  CopyFileTree(dir.Name("src"), dir.Name("SRC/"), false, nullptr);
  CopyFileTree(dir.Name("src"), dir.Name("./src"), false, nullptr);
  EXPECT_EQ(dir.ReadBytes("src/a"), Bytes(10000));
}

}  // namespace
}  // namespace zub
