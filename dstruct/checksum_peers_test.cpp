// The checksums, the digest and Base64 against the libraries a user would otherwise pick:
// zlib's and libdeflate's CRC-32, OpenSSL's SHA-1 and its Base64 block coder, on random data
// of every length from 0 to 4096 at several start offsets. Every kernel this processor can
// run is compared, not only the one the library selects.
#include <gtest/gtest.h>
#include <libdeflate.h>
#include <openssl/evp.h>
#include <openssl/sha.h>
#include <zlib.h>

#include <random>
#include <string>
#include <vector>

#include "dstruct/ZUB_dstruct.hpp"
#include "dstruct/internal/base64_kernels.hpp"
#include "dstruct/internal/cpu_features.hpp"
#include "dstruct/internal/crc_kernels.hpp"
#include "dstruct/internal/sha1_kernels.hpp"

namespace zub {
namespace {

using namespace dstruct_internal;

std::vector<uint8_t> RandomBytes(size_t n, uint32_t seed) {
  std::mt19937 gen(seed);
  std::vector<uint8_t> b(n);
  for (auto& x : b) x = static_cast<uint8_t>(gen());
  return b;
}

constexpr size_t kMax = 4096;
constexpr size_t kOffsets[] = {0, 1, 3, 8, 15, 31};

TEST(ChecksumPeers, CRC32AgreesWithZlibAndLibdeflate) {
  const CpuFeatures& cpu = Cpu();
  std::vector<std::pair<const char*, CRC32Kernel>> kernels = {{"slice-by-8", CRC32Slice8}};
  if (CRCFoldingBuilt() && cpu.pclmul && cpu.ssse3 && cpu.sse41) kernels.push_back({"pclmulqdq", CRC32Clmul});
  if (CRCFoldingBuilt() && cpu.vpclmulqdq) kernels.push_back({"vpclmulqdq", CRC32Vpclmul});
  const std::vector<uint8_t> data = RandomBytes(kMax + 32, 1);
  for (const size_t offset : kOffsets) {
    const uint8_t* p = data.data() + offset;
    for (size_t n = 0; n <= kMax; ++n) {
      const auto z = static_cast<uint32_t>(crc32(0, p, static_cast<uInt>(n)));
      ASSERT_EQ(libdeflate_crc32(0, p, n), z);
      for (const auto& [name, k] : kernels)
        if (~k(0xFFFFFFFFu, p, n) != z)
          FAIL() << name << " differs from zlib at length " << n << ", offset " << offset;
      if (offset == 0 && static_cast<uint32_t>(CRC32ofBuffer(TBytes(p, p + n), static_cast<int32_t>(n))) != z)
        FAIL() << "CRC32ofBuffer differs from zlib at length " << n;
    }
  }
}

TEST(ChecksumPeers, SHA1AgreesWithOpenSSL) {
  const CpuFeatures& cpu = Cpu();
  std::vector<std::pair<const char*, SHA1Kernel>> kernels = {{"portable", SHA1BlocksPortable}};
  if (SHA1ShaNiBuilt() && cpu.sha && cpu.ssse3 && cpu.sse41) kernels.push_back({"sha-ni", SHA1BlocksShaNi});
  const std::vector<uint8_t> data = RandomBytes(kMax + 32, 2);
  for (const size_t offset : kOffsets) {
    const uint8_t* p = data.data() + offset;
    for (size_t n = 0; n <= kMax; ++n) {
      uint8_t want[20], got[20];
      SHA1(p, n, want);
      for (const auto& [name, k] : kernels) {
        SHA1WithKernel(k, p, n, got);
        if (!std::equal(got, got + 20, want))
          FAIL() << name << " differs from OpenSSL at length " << n << ", offset " << offset;
      }
    }
  }
  const TSHACode abc = SHA1FromString(AnsiString("abc"));
  uint8_t want[20];
  SHA1(reinterpret_cast<const uint8_t*>("abc"), 3, want);
  EXPECT_TRUE(std::equal(abc.begin(), abc.end(), want));
}

// EVP_EncodeBlock writes the same characters without line breaks; EVP_DecodeBlock reads them
// back (it pads its result to whole groups, so only lengths that are multiples of 3 compare).
TEST(ChecksumPeers, Base64AgreesWithOpenSSL) {
  std::vector<Base64Kernels> kernels = {{Base64EncodeLinesPortable, Base64DecodeRunPortable, "portable"}};
  if (Base64Avx2Built() && Cpu().avx2)
    kernels.push_back({Base64EncodeLinesAvx2, Base64DecodeRunAvx2, "avx2"});
  const std::vector<uint8_t> data = RandomBytes(kMax, 3);
  std::vector<uint8_t> peer(kMax * 2), back(kMax * 2);
  for (size_t n = 0; n <= kMax; ++n) {
    const int len = EVP_EncodeBlock(peer.data(), data.data(), static_cast<int>(n));
    const std::string want(peer.begin(), peer.begin() + len);
    for (const Base64Kernels& k : kernels) {
      TStringStream in{AnsiString(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(n))}, out;
      EncodeBase64With(k, in, out, false);
      if (out.Bytes() != want) FAIL() << k.name << " encoding differs from OpenSSL at length " << n;
      if (n % 3 != 0) continue;
      TStringStream text{AnsiString(want)}, decoded;
      ASSERT_EQ(DecodeBase64With(k, text, decoded), 0);
      const int m = EVP_DecodeBlock(back.data(), peer.data(), len);
      ASSERT_EQ(m, static_cast<int>(n));
      if (decoded.Bytes() != std::string(back.begin(), back.begin() + m))
        FAIL() << k.name << " decoding differs from OpenSSL at length " << n;
    }
  }
}

}  // namespace
}  // namespace zub
