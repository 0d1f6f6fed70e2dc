// TFifo: a ring buffer of bytes for producer/consumer hand-over inside one thread: bytes go in
// at the input end (PutByte, or ForceByte, which makes room), come out at the output end
// (GetByte), can be pushed back to the output end (LoadBack) and looked at without being
// taken (SenseByte).
//
// The ring has Size slots and one of them always stays free, so a FIFO of size L holds at
// most L - 1 bytes (255 for the default 256); a FIFO of size 1 never holds a byte. Every
// operation but SetSize takes constant time and allocates nothing; PutByte and GetByte are
// inline and wrap their positions with a comparison, not a division.
//
// Choices of this implementation where the behaviour is otherwise open or unsafe:
// - SetSize on a FIFO that holds bytes keeps the oldest of them that fit in the new ring (at
//   most length - 1), in their order, and drops the newer rest; CountBytes and GetByte then
//   agree with what was kept. An empty FIFO stays empty and usable.
// - The size is at most MaxFifoSize (2^30 bytes), so that a position plus an offset below the
//   size never leaves the int32 range. A larger size, or a ring that cannot be allocated,
//   raises EZUBDStructError with 'Component "Name": FIFO structure too large', both in SetSize
//   (which then leaves the FIFO as it was) and in the constructor.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

class TFifo : public TComponent {
 public:
  // The largest ring SetSize accepts.
  static constexpr int32_t MaxFifoSize = int32_t{1} << 30;

  // Size 256, all bytes 0, empty.
  explicit TFifo(TComponent* AOwner);
  UnicodeString ClassName() const override { return u"TFifo"; }

  int32_t Size() const { return FLength; }
  // Ignored unless length > 0 and different from Size; see the choices above.
  void SetSize(int32_t length);

  // False when full, and nothing is stored; else the byte goes in at the input end.
  bool PutByte(uint8_t InByte) {
    const int32_t next = Advance(FInPoi);
    if (next == FOutPoi) return false;
    FData[static_cast<size_t>(FInPoi)] = InByte;
    FInPoi = next;
    return true;
  }
  // Stores the byte in any case: when the FIFO is full, the oldest byte is dropped first and
  // the result is true; otherwise false. In a FIFO of size 1 the byte is lost (result true).
  bool ForceByte(uint8_t InByte) {
    const bool full = Advance(FInPoi) == FOutPoi;
    if (full) FOutPoi = Advance(FOutPoi);
    FData[static_cast<size_t>(FInPoi)] = InByte;
    FInPoi = Advance(FInPoi);
    return full;
  }
  // Puts the byte back at the output end, so that GetByte returns it next; false, and nothing
  // changes, when the FIFO is full.
  bool LoadBack(uint8_t InByte) {
    if (Advance(FInPoi) == FOutPoi) return false;
    FOutPoi = (FOutPoi == 0 ? FLength : FOutPoi) - 1;
    FData[static_cast<size_t>(FOutPoi)] = InByte;
    return true;
  }
  // False when empty (OutByte untouched); else removes the oldest byte into OutByte.
  bool GetByte(uint8_t& OutByte) {
    if (FInPoi == FOutPoi) return false;
    OutByte = FData[static_cast<size_t>(FOutPoi)];
    FOutPoi = Advance(FOutPoi);
    return true;
  }
  // The byte ix places behind the output end (0 is the one GetByte would return), left in
  // place; false, with OutByte untouched, when ix < 0 or ix >= CountBytes.
  bool SenseByte(int32_t ix, uint8_t& OutByte) const {
    if (ix < 0 || ix >= CountBytes()) return false;
    int32_t at = FOutPoi + ix;
    if (at >= FLength) at -= FLength;
    OutByte = FData[static_cast<size_t>(at)];
    return true;
  }
  // Empty, with both positions at 0; the size stays.
  void Clear() { FInPoi = FOutPoi = 0; }
  // The number of bytes held, 0 .. Size - 1.
  int32_t CountBytes() const {
    const int32_t n = FInPoi - FOutPoi;
    return n < 0 ? n + FLength : n;
  }

 private:
  int32_t Advance(int32_t Poi) const { return Poi + 1 == FLength ? 0 : Poi + 1; }
  [[noreturn]] void TooLarge() const;

  int32_t FInPoi = 0;   // the next slot written
  int32_t FOutPoi = 0;  // the next slot read
  int32_t FLength = 256;
  TBytes FData;
};

}  // namespace zub
