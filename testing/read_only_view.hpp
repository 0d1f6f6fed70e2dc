// A read-only view of a folder for one test: a bind mount of it, remounted read-only.
// Mounting needs root; where it cannot be done the test skips with the reason.
#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "testing/temp_dir.hpp"

namespace zub::testing {

class ReadOnlyView {
 public:
  explicit ReadOnlyView(const std::string& Folder) {
    if (::geteuid() != 0) {
      FWhy = "bind mounts need root";
      return;
    }
    if (::mount(Folder.c_str(), FView.Native("").c_str(), nullptr, MS_BIND, nullptr) != 0) {
      FWhy = std::string("bind mount failed: ") + std::strerror(errno);
      return;
    }
    FMounted = true;
    if (::mount(nullptr, FView.Native("").c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0)
      FWhy = std::string("remounting read-only failed: ") + std::strerror(errno);
  }
  ~ReadOnlyView() {
    if (FMounted) ::umount2(FView.Native("").c_str(), MNT_DETACH);
  }
  ReadOnlyView(const ReadOnlyView&) = delete;
  ReadOnlyView& operator=(const ReadOnlyView&) = delete;

  bool Mounted() const { return FWhy.empty(); }
  const std::string& Why() const { return FWhy; }
  // The view: the folder's entries, read-only.
  const TempDir& Dir() const { return FView; }

 private:
  TempDir FView;
  bool FMounted = false;
  std::string FWhy;
};

}  // namespace zub::testing
