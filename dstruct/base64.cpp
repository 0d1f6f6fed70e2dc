#include "dstruct/base64.hpp"

#include <algorithm>
#include <array>

#include "dstruct/internal/base64_kernels.hpp"
#include "dstruct/internal/cpu_features.hpp"
#include "dstruct/internal/stream_runs.hpp"

namespace zub {

namespace dstruct_internal {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The reverse table over "+" .. "z": the value of each alphabet character, 127 for the others.
constexpr std::array<uint8_t, 80> MakeReverse() {
  std::array<uint8_t, 80> t{};
  for (auto& v : t) v = 127;
  for (uint8_t i = 0; i < 64; ++i) t[static_cast<size_t>(kAlphabet[i] - '+')] = i;
  return t;
}
constexpr std::array<uint8_t, 80> kReverse = MakeReverse();

// Values of the alphabet characters over all bytes, 0xFF for every other byte.
constexpr std::array<uint8_t, 256> MakeValues() {
  std::array<uint8_t, 256> t{};
  for (auto& v : t) v = 0xFF;
  for (uint8_t i = 0; i < 64; ++i) t[static_cast<uint8_t>(kAlphabet[i])] = i;
  return t;
}
constexpr std::array<uint8_t, 256> kValues = MakeValues();

inline void EncodeGroup(const uint8_t* in, uint8_t* out) {
  const uint32_t v = uint32_t{in[0]} << 16 | uint32_t{in[1]} << 8 | in[2];
  out[0] = static_cast<uint8_t>(kAlphabet[v >> 18]);
  out[1] = static_cast<uint8_t>(kAlphabet[(v >> 12) & 63]);
  out[2] = static_cast<uint8_t>(kAlphabet[(v >> 6) & 63]);
  out[3] = static_cast<uint8_t>(kAlphabet[v & 63]);
}

// The last, short line: whole groups, then one or two bytes with their "=".
size_t EncodeTail(const uint8_t* in, size_t n, uint8_t* out) {
  uint8_t* o = out;
  for (; n >= 3; n -= 3, in += 3, o += 4) EncodeGroup(in, o);
  if (n == 1) {
    o[0] = static_cast<uint8_t>(kAlphabet[in[0] >> 2]);
    o[1] = static_cast<uint8_t>(kAlphabet[(in[0] << 4) & 0x30]);
    o[2] = o[3] = '=';
    o += 4;
  } else if (n == 2) {
    o[0] = static_cast<uint8_t>(kAlphabet[in[0] >> 2]);
    o[1] = static_cast<uint8_t>(kAlphabet[((in[0] << 4) & 0x30) | (in[1] >> 4)]);
    o[2] = static_cast<uint8_t>(kAlphabet[(in[1] << 2) & 0x3C]);
    o[3] = '=';
    o += 4;
  }
  return static_cast<size_t>(o - out);
}

}  // namespace

void Base64EncodeLinesPortable(const uint8_t* In, size_t NumLines, uint8_t* Out, bool Breaks) {
  for (; NumLines > 0; --NumLines) {
    for (int g = 0; g < 15; ++g, In += 3, Out += 4) EncodeGroup(In, Out);
    if (Breaks) *Out++ = '\r', *Out++ = '\n';
  }
}

size_t Base64DecodeRunPortable(const uint8_t* In, size_t Count, uint8_t* Out, size_t& Produced) {
  size_t done = 0;
  Produced = 0;
  for (;;) {
    while (done < Count && (In[done] == '\r' || In[done] == '\n')) ++done;
    if (Count - done < 4) break;
    const uint32_t a = kValues[In[done]], b = kValues[In[done + 1]], c = kValues[In[done + 2]],
                   d = kValues[In[done + 3]];
    if ((a | b | c | d) > 63) break;
    const uint32_t v = a << 18 | b << 12 | c << 6 | d;
    Out[Produced] = static_cast<uint8_t>(v >> 16);
    Out[Produced + 1] = static_cast<uint8_t>(v >> 8);
    Out[Produced + 2] = static_cast<uint8_t>(v);
    Produced += 3;
    done += 4;
  }
  return done;
}

const Base64Kernels& SelectedBase64Kernels() {
  static const Base64Kernels kernels = [] {
    if (Base64Avx2Built() && Cpu().avx2)
      return Base64Kernels{Base64EncodeLinesAvx2, Base64DecodeRunAvx2, "avx2"};
    return Base64Kernels{Base64EncodeLinesPortable, Base64DecodeRunPortable, "portable"};
  }();
  return kernels;
}

void EncodeBase64With(const Base64Kernels& Kernels, TStream& Input, TStream& Output, bool LineBreaks) {
  constexpr size_t kLineIn = 45;
  const size_t lineOut = LineBreaks ? 62 : 60;
  const size_t linesPerBlock = OutputBlock::kSize / lineOut;
  InputRuns in(Input, false);
  OutputBlock out(Output, OutputBlock::Direct);  // every write below is exact
  uint8_t pending[kLineIn];
  size_t waiting = 0;  // bytes of a line begun in an earlier run
  for (std::span<const uint8_t> run; !(run = in.Next()).empty();) {
    const uint8_t* p = run.data();
    size_t n = run.size();
    if (waiting > 0) {
      const size_t k = std::min(n, kLineIn - waiting);
      std::copy_n(p, k, pending + waiting);
      waiting += k, p += k, n -= k;
      if (waiting == kLineIn) {
        Base64EncodeLinesPortable(pending, 1, out.Room(lineOut), LineBreaks);
        out.Advance(lineOut);
        waiting = 0;
      }
    }
    for (size_t lines = n / kLineIn; lines > 0;) {
      const size_t k = std::min(lines, linesPerBlock);
      Kernels.encode(p, k, out.Room(k * lineOut), LineBreaks);
      out.Advance(k * lineOut);
      p += k * kLineIn, n -= k * kLineIn, lines -= k;
    }
    std::copy_n(p, n, pending + waiting);
    waiting += n;
    in.Take(run.size());
  }
  if (waiting > 0) {
    uint8_t* o = out.Room(64);
    size_t k = EncodeTail(pending, waiting, o);
    if (LineBreaks) o[k++] = '\r', o[k++] = '\n';
    out.Advance(k);
  }
  out.Flush();
}

int32_t DecodeBase64With(const Base64Kernels& Kernels, TStream& Input, TStream& Output) {
  constexpr size_t kGroupsPerBlock = 22;
  constexpr size_t kStep = 4096;  // characters per kernel call at most
  InputRuns in(Input, true);
  OutputBlock out(Output, OutputBlock::InPlace);
  uint8_t group[4];
  size_t have = 0;         // characters of the current group
  size_t blockGroups = 0;  // whole groups of the current block
  size_t blockStart = 0;   // where the current block's bytes begin in the output block

  // Decodes the four characters in group; false when one lies outside "+" .. "z".
  const auto decodeGroup = [&]() {
    for (const uint8_t c : group)
      if (c < '+' || c > 'z') return false;
    const uint32_t d0 = kReverse[group[0] - '+'], d1 = kReverse[group[1] - '+'],
                   d2 = kReverse[group[2] - '+'], d3 = kReverse[group[3] - '+'];
    uint8_t* o = out.Room(3);
    size_t k = 0;
    o[k++] = static_cast<uint8_t>((d0 << 2) | (d1 >> 4));
    if (group[2] != '=') {
      o[k++] = static_cast<uint8_t>((d1 << 4) | (d2 >> 2));
      if (group[3] != '=') o[k++] = static_cast<uint8_t>((d2 << 6) | d3);
    }
    out.Advance(k);
    return true;
  };
  // Writes out the finished blocks when the output block fills up, or at once where that
  // costs nothing.
  const auto makeRoom = [&](size_t n) {
    if (out.FlushIsFree() ? blockStart > 0 : out.Used() + n > OutputBlock::kSize) {
      out.FlushPrefix(blockStart);
      blockStart = 0;
    }
  };
  const auto fail = [&]() {
    out.Truncate(blockStart);
    out.Flush();
    return -1;
  };

  for (std::span<const uint8_t> run; !(run = in.Next()).empty();) {
    const uint8_t* p = run.data();
    const size_t n = run.size();
    size_t i = 0;
    while (i < n) {
      if (have == 0 && n - i >= 32) {
        const size_t chars = std::min(n - i, kStep);
        makeRoom(chars / 4 * 3 + 32);
        size_t produced = 0;
        const size_t took = Kernels.decode(p + i, chars, out.Room(chars / 4 * 3 + 32), produced);
        if (took > 0) {
          const size_t groups = produced / 3;
          out.Advance(3 * groups);
          i += took;
          if (blockGroups + groups >= kGroupsPerBlock) {
            blockGroups = (blockGroups + groups) % kGroupsPerBlock;
            blockStart = out.Used() - 3 * blockGroups;
          } else {
            blockGroups += groups;
          }
          continue;
        }
      }
      const uint8_t c = p[i++];
      if (c == '\r' || c == '\n') continue;
      group[have++] = c;
      if (have < 4) continue;
      have = 0;
      makeRoom(3);
      if (!decodeGroup()) {
        in.Take(i);
        return fail();
      }
      if (++blockGroups == kGroupsPerBlock) {
        blockGroups = 0;
        blockStart = out.Used();
      }
    }
    in.Take(n);
  }
  if (have >= 2) {
    std::fill(group + have, group + 4, uint8_t{'='});
    makeRoom(3);
    if (!decodeGroup()) return fail();
  } else if (have == 1 && (group[0] < '+' || group[0] > 'z')) {
    return fail();
  }
  out.Flush();
  return 0;
}

}  // namespace dstruct_internal

void EncodeBase64(TStream& Input, TStream& Output, bool LineBreaks) {
  dstruct_internal::EncodeBase64With(dstruct_internal::SelectedBase64Kernels(), Input, Output, LineBreaks);
}

int32_t DecodeBase64(TStream& Input, TStream& Output) {
  return dstruct_internal::DecodeBase64With(dstruct_internal::SelectedBase64Kernels(), Input, Output);
}

}  // namespace zub
