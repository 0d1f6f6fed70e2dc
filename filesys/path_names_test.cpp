#include "filesys/path_names.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "filesys/ZUB_filesys.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

TEST(PathNames, StringRoutines) {
  struct Case {
    UnicodeString got, want;
  };
  const std::vector<Case> cases = {
      {ParentDir(u"abc"), u""},
      {ParentDir(u"C:\\"), u""},
      {ParentDir(u"/usr/lib/"), u"/usr/"},
      {ParentDir(u"C:\\a\\b\\"), u"C:\\a\\"},
      {ParentDir(u"C:\\a\\b"), u"C:\\a\\"},
      {StripExtension(u"C:\\dir.x\\file"), u"C:\\dir.x\\file"},
      {StripExtension(u"a.b.c"), u"a.b"},
      {StripExtension(u"/tmp/x.txt"), u"/tmp/x"},
      {StripPath(u"C:\\d\\a.txt"), u"a.txt"},
      {StripPath(u"C:a.txt"), u"a.txt"},
      {StripPath(u"/usr/lib"), u"lib"},
      {ExtractFilePath(u"C:\\data\\a.txt"), u"C:\\data\\"},
      {ExtractFilePath(u"C:a.txt"), u"C:"},
      {ExtractFilePath(u"/usr/lib/"), u"/usr/lib/"},
      {ExtractFilePath(u"a.txt"), u""},
      {InsertBeforeFileExt(u"_old", u"C:\\d\\a.b.c"), u"C:\\d\\a_old.b.c"},
      {InsertBeforeFileExt(u"_old", u"C:\\d.x\\a"), u"C:\\d.x\\a_old"},
      {EnsureDefaultFileExt(u"report", u"txt"), u"report.txt"},
      {EnsureDefaultFileExt(u"report", u".txt"), u"report.txt"},
      {EnsureDefaultFileExt(u"report.dat", u"txt"), u"report.dat"},
      {EnsureDefaultFileExt(u"report", u""), u"report"},
      {ReplaceInvalidFileNameChars(u"a?b", u'_'), u"a_b"},
      {ReplaceInvalidFileNameChars(u"..", u'_'), u"__"},
      {ReplaceInvalidFileNameChars(u".", u'_'), u"_"},
      {ReplaceInvalidFileNameChars(u"a\\b/c:d|e", u'-'), u"a-b-c-d-e"},
      {AbridgeFilePath(u"C:\\Program Files\\Vendor\\App\\file.txt", 25), u"C:\\..\\..\\App\\file.txt"},
      {AbridgeFilePath(u"C:\\Program Files\\Vendor\\App\\file.txt", 26), u"C:\\..\\Vendor\\App\\file.txt"},
      {AbridgeFilePath(u"/usr/share/doc/x", 100), u"/usr/share/doc/x"},
      {AbridgeFilePath(u"noseparator", 3), u"noseparator"},
      {AbridgeFilePath(u"C:\\a\\b\\c\\d", 1), u"C:\\..\\..\\..\\d"},
  };
  for (size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(cases[i].got, cases[i].want) << "case " << i;
}

TEST(PathNames, Tests) {
  EXPECT_EQ(ExtractDrive(u"c:\\x"), 2);
  EXPECT_EQ(ExtractDrive(u"data\\x"), -1);
  EXPECT_EQ(ExtractDrive(u"1:\\x"), 0);
  EXPECT_TRUE(IsRootDir(u"c:\\"));
  EXPECT_TRUE(IsRootDir(u" D:\\ "));
  EXPECT_TRUE(IsRootDir(u"/"));
  EXPECT_FALSE(IsRootDir(u"c:\\x"));
  EXPECT_FALSE(IsRootDir(u"c:"));
  EXPECT_TRUE(IsDOS83Path(u"C:\\DOCS\\REPORT.TXT"));
  EXPECT_FALSE(IsDOS83Path(u"C:\\DOCUMENTS\\A.TXT"));
  EXPECT_TRUE(IsDOS83Path(u""));
  EXPECT_TRUE(IsDOS83Path(u"ABCDEFGH.TXT"));
  EXPECT_FALSE(IsDOS83Path(u"ABCDEFGHI.TXT"));
  EXPECT_FALSE(IsFN83CompliantPath(u"my file"));
  EXPECT_FALSE(IsFN83CompliantPath(u"caf\u00E9"));
  EXPECT_TRUE(IsFN83CompliantPath(u"{a}~@^`!#$%&'()-_.:\\"));
  EXPECT_FALSE(IsValidFileName(u".."));
  EXPECT_FALSE(IsValidFileName(u"a*b"));
  EXPECT_TRUE(IsValidFileName(u"a\"b"));  // quotes are allowed
}

TEST(PathNames, DOSToWinPathGivesTheStoredNames) {
  zub::testing::TempDir dir;
  std::filesystem::create_directories(dir.Native("Long Folder/Inner"));
  const UnicodeString base = dir.Name("");
  EXPECT_EQ(DOSToWinPath(base + u"LONG FOLDER/./inner"), base + u"Long Folder/Inner");
  EXPECT_EQ(DOSToWinPath(base + u"long folder/missing/x"), base + u"Long Folder/missing/x");
}

}  // namespace
}  // namespace zub
