#include "host/untyped_file.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "testing/fifo.hpp"
#include "testing/io_code.hpp"
#include "testing/small_disk.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::IoCode;
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
  ResetReadOnly(f, 1);  // whatever FileMode says
  EXPECT_EQ(FileMode, saved);
  EXPECT_THROW(BlockWrite(f, "x", 1), EInOutError);
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

namespace zub {
namespace {

TEST(UntypedFile, PipesAndProcFilesReadWholeWithEofLookingAhead) {
  TempDir dir;
  testing::FifoFeeder fifo(dir, "fifo", std::string(5000, 'p'));
  for (const UnicodeString& name : {fifo.Name(), UnicodeString(u"/proc/self/status")}) {
    SCOPED_TRACE(UnicodeToUtf8(name));
    const uint8_t saved = FileMode;
    FileMode = fmReadOnly;
    UntypedFile f;
    AssignFile(f, name);
    Reset(f, 1);
    FileMode = saved;
    std::string got;
    char buf[333];
    while (!Eof(f)) {
      int32_t n = 0;
      BlockRead(f, buf, sizeof buf, n);
      got.append(buf, static_cast<size_t>(n));
    }
    if (name == fifo.Name()) {
      EXPECT_EQ(got, std::string(5000, 'p'));
      EXPECT_EQ(IoCode([&] { FileSize(f); }), ioSeekOnDevice);
      EXPECT_EQ(IoCode([&] { Seek(f, 0); }), ioSeekOnDevice);
    } else {
      EXPECT_EQ(got.rfind("Name:", 0), 0u);
    }
    CloseFile(f);
  }
}

TEST(UntypedFile, RecordOffsetsBeyondTheInt64LimitRaise) {
  TempDir dir;
  UntypedFile f;
  AssignFile(f, dir.Name("r.bin"));
  Rewrite(f, 1 << 30);
  EXPECT_EQ(IoCode([&] { Seek(f, int64_t{1} << 40); }), ioNegativeSeek);
  EXPECT_EQ(IoCode([&] { Seek(f, -1); }), ioNegativeSeek);
  EXPECT_EQ(FilePos(f), 0);
  CloseFile(f);
}

TEST(UntypedFile, ABlockThatOnlyPartlyFitsReportsDiskFull) {
  UntypedFile f;
  AssignFile(f, u"/dev/full");
  const uint8_t saved = FileMode;
  FileMode = fmWriteOnly;
  Reset(f, 1);
  FileMode = saved;
  EXPECT_EQ(IoCode([&] { BlockWrite(f, "abc", 3); }), ioDiskFull);
  CloseFile(f);

  testing::SmallDisk disk(64 * 1024);
  ZUB_REQUIRE_SMALL_DISK(disk);
  disk.LeaveFree(8 * 1024);
  AssignFile(f, disk.Dir().Name("u.bin"));
  Rewrite(f, 1);
  const std::string block(32768, 'u');
  EXPECT_EQ(IoCode([&] { BlockWrite(f, block.data(), 32768); }), ioDiskFull);
  CloseFile(f);
}

}  // namespace
}  // namespace zub
