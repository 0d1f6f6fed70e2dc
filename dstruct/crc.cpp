#include "dstruct/crc.hpp"

#include <algorithm>
#include <memory>

#include "dstruct/internal/cpu_features.hpp"
#include "dstruct/internal/crc_kernels.hpp"
#include "host/file_stream.hpp"

namespace zub {

namespace dstruct_internal {

namespace {

using crc_tables::CRC16Table;
using crc_tables::CRC32Table;

// Table k gives the register contribution of a byte followed by k zero bytes.
constexpr std::array<std::array<uint16_t, 256>, 8> MakeCRC16Slices() {
  std::array<std::array<uint16_t, 256>, 8> t{};
  t[0] = CRC16Table;
  for (size_t k = 1; k < 8; ++k)
    for (size_t i = 0; i < 256; ++i)
      t[k][i] = static_cast<uint16_t>((t[k - 1][i] << 8) ^ CRC16Table[t[k - 1][i] >> 8]);
  return t;
}

constexpr std::array<std::array<uint32_t, 256>, 8> MakeCRC32Slices() {
  std::array<std::array<uint32_t, 256>, 8> t{};
  t[0] = CRC32Table;
  for (size_t k = 1; k < 8; ++k)
    for (size_t i = 0; i < 256; ++i) t[k][i] = (t[k - 1][i] >> 8) ^ CRC32Table[t[k - 1][i] & 0xFF];
  return t;
}

constexpr auto kCRC16Slices = MakeCRC16Slices();
constexpr auto kCRC32Slices = MakeCRC32Slices();

}  // namespace

uint16_t CRC16Bytewise(uint16_t Crc, const uint8_t* Data, size_t Count) {
  for (size_t i = 0; i < Count; ++i) Crc = CalcNextCRC16(Data[i], Crc);
  return Crc;
}

uint32_t CRC32Bytewise(uint32_t Crc, const uint8_t* Data, size_t Count) {
  for (size_t i = 0; i < Count; ++i) Crc = CRC32Table[(Crc ^ Data[i]) & 0xFF] ^ (Crc >> 8);
  return Crc;
}

uint16_t CRC16Slice8(uint16_t Crc, const uint8_t* Data, size_t Count) {
  const auto& t = kCRC16Slices;
  uint32_t r = Crc;
  for (; Count >= 8; Count -= 8, Data += 8) {
    const uint32_t a = ((r >> 8) ^ Data[0]) & 0xFF, b = (r ^ Data[1]) & 0xFF;
    r = t[7][a] ^ t[6][b] ^ t[5][Data[2]] ^ t[4][Data[3]] ^ t[3][Data[4]] ^ t[2][Data[5]] ^ t[1][Data[6]] ^
        t[0][Data[7]];
  }
  return CRC16Bytewise(static_cast<uint16_t>(r), Data, Count);
}

uint32_t CRC32Slice8(uint32_t Crc, const uint8_t* Data, size_t Count) {
  const auto& t = kCRC32Slices;
  for (; Count >= 8; Count -= 8, Data += 8) {
    const uint32_t lo = Crc ^ (uint32_t{Data[0]} | uint32_t{Data[1]} << 8 | uint32_t{Data[2]} << 16 |
                               uint32_t{Data[3]} << 24);
    Crc = t[7][lo & 0xFF] ^ t[6][(lo >> 8) & 0xFF] ^ t[5][(lo >> 16) & 0xFF] ^ t[4][lo >> 24] ^
          t[3][Data[4]] ^ t[2][Data[5]] ^ t[1][Data[6]] ^ t[0][Data[7]];
  }
  return CRC32Bytewise(Crc, Data, Count);
}

namespace {

struct Kernels {
  CRC16Kernel crc16 = CRC16Slice8;
  CRC32Kernel crc32 = CRC32Slice8;
  const char* name = "slice-by-8";
};

Kernels Choose() {
  Kernels k;
  if (!CRCFoldingBuilt()) return k;
  const CpuFeatures& f = Cpu();
  if (f.vpclmulqdq && f.avx2) {
    k = {CRC16Vpclmul, CRC32Vpclmul, "vpclmulqdq"};
  } else if (f.pclmul && f.ssse3 && f.sse41) {
    k = {CRC16Clmul, CRC32Clmul, "pclmulqdq"};
  }
  return k;
}

const Kernels& Selected() {
  static const Kernels kernels = Choose();
  return kernels;
}

}  // namespace

CRC16Kernel SelectedCRC16Kernel() {
  return Selected().crc16;
}
CRC32Kernel SelectedCRC32Kernel() {
  return Selected().crc32;
}
const char* SelectedCRCKernelName() {
  return Selected().name;
}

}  // namespace dstruct_internal

uint16_t CalcNextCRC16Bytes(std::span<const uint8_t> Data, uint16_t Crc) {
  return dstruct_internal::Selected().crc16(Crc, Data.data(), Data.size());
}

int32_t CalcNextCRC32Bytes(std::span<const uint8_t> Data, int32_t Crc) {
  return static_cast<int32_t>(
      dstruct_internal::Selected().crc32(static_cast<uint32_t>(Crc), Data.data(), Data.size()));
}

uint16_t CRC16ofBuffer(const TBytes& Buffer, int32_t NumBytes, TCRC16Mode Mode) {
  const uint16_t start = Mode == crcCCITT ? 0xFFFF : 0;
  if (NumBytes <= 0) return start;
  const size_t n = std::min(Buffer.size(), static_cast<size_t>(NumBytes));
  return CalcNextCRC16Bytes({Buffer.data(), n}, start);
}

int32_t CRC32ofBuffer(const TBytes& Buffer, int32_t NumBytes) {
  if (NumBytes <= 0) return 0;
  const size_t n = std::min(Buffer.size(), static_cast<size_t>(NumBytes));
  return ~CalcNextCRC32Bytes({Buffer.data(), n}, -1);
}

int32_t CalcCRC32ofFile(const UnicodeString& FileName) {
  try {
    TFileStream file(FileName, fmOpenRead | fmShareDenyNone);
    constexpr int32_t kBlock = 64 * 1024;
    const auto block = std::make_unique<uint8_t[]>(kBlock);
    int32_t crc = -1;
    for (;;) {
      const int32_t n = file.Read(block.get(), kBlock);
      if (n <= 0) break;
      crc = CalcNextCRC32Bytes({block.get(), static_cast<size_t>(n)}, crc);
    }
    return ~crc;
  } catch (...) {
    return 0;
  }
}

}  // namespace zub
