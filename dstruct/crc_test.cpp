#include "dstruct/crc.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "dstruct/ZUB_dstruct.hpp"
#include "dstruct/internal/cpu_features.hpp"
#include "dstruct/internal/crc_kernels.hpp"
#include "host/untyped_file.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using namespace dstruct_internal;

TBytes Bytes(const std::string& s) {
  return TBytes(s.begin(), s.end());
}

TBytes RandomBytes(size_t n, uint32_t seed) {
  std::mt19937 gen(seed);
  TBytes b(n);
  for (auto& x : b) x = static_cast<uint8_t>(gen());
  return b;
}

TEST(CRC, TablesHoldTheDocumentedEntries) {
  EXPECT_EQ(crc_tables::CRC16Table[1], 0x1021);
  EXPECT_EQ(crc_tables::CRC16Table[2], 0x2042);
  EXPECT_EQ(crc_tables::CRC16Table[255], 0x1EF0);
  EXPECT_EQ(crc_tables::CRC32Table[1], 0x77073096u);
  EXPECT_EQ(crc_tables::CRC32Table[255], 0x2D02EF8Du);
}

TEST(CRC, CheckValuesOfTheCatalogue) {
  const TBytes check = Bytes("123456789");
  EXPECT_EQ(CRC16ofBuffer(check, 9, crcZModem), 0x31C3);
  EXPECT_EQ(CRC16ofBuffer(check, 9, crcCCITT), 0x29B1);
  EXPECT_EQ(static_cast<uint32_t>(CRC32ofBuffer(check, 9)), 0xCBF43926u);
}

TEST(CRC, ByteCountsAtTheEdges) {
  const TBytes check = Bytes("123456789");
  struct Case {
    int32_t n;
    uint16_t zmodem, ccitt;
    uint32_t crc32;
  };
  const Case cases[] = {
      {0, 0, 0xFFFF, 0},
      {-5, 0, 0xFFFF, 0},
      {1, CalcNextCRC16('1', 0), CalcNextCRC16('1', 0xFFFF), 0x83DCEFB7u},  // CRC-32 of "1"
      {9, 0x31C3, 0x29B1, 0xCBF43926u},
      // Counts beyond the buffer stop at its end instead of reading past it.
      {10, 0x31C3, 0x29B1, 0xCBF43926u},
      {1 << 30, 0x31C3, 0x29B1, 0xCBF43926u},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(CRC16ofBuffer(check, c.n, crcZModem), c.zmodem);
    EXPECT_EQ(CRC16ofBuffer(check, c.n, crcCCITT), c.ccitt);
    EXPECT_EQ(static_cast<uint32_t>(CRC32ofBuffer(check, c.n)), c.crc32);
  }
  EXPECT_EQ(CRC16ofBuffer(TBytes(), 3, crcCCITT), 0xFFFF);
  EXPECT_EQ(CRC32ofBuffer(TBytes(), 3), 0);
}

TEST(CRC, SingleStepsChainToTheBufferResults) {
  const TBytes data = RandomBytes(1000, 1);
  uint16_t z = 0, c = 0xFFFF;
  int32_t r = -1;
  for (const uint8_t b : data) {
    z = CalcNextCRC16(b, z);
    c = CalcNextCRC16(b, c);
    r = CalcNextCRC32(b, r);
  }
  EXPECT_EQ(CRC16ofBuffer(data, 1000, crcZModem), z);
  EXPECT_EQ(CRC16ofBuffer(data, 1000, crcCCITT), c);
  EXPECT_EQ(CRC32ofBuffer(data, 1000), ~r);
  // The CRC-32 step is the raw register: no start value, no complement, a logical shift.
  EXPECT_EQ(CalcNextCRC32(0, 0), 0);
  EXPECT_EQ(static_cast<uint32_t>(CalcNextCRC32(0, -1)), 0x00FFFFFFu ^ crc_tables::CRC32Table[0xFF]);
}

TEST(CRC, PiecesChainLikeOneBuffer) {
  const TBytes data = RandomBytes(10000, 2);
  for (const size_t cut : {size_t{0}, size_t{1}, size_t{15}, size_t{4097}, size_t{9999}}) {
    SCOPED_TRACE(cut);
    const std::span<const uint8_t> all(data);
    const int32_t r = CalcNextCRC32Bytes(all.subspan(cut), CalcNextCRC32Bytes(all.first(cut), -1));
    EXPECT_EQ(~r, CRC32ofBuffer(data, 10000));
    const uint16_t c = CalcNextCRC16Bytes(all.subspan(cut), CalcNextCRC16Bytes(all.first(cut), 0xFFFF));
    EXPECT_EQ(c, CRC16ofBuffer(data, 10000, crcCCITT));
  }
  EXPECT_EQ(CalcNextCRC32Bytes({}, 12345), 12345);
  EXPECT_EQ(CalcNextCRC16Bytes({}, 777), 777);
}

