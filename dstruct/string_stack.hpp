// TStringStack: a bounded stack of strings, with a search over its entries.
//
// The stack holds up to MaxSize entries (1 .. 999, 20 by default). Entries count from 1, the
// bottom (oldest) one first; the top entry is entry NumEntries. Full, empty and out-of-range
// conditions are reported by results, not errors.
//
// Choices of this implementation where the behaviour is otherwise open or unsafe:
// - FindString with SubString never finds an empty Str, as the library's other searches for
//   a text inside a text do; without SubString an empty Str finds the first empty entry.
// - When a copy cannot be allocated (Push, CloneString, SetStackSize), EZUBDStructError is
//   raised with 'Component "Name": not enough memory' and the stack stays as it was; the
//   constructor raises 'Component "Name": not enough memory on heap'.
#pragma once

#include <cstdint>
#include <vector>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

class TStringStack : public TComponent {
 public:
  // Capacity 20, empty.
  explicit TStringStack(TComponent* AOwner);
  UnicodeString ClassName() const override { return u"TStringStack"; }

  // The capacity.
  int32_t MaxSize() const { return FStackSize; }
  // Ignored unless 1 <= n <= 999; otherwise sets the capacity and empties the stack, also when
  // n is the capacity it has.
  void SetStackSize(int32_t n);
  // Empties the stack; the capacity stays.
  void Clear() { FStackPoi = 0; }
  int32_t GetNumEntries() const { return FStackPoi; }
  int32_t NumEntries() const { return FStackPoi; }

  // -1 when the stack is full; else a copy of Str becomes the new top entry, and the result
  // is the new number of entries.
  int32_t Push(const UnicodeString& Str);
  // Empty stack: Str "", result -1. Else the top entry moves into Str and leaves the stack;
  // result 0.
  int32_t Pop(UnicodeString& Str);
  // ix outside 1 .. NumEntries: Str "", result -1. Else Str is a copy of entry ix; result 0.
  int32_t CloneString(int32_t ix, UnicodeString& Str) const;
  // The position (from 1 at the bottom) of the first entry that equals Str (SubString false)
  // or contains it (SubString true); with IgnoreCase the letters A..Z and a..z compare
  // without case. 0 when no entry does.
  int32_t FindString(const UnicodeString& Str, bool SubString, bool IgnoreCase) const;

 private:
  [[noreturn]] void NotEnoughMemory() const;

  int32_t FStackSize = 20;
  std::vector<UnicodeString> FStrings;
  int32_t FStackPoi = 0;  // entries on the stack; entry i is at FStrings[i - 1]
};

}  // namespace zub
