// A tiny tmpfs mounted for one test, to see what writers do when the disk fills up.
// Mounting needs root; where it cannot be done the test skips with the reason.
#pragma once

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "testing/temp_dir.hpp"

namespace zub::testing {

class SmallDisk {
 public:
  explicit SmallDisk(size_t Bytes) {
    const std::string options = "size=" + std::to_string(Bytes);
    if (::geteuid() != 0)
      FWhy = "mounting a tmpfs needs root";
    else if (::mount("tmpfs", FDir.Native("").c_str(), "tmpfs", 0, options.c_str()) != 0)
      FWhy = std::string("mount of a tmpfs failed: ") + std::strerror(errno);
    else
      FMounted = true;
  }
  ~SmallDisk() {
    if (FMounted) ::umount2(FDir.Native("").c_str(), MNT_DETACH);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool Mounted() const { return FMounted; }
  const std::string& Why() const { return FWhy; }
  const TempDir& Dir() const { return FDir; }
  // Fills the disk until only about Free bytes are left.
  void LeaveFree(size_t Free) const {
    const std::string filler = FDir.Native("filler");
    FILE* f = std::fopen(filler.c_str(), "wb");
    if (f == nullptr) return;
    const std::string block(1024, 'f');
    while (FreeBytes() > Free + block.size() && std::fwrite(block.data(), 1, block.size(), f) == block.size())
      std::fflush(f);
    std::fclose(f);
  }
  size_t FreeBytes() const {
    struct statvfs st;
    if (::statvfs(FDir.Native("").c_str(), &st) != 0) return 0;
    return static_cast<size_t>(st.f_bavail) * st.f_frsize;
  }

 private:
  TempDir FDir;
  bool FMounted = false;
  std::string FWhy;
};

}  // namespace zub::testing

// Skips the test when the small disk could not be mounted.
#define ZUB_REQUIRE_SMALL_DISK(disk) \
  if (!(disk).Mounted()) GTEST_SKIP() << "no small disk for this test: " << (disk).Why()
