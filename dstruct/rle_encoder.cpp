#include "dstruct/rle_encoder.hpp"

#include <algorithm>
#include <cstring>
#include <new>

#include "dstruct/ZUB_dstruct.hpp"

namespace zub {

TRLEncoder::TRLEncoder(TComponent* AOwner) : TComponent(AOwner) {
  try {
    FBuffer.assign(4 * static_cast<size_t>(FBufLeng), 0);
  } catch (const std::bad_alloc&) {
    OutOfMemory();
  }
}

void TRLEncoder::OutOfMemory() const {
  throw EZUBDStructError(ComponentMessage(*this, u"not enough memory on heap"));
}

void TRLEncoder::SetBufLeng(int32_t leng) {
  if (leng < 1)
    throw EZUBDStructError(ComponentMessage(*this, u"BufLeng must be at least 1, not ") + IntToStr(leng));
  if (leng == FBufLeng) return;
  const size_t size = std::max(4 * static_cast<size_t>(leng), FBufPoi);
  try {
    TBytes buffer(size, 0);
    std::copy_n(FBuffer.begin() + static_cast<std::ptrdiff_t>(FBufStart), FBufPoi, buffer.begin());
    FBuffer.swap(buffer);
    FBufStart = 0;
  } catch (const std::bad_alloc&) {
    OutOfMemory();
  }
  FBufLeng = leng;
}

void TRLEncoder::Reset() {
  FBufPoi = 0;
  FBufStart = 0;
  FCount = 0;
  FLastB = 0;
  FDecodeSt = rlData;
}

// Moves the buffered bytes to the front when that frees at least as much as it moves, and
// grows the buffer when that is not enough, so appending stays linear.
void TRLEncoder::MakeRoom(size_t N) {
  if (FBufStart > 0 && FBufStart >= FBufPoi) {
    std::memmove(FBuffer.data(), FBuffer.data() + FBufStart, FBufPoi);
    FBufStart = 0;
    if (FBuffer.size() - FBufPoi >= N) return;
  }
  try {
    FBuffer.resize(std::max(FBuffer.size() + FBuffer.size() / 2, FBufStart + FBufPoi + N));
  } catch (const std::bad_alloc&) {
    OutOfMemory();
  }
}

void TRLEncoder::AppendRun(uint8_t Count, uint8_t Value) {
  uint8_t* t = Tail(3);
  t[0] = FLeadInByte;
  t[1] = Count;
  t[2] = Value;
  FBufPoi += 3;
}

void TRLEncoder::AppendCopies(uint8_t Value, uint32_t Count) {
  std::memset(Tail(Count), Value, Count);
  FBufPoi += Count;
}

void TRLEncoder::EncodeByte(uint8_t B) {
  if (FCount == 0) {
    FCount = 1;
    FLastB = B;
  } else if (B == FLastB) {
    if (++FCount == 255) {
      AppendRun(255, FLastB);
      FCount = 0;
    }
  } else {
    if (FCount <= 2 && FLastB != FLeadInByte) {
      AppendCopies(FLastB, FCount);
    } else {
      AppendRun(FCount, FLastB);
    }
    FCount = 1;
    FLastB = B;
  }
}

bool TRLEncoder::Encode(std::span<const uint8_t> InBuf, int32_t NumBytes) {
  const size_t n = NumBytes <= 0 ? 0 : std::min(InBuf.size(), static_cast<size_t>(NumBytes));
  for (size_t i = 0; i < n; ++i) EncodeByte(InBuf[i]);
  return FBufPoi >= static_cast<size_t>(FBufLeng);
}

bool TRLEncoder::Decode(uint8_t InByte) {
  switch (FDecodeSt) {
    case rlData:
      if (InByte == FLeadInByte)
        FDecodeSt = rlLeadin;
      else
        Append(InByte);
      break;
    case rlLeadin:
      FCount = InByte;
      FDecodeSt = rlCnt;
      break;
    case rlCnt:
      AppendCopies(InByte, FCount);
      FCount = 0;
      FDecodeSt = rlData;
      break;
  }
  return FBufPoi >= static_cast<size_t>(FBufLeng);
}

void TRLEncoder::GetResult(TBytes& OutBuf) {
  const auto leng = static_cast<size_t>(FBufLeng);
  if (FBufPoi < leng) return;
  if (OutBuf.size() < leng) OutBuf.resize(leng);
  std::copy_n(FBuffer.begin() + static_cast<std::ptrdiff_t>(FBufStart), leng, OutBuf.begin());
  FBufPoi -= leng;
  FBufStart = FBufPoi == 0 ? 0 : FBufStart + leng;
}

int32_t TRLEncoder::Deliver(TBytes& OutBuf) {
  if (FBufPoi >= static_cast<size_t>(FBufLeng)) {
    GetResult(OutBuf);
    return FBufLeng;
  }
  if (OutBuf.size() < static_cast<size_t>(FBufLeng)) OutBuf.resize(static_cast<size_t>(FBufLeng));
  std::copy_n(FBuffer.begin() + static_cast<std::ptrdiff_t>(FBufStart), FBufPoi, OutBuf.begin());
  const auto n = static_cast<int32_t>(FBufPoi);
  FBufPoi = 0;
  FBufStart = 0;
  return n;
}

int32_t TRLEncoder::Finish(TBytes& OutBuf) {
  if (FCount > 0) AppendRun(FCount, FLastB);
  FCount = 0;
  return Deliver(OutBuf);
}

int32_t TRLEncoder::FinishDecoding(TBytes& OutBuf) {
  return Deliver(OutBuf);
}

}  // namespace zub
