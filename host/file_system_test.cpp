#include "host/file_system.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/file_stream.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;

std::string ReadAll(const UnicodeString& name) {
  TFileStream f(name, fmOpenRead);
  std::string bytes(static_cast<size_t>(f.Size()), '\0');
  f.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  return bytes;
}

std::vector<UnicodeString> Find(const UnicodeString& mask, int32_t attr) {
  std::vector<UnicodeString> names;
  TSearchRec sr;
  for (int32_t rc = FindFirst(mask, attr, sr); rc == 0; rc = FindNext(sr)) names.push_back(sr.Name);
  FindClose(sr);
  return names;
}

TEST(FileSystem, FindFirstFiltersByMaskAndAttributes) {
  TempDir dir;
  dir.WriteBytes("b.TXT", "12345");
  dir.WriteBytes("a.txt", "");
  dir.WriteBytes("noext", "");
  dir.WriteBytes(".hidden.txt", "");
  ASSERT_TRUE(ForceDirectories(dir.Name("sub.txt")));
  const UnicodeString base = dir.Name("");

  EXPECT_EQ(Find(base + u"*.txt", faAnyFile & ~faDirectory & ~faHidden),
            (std::vector<UnicodeString>{u"a.txt", u"b.TXT"}));
  EXPECT_EQ(Find(base + u"*.txt", faAnyFile),
            (std::vector<UnicodeString>{u".hidden.txt", u"a.txt", u"b.TXT", u"sub.txt"}));
  EXPECT_EQ(Find(base + u"*.*", faDirectory),
            (std::vector<UnicodeString>{u".", u"..", u"a.txt", u"b.TXT", u"noext", u"sub.txt"}));
  EXPECT_EQ(Find(base + u"?.t*", 0), (std::vector<UnicodeString>{u"a.txt", u"b.TXT"}));

  TSearchRec sr;
  ASSERT_EQ(FindFirst(base + u"b.txt", faAnyFile, sr), 0);
  EXPECT_EQ(sr.Size, 5);
  EXPECT_EQ(sr.Attr, faArchive);
  EXPECT_EQ(FindNext(sr), 18);
  FindClose(sr);
  EXPECT_EQ(FindFirst(base + u"*.none", faAnyFile, sr), 2);
  EXPECT_EQ(FindFirst(base + u"missing/*.*", faAnyFile, sr), 3);
}

TEST(FileSystem, ExistenceAttributesAndDates) {
  TempDir dir;
  dir.WriteBytes("f.bin", "x");
  const UnicodeString f = dir.Name("f.bin");
  EXPECT_TRUE(FileExists(f));
  EXPECT_FALSE(FileExists(dir.Name("")));
  EXPECT_TRUE(DirectoryExists(dir.Name("")));
  EXPECT_FALSE(DirectoryExists(f));
  EXPECT_FALSE(DirectoryExists(u""));
  EXPECT_EQ(FileGetAttr(dir.Name("nothing")), -1);
  EXPECT_EQ(FileGetAttr(dir.Name("")) & faDirectory, faDirectory);

  EXPECT_EQ(FileSetAttr(f, faReadOnly), 0);
  EXPECT_EQ(FileGetAttr(f), faArchive | faReadOnly);
  EXPECT_EQ(FileSetAttr(f, faArchive), 0);
  EXPECT_EQ(FileGetAttr(f), faArchive);

  const TDateTime when = EncodeDate(2021, 6, 15) + EncodeTime(8, 30, 10, 0);
  EXPECT_EQ(FileSetDate(f, when), 0);
  TDateTime got = 0;
  ASSERT_TRUE(FileAge(f, got));
  EXPECT_NEAR(got, when, 1e-6);
  EXPECT_EQ(FileAge(f), DateTimeToFileDate(when));
  EXPECT_EQ(FileSetDate(f, DateTimeToFileDate(when + 1)), 0);
  EXPECT_EQ(FileAge(f), DateTimeToFileDate(when + 1));
  EXPECT_FALSE(FileAge(dir.Name("nothing"), got));
  EXPECT_NE(FileSetDate(dir.Name("nothing"), when), 0);
}

TEST(FileSystem, DirectoriesRenameAndErase) {
  TempDir dir;
  const UnicodeString deep = dir.Name("x\\y/z");  // both separators
  EXPECT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(DirectoryExists(dir.Name("x/y/z")));
  EXPECT_TRUE(ForceDirectories(deep + u"/"));  // existing: still true
  EXPECT_THROW(ForceDirectories(u""), EInOutError);
  EXPECT_FALSE(RemoveDir(dir.Name("x")));  // not empty
  EXPECT_EQ(GetLastFileError(), 145);

  dir.WriteBytes("old.txt", "1");
  dir.WriteBytes("taken.txt", "2");
  EXPECT_FALSE(RenameFile(dir.Name("old.txt"), dir.Name("taken.txt")));
  EXPECT_EQ(dir.ReadBytes("taken.txt"), "2");  // nothing overwritten
  EXPECT_TRUE(RenameFile(dir.Name("old.txt"), dir.Name("new.txt")));
  EXPECT_TRUE(DeleteFile(dir.Name("new.txt")));
  EXPECT_FALSE(DeleteFile(dir.Name("new.txt")));
  EXPECT_EQ(GetLastFileError(), 2);
  EXPECT_FALSE(DeleteFile(dir.Name("x")));  // directories are not files
  EXPECT_TRUE(RemoveDir(dir.Name("x/y/z")));
  EXPECT_TRUE(CreateDir(dir.Name("x/y/z")));
  EXPECT_FALSE(CreateDir(dir.Name("x/y/z")));
}

