// The SHA-1 compression behind the digests of sha1.hpp: each kernel runs NumBlocks 64-byte
// blocks into the chaining words H. The portable kernel is always built; the SHA-extensions
// kernel exists on x86-64 and may only run where Cpu().sha, ssse3 and sse41 hold. Exposed for
// the tests and benchmarks that compare them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zub::dstruct_internal {

using SHA1Kernel = void (*)(uint32_t* H, const uint8_t* Data, size_t NumBlocks);

void SHA1BlocksPortable(uint32_t* H, const uint8_t* Data, size_t NumBlocks);
bool SHA1ShaNiBuilt();
void SHA1BlocksShaNi(uint32_t* H, const uint8_t* Data, size_t NumBlocks);

// The kernel the digests use on this processor, and its name ("sha-ni" or "portable").
SHA1Kernel SelectedSHA1Kernel();
const char* SelectedSHA1KernelName();

// Hashes Data with the given kernel, for the sameness tests.
void SHA1WithKernel(SHA1Kernel Kernel, const uint8_t* Data, size_t Count, uint8_t* Digest);

}  // namespace zub::dstruct_internal
