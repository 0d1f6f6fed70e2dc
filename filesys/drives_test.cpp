#include "filesys/drives.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "filesys/ZUB_filesys.hpp"
#include "testing/read_only_view.hpp"
#include "testing/small_disk.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;
namespace fs = std::filesystem;

// Maps a drive letter for one test and puts the old mapping back.
class MappedDrive {
 public:
  MappedDrive(Char Letter, const UnicodeString& Root) : FLetter(Letter), FOld(GetDriveMapping(Letter)) {
    SetDriveMapping(Letter, Root);
  }
  ~MappedDrive() { SetDriveMapping(FLetter, FOld); }
  uint8_t Number() const { return static_cast<uint8_t>(FLetter - u'A'); }

 private:
  Char FLetter;
  UnicodeString FOld;
};

// The drive type of Path from this test's own reading of the mount table: the last mount
// whose mount point is the longest one holding Path.
int32_t ExpectedType(const std::string& Path) {
  char real[PATH_MAX];
  if (::realpath(Path.c_str(), real) == nullptr) return 1;
  const std::string p = real;
  std::ifstream table("/proc/self/mountinfo");
  std::string line, best, type, device;
  while (std::getline(table, line)) {
    std::istringstream in(line);
    std::string id, parent, dev, root, point, field;
    in >> id >> parent >> dev >> root >> point;
    while (in >> field && field != "-") {
    }
    std::string fsType;
    in >> fsType;
    const bool holds = point == "/" || p == point || p.rfind(point + "/", 0) == 0;
    if (holds && point.size() >= best.size()) best = point, type = fsType, device = dev;
  }
  if (type == "tmpfs" || type == "ramfs") return 6;
  for (const char* net : {"nfs", "nfs4", "cifs", "smb3", "fuse.sshfs"})
    if (type == net) return 4;
  if (type == "iso9660" || type == "udf") return 5;
  std::ifstream removable("/sys/dev/block/" + device + "/removable");
  std::ifstream parentRemovable("/sys/dev/block/" + device + "/../removable");
  char flag = '0';
  if (!(removable >> flag)) parentRemovable >> flag;
  return flag == '1' ? 2 : 3;
}

std::vector<UnicodeString> Drives() {
  TStringList list;
  list.Add(u"stale");
  BuildDriveList(list);
  std::vector<UnicodeString> out;
  for (int32_t i = 0; i < list.Count(); ++i) out.push_back(list.Strings(i));
  return out;
}

TEST(Drives, ListFollowsTheDriveTable) {
  EXPECT_EQ(Drives(), std::vector<UnicodeString>{u"C:"});
  TempDir dir;
  {
    MappedDrive z(u'Z', dir.Name("")), a(u'a', dir.Name(""));
    EXPECT_EQ(Drives(), (std::vector<UnicodeString>{u"A:", u"C:", u"Z:"}));
  }
  EXPECT_EQ(Drives(), std::vector<UnicodeString>{u"C:"});
}

TEST(Drives, TypeOfTheMountBehindEachLetter) {
  TempDir dir;
  MappedDrive t(u'T', dir.Name("")), m(u'M', dir.Name("missing"));
  struct Case {
    uint8_t drive;
    int32_t type;
  };
  for (const Case& c : {Case{26, 0}, Case{255, 0}, Case{16, 1} /* Q: unmapped */, Case{m.Number(), 1},
                        Case{2, ExpectedType("/")}, Case{t.Number(), ExpectedType(dir.Native(""))}})
    EXPECT_EQ(GetDiskDriveType(c.drive), c.type) << int(c.drive);

  zub::testing::SmallDisk disk(1 << 20);
  ZUB_REQUIRE_SMALL_DISK(disk);
  MappedDrive r(u'R', disk.Dir().Name(""));
  EXPECT_EQ(GetDiskDriveType(r.Number()), 6);
  // A folder below the mount point belongs to the mount too.
  fs::create_directory(disk.Dir().Native("sub"));
  MappedDrive s(u'S', disk.Dir().Name("sub"));
  EXPECT_EQ(GetDiskDriveType(s.Number()), 6);
}

