// CRC-16 and CRC-32: single steps over one byte, whole buffers and whole files.
//
// CRC-16 is the polynomial 0x1021 taken most significant bit first, with no reflection and no
// final xor; TCRC16Mode picks the start value: crcZModem starts at 0 (CRC-16/XMODEM, check
// value 0x31C3), crcCCITT at 0xFFFF (CRC-16/CCITT-FALSE or IBM-3740, check value 0x29B1).
// CRC-32 is the reflected polynomial 0xEDB88320 of ISO-HDLC / IEEE 802.3 / zlib (check value
// 0xCBF43926), returned as a signed 32-bit integer that carries the 32 CRC bits.
//
// The single steps are one look-up in the 256-entry tables below. The bulk routines give the
// same results faster: carry-less multiplication folding (PCLMULQDQ, or VPCLMULQDQ on 256-bit
// registers) where the processor has it, slicing by eight tables elsewhere; the choice is made
// once, at the first call, from the processor's features.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

enum TCRC16Mode : uint8_t { crcZModem, crcCCITT };

namespace crc_tables {

constexpr std::array<uint16_t, 256> MakeCRC16Table() {
  std::array<uint16_t, 256> t{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t r = i << 8;
    for (int k = 0; k < 8; ++k) r = (r & 0x8000) != 0 ? (r << 1) ^ 0x1021 : r << 1;
    t[i] = static_cast<uint16_t>(r);
  }
  return t;
}

constexpr std::array<uint32_t, 256> MakeCRC32Table() {
  std::array<uint32_t, 256> t{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t r = i;
    for (int k = 0; k < 8; ++k) r = (r & 1) != 0 ? (r >> 1) ^ 0xEDB88320u : r >> 1;
    t[i] = r;
  }
  return t;
}

// The CRC-16 table (polynomial 0x1021, most significant bit first) and the CRC-32 table
// (reflected polynomial 0xEDB88320).
inline constexpr std::array<uint16_t, 256> CRC16Table = MakeCRC16Table();
inline constexpr std::array<uint32_t, 256> CRC32Table = MakeCRC32Table();
static_assert(CRC16Table[1] == 0x1021 && CRC16Table[2] == 0x2042);
static_assert(CRC32Table[1] == 0x77073096u);

}  // namespace crc_tables

// One CRC-16 step: table[(Crc shr 8) xor InByte] xor (Crc shl 8), cut to 16 bits.
inline uint16_t CalcNextCRC16(uint8_t InByte, uint16_t Crc) {
  return static_cast<uint16_t>(crc_tables::CRC16Table[((Crc >> 8) ^ InByte) & 0xFF] ^ (Crc << 8));
}

// One raw step of the reflected CRC-32 register: table[(Crc xor InByte) and $FF] xor (Crc shr
// 8), the shift logical. No start value and no final complement: a caller chaining this
// starts with -1 and complements the result.
inline int32_t CalcNextCRC32(uint8_t InByte, int32_t Crc) {
  const auto r = static_cast<uint32_t>(Crc);
  return static_cast<int32_t>(crc_tables::CRC32Table[(r ^ InByte) & 0xFF] ^ (r >> 8));
}

// The same as CalcNextCRC16 / CalcNextCRC32 applied to every byte of Data in turn (so an empty
// Data returns Crc unchanged), at the speed of the bulk routines. For checksums of data that
// arrives in pieces: start with the mode's start value (CRC-16) or -1 (CRC-32), feed the
// pieces in order, and complement the CRC-32 register at the end.
uint16_t CalcNextCRC16Bytes(std::span<const uint8_t> Data, uint16_t Crc);
int32_t CalcNextCRC32Bytes(std::span<const uint8_t> Data, int32_t Crc);

// The CRC-16 of the first NumBytes bytes of Buffer. NumBytes of 0 or less gives the start
// value (0 for crcZModem, $FFFF for crcCCITT); a NumBytes beyond the end of Buffer counts up
// to its end, so nothing past the buffer is ever read.
uint16_t CRC16ofBuffer(const TBytes& Buffer, int32_t NumBytes, TCRC16Mode Mode);

// The CRC-32 of the first NumBytes bytes of Buffer: the register starts at -1 and the result
// is its complement. NumBytes of 0 or less gives 0; a NumBytes beyond the end of Buffer counts
// up to its end.
int32_t CRC32ofBuffer(const TBytes& Buffer, int32_t NumBytes);

// The CRC-32 of a whole file of any size, read in blocks of 64 KiB. Every failure (no such
// file, no access, a directory, a read error) gives 0 and nothing is raised; an empty file
// gives 0 too, as its CRC-32 is 0. The process-wide FileMode is not touched.
int32_t CalcCRC32ofFile(const UnicodeString& FileName);

}  // namespace zub
