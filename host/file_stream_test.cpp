#include "host/file_stream.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <random>

#include "host/file_system.hpp"
#include "testing/fifo.hpp"
#include "testing/small_disk.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;

TEST(FileStream, MissingFileRaisesEFOpenErrorNamingFileAndReason) {
  TempDir dir;
  const UnicodeString name = dir.Name("missing.bin");
  try {
    TFileStream f(name, fmOpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    const std::string msg = e.what();
    EXPECT_NE(msg.find(UnicodeToUtf8(name)), std::string::npos) << msg;
    EXPECT_NE(msg.find("File not found"), std::string::npos) << msg;
  }
  EXPECT_THROW(TFileStream(dir.Name("no/such/dir/x"), fmCreate), EFCreateError);
}

TEST(FileStream, ReadOnlyStreamRefusesWritesAndCreateTruncates) {
  TempDir dir;
  dir.WriteBytes("a.bin", "0123456789");
  {
    TFileStream f(dir.Name("a.bin"), fmOpenRead);
    EXPECT_EQ(f.Size(), 10);
    EXPECT_EQ(f.Write("x", 1), 0);
    EXPECT_THROW(f.WriteBuffer("x", 1), EWriteError);
  }
  { TFileStream f(dir.Name("a.bin"), fmCreate); }
  EXPECT_EQ(dir.ReadBytes("a.bin"), "");
}

// Mixed reads, writes, seeks and size changes checked step by step against a string that
// plays the file. Chunk sizes straddle the internal buffer so refills, direct reads and
// flushes at buffer edges all happen.
TEST(FileStream, MixedOperationsMatchAModelFile) {
  TempDir dir;
  std::string model;
  std::mt19937 rng(12345);
  const int32_t sizes[] = {1, 2, 7, 4096, 65535, 65536, 65537, 200000};
  {
    TFileStream f(dir.Name("mixed.bin"), fmCreate);
    int64_t pos = 0;
    for (int step = 0; step < 400; ++step) {
      const int op = static_cast<int>(rng() % 5);
      const int32_t n = sizes[rng() % std::size(sizes)];
      if (op == 0 || op == 1) {
        std::string data(static_cast<size_t>(n), '\0');
        for (char& c : data) c = static_cast<char>(rng());
        ASSERT_EQ(f.Write(data.data(), n), n);
        if (model.size() < static_cast<size_t>(pos) + data.size())
          model.resize(static_cast<size_t>(pos) + data.size());
        model.replace(static_cast<size_t>(pos), data.size(), data);
        pos += n;
      } else if (op == 2) {
        std::string got(static_cast<size_t>(n), '\0');
        const int32_t r = f.Read(got.data(), n);
        const auto expected = static_cast<int32_t>(
            std::max<int64_t>(0, std::min<int64_t>(n, static_cast<int64_t>(model.size()) - pos)));
        ASSERT_EQ(r, expected) << "step " << step;
        if (r > 0) {
          ASSERT_EQ(got.substr(0, static_cast<size_t>(r)),
                    model.substr(static_cast<size_t>(pos), static_cast<size_t>(r)));
        }
        pos += r;
      } else if (op == 3) {
        pos = static_cast<int64_t>(rng() % (model.size() + 70000));
        ASSERT_EQ(f.Seek(pos, soBeginning), pos);
      } else if (step % 50 == 0) {
        const auto newSize = static_cast<int64_t>(rng() % (model.size() + 1));
        f.SetSize(newSize);
        model.resize(static_cast<size_t>(newSize));
        pos = std::min(pos, newSize);
      }
      ASSERT_EQ(f.Position(), pos) << "step " << step;
      ASSERT_EQ(f.Size(), static_cast<int64_t>(model.size())) << "step " << step;
    }
  }
  EXPECT_EQ(dir.ReadBytes("mixed.bin"), model);
}

TEST(FileStream, ByteAtATimeReadingSeesEveryByte) {
  TempDir dir;
  std::string data(300000, '\0');
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7);
  dir.WriteBytes("b.bin", data);
  TFileStream f(dir.Name("b.bin"), fmOpenRead | fmShareDenyWrite);
  std::string got;
  for (int b = f.ReadByte(); b >= 0; b = f.ReadByte()) got.push_back(static_cast<char>(b));
  EXPECT_EQ(got, data);
  uint8_t x;
  EXPECT_EQ(f.Read(&x, 1), 0);
}

