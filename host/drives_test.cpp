#include "host/drives.hpp"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "host/file_system.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;
namespace fs = std::filesystem;

// A tmpfs mounted on a folder for one test (root only).
class Tmpfs {
 public:
  Tmpfs(const std::string& At, unsigned long Flags = 0) : FAt(At) {
    if (::geteuid() != 0)
      FWhy = "mounting a tmpfs needs root";
    else if (::mount("tmpfs", At.c_str(), "tmpfs", Flags, "size=64k") != 0)
      FWhy = std::string("mount failed: ") + std::strerror(errno);
  }
  ~Tmpfs() {
    if (FWhy.empty()) ::umount2(FAt.c_str(), MNT_DETACH);
  }
  const std::string& Why() const { return FWhy; }

 private:
  std::string FAt;
  std::string FWhy;
};

#define ZUB_REQUIRE_MOUNT(m) \
  if (!(m).Why().empty()) GTEST_SKIP() << "no tmpfs for this test: " << (m).Why()

TEST(Drives, MountPointsWithBlanksAndBackslashesAreReadBack) {
  TempDir dir;
  const std::string odd = "a b\\c\td";  // the mount table escapes all three
  fs::create_directory(dir.Native(odd));
  Tmpfs tmp(dir.Native(odd), MS_RDONLY);
  ZUB_REQUIRE_MOUNT(tmp);
  TMountEntry m;
  ASSERT_TRUE(FindMount(dir.Name(odd), m));
  EXPECT_EQ(m.MountPoint, SystemNameToUnicode(fs::canonical(dir.Native(odd)).string()));
  EXPECT_EQ(m.FileSystem, u"tmpfs");
  EXPECT_EQ(m.DeviceMajor, 0u);
  EXPECT_TRUE(m.ReadOnly);
  EXPECT_TRUE(IsReadOnlyFileSystem(dir.Name(odd)));
  EXPECT_FALSE(IsReadOnlyFileSystem(dir.Name("")));
  EXPECT_EQ(GetDriveType(dir.Name(odd)), DRIVE_RAMDISK);
}

TEST(Drives, AMountHiddenByALaterOneDoesNotCount) {
  TempDir dir;
  fs::create_directories(dir.Native("outer/inner"));
  Tmpfs inner(dir.Native("outer/inner"));
  ZUB_REQUIRE_MOUNT(inner);
  Tmpfs outer(dir.Native("outer"));
  ZUB_REQUIRE_MOUNT(outer);
  fs::create_directory(dir.Native("outer/inner"));  // a folder of the outer mount now
  TMountEntry m;
  ASSERT_TRUE(FindMount(dir.Name("outer/inner"), m));
  EXPECT_EQ(m.MountPoint, SystemNameToUnicode(fs::canonical(dir.Native("outer")).string()));
}

TEST(Drives, MissingFoldersAndTheRoot) {
  TMountEntry m;
  EXPECT_FALSE(FindMount(u"/no/such/folder", m));
  EXPECT_EQ(GetDriveType(u"/no/such/folder"), DRIVE_NO_ROOT_DIR);
  ASSERT_TRUE(FindMount(u"C:\\", m));
  EXPECT_EQ(m.MountPoint, u"/");
  uint64_t free = 0, total = 0;
  EXPECT_FALSE(GetDiskFreeSpaceEx(u"/no/such/folder", free, total));
  ASSERT_TRUE(GetDiskFreeSpaceEx(u"/", free, total));
  EXPECT_LE(free, total);
}

TEST(FileCreateNew, NeverOpensAnExistingEntry) {
  TempDir dir;
  int32_t closeError = -1;
  EXPECT_EQ(FileCreateNew(dir.Name("new"), closeError), 0);
  EXPECT_EQ(closeError, 0);
  EXPECT_TRUE(fs::is_regular_file(dir.Native("new")));
  dir.WriteBytes("new", "kept");
  EXPECT_EQ(FileCreateNew(dir.Name("new"), closeError), 80);
  EXPECT_EQ(dir.ReadBytes("new"), "kept");
  // A dangling link is an entry too: its target is not created through it.
  fs::create_symlink(dir.Native("target"), dir.Native("link"));
  EXPECT_EQ(FileCreateNew(dir.Name("link"), closeError), 80);
  EXPECT_FALSE(fs::exists(dir.Native("target")));
  EXPECT_NE(FileCreateNew(dir.Name("no/such/folder/x"), closeError), 0);
}

}  // namespace
}  // namespace zub
