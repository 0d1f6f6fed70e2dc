#include "dstruct/assoc_array.hpp"

#include "dstruct/xml_text.hpp"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <system_error>

#include "dstruct/ZUB_dstruct.hpp"
#include "streams/number_scan.hpp"
#include "streams/stream_text.hpp"
#include "streams/tag_reader.hpp"

namespace zub {

namespace {

bool IsStringType(TVarType t) {
  return t == varString || t == varUString;
}

void FoldAsciiInto(std::u16string_view S, UnicodeString& Out) {
  Out.resize(S.size());
  for (size_t i = 0; i < S.size(); ++i) {
    const Char c = S[i];
    Out[i] = (c >= u'A' && c <= u'Z') ? static_cast<Char>(c + 32) : c;
  }
}

// --- XML form ---

bool IsXMLName(std::u16string_view s) {
  if (s.empty()) return false;
  for (size_t i = 0; i < s.size(); ++i) {
    const Char c = s[i];
    const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_' || c == u':';
    const bool other = (c >= u'0' && c <= u'9') || c == u'.' || c == u'-';
    if (!letter && !(i > 0 && other)) return false;
  }
  return true;
}

UnicodeString XMLEscape(std::u16string_view s) {
  return EscapeXMLText(s, true);
}

std::optional<UnicodeString> XMLUnescape(std::u16string_view s) {
  return UnescapeXMLText(s, true);
}

// The text of an ASCII-only UnicodeString as bytes, and back; anything else fails.
std::optional<std::string> Narrow(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (Char c : s) {
    if (c >= 128) return std::nullopt;
    out += static_cast<char>(c);
  }
  return out;
}

UnicodeString Widen(std::string_view s) {
  return UnicodeString(s.begin(), s.end());
}

template <typename T>
UnicodeString NumberText(T v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return Widen(std::string_view(buf, static_cast<size_t>(r.ptr - buf)));
}

// The whole text as a T, "." decimals for floats; no sign "+", no blanks.
template <typename T>
std::optional<T> ParseNumber(std::u16string_view text) {
  const auto bytes = Narrow(text);
  if (!bytes || bytes->empty()) return std::nullopt;
  T v{};
  const char* end = bytes->data() + bytes->size();
  const auto r = std::from_chars(bytes->data(), end, v);
  if (r.ec != std::errc() || r.ptr != end) return std::nullopt;
  return v;
}

UnicodeString CurrencyText(int64_t units) {
  const bool negative = units < 0;
  // The magnitude of INT64_MIN still fits in 64 unsigned bits.
  const uint64_t m = negative ? 0 - static_cast<uint64_t>(units) : static_cast<uint64_t>(units);
  UnicodeString frac = NumberText(m % 10000);
  frac.insert(0, 4 - frac.size(), u'0');
  return (negative ? u"-" : u"") + NumberText(m / 10000) + u"." + frac;
}

// "-"?, integer digits, then "." and one to four decimals, or none.
std::optional<int64_t> ParseCurrency(std::u16string_view text) {
  const bool negative = !text.empty() && text[0] == u'-';
  if (negative) text.remove_prefix(1);
  const size_t dot = text.find(u'.');
  const std::u16string_view whole = text.substr(0, dot);
  std::u16string_view frac = dot == std::u16string_view::npos ? std::u16string_view() : text.substr(dot + 1);
  if (dot != std::u16string_view::npos && (frac.empty() || frac.size() > 4)) return std::nullopt;
  if (!whole.empty() && (whole[0] < u'0' || whole[0] > u'9')) return std::nullopt;
  const auto w = ParseNumber<uint64_t>(whole);
  if (!w) return std::nullopt;
  uint64_t f = 0;
  if (!frac.empty()) {
    if (frac[0] < u'0' || frac[0] > u'9') return std::nullopt;
    const auto parsed = ParseNumber<uint64_t>(frac);
    if (!parsed) return std::nullopt;
    f = *parsed;
    for (size_t i = frac.size(); i < 4; ++i) f *= 10;
  }
  const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
  if (*w > (limit - f) / 10000) return std::nullopt;
  const uint64_t m = *w * 10000 + f;
  return negative ? static_cast<int64_t>(0 - m) : static_cast<int64_t>(m);
}

// The text an entry's value is written as; false for a type the XML form does not hold.
bool ValueText(const Variant& v, UnicodeString& text) {
  switch (v.VType()) {
    case varEmpty:
    case varNull:
      text.clear();
      return true;
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64:
      text = NumberText(v.AsInt64());
      return true;
    case varUInt64:
      text = NumberText(v.AsUInt64());
      return true;
    case varSingle:
      text = NumberText(static_cast<float>(v.AsDouble()));
      return true;
    case varDouble:
    case varDate:
      text = NumberText(v.AsDouble());
      return true;
    case varCurrency:
      text = CurrencyText(v.AsCurrencyUnits());
      return true;
    case varBoolean:
      text = v.AsBoolean() ? u"true" : u"false";
      return true;
    case varOleStr:
    case varString:
    case varUString:
      text = XMLEscape(v.AsString());
      return true;
    default:
      return false;
  }
}

template <typename T>
std::optional<Variant> IntegerVariant(std::u16string_view text) {
  const auto v = ParseNumber<T>(text);
  if (!v) return std::nullopt;
  return Variant(*v);
}

// An entry's value from its type code and escaped text.
std::optional<Variant> ValueFromText(TVarType type, std::u16string_view text) {
  switch (type) {
    case varEmpty:
      return text.empty() ? std::optional<Variant>(Variant()) : std::nullopt;
    case varNull:
      return text.empty() ? std::optional<Variant>(Variant::Null()) : std::nullopt;
    case varSmallint:
      return IntegerVariant<int16_t>(text);
    case varInteger:
      return IntegerVariant<int32_t>(text);
    case varShortInt:
      return IntegerVariant<int8_t>(text);
    case varByte:
      return IntegerVariant<uint8_t>(text);
    case varWord:
      return IntegerVariant<uint16_t>(text);
    case varLongWord:
      return IntegerVariant<uint32_t>(text);
    case varInt64:
      return IntegerVariant<int64_t>(text);
    case varUInt64:
      return IntegerVariant<uint64_t>(text);
    case varSingle: {
      const auto v = ParseNumber<float>(text);
      return v ? std::optional<Variant>(Variant(*v)) : std::nullopt;
    }
    case varDouble:
    case varDate: {
      const auto v = ParseNumber<double>(text);
      if (!v) return std::nullopt;
      return type == varDate ? Variant::FromDate(*v) : Variant(*v);
    }
    case varCurrency: {
      const auto units = ParseCurrency(text);
      return units ? std::optional<Variant>(Variant::FromCurrencyUnits(*units)) : std::nullopt;
    }
    case varBoolean:
      if (text == u"true") return Variant(true);
      if (text == u"false") return Variant(false);
      return std::nullopt;
    case varOleStr:
    case varString:
    case varUString: {
      const auto s = XMLUnescape(text);
      if (!s) return std::nullopt;
      if (type == varOleStr) return Variant::FromOleStr(*s);
      if (type == varString) return Variant(UnicodeToAnsi(*s));
      return Variant(*s);
    }
    default:
      return std::nullopt;
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
  AssignToOwnClass<TAssocArray>(Dest);
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
      return IsStringType(v.VType()) ? ScanTextFPNum(v.AsString(), true, 3).Result() : 0;
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

int32_t TAssocArray::AddXMLAttributes(const UnicodeString& Attributes) {
  const std::u16string_view s = Attributes;
  int32_t added = 0;
  size_t i = 0;
  for (;;) {
    while (i < s.size() && s[i] == u' ') ++i;
    if (i >= s.size()) return added;
    const size_t nameStart = i;
    while (i < s.size() && s[i] != u'=' && s[i] != u' ' && s[i] != u'"') ++i;
    if (i >= s.size() || s[i] != u'=' || i == nameStart) return added;
    const std::u16string_view name = s.substr(nameStart, i - nameStart);
    ++i;
    std::u16string_view raw;
    if (i < s.size() && s[i] == u'"') {
      const size_t close = s.find(u'"', i + 1);
      if (close == std::u16string_view::npos) return added;
      raw = s.substr(i + 1, close - i - 1);
      i = close + 1;
    } else {
      const size_t start = i;
      while (i < s.size() && s[i] != u' ' && s[i] != u'"' && s[i] != u'=') ++i;
      if (i < s.size() && s[i] != u' ') return added;
      raw = s.substr(start, i - start);
    }
    const auto value = XMLUnescape(raw);
    if (!value) return added;
    Add(UnicodeString(name), Variant(*value));
    ++added;
  }
}

void TAssocArray::WriteToXMLStream(TStream& OutStream, bool CreateHeader, const UnicodeString& DataID) const {
  const auto fail = [this](const UnicodeString& what) {
    throw EZUBDStructError(ComponentMessage(*this, what));
  };
  if (!IsXMLName(DataID)) fail(u"\"" + DataID + u"\" is not an XML element name");
  // Everything is formatted first, so that a value that cannot be written leaves the
  // stream untouched.
  UnicodeString out;
  if (CreateHeader) out += u"<?xml version=\"1.0\" encoding=\"US-ASCII\"?>\r\n";
  out += u"<" + DataID + u">\r\n";
  out += u"<assocarray ignorecase=\"" + UnicodeString(FIgnoreCase ? u"true" : u"false") + u"\" entries=\"" +
         IntToStr(FNEntries) + u"\"/>\r\n";
  UnicodeString text;
  for (int32_t i = 0; i < FNEntries; ++i) {
    const Variant& v = FDataArray[static_cast<size_t>(i)];
    const UnicodeString& key = FKeyArray[static_cast<size_t>(i)];
    if (!ValueText(v, text))
      fail(u"the value of \"" + key + u"\" (" + VarTypeAsText(v.VType()) + u") has no XML form");
    out += u"<entry key=\"" + XMLEscape(key) + u"\" type=\"" + IntToStr(int32_t{v.VType()}) + u"\">" + text +
           u"</entry>\r\n";
  }
  out += u"</" + DataID + u">";
  WriteLnStream(OutStream, out);
}

bool TAssocArray::ReadFromXMLStream(TStream& InStream, const UnicodeString& DataID) {
  if (!IsXMLName(DataID)) return false;
  const UnicodeString element = LowerCase(DataID);
  int32_t found = -1;
  ReadStreamUntilTagList(InStream, {element}, found);
  if (found != 0) return false;

  const UnicodeString tags[] = {u"assocarray", u"entry", u"/" + element, u"dummy"};
  bool haveProps = false, ignoreCase = true;
  int32_t expected = 0;
  std::vector<UnicodeString> keys;
  std::vector<Variant> values;
  for (;;) {
    UnicodeString attribs, content, name;
    const int32_t tag = ReadNextTagInStream(InStream, tags, attribs, content, name);
    if (tag == 0 && !haveProps) {
      const UnicodeString ic = ScanForXMLAttrib(attribs, u"ignorecase");
      if (ic != u"true" && ic != u"false") return false;
      ignoreCase = ic == u"true";
      const auto n = ParseNumber<int32_t>(ScanForXMLAttrib(attribs, u"entries"));
      if (!n || *n < 0) return false;
      expected = *n;
      haveProps = true;
    } else if (tag == 1 && haveProps) {
      // A "<" in the text means the entry's closing tag is missing.
      if (content.find(u'<') != UnicodeString::npos) return false;
      const auto key = XMLUnescape(ScanForXMLAttrib(attribs, u"key"));
      const auto type = ParseNumber<uint16_t>(ScanForXMLAttrib(attribs, u"type"));
      if (!key || !type) return false;
      auto value = ValueFromText(*type, content);
      if (!value) return false;
      if (static_cast<int32_t>(keys.size()) >= expected) return false;
      keys.push_back(*key);
      values.push_back(std::move(*value));
    } else if (tag == 2 && name == tags[2] && haveProps) {
      break;
    } else {
      return false;  // the end of the input, an unknown tag, or one out of place
    }
  }
  if (static_cast<int32_t>(keys.size()) != expected) return false;

  // The entries as they were written, repeated keys included: no Add and its matching.
  FNEntries = expected;
  FIgnoreCase = ignoreCase;
  FDataID = DataID;
  const auto length = static_cast<size_t>(expected) + static_cast<size_t>(FGranularity);
  keys.resize(length);
  values.resize(length);
  FKeyArray = std::move(keys);
  FDataArray = std::move(values);
  InvalidateIndex();
  return true;
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
