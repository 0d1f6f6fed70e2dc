#include "dstruct/byte_matrix.hpp"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "dstruct/ZUB_dstruct.hpp"

namespace zub {

namespace {

bool BitIndexValid(int32_t ixBit) {
  return ixBit >= 0 && ixBit <= 7;
}

}  // namespace

TByteMatrix::TByteMatrix(TComponent* AOwner) : TComponent(AOwner) {
  try {
    FByteMat.assign(1, 0);
  } catch (const std::bad_alloc&) {
    throw EZUBDStructError(ComponentMessage(*this, u"not enough memory on heap"));
  }
}

void TByteMatrix::SetNrCols(int32_t NrColumns) {
  Resize(std::max(NrColumns, 1), FNrRows);
}

void TByteMatrix::SetNrRows(int32_t NrRows) {
  Resize(FNrCols, std::max(NrRows, 1));
}

bool TByteMatrix::Resize(int32_t NrColumns, int32_t NrRows) {
  if (NrColumns <= 0 || NrRows <= 0 || (NrColumns == FNrCols && NrRows == FNrRows)) return false;
  std::vector<uint8_t> cells;
  try {
    cells.assign(static_cast<size_t>(NrColumns) * static_cast<size_t>(NrRows), 0);
  } catch (const std::bad_alloc&) {
    throw EZUBDStructError(ComponentMessage(*this, u"not enough memory on heap"));
  } catch (const std::length_error&) {
    throw EZUBDStructError(ComponentMessage(*this, u"not enough memory on heap"));
  }
  const int32_t keepCols = std::min(NrColumns, FNrCols), keepRows = std::min(NrRows, FNrRows);
  for (int32_t c = 1; c <= keepCols; ++c) {
    const auto from = FByteMat.begin() + static_cast<ptrdiff_t>(At(c, 1));
    std::copy(
        from, from + keepRows,
        cells.begin() + static_cast<ptrdiff_t>(static_cast<size_t>(c - 1) * static_cast<size_t>(NrRows)));
  }
  FByteMat = std::move(cells);
  FNrCols = NrColumns;
  FNrRows = NrRows;
  Changed();
  return true;
}

uint8_t TByteMatrix::GetByte(int32_t ix, int32_t iy) const {
  return Inside(ix, iy) ? FByteMat[At(ix, iy)] : FDefaultVal;
}

void TByteMatrix::SetByte(int32_t ix, int32_t iy, uint8_t value) {
  if (!Inside(ix, iy)) return;
  FByteMat[At(ix, iy)] = value;
  Changed();
}

bool TByteMatrix::GetBit(int32_t ix, int32_t iy, int32_t ixBit) const {
  return BitIndexValid(ixBit) && (GetByte(ix, iy) >> ixBit & 1) != 0;
}

void TByteMatrix::SetBit(int32_t ix, int32_t iy, int32_t ixBit, bool value) {
  if (!Inside(ix, iy) || !BitIndexValid(ixBit)) return;
  uint8_t& cell = FByteMat[At(ix, iy)];
  const auto mask = static_cast<uint8_t>(1u << ixBit);
  cell = static_cast<uint8_t>(value ? cell | mask : cell & ~mask);
  Changed();
}

void TByteMatrix::ToggleBit(int32_t col, int32_t row, int32_t ixBit) {
  if (!Inside(col, row) || !BitIndexValid(ixBit)) return;
  FByteMat[At(col, row)] ^= static_cast<uint8_t>(1u << ixBit);
  Changed();
}

void TByteMatrix::Fill(uint8_t value) {
  std::fill(FByteMat.begin(), FByteMat.end(), value);
  Changed();
}

void TByteMatrix::MirrorColumns() {
  for (int32_t lo = 1, hi = FNrCols; lo < hi; ++lo, --hi) {
    const auto a = FByteMat.begin() + static_cast<ptrdiff_t>(At(lo, 1));
    std::swap_ranges(a, a + FNrRows, FByteMat.begin() + static_cast<ptrdiff_t>(At(hi, 1)));
  }
  Changed();
}

void TByteMatrix::MirrorRows() {
  for (int32_t c = 1; c <= FNrCols; ++c) {
    const auto column = FByteMat.begin() + static_cast<ptrdiff_t>(At(c, 1));
    std::reverse(column, column + FNrRows);
  }
  Changed();
}

void TByteMatrix::CombineWith(const TByteMatrix& SecondByteMatrix, TLogicOp Operation) {
  if (SecondByteMatrix.FNrCols != FNrCols || SecondByteMatrix.FNrRows != FNrRows) return;
  CombineBytes(FByteMat.data(), SecondByteMatrix.FByteMat.data(), FByteMat.size(), Operation);
}

void TByteMatrix::Changed() {
  if (FOnChange) FOnChange(this);
}

void TByteMatrix::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TByteMatrix*>(Source)) {
    if (src == this) return;
    std::vector<uint8_t> cells;
    TNotifyEvent handler;
    try {
      cells = src->FByteMat;
      handler = src->FOnChange;
    } catch (const std::bad_alloc&) {
      throw EZUBDStructError(ComponentMessage(*this, u"not enough memory on heap"));
    }
    FByteMat = std::move(cells);
    FOnChange = std::move(handler);
    FNrCols = src->FNrCols;
    FNrRows = src->FNrRows;
    FDefaultVal = src->FDefaultVal;
    return;
  }
  TPersistent::Assign(Source);
}

void TByteMatrix::AssignTo(TPersistent* Dest) const {
  AssignToOwnClass<TByteMatrix>(Dest);
}

}  // namespace zub
