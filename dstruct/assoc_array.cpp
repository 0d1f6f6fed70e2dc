#include "dstruct/assoc_array.hpp"

#include <algorithm>
#include <limits>

#include "streams/number_scan.hpp"

namespace zub {

namespace {

bool IsStringType(TVarType t) {
  return t == varString || t == varUString;
}

// The number at the start of Text, as the stream scanner reads it. Only the space counts as
// leading white space here, so the scanner's other blanks are fed as a foreign letter; the
// end of the text is the scanner's end of input.
double ScanTextFPNum(std::u16string_view Text) {
  TFPNumScanner scanner(true, 3);
  for (Char c : Text) {
    const int fed = (c == 9 || c == 10 || c == 13) ? 'Z' : c;
    if (!scanner.Feed(fed)) return scanner.Result();
  }
  scanner.Feed(TFPNumScanner::EndOfInput);
  return scanner.Result();
}

// Leading spaces, an optional sign, then decimal digits; saturates at the 32-bit limits.
int32_t ScanTextIntPrefix(std::u16string_view Text) {
  size_t i = 0;
  while (i < Text.size() && Text[i] == u' ') ++i;
  bool negative = false;
  if (i < Text.size() && (Text[i] == u'+' || Text[i] == u'-')) {
    negative = Text[i] == u'-';
    ++i;
  }
  int64_t value = 0;  // magnitude, saturated just beyond the 32-bit range
  for (; i < Text.size() && Text[i] >= u'0' && Text[i] <= u'9'; ++i)
    value = std::min<int64_t>(value * 10 + (Text[i] - u'0'), int64_t{1} << 32);
  if (negative) return static_cast<int32_t>(std::max<int64_t>(-value, std::numeric_limits<int32_t>::min()));
  return static_cast<int32_t>(std::min<int64_t>(value, std::numeric_limits<int32_t>::max()));
}

void FoldAsciiInto(std::u16string_view S, UnicodeString& Out) {
  Out.resize(S.size());
  for (size_t i = 0; i < S.size(); ++i) {
    const Char c = S[i];
    Out[i] = (c >= u'A' && c <= u'Z') ? static_cast<Char>(c + 32) : c;
  }
}

}  // namespace

TAssocArray::TAssocArray(TComponent* AOwner) : TComponent(AOwner) {
  FDataArray.resize(static_cast<size_t>(FGranularity));
  FKeyArray.resize(static_cast<size_t>(FGranularity));
}

void TAssocArray::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TAssocArray*>(Source)) {
    if (src == this) return;
    const auto n = static_cast<size_t>(src->FNEntries);
    FNEntries = src->FNEntries;
    FGranularity = src->FGranularity;
    FIgnoreCase = src->FIgnoreCase;
    FDataID = src->FDataID;
    FKeyArray.assign(src->FKeyArray.begin(), src->FKeyArray.begin() + static_cast<ptrdiff_t>(n));
    FDataArray.assign(src->FDataArray.begin(), src->FDataArray.begin() + static_cast<ptrdiff_t>(n));
    FKeyArray.shrink_to_fit();
    FDataArray.shrink_to_fit();
    InvalidateIndex();
    return;
  }
  TPersistent::Assign(Source);
}

void TAssocArray::AssignTo(TPersistent* Dest) const {
  // Only another associative array can take this one; handing a plain base object its own
  // Assign would bounce back here for ever.
  if (auto* dest = dynamic_cast<TAssocArray*>(Dest)) {
    dest->Assign(this);
    return;
  }
  TPersistent::AssignTo(Dest);
}

const UnicodeString& TAssocArray::IndexKey(const UnicodeString& Key) const {
  if (!FIgnoreCase) return Key;
  FoldAsciiInto(Key, FFoldBuf);
  return FFoldBuf;
}

void TAssocArray::RebuildIndex() const {
  FIndex.clear();
  FIndex.reserve(static_cast<size_t>(FNEntries));
  // try_emplace keeps the first position of a repeated key: the one a scan would find.
  for (int32_t i = 0; i < FNEntries; ++i) FIndex.try_emplace(IndexKey(FKeyArray[static_cast<size_t>(i)]), i);
  FIndexUnique = static_cast<int32_t>(FIndex.size()) == FNEntries;
  FIndexValid = true;
}

int32_t TAssocArray::Find(const UnicodeString& Key) const {
  if (!FIndexValid) RebuildIndex();
  const auto it = FIndex.find(IndexKey(Key));
  return it == FIndex.end() ? -1 : it->second;
}

