#include "dstruct/fifo.hpp"

#include <algorithm>
#include <new>

#include "dstruct/ZUB_dstruct.hpp"

namespace zub {

TFifo::TFifo(TComponent* AOwner) : TComponent(AOwner) {
  try {
    FData.assign(static_cast<size_t>(FLength), 0);
  } catch (const std::bad_alloc&) {
    TooLarge();
  }
}

void TFifo::TooLarge() const {
  throw EZUBDStructError(ComponentMessage(*this, u"FIFO structure too large"));
}

void TFifo::SetSize(int32_t length) {
  if (length <= 0 || length == FLength) return;
  if (length > MaxFifoSize) TooLarge();
  TBytes ring;
  try {
    ring.assign(static_cast<size_t>(length), 0);
  } catch (const std::bad_alloc&) {
    TooLarge();
  }
  // The oldest bytes that fit, moved to the front of the new ring in their order: the part
  // up to the end of the old ring, then the part that wrapped to its start.
  const int32_t keep = std::min(CountBytes(), length - 1);
  const int32_t first = std::min(keep, FLength - FOutPoi);
  const auto out = FData.begin() + FOutPoi;
  std::copy(out, out + first, ring.begin());
  std::copy(FData.begin(), FData.begin() + (keep - first), ring.begin() + first);
  FData.swap(ring);
  FLength = length;
  FOutPoi = 0;
  FInPoi = keep;  // below length: one slot stays free
}

}  // namespace zub
