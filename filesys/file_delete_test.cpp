#include "filesys/file_delete.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <regex>

#include "filesys/ZUB_filesys.hpp"
#include "host/trash.hpp"
#include "testing/env_var.hpp"
#include "testing/read_only_view.hpp"
#include "testing/small_disk.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::EnvVar;
using zub::testing::TempDir;
namespace fs = std::filesystem;

// Output and exit code of a shell command.
int Shell(const std::string& command, std::string& output) {
  output.clear();
  FILE* p = ::popen(command.c_str(), "r");
  if (p == nullptr) return -1;
  char buf[4096];
  for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) output.append(buf, n);
  return ::pclose(p);
}

bool HaveTrashCli() {
  std::string out;
  return Shell("command -v trash-list && command -v trash-restore", out) == 0;
}

// A folder of files to delete or trash, and a home trash of its own ($XDG_DATA_HOME).
// work/{a.txt, B.TXT, .hidden.txt, keep.dat, sub/c.txt, link -> ../outside.txt}
class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir.Native("work/sub"));
    for (const char* f :
         {"work/a.txt", "work/B.TXT", "work/.hidden.txt", "work/keep.dat", "work/sub/c.txt", "outside.txt"})
      dir.WriteBytes(f, f);
    fs::create_symlink("../outside.txt", dir.Native("work/link.txt"));
    work = dir.Name("work/");
  }
  std::string Trash(const std::string& leaf) const { return dir.Native("data/Trash/" + leaf); }
  std::string Info(const std::string& name) const { return ReadFile(Trash("info/" + name + ".trashinfo")); }
  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  TempDir dir;
  EnvVar data{"XDG_DATA_HOME", dir.Native("data")};
  UnicodeString work;
};

TEST_F(Files, DeleteFilesTakesTheScansSelectionWithoutHiddenFiles) {
  EXPECT_EQ(DeleteFiles(dir.Name("WORK/*.TXT")), 3);  // a.txt, B.TXT and the link
  EXPECT_FALSE(fs::exists(dir.Native("work/a.txt")));
  EXPECT_FALSE(fs::exists(dir.Native("work/B.TXT")));
  EXPECT_FALSE(fs::is_symlink(dir.Native("work/link.txt")));
  EXPECT_TRUE(fs::exists(dir.Native("outside.txt")));
  EXPECT_TRUE(fs::exists(dir.Native("work/.hidden.txt")));
  EXPECT_TRUE(fs::exists(dir.Native("work/sub/c.txt")));
  EXPECT_EQ(DeleteFiles(work + u"*"), 1);  // keep.dat; the folder stays
  EXPECT_TRUE(fs::is_directory(dir.Native("work/sub")));
  EXPECT_EQ(DeleteFiles(work + u"*"), 0);
  EXPECT_EQ(DeleteFiles(dir.Name("nowhere/*")), 0);
}

// Files that cannot go are not counted, and a failed move leaves no info file behind.
TEST_F(Files, OnlyWhatWentAwayIsCounted) {
  zub::testing::ReadOnlyView view(dir.Native("work"));
  UnicodeString locked = work;
  if (view.Mounted()) {
    locked = view.Dir().Name("");
  } else if (::geteuid() != 0) {
    ::chmod(dir.Native("work").c_str(), 0500);
  } else {
    GTEST_SKIP() << "root deletes in a folder without write permission, and: " << view.Why();
  }
  EXPECT_EQ(DeleteFiles(locked + u"/*.txt"), 0);
  EXPECT_EQ(MoveToRecycleBin(locked + u"/*.txt"), 0);
  ::chmod(dir.Native("work").c_str(), 0700);
  EXPECT_TRUE(fs::exists(dir.Native("work/a.txt")));
  EXPECT_TRUE(fs::exists(dir.Native("work/B.TXT")));
  EXPECT_TRUE(!fs::exists(Trash("info")) || fs::is_empty(Trash("info")));
}

