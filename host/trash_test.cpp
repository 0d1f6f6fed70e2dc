#include "host/trash.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "testing/env_var.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::EnvVar;
using zub::testing::TempDir;
namespace fs = std::filesystem;

TEST(Trash, HomeTrashFollowsXdgDataHome) {
  struct Case {
    const char* data;
    const char* home;
    UnicodeString trash;
  };
  for (const Case& c :
       {Case{"/data", "/home/u", u"/data/Trash"},
        Case{"relative", "/home/u", u"/home/u/.local/share/Trash"},  // not absolute: ignored
        Case{"", "/home/u/", u"/home/u/.local/share/Trash"}, Case{nullptr, "/", u"/.local/share/Trash"}}) {
    EnvVar data("XDG_DATA_HOME", c.data), home("HOME", c.home);
    EXPECT_EQ(HomeTrashDir(), c.trash) << (c.data ? c.data : "(unset)");
  }
}

TEST(Trash, MovesNamedEntriesAndRefusesTheRest) {
  TempDir dir;
  EnvVar data("XDG_DATA_HOME", dir.Native("data"));
  fs::create_directory(dir.Native("folder"));
  dir.WriteBytes("folder/f", "f");
  UnicodeString trashed;
  EXPECT_EQ(MoveFileToTrash(dir.Name("folder/"), trashed), 0);  // a folder moves whole
  EXPECT_EQ(trashed, dir.Name("data/Trash/files/folder"));
  EXPECT_EQ(dir.ReadBytes("data/Trash/files/folder/f"), "f");
  EXPECT_EQ(MoveFileToTrash(dir.Name("none")), 2);
  EXPECT_EQ(MoveFileToTrash(u"."), 87);
  EXPECT_EQ(MoveFileToTrash(u"/"), 87);
  EXPECT_EQ(MoveFileToTrash(dir.Name("folder/..")), 87);
}

}  // namespace
}  // namespace zub
