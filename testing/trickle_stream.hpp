// A read-only stream over some bytes that keeps no buffer and hands out at most a few bytes
// per Read, as a pipe may: for readers that must not take a short read for the end.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "host/stream.hpp"

namespace zub::testing {

class TrickleStream : public TStream {
 public:
  // Read k returns at most 1 + (k mod MaxPiece) bytes.
  explicit TrickleStream(std::string Bytes, int32_t MaxPiece = 7)
      : FBytes(std::move(Bytes)), FMax(MaxPiece) {}

  int32_t Read(void* Buffer, int32_t Count) override {
    const size_t left = FBytes.size() - FAt;
    const auto n =
        static_cast<size_t>(std::min<int64_t>({Count, 1 + FReads++ % FMax, static_cast<int64_t>(left)}));
    std::memcpy(Buffer, FBytes.data() + FAt, n);
    FAt += n;
    return static_cast<int32_t>(n);
  }
  int32_t Write(const void*, int32_t) override { return 0; }
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override {
    const int64_t base = Origin == soBeginning ? 0
                         : Origin == soCurrent ? static_cast<int64_t>(FAt)
                                               : static_cast<int64_t>(FBytes.size());
    FAt = static_cast<size_t>(std::clamp<int64_t>(base + Offset, 0, static_cast<int64_t>(FBytes.size())));
    return static_cast<int64_t>(FAt);
  }
  void SetSize(int64_t) override {}
  bool CanSeek() const override { return false; }

 private:
  std::string FBytes;
  int32_t FMax;
  int64_t FReads = 0;
  size_t FAt = 0;
};

}  // namespace zub::testing
