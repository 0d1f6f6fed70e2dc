#include "dstruct/sha1.hpp"

#include <algorithm>
#include <bit>
#include <cstring>

#include "dstruct/internal/cpu_features.hpp"
#include "dstruct/internal/sha1_kernels.hpp"
#include "dstruct/internal/stream_runs.hpp"
#include "host/file_stream.hpp"

namespace zub {

namespace dstruct_internal {

namespace {

// Overwrites N bytes at P in a way the compiler may not drop as a dead store.
void Wipe(void* P, size_t N) {
  std::memset(P, 0, N);
  __asm__ __volatile__("" : : "r"(P) : "memory");
}

inline uint32_t Rol(uint32_t x, int n) {
  return std::rotl(x, n);
}

inline uint32_t LoadBE32(const uint8_t* p) {
  return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | uint32_t{p[3]};
}

}  // namespace

// The schedule is kept as a ring of 16 words (word t lives at t mod 16), wiped when the call
// ends.
void SHA1BlocksPortable(uint32_t* H, const uint8_t* Data, size_t NumBlocks) {
  uint32_t w[16];
  for (; NumBlocks > 0; --NumBlocks, Data += 64) {
    for (int t = 0; t < 16; ++t) w[t] = LoadBE32(Data + 4 * t);
    uint32_t a = H[0], b = H[1], c = H[2], d = H[3], e = H[4];
    for (int t = 0; t < 80; ++t) {
      if (t >= 16) w[t & 15] = Rol(w[(t - 3) & 15] ^ w[(t - 8) & 15] ^ w[(t - 14) & 15] ^ w[t & 15], 1);
      uint32_t f, k;
      if (t < 20) {
        f = (b & c) | (~b & d);
        k = 0x5A827999;
      } else if (t < 40) {
        f = b ^ c ^ d;
        k = 0x6ED9EBA1;
      } else if (t < 60) {
        f = (b & c) | (b & d) | (c & d);
        k = 0x8F1BBCDC;
      } else {
        f = b ^ c ^ d;
        k = 0xCA62C1D6;
      }
      const uint32_t temp = Rol(a, 5) + f + e + k + w[t & 15];
      e = d;
      d = c;
      c = Rol(b, 30);
      b = a;
      a = temp;
    }
    H[0] += a;
    H[1] += b;
    H[2] += c;
    H[3] += d;
    H[4] += e;
  }
  Wipe(w, sizeof w);
}

namespace {

struct Kernel {
  SHA1Kernel blocks = SHA1BlocksPortable;
  const char* name = "portable";
};

const Kernel& Selected() {
  static const Kernel kernel = [] {
    const CpuFeatures& f = Cpu();
    if (SHA1ShaNiBuilt() && f.sha && f.ssse3 && f.sse41) return Kernel{SHA1BlocksShaNi, "sha-ni"};
    return Kernel{};
  }();
  return kernel;
}

// The working context: the message length in bits (high and low word), the bytes waiting in
// the block buffer, the chaining words and the block buffer.
class SHA1Context {
 public:
  explicit SHA1Context(SHA1Kernel Blocks) : FBlocks(Blocks) {}
  SHA1Context(const SHA1Context&) = delete;
  SHA1Context& operator=(const SHA1Context&) = delete;
  ~SHA1Context() { Wipe(this, sizeof *this); }

  void Update(const uint8_t* Data, size_t Count) {
    const uint64_t bits = (uint64_t{FLengthHi} << 32 | FLengthLo) + (uint64_t{Count} << 3);
    FLengthHi = static_cast<uint32_t>(bits >> 32);
    FLengthLo = static_cast<uint32_t>(bits);
    if (FWaiting > 0) {
      const size_t n = std::min(Count, 64 - FWaiting);
      std::memcpy(FBlock + FWaiting, Data, n);
      FWaiting += n;
      Data += n;
      Count -= n;
      if (FWaiting < 64) return;
      FBlocks(FH, FBlock, 1);
      Wipe(FBlock, sizeof FBlock);
      FWaiting = 0;
    }
    if (Count >= 64) {
      FBlocks(FH, Data, Count / 64);
      Data += Count & ~size_t{63};
      Count &= 63;
    }
    std::memcpy(FBlock, Data, Count);
    FWaiting = Count;
  }