TEST(Drives, FreeSpaceIsWhatStatvfsLeavesTheCaller) {
  EXPECT_EQ(DiskFreeExtended(26), -1);
  EXPECT_EQ(DiskFreeExtended(16), -1);  // Q: unmapped
  struct statvfs root;
  ASSERT_EQ(::statvfs("/", &root), 0);
  const double rootFree = static_cast<double>(root.f_bavail) * root.f_frsize;
  const double c = DiskFreeExtended(2);
  EXPECT_EQ(c, std::floor(c));
  EXPECT_NEAR(c, rootFree, 512.0 * 1024 * 1024);  // others write on this disk meanwhile

  zub::testing::SmallDisk disk(1 << 20);
  ZUB_REQUIRE_SMALL_DISK(disk);
  MappedDrive r(u'R', disk.Dir().Name(""));
  EXPECT_EQ(DiskFreeExtended(r.Number()), static_cast<double>(disk.FreeBytes()));
  disk.LeaveFree(256 << 10);
  EXPECT_EQ(DiskFreeExtended(r.Number()), static_cast<double>(disk.FreeBytes()));
  EXPECT_LE(DiskFreeExtended(r.Number()), 260 << 10);
}

TEST(Drives, ProbeLeavesNothingAndNeverTouchesAFileOfItsName) {
  TempDir dir;
  EXPECT_FALSE(DirIsReadOnly(dir.Name("")));
  EXPECT_FALSE(DirIsReadOnly(dir.Name("") + u"/"));
  EXPECT_TRUE(fs::is_empty(dir.Path()));
  // The user's files of the probe's names stay as they are.
  dir.WriteBytes("$%$LO%$.$$$", "mine");
  dir.WriteBytes("$%$LO%$.$$$.1", "mine too");
  EXPECT_FALSE(DirIsReadOnly(dir.Name("")));
  MappedDrive w(u'W', dir.Name(""));
  EXPECT_FALSE(DiskIsReadOnly(w.Number()));
  EXPECT_EQ(dir.ReadBytes("$%$LO%$.$$$"), "mine");
  EXPECT_EQ(dir.ReadBytes("$%$LO%$.$$$.1"), "mine too");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);

  EXPECT_TRUE(DirIsReadOnly(dir.Name("missing")));
  EXPECT_THROW(DirIsReadOnly(u""), EZUBFileSysError);
  EXPECT_TRUE(DiskIsReadOnly(26));
  EXPECT_TRUE(DiskIsReadOnly(16));  // Q: unmapped
  MappedDrive m(u'M', dir.Name("missing"));
  EXPECT_TRUE(DiskIsReadOnly(m.Number()));
}

TEST(Drives, FolderWithoutWritePermissionIsReadOnly) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes in a folder without write permission";
  TempDir dir;
  fs::create_directory(dir.Native("locked"));
  ::chmod(dir.Native("locked").c_str(), 0500);
  EXPECT_TRUE(DirIsReadOnly(dir.Name("locked")));
  ::chmod(dir.Native("locked").c_str(), 0700);
}

TEST(Drives, ReadOnlyMountIsReadOnlyEvenWhereTheProbeNameIsTaken) {
  TempDir source;
  source.WriteBytes("$%$LO%$.$$$", "mine");
  zub::testing::ReadOnlyView view(source.Native(""));
  if (!view.Mounted()) GTEST_SKIP() << "no read-only mount for this test: " << view.Why();
  EXPECT_TRUE(DirIsReadOnly(view.Dir().Name("")));
  MappedDrive r(u'R', view.Dir().Name(""));
  EXPECT_TRUE(DiskIsReadOnly(r.Number()));
  EXPECT_EQ(source.ReadBytes("$%$LO%$.$$$"), "mine");
  MappedDrive w(u'W', source.Name(""));
  EXPECT_FALSE(DiskIsReadOnly(w.Number()));
  EXPECT_EQ(source.ReadBytes("$%$LO%$.$$$"), "mine");
}

}  // namespace
}  // namespace zub
