// The registry's SQLite stores under stress: writers in several processes at once, a store
// locked for longer than a writer waits, and files that are no store.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "host/registry/registry.hpp"
#include "testing/env_var.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

class SqliteStoreTest : public ::testing::Test {
 protected:
  std::string Store() const { return dir.Native("reg/HKEY_CURRENT_USER.db"); }
  testing::TempDir dir;
  testing::EnvVar storeDir{"ZUBCOREKIT_REGISTRY_DIR", dir.Native("reg")};
};

// Writes Count values of its own into one shared key and one key of its own; exit 0 when
// every write went through.
[[noreturn]] void Writer(int id, int count) {
  int status = 0;
  try {
    TRegistry reg;
    for (int i = 0; i < count; ++i) {
      const UnicodeString name = U("w" + std::to_string(id) + "-" + std::to_string(i));
      if (!reg.OpenKey(u"\\Shared", true)) status = 2;
      reg.WriteInteger(name, i);
      if (!reg.OpenKey(U("\\Own" + std::to_string(id) + "\\Sub"), true)) status = 2;
      reg.WriteString(name, name);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "writer %d: %s\n", id, e.what());
    status = 1;
  }
  std::fflush(stderr);
  ::_exit(status);
}

TEST_F(SqliteStoreTest, WritersInSeveralProcessesLoseNothing) {
  constexpr int kWriters = 4;
  constexpr int kCount = 40;
  pid_t pids[kWriters];
  for (int w = 0; w < kWriters; ++w) {
    pids[w] = ::fork();
    ASSERT_GE(pids[w], 0);
    if (pids[w] == 0) Writer(w, kCount);
  }
  for (int w = 0; w < kWriters; ++w) {
    int status = 0;
    ASSERT_EQ(::waitpid(pids[w], &status, 0), pids[w]);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "writer " << w << " status " << status;
  }
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly(u"Shared"));
  TStringList names;
  reg.GetValueNames(names);
  EXPECT_EQ(names.Count(), kWriters * kCount);
  for (int w = 0; w < kWriters; ++w) {
    for (int i = 0; i < kCount; ++i) {
      const UnicodeString name = U("w" + std::to_string(w) + "-" + std::to_string(i));
      ASSERT_TRUE(reg.OpenKeyReadOnly(u"\\Shared"));
      EXPECT_EQ(reg.ReadInteger(name), i);
      ASSERT_TRUE(reg.OpenKeyReadOnly(U("\\Own" + std::to_string(w) + "\\Sub")));
      EXPECT_EQ(reg.ReadString(name), name);
    }
  }
  reg.CloseKey();
  reg.GetKeyNames(names);
  EXPECT_EQ(names.Count(), kWriters + 1);  // no key made twice by a race
}

TEST_F(SqliteStoreTest, AWriterGivesUpOnALockedStoreAfterItsWaitAndChangesNothing) {
  {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(u"K", true));
    reg.WriteString(u"v", u"before");
  }
  sqlite3* holder = nullptr;
  ASSERT_EQ(sqlite3_open(Store().c_str(), &holder), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  const auto start = std::chrono::steady_clock::now();
  try {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(u"K", false));
    reg.WriteString(u"v", u"after");
    ADD_FAILURE() << "the write went through a lock";
  } catch (const ERegistryException& e) {
    const std::string msg = e.what();
    EXPECT_NE(msg.find(Store()), std::string::npos) << msg;
    EXPECT_NE(msg.find("locked"), std::string::npos) << msg;
  }
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, std::chrono::milliseconds(4500));
  EXPECT_LT(waited, std::chrono::seconds(30));
  sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(holder);
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(u"K", false));
  EXPECT_EQ(reg.ReadString(u"v"), u"before");
  reg.WriteString(u"v", u"after");
  EXPECT_EQ(reg.ReadString(u"v"), u"after");
}

TEST_F(SqliteStoreTest, AFileOfGarbageIsAnErrorNamingItNeverACrash) {
  std::filesystem::create_directories(dir.Path() / "reg");
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919 + 13) & 0xFF);
  dir.WriteBytes("reg/HKEY_CURRENT_USER.db", garbage);
  TRegistry reg;
  for (int step = 0; step < 3; ++step) {
    try {
      if (step == 0) reg.KeyExists(u"K");
      if (step == 1) reg.OpenKey(u"K", true);
      if (step == 2) reg.WriteString(u"v", u"x");
      ADD_FAILURE() << "step " << step << " did not fail";
    } catch (const ERegistryException& e) {
      EXPECT_NE(std::string(e.what()).find(Store()), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(dir.ReadBytes("reg/HKEY_CURRENT_USER.db"), garbage);  // left as it was
}

TEST_F(SqliteStoreTest, AStoreThatCannotBeReadIsAnErrorNamingIt) {
  if (::geteuid() == 0) {
    // The superuser reads any file: a folder in the store's place stands in for it.
    std::filesystem::create_directories(Store());
  } else {
    {
      TRegistry reg;
      ASSERT_TRUE(reg.OpenKey(u"K", true));
    }
    ASSERT_EQ(::chmod(Store().c_str(), 0), 0);
  }
  TRegistry reg;
  try {
    reg.KeyExists(u"K");
    ADD_FAILURE() << "no error";
  } catch (const ERegistryException& e) {
    EXPECT_NE(std::string(e.what()).find(Store()), std::string::npos) << e.what();
  }
  EXPECT_THROW(reg.OpenKey(u"K", true), ERegistryException);
}

TEST_F(SqliteStoreTest, AStoreWhoseFolderCannotBeMadeReadsEmptyAndRefusesWrites) {
  // A regular file where a folder of the store's path must go stops the superuser too.
  dir.WriteBytes("file", "x");
  testing::EnvVar below("ZUBCOREKIT_REGISTRY_DIR", dir.Native("file/reg"));
  TRegistry reg;
  EXPECT_FALSE(reg.KeyExists(u"K"));
  EXPECT_FALSE(reg.OpenKeyReadOnly(u"K"));
  try {
    reg.OpenKey(u"K", true);
    ADD_FAILURE() << "no error";
  } catch (const ERegistryException& e) {
    EXPECT_NE(std::string(e.what()).find(dir.Native("file/reg")), std::string::npos) << e.what();
  }
}

TEST_F(SqliteStoreTest, AnEmptyFileIsAnEmptyStore) {
  std::filesystem::create_directories(dir.Path() / "reg");
  dir.WriteBytes("reg/HKEY_CURRENT_USER.db", "");
  TRegistry reg;
  EXPECT_FALSE(reg.KeyExists(u"K"));
  ASSERT_TRUE(reg.OpenKey(u"K", true));
  reg.WriteString(u"v", u"x");
  EXPECT_EQ(reg.ReadString(u"v"), u"x");
}

}  // namespace
}  // namespace zub
