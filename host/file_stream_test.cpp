#include "host/file_stream.hpp"

#include <gtest/gtest.h>

#include <random>

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
