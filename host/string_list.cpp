#include "host/string_list.hpp"

#include <string>

#include "host/case_map.hpp"
#include "host/convert.hpp"

namespace zub {

void TStringList::CheckIndex(int32_t Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(u"List index out of bounds (" + IntToStr(Index) + u")");
}

const UnicodeString& TStringList::Strings(int32_t Index) const {
  CheckIndex(Index);
  return FItems[static_cast<size_t>(Index)];
}

void TStringList::SetStrings(int32_t Index, const UnicodeString& S) {
  CheckIndex(Index);
  FItems[static_cast<size_t>(Index)] = S;
}

int32_t TStringList::Add(const UnicodeString& S) {
  FItems.push_back(S);
  return Count() - 1;
}

void TStringList::Insert(int32_t Index, const UnicodeString& S) {
  if (Index < 0 || Index > Count()) throw EListError(u"List index out of bounds (" + IntToStr(Index) + u")");
  FItems.insert(FItems.begin() + Index, S);
}

void TStringList::Delete(int32_t Index) {
  CheckIndex(Index);
  FItems.erase(FItems.begin() + Index);
}

void TStringList::Exchange(int32_t Index1, int32_t Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  std::swap(FItems[static_cast<size_t>(Index1)], FItems[static_cast<size_t>(Index2)]);
}

int32_t TStringList::IndexOf(std::u16string_view S) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (SameText(FItems[static_cast<size_t>(i)], S)) return i;
  return -1;
}

// Hoare partitioning around the middle item, recursing into the smaller half so the stack
// stays logarithmic; the pivot is tracked by index as the exchanges move it.
void TStringList::QuickSort(int32_t L, int32_t R, const TStringListSortCompare& Compare) {
  while (L < R) {
    int32_t I = L, J = R, P = L + (R - L) / 2;
    do {
      while (Compare(*this, I, P) < 0) ++I;
      while (Compare(*this, J, P) > 0) --J;
      if (I <= J) {
        if (I != J) Exchange(I, J);
        if (P == I)
          P = J;
        else if (P == J)
          P = I;
        ++I;
        --J;
      }
    } while (I <= J);
    if (J - L < R - I) {
      if (L < J) QuickSort(L, J, Compare);
      L = I;
    } else {
      if (I < R) QuickSort(I, R, Compare);
      R = J;
    }
  }
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
  if (Count() > 1 && Compare) QuickSort(0, Count() - 1, Compare);
}

void TStringList::Sort() {
  CustomSort([](TStringList& l, int32_t a, int32_t b) { return CompareText(l.Strings(a), l.Strings(b)); });
}

UnicodeString TStringList::Text() const {
  UnicodeString t;
  for (const auto& s : FItems) t += s + u"\r\n";
  return t;
}

void TStringList::SetText(std::u16string_view Text) {
  FItems.clear();
  size_t i = 0;
  while (i < Text.size()) {
    size_t j = i;
    while (j < Text.size() && Text[j] != u'\r' && Text[j] != u'\n') ++j;
    FItems.emplace_back(Text.substr(i, j - i));
    if (j < Text.size() && Text[j] == u'\r') {
      ++j;
      if (j < Text.size() && Text[j] == u'\n') ++j;
    } else if (j < Text.size()) {
      ++j;  // LF
    }
    i = j;
  }
}

void TStringList::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TStringList*>(Source)) {
    if (src != this) FItems = src->FItems;
    return;
  }
  TPersistent::Assign(Source);
}

}  // namespace zub