void TAssocArray::Add(const UnicodeString& Key, const Variant& Value) {
  const int32_t pos = Find(Key);
  if (pos >= 0) {
    FDataArray[static_cast<size_t>(pos)] = Value;
    return;
  }
  const int32_t ix = FNEntries;
  if (static_cast<size_t>(ix) + 1 > FKeyArray.size()) {
    const auto length = static_cast<size_t>(ix) + 1 + static_cast<size_t>(FGranularity);
    FKeyArray.resize(length);
    FDataArray.resize(length);
  }
  FKeyArray[static_cast<size_t>(ix)] = FIgnoreCase ? IndexKey(Key) : Key;
  FDataArray[static_cast<size_t>(ix)] = Value;
  FNEntries = ix + 1;
  // Find left the index valid and without this key; a new key cannot break uniqueness.
  FIndex.emplace(FKeyArray[static_cast<size_t>(ix)], ix);
}

bool TAssocArray::Remove(const UnicodeString& Key) {
  const int32_t pos = Find(Key);
  if (pos < 0) return false;
  const auto p = static_cast<size_t>(pos);
  const auto last = static_cast<size_t>(FNEntries) - 1;
  if (FIndexUnique) {
    FIndex.erase(IndexKey(FKeyArray[p]));
    if (p != last) FIndex[IndexKey(FKeyArray[last])] = pos;
  } else {
    // A repeated key may now be found further on, and the moved entry may come before its
    // twin: let the next lookup rebuild.
    InvalidateIndex();
  }
  if (p != last) {
    FKeyArray[p] = std::move(FKeyArray[last]);
    FDataArray[p] = std::move(FDataArray[last]);
  }
  FKeyArray[last] = UnicodeString();
  FDataArray[last] = Variant();
  FNEntries -= 1;
  return true;
}

Variant TAssocArray::Resolve(const UnicodeString& Key) const {
  const int32_t pos = Find(Key);
  return pos < 0 ? Variant::Null() : FDataArray[static_cast<size_t>(pos)];
}

UnicodeString TAssocArray::ResolveAsString(const UnicodeString& Key) const {
  const int32_t pos = Find(Key);
  if (pos < 0) return UnicodeString();
  return VarToStr(FDataArray[static_cast<size_t>(pos)]);
}

double TAssocArray::ResolveAsNumber(const UnicodeString& Key) const {
  const int32_t pos = Find(Key);
  if (pos < 0) return 0;
  const Variant& v = FDataArray[static_cast<size_t>(pos)];
  switch (v.VType()) {
    case varSmallint:
    case varInteger:
    case varSingle:
    case varDouble:
    case varCurrency:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64:
      return v.AsDouble();
    default:
      return IsStringType(v.VType()) ? ScanTextFPNum(v.AsString()) : 0;
  }
}

int32_t TAssocArray::ResolveAsInt(const UnicodeString& Key) const {
  const int32_t pos = Find(Key);
  if (pos < 0) return 0;
  const Variant& v = FDataArray[static_cast<size_t>(pos)];
  switch (v.VType()) {
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64:
    case varSingle:  // the Variant conversion rounds halves to even
    case varDouble:
      return v.AsInt32();
    default:
      return IsStringType(v.VType()) ? ScanTextIntPrefix(v.AsString()) : 0;
  }
}

void TAssocArray::Clear() {
  FNEntries = 0;
  FKeyArray.clear();
  FDataArray.clear();
  FKeyArray.resize(static_cast<size_t>(FGranularity));
  FDataArray.resize(static_cast<size_t>(FGranularity));
  FIndex.clear();
  FIndexValid = true;
  FIndexUnique = true;
}

UnicodeString TAssocArray::GetKeys(int32_t ix) const {
  if (ix < 1 || ix > FNEntries) return UnicodeString();
  return FKeyArray[static_cast<size_t>(ix) - 1];
}

void TAssocArray::SetKeys(int32_t ix, const UnicodeString& v) {
  if (ix < 1 || ix > FNEntries) return;
  const int32_t pos = ix - 1;
  UnicodeString& key = FKeyArray[static_cast<size_t>(pos)];
  if (FIndexValid && FIndexUnique) {
    UnicodeString oldKey = IndexKey(key);
    const UnicodeString& newKey = IndexKey(v);
    if (newKey != oldKey) {
      if (FIndex.contains(newKey)) {
        InvalidateIndex();  // two entries will share a key: the rebuild sorts out which wins
      } else {
        FIndex.emplace(newKey, pos);
        FIndex.erase(oldKey);
      }
    }
  } else {
    InvalidateIndex();
  }
  key = v;
}

Variant TAssocArray::GetValues(int32_t ix) const {
  if (ix < 1 || ix > FNEntries) return Variant(UnicodeString());
  return FDataArray[static_cast<size_t>(ix) - 1];
}

void TAssocArray::SetValues(int32_t ix, const Variant& v) {
  if (ix < 1 || ix > FNEntries) return;
  FDataArray[static_cast<size_t>(ix) - 1] = v;
}

void TAssocArray::SetIgnoreCase(bool Value) {
  if (Value == FIgnoreCase) return;
  FIgnoreCase = Value;
  InvalidateIndex();
}

}  // namespace zub
