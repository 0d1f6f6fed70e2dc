// T2DArrayStack: a bounded stack of named two-dimensional arrays of doubles (rows of columns),
// for keeping intermediate matrices aside and taking them back by position or name.
//
// The stack holds up to MaxSize entries (1 .. 999, 20 by default). Entries count from 1, the
// bottom (oldest) one first; the top entry is entry NumEntries. Every entry is a copy: pushing
// copies the caller's array, Pop and CloneArray hand out copies. Full, empty and out-of-range
// conditions are reported by results, not errors.
//
// Choices of this implementation where the behaviour is otherwise open or unsafe:
// - Push of a ragged array never reads outside it: the copy has Arr's row count and, in every
//   row, as many columns as Arr's first row; a shorter row is padded with 0, a longer one is
//   cut. An array without rows is pushed as 0 x 0, one whose first row is empty as rows x 0.
// - When a copy cannot be allocated (Push, CloneArray, SetStackSize), EZUBDStructError is
//   raised with 'Component "Name": not enough memory' and the stack stays as it was; the
//   constructor raises 'Component "Name": not enough memory on heap'.
#pragma once

#include <cstdint>
#include <vector>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

class T2DArrayStack : public TComponent {
 public:
  // Capacity 20, empty.
  explicit T2DArrayStack(TComponent* AOwner);
  UnicodeString ClassName() const override { return u"T2DArrayStack"; }

  // The capacity.
  int32_t MaxSize() const { return FStackSize; }
  // Ignored unless 1 <= n <= 999; otherwise sets the capacity and empties the stack, also when
  // n is the capacity it has.
  void SetStackSize(int32_t n);
  // Empties the stack; the capacity stays.
  void Clear() { FStackPoi = 0; }
  int32_t GetNumEntries() const { return FStackPoi; }
  int32_t NumEntries() const { return FStackPoi; }

  // Push(Arr, "").
  int32_t Push(const TDouble2DArray& Arr);
  // -1 when the stack is full; else a copy of Arr (see the choices above) with the name
  // becomes the new top entry, and the result is the new number of entries.
  int32_t Push(const TDouble2DArray& Arr, const UnicodeString& Name);
  // Pop(Arr, Name) without the name.
  int32_t Pop(TDouble2DArray& Arr);
  // Empty stack: Arr becomes 0 x 0, Name "", result -1. Else the top entry moves into Arr and
  // Name, in its own dimensions, and leaves the stack; result 0.
  int32_t Pop(TDouble2DArray& Arr, UnicodeString& Name);
  // ix outside 1 .. NumEntries: Arr becomes 0 x 0, result -1. Else Arr receives a copy of
  // entry ix and the stack stays as it is; result 0.
  int32_t CloneArray(int32_t ix, TDouble2DArray& Arr) const;
  // The position (from 1 at the bottom) of the first entry whose name equals Name with the
  // letters A..Z folded; 0 when none does. An empty Name finds the first unnamed entry.
  int32_t FindByName(const UnicodeString& Name) const;
  // The name of entry idx; "" outside 1 .. NumEntries.
  UnicodeString GetArrayName(int32_t idx) const;
  // Renames entry idx; nothing outside 1 .. NumEntries.
  void SetArrayName(int32_t idx, const UnicodeString& value);

 private:
  [[noreturn]] void NotEnoughMemory() const;

  int32_t FStackSize = 20;
  std::vector<TDouble2DArray> FData;
  std::vector<UnicodeString> FNames;
  int32_t FStackPoi = 0;  // entries on the stack; entry i is at FData[i - 1]
};

}  // namespace zub
