#include "dstruct/bit_field.hpp"

#include <algorithm>
#include <array>
#include <new>
#include <stdexcept>

#include "dstruct/ZUB_dstruct.hpp"
#include "dstruct/internal/bit_kernels.hpp"

namespace zub {

namespace {

using dstruct_internal::BitKernelsForCpu;

size_t StorageBytes(int32_t Size) {
  return static_cast<size_t>(Size) / 8 + 2;
}

// Bytes 0 .. Size div 8, the ones the byte-wise operations and the hash touch.
size_t BytesInUse(int32_t Size) {
  return static_cast<size_t>(Size) / 8 + 1;
}

}  // namespace

TBitFld::TBitFld(TComponent* AOwner) : TComponent(AOwner), FSize(1000) {
  try {
    FBitArray.assign(StorageBytes(FSize), 0);
  } catch (const std::bad_alloc&) {
    OutOfMemory(u"not enough memory on heap");
  }
}

void TBitFld::OutOfMemory(const UnicodeString& Text) const {
  throw EZUBDStructError(ComponentMessage(*this, Text));
}

void TBitFld::SetSize(int32_t Size) {
  if (Size < 0 || Size > MaxBitFldSize || Size == FSize) return;
  try {
    FBitArray.resize(StorageBytes(Size), 0);
  } catch (const std::bad_alloc&) {
    OutOfMemory(u"not enough memory");
  } catch (const std::length_error&) {
    OutOfMemory(u"not enough memory");
  }
  FSize = Size;
}

void TBitFld::Clear() {
  std::fill(FBitArray.begin(), FBitArray.end(), uint8_t{0});
}

bool TBitFld::GetBit(int32_t ix) const {
  if (ix < 0 || ix > FSize) return false;
  return (FBitArray[static_cast<size_t>(ix) / 8] >> (ix % 8) & 1) != 0;
}

void TBitFld::SetBit(int32_t ix, bool value) {
  if (ix < 0 || ix > FSize) return;
  uint8_t& byte = FBitArray[static_cast<size_t>(ix) / 8];
  const auto mask = static_cast<uint8_t>(1u << (ix % 8));
  byte = static_cast<uint8_t>(value ? byte | mask : byte & ~mask);
}

void TBitFld::ToggleBit(int32_t ix) {
  if (ix < 0 || ix > FSize) return;
  FBitArray[static_cast<size_t>(ix) / 8] ^= static_cast<uint8_t>(1u << (ix % 8));
}

int64_t TBitFld::CountBits(bool State) const {
  const int64_t bits = int64_t{FSize} + 1;
  const int64_t ones = BitKernelsForCpu().CountOnes(FBitArray.data(), bits);
  return State ? ones : bits - ones;
}

int32_t TBitFld::CountTrueBits() const {
  return static_cast<int32_t>(CountBits(true));
}

int32_t TBitFld::FirstTrueBit() const {
  return static_cast<int32_t>(dstruct_internal::FindFirstOne(FBitArray.data(), int64_t{FSize} + 1));
}

int32_t TBitFld::SelectRandomBit(bool PreCondition) const {
  // The count is taken in at most kChunks chunks of whole 64-byte lines, and their counts are
  // kept, so that the walk to the drawn bit scans one chunk instead of the field again.
  constexpr int64_t kChunks = 1024;
  const int64_t bits = int64_t{FSize} + 1;
  const int64_t chunkBits = ((bits + kChunks - 1) / kChunks + 511) / 512 * 512;
  const auto& kernels = BitKernelsForCpu();
  const uint8_t* p = FBitArray.data();
  std::array<int64_t, kChunks> counts;
  int64_t total = 0;
  for (int64_t c = 0; c * chunkBits < bits; ++c) {
    const int64_t length = std::min(chunkBits, bits - c * chunkBits);
    const int64_t ones = kernels.CountOnes(p + c * chunkBits / 8, length);
    counts[static_cast<size_t>(c)] = PreCondition ? ones : length - ones;
    total += counts[static_cast<size_t>(c)];
  }
  if (total < 1) return -1;
  int64_t r = Random(static_cast<int32_t>(total));
  size_t c = 0;
  for (; r >= counts[c]; ++c) r -= counts[c];
  const int64_t start = static_cast<int64_t>(c) * chunkBits;
  return static_cast<int32_t>(
      start + kernels.SelectBit(p + start / 8, std::min(chunkBits, bits - start), PreCondition, r));
}

void TBitFld::RandomFill(double Percent) {
  long double p = Percent;
  if (!(p > 0)) p = 0;
  if (p > 100) p = 100;
  SetRandBitsIntern(static_cast<int32_t>(Round(p * 0.01L * FSize)));
}

void TBitFld::RandomFill(int32_t NBits) {
  SetRandBitsIntern(NBits);
}

void TBitFld::SetRandBitsIntern(int32_t n) {
  n = std::clamp(n, 0, FSize + 1);
  // Setting n bits at random indices, or clearing the others: whichever needs fewer draws.
  const bool setting = n <= FSize / 2;
  int32_t todo = setting ? n : FSize + 1 - n;
  std::fill(FBitArray.begin(), FBitArray.end(), setting ? uint8_t{0} : uint8_t{0xFF});
  while (todo > 0) {
    const auto ix = static_cast<int32_t>(Round(static_cast<long double>(Random()) * FSize));
    if (GetBit(ix) != setting) {
      SetBit(ix, setting);
      --todo;
    }
  }
}

void TBitFld::Invert() {
  const size_t n = BytesInUse(FSize);
  for (size_t i = 0; i < n; ++i) FBitArray[i] = static_cast<uint8_t>(~FBitArray[i]);
}

void TBitFld::CombineWith(const TBitFld& SecondBArray, TLogicOp Operation) {
  if (SecondBArray.FSize != FSize) return;
  CombineBytes(FBitArray.data(), SecondBArray.FBitArray.data(), BytesInUse(FSize), Operation);
}

void TBitFld::MakeListOfBits(TIntArray& BitList, bool State) const {
  TIntArray list;
  try {
    list.resize(static_cast<size_t>(CountBits(State)));
  } catch (const std::bad_alloc&) {
    OutOfMemory(u"not enough memory");
  }
  dstruct_internal::ListBits(FBitArray.data(), int64_t{FSize} + 1, State, list.data());
  BitList = std::move(list);
}

TSHACode TBitFld::Hash() const {
  return SHA1FromBytes(std::span<const uint8_t>(FBitArray.data(), BytesInUse(FSize)));
}

void TBitFld::Clone(const TBitFld* Source) {
  if (Source == nullptr || Source == this) return;
  SetSize(Source->FSize);
  std::copy(Source->FBitArray.begin(), Source->FBitArray.end(), FBitArray.begin());
}

void TBitFld::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TBitFld*>(Source)) {
    if (src == this) return;
    try {
      FBitArray = src->FBitArray;
    } catch (const std::bad_alloc&) {
      OutOfMemory(u"not enough memory");
    }
    FSize = src->FSize;
    return;
  }
  TPersistent::Assign(Source);
}

void TBitFld::AssignTo(TPersistent* Dest) const {
  AssignToOwnClass<TBitFld>(Dest);
}

}  // namespace zub