  TSHACode Final() {
    uint8_t pad[128] = {0x80};
    const size_t padLen = (FWaiting < 56 ? 56 : 120) - FWaiting;
    uint8_t length[8];
    for (int i = 0; i < 4; ++i) {
      length[i] = static_cast<uint8_t>(FLengthHi >> (24 - 8 * i));
      length[4 + i] = static_cast<uint8_t>(FLengthLo >> (24 - 8 * i));
    }
    const uint32_t hi = FLengthHi, lo = FLengthLo;
    Update(pad, padLen);
    Update(length, 8);
    FLengthHi = hi, FLengthLo = lo;
    TSHACode digest;
    for (int i = 0; i < 5; ++i)
      for (int j = 0; j < 4; ++j)
        digest[static_cast<size_t>(4 * i + j)] = static_cast<uint8_t>(FH[i] >> (24 - 8 * j));
    return digest;
  }

 private:
  uint32_t FLengthHi = 0;
  uint32_t FLengthLo = 0;
  size_t FWaiting = 0;
  uint32_t FH[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
  uint8_t FBlock[64] = {};
  SHA1Kernel FBlocks;
};

}  // namespace

SHA1Kernel SelectedSHA1Kernel() {
  return Selected().blocks;
}
const char* SelectedSHA1KernelName() {
  return Selected().name;
}

void SHA1WithKernel(SHA1Kernel Kernel, const uint8_t* Data, size_t Count, uint8_t* Digest) {
  SHA1Context c(Kernel);
  c.Update(Data, Count);
  const TSHACode d = c.Final();
  std::memcpy(Digest, d.data(), d.size());
}

}  // namespace dstruct_internal

using dstruct_internal::SHA1Context;

TSHACode SHA1FromBytes(std::span<const uint8_t> Data) {
  SHA1Context c(dstruct_internal::SelectedSHA1Kernel());
  c.Update(Data.data(), Data.size());
  return c.Final();
}

TSHACode SHA1FromString(const AnsiString& S) {
  return SHA1FromBytes({reinterpret_cast<const uint8_t*>(S.data()), S.size()});
}

TSHACode SHA1FromString(const UnicodeString& S) {
  SHA1Context c(dstruct_internal::SelectedSHA1Kernel());
  if constexpr (std::endian::native == std::endian::little) {
    c.Update(reinterpret_cast<const uint8_t*>(S.data()), 2 * S.size());
  } else {
    for (const Char ch : S) {
      const uint8_t unit[2] = {static_cast<uint8_t>(ch), static_cast<uint8_t>(ch >> 8)};
      c.Update(unit, 2);
    }
  }
  return c.Final();
}

TSHACode SHA1FromStringOLd(const UnicodeString& S) {
  SHA1Context c(dstruct_internal::SelectedSHA1Kernel());
  const size_t units = S.size() / 2;
  for (size_t i = 0; i < units; ++i) {
    const uint8_t unit[2] = {static_cast<uint8_t>(S[i]), static_cast<uint8_t>(S[i] >> 8)};
    c.Update(unit, 2);
  }
  if (S.size() % 2 != 0) {
    const uint8_t low = static_cast<uint8_t>(S[units]);
    c.Update(&low, 1);
  }
  return c.Final();
}

TSHACode SHA1FromStream(TStream& Stream) {
  SHA1Context c(dstruct_internal::SelectedSHA1Kernel());
  dstruct_internal::InputRuns in(Stream, false);
  for (std::span<const uint8_t> run; !(run = in.Next()).empty();) {
    c.Update(run.data(), run.size());
    in.Take(run.size());
  }
  return c.Final();
}

TSHACode SHA1FromFile(const UnicodeString& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyNone);
  return SHA1FromStream(file);
}

UnicodeString SHA1DigestToHex(const TSHACode& Digest) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  UnicodeString hex(40, u'0');
  for (size_t i = 0; i < Digest.size(); ++i) {
    hex[2 * i] = kDigits[Digest[i] >> 4];
    hex[2 * i + 1] = kDigits[Digest[i] & 15];
  }
  return hex;
}

}  // namespace zub
