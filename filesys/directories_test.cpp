#include "filesys/directories.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "filesys/ZUB_filesys.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;
namespace fs = std::filesystem;

// A small tree: Top/{a.txt, B.TXT, .hidden, Sub/{c.txt, Deep/d.txt}, link -> outside}.
class Tree : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir.Native("Top/Sub/Deep"));
    fs::create_directories(dir.Native("outside"));
    for (const char* f :
         {"Top/a.txt", "Top/B.TXT", "Top/.hidden", "Top/Sub/c.txt", "Top/Sub/Deep/d.txt", "outside/keep.txt"})
      dir.WriteBytes(f, "data");
    fs::create_directory_symlink(dir.Native("outside"), dir.Native("Top/link"));
    top = dir.Name("Top/");
  }
  std::vector<UnicodeString> Scan(const UnicodeString& mask, bool recurse) {
    TStringList list;
    ScanFilesToStrList(mask, recurse, &list, nullptr);
    std::vector<UnicodeString> out;
    for (int32_t i = 0; i < list.Count(); ++i) out.push_back(list.Strings(i));
    return out;
  }
  TempDir dir;
  UnicodeString top;
};

TEST_F(Tree, ScanAndCountGiveStoredNamesAndKeepOutOfLinks) {
  // The mask is upper-cased; folders resolve regardless of case, names come as stored.
  EXPECT_EQ(Scan(top + u"*.txt", false), (std::vector<UnicodeString>{top + u"B.TXT", top + u"a.txt"}));
  EXPECT_EQ(Scan(dir.Name("TOP/SUB/*"), true),
            (std::vector<UnicodeString>{top + u"Sub/c.txt", top + u"Sub/Deep/d.txt"}));
  // Every non-folder entry, the link and the hidden file included; the link not followed.
  std::vector<UnicodeString> all = Scan(top + u"*", true);
  EXPECT_EQ(all.size(), 6u);
  EXPECT_NE(std::find(all.begin(), all.end(), top + u"link"), all.end());
  EXPECT_EQ(std::find(all.begin(), all.end(), top + u"link/keep.txt"), all.end());
  std::vector<UnicodeString> folders;
  EXPECT_EQ(CountFiles(top + u"*", true, [&](const UnicodeString& d, int32_t) { folders.push_back(d); }), 6);
  EXPECT_EQ(folders, (std::vector<UnicodeString>{top, top + u"Sub/", top + u"Sub/Deep/"}));
  EXPECT_EQ(CountFiles(dir.Name("nowhere/*"), true, nullptr), 0);
  ScanFilesToStrList(top + u"*", true, nullptr, nullptr);  // no list: nothing happens
}

TEST_F(Tree, FileDetectSearchesPlainSubfolders) {
  EXPECT_EQ(FileDetect(top + u"d.TXT"), top + u"Sub/Deep/d.txt");
  EXPECT_EQ(FileDetect(top + u"a.txt"), top + u"a.txt");
  EXPECT_EQ(FileDetect(top + u"keep.txt"), u"");  // only behind the link
  EXPECT_EQ(FileDetect(top + u".hidden"), u"");
  EXPECT_EQ(FileDetect(top + u"none"), u"");
}

TEST_F(Tree, Tests) {
  EXPECT_TRUE(DirExists(top));
  EXPECT_TRUE(DirExists(top + u"link"));
  EXPECT_FALSE(DirExists(u""));
  EXPECT_FALSE(DirExists(top + u"a.txt"));
  EXPECT_TRUE(DirEmpty(dir.Name("missing")));
  EXPECT_FALSE(DirEmpty(dir.Name("Top")));
  fs::create_directory(dir.Native("empty"));
  EXPECT_TRUE(DirEmpty(dir.Name("empty")));
  EXPECT_EQ(GetFileSize(top + u"a.txt"), 4);
  EXPECT_EQ(GetFileSize(top + u"*.TXT"), 4);
  EXPECT_EQ(GetFileSize(top + u"none"), -1);
  EXPECT_EQ(GetFileSize64(top + u"a.txt"), 4);
}

TEST_F(Tree, DelDirTreeDeletesLinksNotWhatTheyReach) {
  EXPECT_EQ(DelDirTree(u""), u"");
  EXPECT_EQ(DelDirTree(dir.Name("Top")), u"");
  EXPECT_FALSE(fs::exists(dir.Native("Top")));
  EXPECT_TRUE(fs::exists(dir.Native("outside/keep.txt")));

  // A link given as the tree: the link goes, its target stays.
  fs::create_directory_symlink(dir.Native("outside"), dir.Native("alias"));
  EXPECT_EQ(DelDirTree(dir.Name("alias/")), u"");
  EXPECT_FALSE(fs::is_symlink(dir.Native("alias")));
  EXPECT_TRUE(fs::exists(dir.Native("outside/keep.txt")));
}

TEST_F(Tree, DelDirTreeNamesWhatItCouldNotDelete) {
  if (::geteuid() == 0) GTEST_SKIP() << "root deletes in a folder without write permission";
  ::chmod(dir.Native("Top/Sub/Deep").c_str(), 0500);
  EXPECT_EQ(DelDirTree(dir.Name("Top")), top + u"Sub/Deep/d.txt");
  ::chmod(dir.Native("Top/Sub/Deep").c_str(), 0700);
}

TEST_F(Tree, SetAllFilenameCase) {
  SetAllFilenameCase(top + u"*.*", true);
  EXPECT_TRUE(fs::exists(dir.Native("Top/A.TXT")));
  EXPECT_TRUE(fs::exists(dir.Native("Top/SUB/C.TXT")));
  EXPECT_TRUE(fs::exists(dir.Native("Top/SUB/DEEP/D.TXT")));
  EXPECT_TRUE(fs::exists(dir.Native("outside/keep.txt")));  // not through the link
  SetAllFilenameCase(dir.Name("TOP/*.*"), false);
  EXPECT_TRUE(fs::exists(dir.Native("Top/b.txt")));
  EXPECT_TRUE(fs::exists(dir.Native("Top/sub/deep/d.txt")));
  // Two names that differ only in case cannot both take one case.
  dir.WriteBytes("Top/X", "1");
  dir.WriteBytes("Top/x", "2");
  EXPECT_THROW(SetAllFilenameCase(top + u"x", false), EInOutError);
}

TEST(SystemFolders, EnvironmentAndFolders) {
  ::setenv("ZUB_Probe", "one", 1);
  ::setenv("ZUB_PROBE_LONGER", "two", 1);
  EXPECT_EQ(GetEnviroVar(u"zub_probe"), u"one");
  EXPECT_EQ(GetEnviroVar(u"ZUB_PROBE_LONGER"), u"two");
  EXPECT_EQ(GetEnviroVar(u"ZUB_PROB"), u"");
  const char* old = std::getenv("TMPDIR");
  const std::string saved = old ? old : "";
  ::setenv("TMPDIR", "/var/tmp/", 1);
  EXPECT_EQ(GetTempDir(), u"/var/tmp/");
  ::unsetenv("TMPDIR");
  EXPECT_EQ(GetTempDir(), u"/tmp/");
  if (old) ::setenv("TMPDIR", saved.c_str(), 1);
  EXPECT_TRUE(DirExists(GetSystemDir()));
  EXPECT_TRUE(DirExists(GetWindowsDir()));
}

}  // namespace
}  // namespace zub
