// A desktop of one test's own: XDG_DATA_HOME, XDG_DATA_DIRS, XDG_CONFIG_HOME and
// XDG_CONFIG_DIRS point into a fresh folder (user/data, system/data, user/config,
// system/config) and XDG_CURRENT_DESKTOP is unset, so that the real desktop's files play no
// part. All is put back afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "testing/env_var.hpp"
#include "testing/temp_dir.hpp"

namespace zub::testing {

class XdgTree {
 public:
  XdgTree()
      : FDataHome("XDG_DATA_HOME", FDir.Native("user/data")),
        FDataDirs("XDG_DATA_DIRS", FDir.Native("system/data")),
        FConfigHome("XDG_CONFIG_HOME", FDir.Native("user/config")),
        FConfigDirs("XDG_CONFIG_DIRS", FDir.Native("system/config")),
        FDesktop("XDG_CURRENT_DESKTOP", nullptr) {}

  // Writes a file at a path relative to the tree ("user/data/mime/globs2"), making its folders.
  void Write(const std::string& Leaf, const std::string& Text) const {
    const std::filesystem::path p = FDir.Path() / Leaf;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << Text;
  }
  std::string Native(const std::string& Leaf) const { return FDir.Native(Leaf); }

 private:
  TempDir FDir;
  EnvVar FDataHome, FDataDirs, FConfigHome, FConfigDirs, FDesktop;
};

}  // namespace zub::testing