TEST_F(Files, RecycleBinIsTheHomeTrashWithOneInfoFilePerFile) {
  dir.WriteBytes("work/my file \xC3\xBC%.txt", "odd name");
  dir.WriteBytes("work/\xFF.txt", "not UTF-8");
  const std::time_t before = std::time(nullptr);
  EXPECT_EQ(MoveToRecycleBin(work + u"*.txt"), 5);
  EXPECT_FALSE(fs::exists(dir.Native("work/a.txt")));
  EXPECT_TRUE(fs::exists(dir.Native("work/.hidden.txt")));
  EXPECT_EQ(ReadFile(Trash("files/a.txt")), "work/a.txt");
  EXPECT_EQ(ReadFile(Trash("files/my file \xC3\xBC%.txt")), "odd name");
  EXPECT_TRUE(fs::is_symlink(Trash("files/link.txt")));
  EXPECT_EQ(fs::read_symlink(Trash("files/link.txt")), "../outside.txt");

  const std::string base = fs::canonical(dir.Path()).string();
  struct Case {
    std::string name, path;
  };
  for (const Case& c : {Case{"a.txt", base + "/work/a.txt"}, Case{"B.TXT", base + "/work/B.TXT"},
                        Case{"my file \xC3\xBC%.txt", base + "/work/my%20file%20%C3%BC%25.txt"},
                        Case{"\xFF.txt", base + "/work/%FF.txt"}}) {
    std::smatch m;
    const std::string info = Info(c.name);
    ASSERT_TRUE(
        std::regex_match(info, m,
                         std::regex("\\[Trash Info\\]\nPath=(.*)\nDeletionDate=(\\d{4})-(\\d\\d)-(\\d\\d)"
                                    "T(\\d\\d):(\\d\\d):(\\d\\d)\n")))
        << info;
    EXPECT_EQ(m[1], c.path);
    std::tm t = {};
    t.tm_year = std::stoi(m[2]) - 1900, t.tm_mon = std::stoi(m[3]) - 1, t.tm_mday = std::stoi(m[4]);
    t.tm_hour = std::stoi(m[5]), t.tm_min = std::stoi(m[6]), t.tm_sec = std::stoi(m[7]), t.tm_isdst = -1;
    const std::time_t when = std::mktime(&t);  // local time
    EXPECT_GE(when, before);
    EXPECT_LE(when, std::time(nullptr));
  }
  struct stat st;
  ASSERT_EQ(::stat(Trash("").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST_F(Files, NamesTakenInTheTrashGetANumber) {
  for (int round = 1; round <= 3; ++round) {
    dir.WriteBytes("work/a.txt", "round " + std::to_string(round));
    EXPECT_EQ(MoveToRecycleBin(work + u"a.txt"), 1);
  }
  EXPECT_EQ(ReadFile(Trash("files/a.txt")), "round 1");
  EXPECT_EQ(ReadFile(Trash("files/a.txt.2")), "round 2");
  EXPECT_EQ(ReadFile(Trash("files/a.txt.3")), "round 3");
  EXPECT_NE(Info("a.txt.3").find("/work/a.txt\n"), std::string::npos);
  // A trashed file left without its info file is not replaced either.
  dir.WriteBytes("data/Trash/files/B.TXT", "stale");
  EXPECT_EQ(MoveToRecycleBin(work + u"B.TXT"), 1);
  EXPECT_EQ(ReadFile(Trash("files/B.TXT")), "stale");
  EXPECT_EQ(ReadFile(Trash("files/B.TXT.2")), "work/B.TXT");
  EXPECT_FALSE(fs::exists(Trash("info/B.TXT.trashinfo")));
}

TEST_F(Files, LongNamesAreTrashedWhole) {
  // A name whose info file would pass 255 bytes is shortened in the trash, at a character
  // boundary; the path of more than 256 characters is kept whole in the info file.
  std::string deep = "work";
  for (int i = 0; i < 6; ++i) deep += "/" + std::string(40, char('p' + i));
  fs::create_directories(dir.Native(deep));
  std::string longName;
  for (int i = 0; i < 125; ++i) longName += "\xC3\xBC";  // 250 bytes
  dir.WriteBytes(deep + "/" + longName, "long");
  const UnicodeString mask = dir.Name(deep + "/*");
  ASSERT_GT(mask.size(), 256u);
  EXPECT_EQ(MoveToRecycleBin(mask), 1);
  const std::string shortened = longName.substr(0, 244);  // 245 bytes would split a character
  EXPECT_EQ(ReadFile(Trash("files/" + shortened)), "long");
  std::string encoded;
  for (int i = 0; i < 125; ++i) encoded += "%C3%BC";
  EXPECT_NE(Info(shortened).find("\nPath=" + fs::canonical(dir.Path()).string() + "/" + deep + "/" + encoded +
                                 "\n"),
            std::string::npos)
      << Info(shortened);
}

TEST_F(Files, TrashCliListsAndRestoresWhatWasTrashed) {
  if (!HaveTrashCli()) GTEST_SKIP() << "trash-cli (trash-list, trash-restore) is not installed";
  dir.WriteBytes("work/with space.txt", "spaced");
  ASSERT_EQ(MoveToRecycleBin(work + u"*.txt"), 4);
  const std::string base = fs::canonical(dir.Path()).string() + "/work/";
  std::string listed;
  ASSERT_EQ(Shell("trash-list 2>&1", listed), 0) << listed;
  for (const char* name : {"a.txt", "B.TXT", "link.txt", "with space.txt"})
    EXPECT_NE(listed.find(" " + base + name + "\n"), std::string::npos) << name << " in\n" << listed;

  std::string restored;
  ASSERT_EQ(Shell("echo 0 | trash-restore '" + base + "with space.txt' 2>&1", restored), 0) << restored;
  EXPECT_EQ(dir.ReadBytes("work/with space.txt"), "spaced");
  EXPECT_FALSE(fs::exists(Trash("files/with space.txt")));
  EXPECT_FALSE(fs::exists(Trash("info/with space.txt.trashinfo")));
  ASSERT_EQ(Shell("trash-list 2>&1", listed), 0);
  EXPECT_EQ(listed.find("with space.txt"), std::string::npos) << listed;
}

// The trash at the top of another mount: .Trash/$uid when .Trash is a sticky folder, else
// .Trash-$uid; never a copy into the home trash.
TEST_F(Files, FilesOnAnotherMountGoToThatMountsTrash) {
  zub::testing::SmallDisk disk(1 << 20);
  ZUB_REQUIRE_SMALL_DISK(disk);
  const TempDir& top = disk.Dir();
  const std::string uid = std::to_string(::getuid());
  fs::create_directories(top.Native("d"));
  const std::string mountPoint = fs::canonical(top.Path()).string();

  struct Case {
    const char* setup;  // what stands at $topdir/.Trash
    std::string trash;  // the trash that takes the file
  };
  for (const Case& c :
       {Case{"none", ".Trash-" + uid}, Case{"plain folder", ".Trash-" + uid},
        Case{"link to a sticky folder", ".Trash-" + uid}, Case{"sticky folder", ".Trash/" + uid}}) {
    SCOPED_TRACE(c.setup);
    fs::remove_all(top.Native(".Trash"));
    fs::remove_all(top.Native(".Trash-" + uid));
    fs::remove_all(top.Native("sticky"));
    const std::string setup = c.setup;
    if (setup == "plain folder") fs::create_directory(top.Native(".Trash"));
    if (setup != "none" && setup != "plain folder") {
      const std::string folder = setup == "sticky folder" ? ".Trash" : "sticky";
      fs::create_directory(top.Native(folder));
      ::chmod(top.Native(folder).c_str(), 01777);
      if (setup != "sticky folder") fs::create_directory_symlink(top.Native("sticky"), top.Native(".Trash"));
    }
    top.WriteBytes("d/f.txt", setup);
    ASSERT_EQ(MoveToRecycleBin(top.Name("d/*.txt")), 1);
    EXPECT_EQ(top.ReadBytes(c.trash + "/files/f.txt"), setup);
    EXPECT_NE(top.ReadBytes(c.trash + "/info/f.txt.trashinfo").find("\nPath=d/f.txt\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.Native("data/Trash/files/f.txt")));
  }
  struct stat st;
  ASSERT_EQ(::lstat(top.Native(".Trash/" + uid).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);

  if (HaveTrashCli()) {
    std::string listed;
    ASSERT_EQ(Shell("trash-list 2>&1", listed), 0) << listed;
    EXPECT_NE(listed.find(" " + mountPoint + "/d/f.txt\n"), std::string::npos) << listed;
    std::string restored;
    ASSERT_EQ(Shell("echo 0 | trash-restore '" + mountPoint + "/d/f.txt' 2>&1", restored), 0) << restored;
    EXPECT_EQ(top.ReadBytes("d/f.txt"), "sticky folder");
  }

  // No usable trash on the mount: the file stays where it is.
  fs::remove_all(top.Native(".Trash"));
  fs::remove_all(top.Native(".Trash-" + uid));
  top.WriteBytes(".Trash-" + uid, "not a folder");
  top.WriteBytes("d/g.txt", "stays");
  EXPECT_EQ(MoveToRecycleBin(top.Name("d/g.txt")), 0);
  EXPECT_EQ(MoveFileToTrash(top.Name("d/g.txt")), 17);
  EXPECT_EQ(top.ReadBytes("d/g.txt"), "stays");
}

}  // namespace
}  // namespace zub
