#include "dstruct/ascii85.hpp"

#include <algorithm>

#include "dstruct/internal/stream_runs.hpp"

namespace zub {

namespace {

using dstruct_internal::InputRuns;
using dstruct_internal::OutputBlock;

// Writes the N + 1 base-85 digits of the big-endian value of the N bytes at In.
size_t EncodeGroup(const uint8_t* In, size_t N, uint8_t* Out) {
  uint32_t v = 0;
  for (size_t i = 0; i < N; ++i) v = v << 8 | In[i];
  for (size_t i = N + 1; i-- > 0; v /= 85) Out[i] = static_cast<uint8_t>('!' + v % 85);
  return N + 1;
}

}  // namespace

void EncodeASCII85(TStream& Input, TStream& Output, bool LineBreaks) {
  InputRuns in(Input, false);
  OutputBlock out(Output);
  uint8_t pending[4];
  size_t waiting = 0;
  int groups = 0;  // groups of the line so far
  const auto put = [&](const uint8_t* g, size_t n) {
    uint8_t* o = out.Room(8);
    if (n == 4 && (g[0] | g[1] | g[2] | g[3]) == 0) {
      o[0] = 'z';
      out.Advance(1);
      return;
    }
    size_t k = EncodeGroup(g, n, o);
    if (++groups == 12) {
      groups = 0;
      if (LineBreaks) o[k++] = '\r', o[k++] = '\n';
    }
    out.Advance(k);
  };
  for (std::span<const uint8_t> run; !(run = in.Next()).empty();) {
    const uint8_t* p = run.data();
    size_t n = run.size();
    if (waiting > 0) {
      const size_t k = std::min(n, 4 - waiting);
      std::copy_n(p, k, pending + waiting);
      waiting += k, p += k, n -= k;
      if (waiting < 4) {
        in.Take(run.size());
        continue;
      }
      put(pending, 4);
      waiting = 0;
    }
    for (; n >= 4; n -= 4, p += 4) put(p, 4);
    std::copy_n(p, n, pending);
    waiting = n;
    in.Take(run.size());
  }
  if (waiting > 0) put(pending, waiting);
  out.Put("~>", 2);
  out.Flush();
}

int32_t DecodeASCII85(TStream& Input, TStream& Output) {
  InputRuns in(Input, true);
  OutputBlock out(Output);
  int32_t result = 0;
  uint8_t group[5];
  size_t have = 0;
  // Decodes the characters of group; raises on an overflow, after writing what came before.
  const auto decode = [&]() {
    int64_t v = 0;
    for (size_t i = 0; i < have; ++i) {
      const uint8_t c = group[i];
      if (c < '!' || c > 'u') result = c == 'z' ? -2 : -1;
      v = v * 85 + (int64_t{c} - 33);
      if (v < 0 || v > 0xFFFFFFFFLL) {
        out.Flush();
        throw EIntOverflow(u"Integer overflow");
      }
    }
    if (have >= 2) {
      uint8_t* o = out.Room(4);
      for (size_t i = 0; i + 1 < have; ++i) o[i] = static_cast<uint8_t>(v >> (8 * (have - 2 - i)));
      out.Advance(have - 1);
    }
    have = 0;
  };
  // Each character is taken as it is read, so that an error leaves the input just after it.
  for (std::span<const uint8_t> run; !(run = in.Next()).empty();) {
    for (const uint8_t c : run) {
      in.Take(1);
      if (c == '\r' || c == '\n') continue;
      if (c == '~') {
        decode();
        out.Flush();
        return result;
      }
      if (have == 0 && c == 'z') {
        out.Put("\0\0\0\0", 4);
        continue;
      }
      group[have++] = c;
      if (have == 5) decode();
    }
  }
  decode();
  out.Flush();
  return result;
}

}  // namespace zub
