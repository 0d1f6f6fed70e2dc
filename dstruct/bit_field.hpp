// TBitFld: a resizable field of bits with counting, random selection and filling, logical
// combination and a SHA-1 hash of its storage.
//
// A field of Size s holds the s + 1 bits 0 .. s. They live in s div 8 + 2 bytes, bit i in byte
// i div 8 under the mask 1 shl (i mod 8). The bits above s in byte s div 8 and the whole last
// byte are slack: counting, searching and listing never look at them, but the byte-wise
// operations write them and Hash reads the slack bits of byte s div 8, so two fields with the
// same bits 0 .. s can hash differently. Which operation does what to the slack:
//   Clear, Clone, Assign          every storage byte cleared or copied
//   SetSize                       kept bytes keep their bits; growing shows them again
//   Invert, CombineWith           bytes 0 .. s div 8, so the slack of byte s div 8 too
//   RandomFill                    every byte first 0, or $FF when more than half is asked for
//   SetBit, ToggleBit             one bit, the slack untouched
//
// Sizes run from 0 to MaxBitFldSize, so that every count of bits fits an int32_t. Index
// errors are silent: reads outside 0 .. Size give false, writes there are ignored.
#pragma once

#include <cstdint>
#include <vector>

#include "dstruct/logic_op.hpp"
#include "dstruct/sha1.hpp"
#include "foundation/ZUB_zubbase.hpp"

namespace zub {

class TBitFld : public TComponent {
 public:
  // The largest Size: 2,147,483,646, so that the Size + 1 bits of a field can be counted in
  // an int32_t.
  static constexpr int32_t MaxBitFldSize = INT32_MAX - 1;

  // Size 1000: bits 0 .. 1000 in 127 zero bytes. Raises EZUBDStructError
  // ('Component "Name": not enough memory on heap') when the storage cannot be allocated.
  explicit TBitFld(TComponent* AOwner);
  UnicodeString ClassName() const override { return u"TBitFld"; }

  // The highest valid bit index.
  int32_t Size() const { return FSize; }
  // Ignored when Size is negative, above MaxBitFldSize or the current size. Otherwise resizes
  // the storage to Size div 8 + 2 bytes, keeping the bytes that remain (new bytes are zero).
  // When the storage cannot be allocated, raises EZUBDStructError
  // ('Component "Name": not enough memory') and keeps the field as it was.
  void SetSize(int32_t Size);

  // Every storage byte 0.
  void Clear();
  // False outside 0 .. Size.
  bool GetBit(int32_t ix) const;
  // Ignored outside 0 .. Size.
  void SetBit(int32_t ix, bool value);
  void ToggleBit(int32_t ix);

  // The number of set bits among 0 .. Size.
  int32_t CountTrueBits() const;
  // The lowest set bit among 0 .. Size; -1 when none is set.
  int32_t FirstTrueBit() const;
  // A bit drawn with equal chance among the bits 0 .. Size whose state is PreCondition: with
  // r = Random(c) on the process-wide generator, c the number of such bits, the (r + 1)-th of
  // them in ascending order. -1 when there is none (no draw is made then).
  int32_t SelectRandomBit(bool PreCondition) const;

  // Sets exactly n random bits, n = Percent clamped to 0 .. 100, times 0.01 times Size (not
  // Size + 1), rounded to the nearest integer, halves to even. NaN counts as 0.
  void RandomFill(double Percent);
  // Sets exactly n random bits, n = NBits clamped to 0 .. Size + 1.
  void RandomFill(int32_t NBits);
  // The drawing behind both RandomFill forms, n clamped to 0 .. Size + 1. Up to Size div 2
  // bits: clears every storage byte, then draws ix = Random() x Size rounded half to even
  // until n clear bits have been hit and set. More: sets every storage byte to $FF and clears
  // Size + 1 - n set bits the same way. Index 0 and Size are drawn half as often as the others,
  // but the count afterwards is exactly n.
  void SetRandBitsIntern(int32_t n);

  // Inverts storage bytes 0 .. Size div 8.
  void Invert();
  // Combines storage bytes 0 .. Size div 8 with the same bytes of SecondBArray; nothing when
  // the two sizes differ.
  void CombineWith(const TBitFld& SecondBArray, TLogicOp Operation);
  // BitList becomes the ascending indices of the bits among 0 .. Size whose state is State.
  // When the list cannot be allocated, raises EZUBDStructError
  // ('Component "Name": not enough memory') and leaves BitList as it was.
  void MakeListOfBits(TIntArray& BitList, bool State) const;
  // The SHA-1 digest of storage bytes 0 .. Size div 8, slack bits of the last of them included.
  TSHACode Hash() const;

  // Nothing when Source is null; else SetSize(Source->Size()) and a copy of every storage byte.
  void Clone(const TBitFld* Source);
  // From a TBitFld: its size and every storage byte. Other sources go to TPersistent::Assign.
  void Assign(const TPersistent* Source) override;

  // The storage bytes, Size div 8 + 2 of them, for callers that store a field.
  const std::vector<uint8_t>& Storage() const { return FBitArray; }

 protected:
  void AssignTo(TPersistent* Dest) const override;

 private:
  // The number of bits among 0 .. Size equal to State.
  int64_t CountBits(bool State) const;
  [[noreturn]] void OutOfMemory(const UnicodeString& Text) const;

  int32_t FSize = 0;
  std::vector<uint8_t> FBitArray;
};

}  // namespace zub
