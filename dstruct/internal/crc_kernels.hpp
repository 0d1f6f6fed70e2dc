// The bulk CRC kernels behind CalcNextCRC16Bytes and CalcNextCRC32Bytes, each a raw register
// update over Count bytes with the results of the one-table step. The portable kernels are
// always built; the folding kernels exist on x86-64 and may only be called when the features
// named beside them are present (see cpu_features.hpp). Exposed for the tests and benchmarks
// that compare them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zub::dstruct_internal {

// One table look-up per byte, exactly as CalcNextCRC16 / CalcNextCRC32.
uint16_t CRC16Bytewise(uint16_t Crc, const uint8_t* Data, size_t Count);
uint32_t CRC32Bytewise(uint32_t Crc, const uint8_t* Data, size_t Count);

// Slicing by eight tables: eight bytes per round, portable C++.
uint16_t CRC16Slice8(uint16_t Crc, const uint8_t* Data, size_t Count);
uint32_t CRC32Slice8(uint32_t Crc, const uint8_t* Data, size_t Count);

// Carry-less multiplication folding: PCLMULQDQ on 128-bit registers (needs pclmul, ssse3 and
// sse4.1), and VPCLMULQDQ on 256-bit registers (needs vpclmulqdq and avx2). Short inputs go to
// the slicing kernels.
bool CRCFoldingBuilt();
uint16_t CRC16Clmul(uint16_t Crc, const uint8_t* Data, size_t Count);
uint32_t CRC32Clmul(uint32_t Crc, const uint8_t* Data, size_t Count);
uint16_t CRC16Vpclmul(uint16_t Crc, const uint8_t* Data, size_t Count);
uint32_t CRC32Vpclmul(uint32_t Crc, const uint8_t* Data, size_t Count);

// The kernel the bulk routines use on this processor, and its name ("vpclmulqdq",
// "pclmulqdq" or "slice-by-8").
using CRC16Kernel = uint16_t (*)(uint16_t, const uint8_t*, size_t);
using CRC32Kernel = uint32_t (*)(uint32_t, const uint8_t*, size_t);
CRC16Kernel SelectedCRC16Kernel();
CRC32Kernel SelectedCRC32Kernel();
const char* SelectedCRCKernelName();

}  // namespace zub::dstruct_internal