// Every kernel this build and processor can run, against the one-table loop, on random data of
// every length from 0 to 4096 at every start offset within 32 bytes (the widest load), each with
// its own start register.
TEST(CRC, EveryKernelMatchesTheTableLoop) {
  struct Kernel16 {
    const char* name;
    CRC16Kernel f;
    bool available;
  };
  struct Kernel32 {
    const char* name;
    CRC32Kernel f;
    bool available;
  };
  const CpuFeatures& cpu = Cpu();
  const bool clmul = CRCFoldingBuilt() && cpu.pclmul && cpu.ssse3 && cpu.sse41;
  const bool vpclmul = CRCFoldingBuilt() && cpu.vpclmulqdq && cpu.avx2;
  const Kernel16 k16[] = {{"slice-by-8", CRC16Slice8, true},
                          {"pclmulqdq", CRC16Clmul, clmul},
                          {"vpclmulqdq", CRC16Vpclmul, vpclmul}};
  const Kernel32 k32[] = {{"slice-by-8", CRC32Slice8, true},
                          {"pclmulqdq", CRC32Clmul, clmul},
                          {"vpclmulqdq", CRC32Vpclmul, vpclmul}};
  if (!clmul || !vpclmul) std::printf("note: some folding kernels are not run on this processor\n");

  constexpr size_t kMax = 4096;
  const TBytes data = RandomBytes(kMax, 3);
  // Reference registers of every prefix, for a start register that depends on nothing else.
  std::vector<uint16_t> ref16(kMax + 1);
  std::vector<uint32_t> ref32(kMax + 1);
  ref16[0] = 0x5A3C;
  ref32[0] = 0xC0FFEE11u;
  for (size_t i = 0; i < kMax; ++i) {
    ref16[i + 1] = CalcNextCRC16(data[i], ref16[i]);
    ref32[i + 1] = static_cast<uint32_t>(CalcNextCRC32(data[i], static_cast<int32_t>(ref32[i])));
  }
  EXPECT_EQ(CRC16Bytewise(ref16[0], data.data(), kMax), ref16[kMax]);
  EXPECT_EQ(CRC32Bytewise(ref32[0], data.data(), kMax), ref32[kMax]);
  std::vector<uint8_t> shifted(kMax + 64);
  for (size_t offset = 0; offset < 32; ++offset) {
    std::copy(data.begin(), data.end(), shifted.begin() + static_cast<std::ptrdiff_t>(offset));
    const uint8_t* p = shifted.data() + offset;
    for (size_t n = 0; n <= kMax; ++n) {
      for (const Kernel16& k : k16)
        if (k.available && k.f(ref16[0], p, n) != ref16[n])
          FAIL() << k.name << " CRC-16 differs at length " << n << ", offset " << offset;
      for (const Kernel32& k : k32)
        if (k.available && k.f(ref32[0], p, n) != ref32[n])
          FAIL() << k.name << " CRC-32 differs at length " << n << ", offset " << offset;
    }
  }
  std::printf("note: the bulk routines use %s here\n", SelectedCRCKernelName());
}

TEST(CRC, FoldingOnLongInputsAndExtremeRegisters) {
  const TBytes data = RandomBytes(1 << 20, 4);
  const TBytes zeros(100000, 0), ones(100000, 0xFF);
  for (const TBytes* d : {&data, &zeros, &ones})
    for (const uint32_t start : {0u, 0xFFFFFFFFu, 0x80000001u}) {
      const uint32_t want = CRC32Bytewise(start, d->data(), d->size());
      EXPECT_EQ(SelectedCRC32Kernel()(start, d->data(), d->size()), want);
      EXPECT_EQ(CRC32Slice8(start, d->data(), d->size()), want);
      const auto s16 = static_cast<uint16_t>(start);
      EXPECT_EQ(SelectedCRC16Kernel()(s16, d->data(), d->size()), CRC16Bytewise(s16, d->data(), d->size()));
    }
}

TEST(CRC, FileChecksums) {
  testing::TempDir dir;
  const TBytes data = RandomBytes(200000, 5);
  dir.WriteBytes("data.bin", std::string(data.begin(), data.end()));
  dir.WriteBytes("empty.bin", "");
  dir.WriteBytes("check.txt", "123456789");
  const uint8_t modeBefore = FileMode;
  EXPECT_EQ(CalcCRC32ofFile(dir.Name("data.bin")), CRC32ofBuffer(data, 200000));
  EXPECT_EQ(static_cast<uint32_t>(CalcCRC32ofFile(dir.Name("check.txt"))), 0xCBF43926u);
  // Failures and the empty file all give 0, and nothing is raised.
  EXPECT_EQ(CalcCRC32ofFile(dir.Name("empty.bin")), 0);
  EXPECT_EQ(CalcCRC32ofFile(dir.Name("missing.bin")), 0);
  EXPECT_EQ(CalcCRC32ofFile(SystemNameToUnicode(dir.Path().string())), 0);
  EXPECT_EQ(CalcCRC32ofFile(u""), 0);
  EXPECT_EQ(FileMode, modeBefore);
}

TEST(CRC, FileBeyondFourGiB) {
  // A sparse file of 4 GiB + 3 bytes: zeros, then "abc". Its CRC-32 is the zeros' register
  // carried through "abc".
  testing::TempDir dir;
  const std::string path = dir.Native("big.bin");
  constexpr uint64_t kZeros = uint64_t{1} << 32;
  {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    if (fseeko(f, static_cast<off_t>(kZeros), SEEK_SET) != 0 || std::fwrite("abc", 1, 3, f) != 3) {
      std::fclose(f);
      GTEST_SKIP() << "no room for a sparse 4 GiB file here";
    }
    std::fclose(f);
  }
  const TBytes zeros(1 << 20, 0);
  uint32_t r = 0xFFFFFFFFu;
  for (uint64_t done = 0; done < kZeros; done += zeros.size())
    r = SelectedCRC32Kernel()(r, zeros.data(), zeros.size());
  r = CRC32Bytewise(r, reinterpret_cast<const uint8_t*>("abc"), 3);
  EXPECT_EQ(static_cast<uint32_t>(CalcCRC32ofFile(dir.Name("big.bin"))), ~r);
}

}  // namespace
}  // namespace zub
