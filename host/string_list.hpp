// TStringList: an indexed list of strings with an in-place sort driven by a comparison
// callback.
#pragma once

#include <functional>
#include <vector>

#include "host/classes.hpp"

namespace zub {

class TStringList;
// Compares the items at Index1 and Index2: < 0, 0 or > 0.
using TStringListSortCompare = std::function<int32_t(TStringList& List, int32_t Index1, int32_t Index2)>;

class TStringList : public TPersistent {
 public:
  UnicodeString ClassName() const override { return u"TStringList"; }

  int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
  // 0-based; raise EListError outside 0 .. Count - 1.
  const UnicodeString& Strings(int32_t Index) const;
  void SetStrings(int32_t Index, const UnicodeString& S);
  // Appends S and returns its index.
  int32_t Add(const UnicodeString& S);
  void Insert(int32_t Index, const UnicodeString& S);
  void Delete(int32_t Index);
  void Clear() { FItems.clear(); }
  void Exchange(int32_t Index1, int32_t Index2);
  // 0-based index of the first item equal to S (case-insensitive, ASCII), or -1.
  int32_t IndexOf(std::u16string_view S) const;

  // Sorts in place with Compare, which sees the list as it is being sorted (items move by
  // exchanges), as the classic quicksort does. Not stable.
  void CustomSort(const TStringListSortCompare& Compare);
  // Sorts by ASCII-case-insensitive comparison.
  void Sort();

  // Items joined with CR LF after each one.
  UnicodeString Text() const;
  // Splits at CR LF, LF or CR.
  void SetText(std::u16string_view Text);

  void Assign(const TPersistent* Source) override;

 private:
  void CheckIndex(int32_t Index) const;
  void QuickSort(int32_t L, int32_t R, const TStringListSortCompare& Compare);

  std::vector<UnicodeString> FItems;
};

}  // namespace zub
