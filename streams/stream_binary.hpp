// Binary numbers on byte streams: the raw little-endian bytes of the value, no header.
// An 80-bit extended value takes 10 bytes, a double 8, a single 4, a 32-bit integer 4, on
// every platform.
//
// The writers raise on a failed write. The readers never raise: error is true when fewer
// bytes than the value needs were left (those bytes are consumed and land in the low end
// of an otherwise zero value).
#pragma once

#include <array>
#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

void WriteExtendedToStream(TStream& OutStream, Extended Value);
void WriteDoubleToStream(TStream& OutStream, double Value);
void WriteSingleToStream(TStream& OutStream, float Value);
void WriteLongintToStream(TStream& OutStream, int32_t Value);

Extended ReadExtendedFromStream(TStream& InStream, bool& error);
double ReadDoubleFromStream(TStream& InStream, bool& error);
float ReadSingleFromStream(TStream& InStream, bool& error);
int32_t ReadLongintFromStream(TStream& InStream, bool& error);

// The 10-byte little-endian x87 layout of an extended value, and back.
std::array<uint8_t, 10> ExtendedToBytes(Extended Value);
Extended BytesToExtended(const std::array<uint8_t, 10>& Bytes);

// One exact block read into a zero-filled buffer; false (the exception swallowed) when it
// raised. The bytes delivered before the failure stay in Buffer.
bool ReadExactly(TStream& InStream, void* Buffer, int32_t Count);

}  // namespace zub