TEST(FileSystem, ReplacementFileTakesTheTargetsPlaceThroughLinks) {
  TempDir dir;
  dir.WriteBytes("data.txt", "old");
  std::filesystem::permissions(dir.Native("data.txt"), std::filesystem::perms(0640));
  std::filesystem::create_symlink("data.txt", dir.Native("link"));

  const UnicodeString fresh = CreateReplacementFile(dir.Name("link"));
  ASSERT_FALSE(fresh.empty());
  const std::filesystem::path freshPath = UnicodeToSystemName(fresh);
  EXPECT_EQ(freshPath.parent_path(), dir.Path());
  EXPECT_EQ(std::filesystem::file_size(freshPath), 0u);
  EXPECT_EQ(std::filesystem::status(freshPath).permissions(), std::filesystem::perms(0640));
  EXPECT_NE(CreateReplacementFile(dir.Name("link")), fresh);  // every call a name of its own

  std::ofstream(freshPath, std::ios::binary) << "new";
  EXPECT_TRUE(ReplaceFile(fresh, dir.Name("link")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Native("link")));  // the link stays, its target changed
  EXPECT_EQ(dir.ReadBytes("data.txt"), "new");
  EXPECT_FALSE(std::filesystem::exists(freshPath));

  EXPECT_EQ(CreateReplacementFile(dir.Name("no/such/folder/x")), u"");
  EXPECT_NE(GetLastFileError(), 0);
}

TEST(FileSystem, DriveTableMapsWindowsPaths) {
  EXPECT_EQ(HostPath(u"C:\\tmp\\a.txt"), "/tmp/a.txt");
  EXPECT_EQ(HostPath(u"rel\\a.txt"), "rel/a.txt");
  TempDir dir;
  dir.WriteBytes("d.txt", "");
  SetDriveMapping(u'q', dir.Name(""));
  EXPECT_EQ(GetDriveMapping(u'Q'), dir.Name(""));
  EXPECT_TRUE(FileExists(u"Q:\\d.txt"));
  SetDriveMapping(u'Q', u"");
  EXPECT_FALSE(FileExists(u"Q:\\d.txt"));
  EXPECT_THROW(SetDriveMapping(u'1', u"/"), EInvalidArgument);
}

TEST(FileSystem, EveryNameFindFirstGivesReachesItsEntry) {
  struct Case {
    std::string leaf;  // the system's bytes
    UnicodeString name;
  };
  const Case cases[] = {
      {"a\\b", u"a\\b"},                    // a POSIX name holding "\"
      {"bad\xFF\xC3", u"bad\xDCFF\xDCC3"},  // bytes that are not UTF-8
      {"tail\\", u"tail\\"},                // "\" at the end, not a separator
  };
  TempDir dir;
  for (const Case& c : cases) dir.WriteBytes(c.leaf, c.leaf);
  const UnicodeString base = dir.Name("");
  std::vector<UnicodeString> expected;
  for (const Case& c : cases) expected.push_back(c.name);
  ASSERT_EQ(Find(base + u"*", faAnyFile & ~faDirectory), expected);

  for (const Case& c : cases) {
    SCOPED_TRACE(c.leaf);
    const UnicodeString path = base + c.name;
    EXPECT_EQ(HostPath(path), dir.Native(c.leaf));
    EXPECT_TRUE(FileExists(path));
    EXPECT_NE(FileAge(path), -1);
    EXPECT_EQ(FileGetAttr(path), faArchive);
    EXPECT_EQ(Find(path, faAnyFile), std::vector<UnicodeString>{c.name});  // found by its own name
    EXPECT_EQ(ReadAll(path), c.leaf);

    EXPECT_TRUE(RenameFile(path, base + u"moved"));
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(dir.ReadBytes("moved"), c.leaf);
    ASSERT_TRUE(DeleteFile(base + u"moved"));

    dir.WriteBytes(c.leaf, c.leaf);
    EXPECT_TRUE(DeleteFile(path));
    EXPECT_FALSE(std::filesystem::exists(dir.Native(c.leaf)));
  }

  // A new name is created under exactly the bytes it stands for.
  { TFileStream created(base + u"new\xDCFE", fmCreate); }
  EXPECT_TRUE(std::filesystem::exists(dir.Native("new\xFE")));
}

TEST(FileSystem, BackslashPathsNotExistingAsWrittenUseTheWindowsReading) {
  TempDir dir;
  ASSERT_TRUE(CreateDir(dir.Name("x")));
  dir.WriteBytes("x/f.txt", "nested");
  const UnicodeString windows = dir.Name("x\\f.txt");
  EXPECT_EQ(HostPath(windows), dir.Native("x/f.txt"));
  EXPECT_TRUE(FileExists(windows));
  EXPECT_EQ(ReadAll(windows), "nested");
  EXPECT_EQ(Find(windows, faAnyFile), std::vector<UnicodeString>{u"f.txt"});

  // Once an entry of exactly that name exists, it is the one meant.
  dir.WriteBytes("x\\f.txt", "literal");
  EXPECT_EQ(HostPath(windows), dir.Native("x\\f.txt"));
  EXPECT_EQ(ReadAll(windows), "literal");
  EXPECT_EQ(Find(windows, faAnyFile), std::vector<UnicodeString>{u"x\\f.txt"});
  EXPECT_TRUE(DeleteFile(windows));
  EXPECT_EQ(ReadAll(windows), "nested");
}

}  // namespace
}  // namespace zub
