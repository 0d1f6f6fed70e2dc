#include "host/file_names.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "host/environment.hpp"
#include "host/file_stream.hpp"
#include "host/random.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;

TEST(FileNames, ExpandFileName) {
  const UnicodeString cwd = GetCurrentDir();
  struct Case {
    UnicodeString in, out;
  };
  const std::vector<Case> cases = {
      {u"C:\\a\\.\\b\\..\\c", u"C:\\a\\c"},
      {u"c:/x//y/", u"c:\\x\\y\\"},
      {u"/usr/./lib/../share", u"/usr/share"},
      {u"/..", u"/"},
      {u"\\a\\b", u"\\a\\b"},
      {u"sub/../f.txt", (cwd == u"/" ? u"" : cwd) + u"/f.txt"},
      {u"", cwd},
  };
  for (const Case& c : cases) EXPECT_EQ(ExpandFileName(c.in), c.out) << UnicodeToUtf8(c.in);
}

TEST(FileNames, SameFileSeesThroughSpellingsAndLinks) {
  TempDir dir;
  dir.WriteBytes("a", "x");
  dir.WriteBytes("b", "x");
  std::filesystem::create_hard_link(dir.Native("a"), dir.Native("hard"));
  std::filesystem::create_symlink(dir.Native("a"), dir.Native("soft"));
  EXPECT_TRUE(SameFile(dir.Name("a"), dir.Name("./a")));
  EXPECT_TRUE(SameFile(dir.Name("a"), dir.Name("hard")));
  EXPECT_TRUE(SameFile(dir.Name("soft"), dir.Name("a")));
  EXPECT_FALSE(SameFile(dir.Name("a"), dir.Name("b")));
  EXPECT_FALSE(SameFile(dir.Name("a"), dir.Name("missing")));
}

TEST(FileNames, ResolvePathCaseGivesTheStoredNames) {
  TempDir dir;
  std::filesystem::create_directories(dir.Native("Docs/Sub"));
  dir.WriteBytes("Docs/Sub/Read.Me", "x");
  const UnicodeString base = dir.Name("");
  EXPECT_EQ(ResolvePathCase(base + u"DOCS/sub/READ.ME"), base + u"Docs/Sub/Read.Me");
  EXPECT_EQ(ResolvePathCase(base + u"docs\\SUB\\*.ME"), base + u"Docs\\Sub\\*.ME");
  EXPECT_EQ(ResolvePathCase(base + u"docs/none/READ.ME"), base + u"Docs/none/READ.ME");
  EXPECT_EQ(ResolvePathCase(u"/USR"), std::filesystem::exists("/usr") ? u"/usr" : u"/USR");
}

TEST(FileNames, CopyFileDataCopiesBetweenFilesAndThroughBuffers) {
  TempDir dir;
  std::string data(3 << 20, '\0');
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7 + i / 4096);
  dir.WriteBytes("src", data);
  {
    TFileStream src(dir.Name("src"), fmOpenRead);
    TFileStream dst(dir.Name("dst"), fmCreate);
    uint8_t head[10];
    src.ReadBuffer(head, 10);  // a buffered position to start from
    dst.WriteBuffer("HEAD", 4);
    EXPECT_EQ(dst.CopyFileData(src, 1 << 20), 1 << 20);
    EXPECT_EQ(src.Position(), 10 + (1 << 20));
    EXPECT_EQ(dst.CopyFileData(src, int64_t{1} << 40), static_cast<int64_t>(data.size()) - 10 - (1 << 20));
    EXPECT_EQ(dst.CopyFileData(src, 100), 0);
    dst.WriteBuffer("TAIL", 4);
    dst.Close();
  }
  EXPECT_EQ(dir.ReadBytes("dst"), "HEAD" + data.substr(10) + "TAIL");

  // From a pipe the bytes go through a buffer.
  FILE* p = ::popen(("head -c 5000 " + dir.Native("src")).c_str(), "r");
  ASSERT_NE(p, nullptr);
  {
    TFileStream src(SystemNameToUnicode("/dev/fd/" + std::to_string(::fileno(p))), fmOpenRead);
    TFileStream dst(dir.Name("piped"), fmCreate);
    EXPECT_EQ(dst.CopyFileData(src, 1 << 20), 5000);
    dst.Close();
  }
  ::pclose(p);
  EXPECT_EQ(dir.ReadBytes("piped"), data.substr(0, 5000));
}

TEST(Environment, EntriesAndTempPath) {
  ::setenv("ZUB_TEST_VALUE", "a=b", 1);
  bool seen = false;
  for (const UnicodeString& e : GetEnvironmentStrings()) seen = seen || e == u"ZUB_TEST_VALUE=a=b";
  EXPECT_TRUE(seen);
  const char* old = std::getenv("TMPDIR");
  const std::string saved = old ? old : "";
  ::setenv("TMPDIR", "/var/tmp", 1);
  EXPECT_EQ(GetTempPath(), u"/var/tmp/");
  ::setenv("TMPDIR", "", 1);
  EXPECT_EQ(GetTempPath(), u"/tmp/");
  if (old)
    ::setenv("TMPDIR", saved.c_str(), 1);
  else
    ::unsetenv("TMPDIR");
}

TEST(SecureRandom, CoversItsRangeWithoutTouchingTheSeed) {
  RandSeed = 42;
  std::set<uint32_t> seen;
  for (int i = 0; i < 2000; ++i) {
    const uint32_t v = SecureRandom(20);
    ASSERT_LT(v, 20u);
    seen.insert(v);
  }
  EXPECT_EQ(seen.size(), 20u);
  EXPECT_EQ(RandSeed, 42u);
  EXPECT_EQ(SecureRandom(1), 0u);
}

}  // namespace
}  // namespace zub
