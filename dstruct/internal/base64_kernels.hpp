// The Base64 kernels behind base64.hpp. The portable kernels are always built; the AVX2
// kernels exist on x86-64 and may only run where Cpu().avx2 holds. Exposed for the tests and
// benchmarks that compare them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/stream.hpp"

namespace zub::dstruct_internal {

// Encodes NumLines lines of 45 bytes from In into 60 characters each, followed by CR LF when
// Breaks is set; reads exactly 45 x NumLines bytes and writes exactly (60 or 62) x NumLines.
using Base64LineKernel = void (*)(const uint8_t* In, size_t NumLines, uint8_t* Out, bool Breaks);
// Decodes whole groups of alphabet characters from the start of In (Count bytes), stepping
// over CR and LF that stand between groups: returns the characters taken and sets Produced to
// the bytes written to Out (3 per group), which must have room for 3/4 x Count + 32 bytes
// (bytes after them may be scribbled on). Stops before anything else: "=", a CR or LF inside a
// group, any other character, or an incomplete last group.
using Base64RunKernel = size_t (*)(const uint8_t* In, size_t Count, uint8_t* Out, size_t& Produced);

void Base64EncodeLinesPortable(const uint8_t* In, size_t NumLines, uint8_t* Out, bool Breaks);
size_t Base64DecodeRunPortable(const uint8_t* In, size_t Count, uint8_t* Out, size_t& Produced);
bool Base64Avx2Built();
void Base64EncodeLinesAvx2(const uint8_t* In, size_t NumLines, uint8_t* Out, bool Breaks);
size_t Base64DecodeRunAvx2(const uint8_t* In, size_t Count, uint8_t* Out, size_t& Produced);

struct Base64Kernels {
  Base64LineKernel encode;
  Base64RunKernel decode;
  const char* name;  // "avx2" or "portable"
};
const Base64Kernels& SelectedBase64Kernels();

// The encoder and decoder of base64.hpp run with the given kernels, for the sameness tests.
void EncodeBase64With(const Base64Kernels& Kernels, TStream& Input, TStream& Output, bool LineBreaks);
int32_t DecodeBase64With(const Base64Kernels& Kernels, TStream& Input, TStream& Output);

}  // namespace zub::dstruct_internal
