// TRLEncoder driven by arbitrary bytes: the first two choose BufLeng (1 .. 1024) and the size
// of the pieces fed to Encode (1 .. 256, up to far beyond BufLeng); the rest is the data. It is
// encoded with the documented calling pattern, which must end, and decoded again byte by byte,
// which must give the data back. The data is also decoded as if it were an encoding: no crash,
// no overrun, and the partial block comes out through FinishDecoding.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "dstruct/ZUB_dstruct.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int32_t leng = 1 + (data[0] | (data[1] & 3) << 8);
  const size_t piece = 1 + data[1];
  const std::span<const uint8_t> input(data + 2, size - 2);

  zub::TRLEncoder enc(nullptr);
  enc.SetBufLeng(leng);
  std::vector<uint8_t> encoded;
  zub::TBytes block;
  for (size_t at = 0; at < input.size(); at += piece) {
    const size_t n = std::min(piece, input.size() - at);
    enc.Encode(input.subspan(at, n), static_cast<int32_t>(n));
    while (enc.BytesBuffered() >= enc.BufLeng()) {
      enc.GetResult(block);
      encoded.insert(encoded.end(), block.begin(), block.begin() + leng);
    }
  }
  for (size_t calls = 0;; ++calls) {
    if (calls > input.size() * 3 + 4) std::abort();  // Finish must come to an end
    const int32_t n = enc.Finish(block);
    encoded.insert(encoded.end(), block.begin(), block.begin() + n);
    if (n < leng) break;
  }

  const auto decodeAll = [&](std::span<const uint8_t> bytes, zub::TRLEncoder& dec) {
    std::vector<uint8_t> out;
    for (const uint8_t b : bytes)
      if (dec.Decode(b)) {
        dec.GetResult(block);
        out.insert(out.end(), block.begin(), block.begin() + leng);
      }
    for (;;) {
      const int32_t n = dec.FinishDecoding(block);
      out.insert(out.end(), block.begin(), block.begin() + n);
      if (n < leng) break;
    }
    return out;
  };
  zub::TRLEncoder dec(nullptr);
  dec.SetBufLeng(leng);
  if (decodeAll(encoded, dec) != std::vector<uint8_t>(input.begin(), input.end())) std::abort();
  if (dec.DecodeState() != zub::rlData) std::abort();

  zub::TRLEncoder raw(nullptr);
  raw.SetBufLeng(leng);
  decodeAll(input, raw);
  return 0;
}
