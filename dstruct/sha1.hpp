// SHA-1 digests (FIPS 180-4) of strings, byte ranges, streams and files, and the hexadecimal
// form of a digest.
//
// Every routine keeps its working state on the stack of the call and wipes it before it
// returns. The compression runs on the processor's SHA extensions where it has them, else in
// portable C++; the choice is made once, at the first call.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// A digest in the standard byte order: H0..H4, each most significant byte first.
using TSHACode = std::array<uint8_t, 20>;

// The digest of the string's UTF-16LE code units: 2 x length bytes, low byte first.
TSHACode SHA1FromString(const UnicodeString& S);
// The digest of the 8-bit string's bytes as they are.
TSHACode SHA1FromString(const AnsiString& S);
// The digest of the first length bytes of the string's UTF-16LE form, that is of its first
// half: "AB" is hashed as the two bytes $41 $00. An empty string gives the digest of nothing.
TSHACode SHA1FromStringOLd(const UnicodeString& S);
// The digest of Data.
TSHACode SHA1FromBytes(std::span<const uint8_t> Data);
// The digest of everything from the stream's position to its end, read until a read gives
// nothing (so pipes work); the stream is left at its end. A memory stream is hashed in place;
// other streams are read in their own blocks or in blocks of 64 KiB. Read errors propagate.
TSHACode SHA1FromStream(TStream& Stream);
// The digest of the whole file, opened read-only as a TFileStream and closed again in every
// case. A file that cannot be opened raises the stream's EFOpenError; read errors propagate.
TSHACode SHA1FromFile(const UnicodeString& FileName);

// 40 upper-case hexadecimal digits, digest byte 0 first, high nibble first.
UnicodeString SHA1DigestToHex(const TSHACode& Digest);

}  // namespace zub
