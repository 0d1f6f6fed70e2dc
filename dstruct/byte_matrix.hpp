// TByteMatrix: a two-dimensional matrix of bytes addressed by column and row from 1, with bit
// access inside each byte, mirroring and logical combination, that announces its changes
// through OnChange.
//
// Reads outside the matrix give DefaultValue (which never initialises cells); writes outside
// it and bit indices other than 0..7 are ignored. Every operation that changes cells calls
// Changed, except CombineWith and Assign.
#pragma once

#include <cstdint>
#include <vector>

#include "dstruct/logic_op.hpp"
#include "foundation/ZUB_zubbase.hpp"

namespace zub {

class TByteMatrix : public TComponent {
 public:
  // A 1 x 1 matrix holding 0, DefaultValue 0. Raises EZUBDStructError
  // ('Component "Name": not enough memory on heap') when the cell cannot be allocated.
  explicit TByteMatrix(TComponent* AOwner);
  UnicodeString ClassName() const override { return u"TByteMatrix"; }

  int32_t NrOfColumns() const { return FNrCols; }
  int32_t NrOfRows() const { return FNrRows; }
  // Resize(max(NrColumns, 1), NrOfRows()).
  void SetNrCols(int32_t NrColumns);
  // Resize(NrOfColumns(), max(NrRows, 1)).
  void SetNrRows(int32_t NrRows);
  // False, with nothing changed, when both equal the current dimensions or either is 0 or
  // less. Otherwise keeps the cells inside both sizes (new cells are 0), calls Changed and
  // returns true. When the cells cannot be allocated, raises EZUBDStructError
  // ('Component "Name": not enough memory on heap') and keeps the matrix as it was.
  bool Resize(int32_t NrColumns, int32_t NrRows);

  uint8_t DefaultValue() const { return FDefaultVal; }
  void SetDefaultValue(uint8_t Value) { FDefaultVal = Value; }

  // The cell (ix, iy); DefaultValue outside 1..NrOfColumns x 1..NrOfRows.
  uint8_t GetByte(int32_t ix, int32_t iy) const;
  // Sets the cell and calls Changed; ignored outside the matrix.
  void SetByte(int32_t ix, int32_t iy, uint8_t value);
  // Bit ixBit (0 = least significant) of GetByte(ix, iy); false when ixBit is not 0..7.
  bool GetBit(int32_t ix, int32_t iy, int32_t ixBit) const;
  // Sets or clears the bit and calls Changed; ignored outside the matrix or for ixBit not 0..7.
  void SetBit(int32_t ix, int32_t iy, int32_t ixBit, bool value);
  // Inverts the bit and calls Changed; the guards of SetBit.
  void ToggleBit(int32_t col, int32_t row, int32_t ixBit);

  // Every cell = value; calls Changed.
  void Fill(uint8_t value);
  // Column c swaps with column NrOfColumns + 1 - c; calls Changed (also for one column).
  void MirrorColumns();
  // Row r swaps with row NrOfRows + 1 - r in every column; calls Changed.
  void MirrorRows();
  // Combines every cell with the same cell of SecondByteMatrix; nothing when the dimensions
  // differ. Does not call Changed.
  void CombineWith(const TByteMatrix& SecondByteMatrix, TLogicOp Operation);

  // Calls OnChange with the matrix as sender, if assigned.
  void Changed();
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

  // From a TByteMatrix: its dimensions, DefaultValue, cells and OnChange handler, without
  // calling Changed. Other sources go to TPersistent::Assign.
  void Assign(const TPersistent* Source) override;

 protected:
  void AssignTo(TPersistent* Dest) const override;

 private:
  bool Inside(int32_t ix, int32_t iy) const { return ix >= 1 && ix <= FNrCols && iy >= 1 && iy <= FNrRows; }
  // The cell (ix, iy) of a matrix known to hold it; the cells lie column after column.
  size_t At(int32_t ix, int32_t iy) const {
    return static_cast<size_t>(ix - 1) * static_cast<size_t>(FNrRows) + static_cast<size_t>(iy - 1);
  }

  int32_t FNrCols = 1;
  int32_t FNrRows = 1;
  std::vector<uint8_t> FByteMat;
  TNotifyEvent FOnChange;
  uint8_t FDefaultVal = 0;
};

}  // namespace zub