TEST(FileStream, ExclusiveShareFlagKeepsOtherStreamsOut) {
  TempDir dir;
  dir.WriteBytes("s.bin", "x");
  TFileStream owner(dir.Name("s.bin"), fmOpenReadWrite | fmShareExclusive);
  EXPECT_THROW(TFileStream(dir.Name("s.bin"), fmOpenRead | fmShareDenyWrite), EFOpenError);
  EXPECT_NO_THROW(TFileStream(dir.Name("s.bin"), fmOpenRead | fmShareDenyNone));
}

TEST(FileStream, WindowsStylePathsReachTheFile) {
  TempDir dir;
  dir.WriteBytes("w.txt", "hi");
  UnicodeString winPath = u"C:" + dir.Name("w.txt");
  for (Char& c : winPath)
    if (c == u'/') c = u'\\';
  TFileStream f(winPath, fmOpenRead);
  EXPECT_EQ(f.Size(), 2);
}

}  // namespace
}  // namespace zub

namespace zub {
namespace {

std::string Pattern(size_t n) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>('a' + i % 23);
  return s;
}

// Reads the rest of a stream in blocks of k bytes.
std::string ReadAll(TStream& s, int32_t k) {
  std::string out, buf(static_cast<size_t>(k), '\0');
  for (int32_t n; (n = s.Read(buf.data(), k)) > 0;) out.append(buf, 0, static_cast<size_t>(n));
  return out;
}

TEST(FileStream, FifoReadsWholeAndRefusesSizeAndSeek) {
  TempDir dir;
  const std::string data = Pattern(300000);
  testing::FifoFeeder fifo(dir, "fifo", data);
  TFileStream f(fifo.Name(), fmOpenRead);
  EXPECT_FALSE(f.CanSeek());
  std::string got;
  for (int i = 0; i < 70000; ++i) got.push_back(static_cast<char>(f.ReadByte()));
  EXPECT_EQ(f.Position(), 70000);
  got += ReadAll(f, 100000);  // ends with a large read straight into the caller's memory
  EXPECT_EQ(got, data);
  EXPECT_TRUE(f.AtEnd());
  for (auto call : {+[](TFileStream& s) { s.Size(); }, +[](TFileStream& s) { s.SetPosition(0); }}) {
    try {
      call(f);
      ADD_FAILURE() << "no error";
    } catch (const EStreamError& e) {
      EXPECT_NE(std::string(e.what()).find(UnicodeToUtf8(fifo.Name())), std::string::npos) << e.what();
    }
  }
}

TEST(FileStream, ProcFilesReadWholeThoughTheyReportNoSize) {
  TFileStream f(u"/proc/self/status", fmOpenRead);
  const std::string got = ReadAll(f, 7);
  EXPECT_EQ(got.rfind("Name:\t", 0), 0u) << got;
  EXPECT_GT(got.size(), 200u);
  EXPECT_EQ(f.Size(), static_cast<int64_t>(got.size()));  // what is known once read
  EXPECT_TRUE(f.AtEnd());
}

TEST(FileStream, SeesAFileGrowAndShrinkWhileOpen) {
  TempDir dir;
  dir.WriteBytes("g.bin", "0123456789");
  TFileStream f(dir.Name("g.bin"), fmOpenRead | fmShareDenyNone);
  EXPECT_EQ(ReadAll(f, 4), "0123456789");
  std::ofstream(dir.Native("g.bin"), std::ios::binary | std::ios::app) << "abcde";
  EXPECT_EQ(f.Size(), 15);
  EXPECT_EQ(ReadAll(f, 4), "abcde");

  // Cut below the position: Size tells the new size, and a Position < Size loop ends.
  std::filesystem::resize_file(dir.Native("g.bin"), 5);
  EXPECT_EQ(f.Size(), 5);
  f.SetPosition(2);
  int steps = 0;
  while (f.Position() < f.Size() && steps < 100) {
    f.ReadByte();
    ++steps;
  }
  EXPECT_EQ(steps, 3);
}

TEST(FileStream, ReadingNothingPastTheEndLeavesTheSizeAlone) {
  TempDir dir;
  TFileStream f(dir.Name("e.bin"), fmCreate);
  f.SetPosition(128);
  std::string buf(100000, '\0');
  EXPECT_EQ(f.Read(buf.data(), 100000), 0);  // straight to the system: nothing there
  EXPECT_EQ(f.Read(buf.data(), 10), 0);      // through the buffer
  EXPECT_EQ(f.Size(), 0);
  EXPECT_EQ(f.Position(), 128);
}

TEST(FileStream, CloseReportsAFullDeviceAndEndsTheStream) {
  TFileStream f(u"/dev/full", fmOpenWrite);
  f.WriteBuffer("some bytes", 10);  // buffered: nothing fails yet
  try {
    f.Close();
    FAIL() << "Close reported success";
  } catch (const EWriteError& e) {
    EXPECT_NE(std::string(e.what()).find("Disk full"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(f.Closed());
  EXPECT_NO_THROW(f.Close());
  EXPECT_THROW(f.WriteBuffer("x", 1), EStreamError);
  EXPECT_THROW(f.Position(), EStreamError);
}

TEST(FileStream, PositionsAtTheInt64LimitRaiseAndWriteNothing) {
  TempDir dir;
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  TFileStream f(dir.Name("l.bin"), fmCreate);
  f.WriteBuffer("abc", 3);
  EXPECT_EQ(f.Seek(kMax, soBeginning), kMax);
  EXPECT_THROW(f.Seek(1, soCurrent), EStreamError);
  EXPECT_THROW(f.WriteBuffer("x", 1), EWriteError);
  EXPECT_THROW(f.Seek(std::numeric_limits<int64_t>::min(), soCurrent), EStreamError);
  f.SetPosition(3);
  f.Close();
  EXPECT_EQ(dir.ReadBytes("l.bin"), "abc");
}

TEST(FileStream, ByteWritesAndReadsMixThroughTheSharedBuffer) {
  TempDir dir;
  TFileStream f(dir.Name("m.bin"), fmCreate);
  for (int i = 0; i < 200000; ++i) f.WriteByte(static_cast<uint8_t>(i % 251));
  f.SetPosition(100);
  EXPECT_EQ(f.ReadByte(), 100);
  f.WriteByte(7);  // overwrites byte 101 after an inline read
  EXPECT_EQ(f.ReadByte(), 102);
  f.SetPosition(101);
  EXPECT_EQ(f.ReadByte(), 7);
  EXPECT_EQ(f.Size(), 200000);
  f.Close();
  const std::string bytes = dir.ReadBytes("m.bin");
  ASSERT_EQ(bytes.size(), 200000u);
  EXPECT_EQ(static_cast<uint8_t>(bytes[101]), 7);
  EXPECT_EQ(static_cast<uint8_t>(bytes[199999]), 199999 % 251);
}

TEST(FileStream, FullDiskIsReportedAndSaveToFileLeavesNoCutFile) {
  testing::SmallDisk disk(64 * 1024);
  ZUB_REQUIRE_SMALL_DISK(disk);
  disk.LeaveFree(16 * 1024);
  const std::string data = Pattern(32768);
  {
    TFileStream f(disk.Dir().Name("f.bin"), fmCreate);
    f.WriteBuffer(data.data(), static_cast<int32_t>(data.size()));
    EXPECT_THROW(f.Close(), EWriteError);
  }
  TMemoryStream m;
  m.WriteBuffer(data.data(), static_cast<int32_t>(data.size()));
  DeleteFile(disk.Dir().Name("f.bin"));
  try {
    m.SaveToFile(disk.Dir().Name("saved.bin"));
    FAIL() << "SaveToFile reported success";
  } catch (const EWriteError& e) {
    EXPECT_NE(std::string(e.what()).find("Disk full"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(FileExists(disk.Dir().Name("saved.bin")));
}

}  // namespace
}  // namespace zub
