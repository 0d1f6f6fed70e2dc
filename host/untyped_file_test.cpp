#include "host/untyped_file.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;

TEST(UntypedFile, BlocksOfRecordSizeOneRoundTrip) {
  TempDir dir;
  UntypedFile f;
  AssignFile(f, dir.Name("blk.bin"));
  Rewrite(f, 1);
  BlockWrite(f, "abcdefgh", 8);
  EXPECT_EQ(FileSize(f), 8);
  Seek(f, 2);
  char buf[8] = {};
  int32_t got = 0;
  BlockRead(f, buf, 8, got);
  EXPECT_EQ(got, 6);
  EXPECT_EQ(std::string(buf, 6), "cdefgh");
  EXPECT_TRUE(Eof(f));
  Seek(f, 0);
  EXPECT_THROW(BlockRead(f, buf, 9), EInOutError);
  CloseFile(f);
}

TEST(UntypedFile, ResetFollowsTheGlobalFileMode) {
  TempDir dir;
  dir.WriteBytes("m.bin", "12345");
  UntypedFile f;
  AssignFile(f, dir.Name("m.bin"));
  const uint8_t saved = FileMode;
  FileMode = fmReadOnly;
  Reset(f, 1);
  FileMode = saved;
  EXPECT_EQ(FileSize(f), 5);
  try {
    BlockWrite(f, "x", 1);
    FAIL();
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.ErrorCode(), ioNotOpenForOutput);
  }
  CloseFile(f);

  // Read-only files open only in read-only mode.
  ASSERT_EQ(::chmod(dir.Native("m.bin").c_str(), 0444), 0);
  if (::geteuid() != 0) {  // root ignores permissions
    EXPECT_THROW(Reset(f, 1), EInOutError);
  }
  FileMode = fmReadOnly;
  EXPECT_NO_THROW(Reset(f, 1));
  FileMode = saved;
  CloseFile(f);
}

TEST(UntypedFile, LargerRecordsCountWholeRecords) {
  TempDir dir;
  dir.WriteBytes("r.bin", std::string(10, 'x'));
  UntypedFile f;
  AssignFile(f, dir.Name("r.bin"));
  Reset(f, 4);
  EXPECT_EQ(FileSize(f), 2);
  char buf[12];
  int32_t got = 0;
  BlockRead(f, buf, 3, got);
  EXPECT_EQ(got, 2);
  EXPECT_EQ(FilePos(f), 2);
  CloseFile(f);
  EXPECT_THROW(CloseFile(f), EInOutError);
}

}  // namespace
}  // namespace zub
