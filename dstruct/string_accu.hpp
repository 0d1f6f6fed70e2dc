// TStringAccu: counts how often each distinct string occurs, keeping the strings in the order
// they first came. Entries count from 1; Elem[ix] is GetString(ix), Count[ix] is GetCount(ix).
//
// Strings compare exactly (case and every character count; "a" and "A" are two entries). A
// hash index beside the two arrays finds an entry without scanning, so Add takes constant time
// on average and n strings cost time linear in n; the entries, their order and counts are
// those of a scan from entry 1.
//
// Choices of this implementation where the behaviour is otherwise open or unsafe:
// - A count stops at INT32_MAX: adding a string that often again leaves it there instead of
//   overflowing.
// - When Add cannot allocate room for a new entry, it raises EZUBDStructError with
//   'Component "Name": not enough memory' and leaves the accumulator as it was. The
//   constructor raises 'Component "Name": not enough memory on heap' when it cannot set up its
//   arrays.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

class TStringAccu : public TComponent {
 public:
  // Empty.
  explicit TStringAccu(TComponent* AOwner);
  UnicodeString ClassName() const override { return u"TStringAccu"; }

  // No entries.
  void Clear();
  // Increases the count of the entry equal to AString, or appends AString with count 1.
  void Add(std::u16string_view AString);
  // Entry ix, 1 .. Size; "" outside.
  UnicodeString GetString(int32_t ix) const;
  // The count of entry ix, 1 .. Size; 0 outside.
  int32_t GetCount(int32_t ix) const;
  // The number of distinct strings.
  int32_t Size() const { return FSize; }

 private:
  // The index holds entry positions (0-based) and is searched with the text itself: hash and
  // equality look the positions up in FStrArray, whose elements may move as it grows while
  // the positions stay.
  struct EntryHash {
    using is_transparent = void;
    const std::vector<UnicodeString>* Strings;
    size_t operator()(std::u16string_view S) const { return std::hash<std::u16string_view>()(S); }
    size_t operator()(int32_t Ix) const { return (*this)((*Strings)[static_cast<size_t>(Ix)]); }
  };
  struct EntryEqual {
    using is_transparent = void;
    const std::vector<UnicodeString>* Strings;
    std::u16string_view Text(int32_t Ix) const { return (*Strings)[static_cast<size_t>(Ix)]; }
    bool operator()(int32_t A, int32_t B) const { return A == B; }
    bool operator()(std::u16string_view S, int32_t Ix) const { return S == Text(Ix); }
    bool operator()(int32_t Ix, std::u16string_view S) const { return S == Text(Ix); }
  };

  [[noreturn]] void NotEnoughMemory() const;

  int32_t FSize = 0;
  std::vector<UnicodeString> FStrArray;
  std::vector<int32_t> FCntArray;
  std::unordered_set<int32_t, EntryHash, EntryEqual> FIndex;
};

}  // namespace zub
