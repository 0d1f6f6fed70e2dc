// Reading a stream in the runs of bytes it holds already, and writing through a block.
//
// InputRuns hands out the stream's own buffered bytes (all the rest of a memory stream, the
// current block of a file stream) so that they are read in place, and takes as consumed only
// what the caller says it used: a decoder that stops early leaves the stream just after its
// last byte. A stream that buffers nothing is read one byte per call when Exact is set, in
// blocks of 64 KiB otherwise (for callers that read to the end anyway).
//
// OutputBlock collects output in a 64 KiB block with some slack behind it, for vector stores
// that write a few bytes beyond what they keep, and writes it with WriteBuffer; or, while the
// stream offers room in its own buffer (a memory stream within its allocation, a file stream
// while writing), it writes there in place, so the output is not copied (see Placement).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

#include "host/stream.hpp"

namespace zub::dstruct_internal {

class InputRuns {
 public:
  InputRuns(TStream& Stream, bool Exact) : FStream(Stream), FExact(Exact) {}

  // The next bytes of the input, none at its end. Valid until Take or the next Next.
  std::span<const uint8_t> Next() {
    if (FOwnAt < FOwnEnd) {
      FFromOwn = true;
      return {FOwn.get() + FOwnAt, FOwnEnd - FOwnAt};
    }
    const std::span<const uint8_t> buffered = FStream.Buffered();
    if (!buffered.empty()) {
      FFromOwn = false;
      return buffered;
    }
    if (!FOwn) FOwn = std::make_unique<uint8_t[]>(kBlock);
    FOwnAt = FOwnEnd = 0;
    if (FExact) {
      // A read of one byte makes a buffering stream fill its buffer.
      const int c = FStream.ReadByte();
      if (c < 0) return {};
      FOwn[0] = static_cast<uint8_t>(c);
      FOwnEnd = 1;
    } else {
      const int32_t n = FStream.Read(FOwn.get(), static_cast<int32_t>(kBlock));
      if (n <= 0) return {};
      FOwnEnd = static_cast<size_t>(n);
    }
    FFromOwn = true;
    return {FOwn.get(), FOwnEnd};
  }

  // Marks N bytes of the last run as used.
  void Take(size_t N) {
    if (FFromOwn)
      FOwnAt += N;
    else
      FStream.Consume(N);
  }

 private:
  static constexpr size_t kBlock = 64 * 1024;
  TStream& FStream;
  bool FExact;
  bool FFromOwn = false;
  std::unique_ptr<uint8_t[]> FOwn;
  size_t FOwnAt = 0, FOwnEnd = 0;
};

class OutputBlock {
 public:
  static constexpr size_t kSize = 64 * 1024;
  static constexpr size_t kSlack = 64;

  // How the output reaches the stream:
  //  - Buffered: through the block and WriteBuffer.
  //  - Direct: for writers that write exactly what they keep; while the stream offers room in
  //    its own buffer, output goes there and counts as written at once.
  //  - InPlace: for writers that may take back what they have not flushed yet (FlushPrefix,
  //    Truncate). When the stream is written at its end (or cannot seek), the bytes go to its
  //    own buffer in place too, but count as written only when flushed; what lies behind them
  //    there, slack included, is cleared again afterwards (a memory stream keeps the bytes
  //    past its end zero). Elsewhere in a stream it works as Buffered, so that bytes taken
  //    back never touch the stream's content.
  enum Placement { Buffered, Direct, InPlace };

  explicit OutputBlock(TStream& Stream, Placement How = Buffered)
      : FStream(Stream), FHow(How), FBuf(std::make_unique<uint8_t[]>(kSize + kSlack)) {
    if (FHow == InPlace && Stream.CanSeek() && Stream.Position() < Stream.Size()) FHow = Buffered;
  }
  OutputBlock(const OutputBlock&) = delete;
  OutputBlock& operator=(const OutputBlock&) = delete;
  ~OutputBlock() { ClearScratch(); }

  // Room for N bytes (N at most kSize) at the end of the output, writing the block out first
  // when it has not; kSlack more bytes behind them may be scribbled on, except in Direct
  // output. Advance(N) takes N bytes of that room as written.
  uint8_t* Room(size_t N) {
    if (FHow == Direct && FUsed == 0) {
      const std::span<uint8_t> window = FStream.WriteWindow();
      FDirectWindow = window.size() >= N;
      if (FDirectWindow) return window.data();
    }
    FDirectWindow = false;
    if (FHow == InPlace) {
      const std::span<uint8_t> window = FStream.WriteWindow();
      const size_t need = FUsed + N + kSlack;
      if (FInWindow && window.size() >= need) {
        FScratch = std::max(FScratch, need);
        return window.data() + FUsed;
      }
      if (FInWindow) {
        // The window is full: what is not flushed moves to the block.
        std::memcpy(FBuf.get(), window.data(), FUsed);
        ClearScratch();
      } else if (FUsed <= kSlack && window.size() >= need) {
        std::memcpy(window.data(), FBuf.get(), FUsed);
        FInWindow = true;
        FScratch = need;
        return window.data() + FUsed;
      }
    }
    if (FUsed + N > kSize) Flush();
    return FBuf.get() + FUsed;
  }
  void Advance(size_t N) {
    if (FDirectWindow)
      FStream.Produce(N);
    else
      FUsed += N;
  }
  void Put(uint8_t B) {
    *Room(1) = B;
    Advance(1);
  }
  void Put(const void* Data, size_t N) {
    std::memcpy(Room(N), Data, N);
    Advance(N);
  }
  size_t Used() const { return FUsed; }
  // Whether flushing is cheap (bytes in place need no copy), so flush as often as you like.
  bool FlushIsFree() const { return FInWindow; }

  void Flush() {
    FlushPrefix(FUsed);
    ClearScratch();
  }
  // Writes the first N bytes of the block and keeps the rest at its front (not for Direct
  // output, which may have gone to the stream already).
  void FlushPrefix(size_t N) {
    if (FInWindow) {
      FStream.Produce(N);
      FUsed -= N;
      FScratch -= N;
      return;
    }
    if (N > 0) FStream.WriteBuffer(FBuf.get(), static_cast<int32_t>(N));
    std::memmove(FBuf.get(), FBuf.get() + N, FUsed - N);
    FUsed -= N;
  }
  // Forgets everything from byte N on.
  void Truncate(size_t N) { FUsed = N; }

 private:
  // Clears what was scribbled in the stream's buffer behind its position, and leaves it.
  void ClearScratch() {
    if (!FInWindow) return;
    const std::span<uint8_t> window = FStream.WriteWindow();
    std::memset(window.data(), 0, std::min(FScratch, window.size()));
    FInWindow = false;
    FScratch = 0;
  }

  TStream& FStream;
  Placement FHow;
  bool FDirectWindow = false;
  bool FInWindow = false;  // InPlace: the bytes not flushed lie at the stream's position
  size_t FScratch = 0;     // InPlace: bytes behind the position that may have been written
  std::unique_ptr<uint8_t[]> FBuf;
  size_t FUsed = 0;
};

}  // namespace zub::dstruct_internal
