#include "filesys/registry_values.hpp"

#include <limits>

#include "streams/number_scan.hpp"

namespace zub {

namespace {

// An accessor on Root, 0 meaning the current user's.
struct Accessor {
  explicit Accessor(HKEY root) { reg.SetRootKey(root == 0 ? HKEY_CURRENT_USER : root); }
  TRegistry reg;
};

}  // namespace

UnicodeString GetRegValue(HKEY Root, const UnicodeString& Key, const UnicodeString& Name) {
  Accessor a(Root);
  if (!a.reg.OpenKeyReadOnly(Key) || !a.reg.ValueExists(Name)) return u"";
  switch (a.reg.GetDataType(Name)) {
    case rdString:
    case rdExpandString:
      return a.reg.ReadString(Name);
    case rdInteger:
      return IntToStr(a.reg.ReadInteger(Name));
    case rdUnknown:
    case rdBinary:
      return u"ERROR (unknown type)";
  }
  return u"";
}

int32_t GetRegValueAsInt(HKEY Root, const UnicodeString& Key, const UnicodeString& Name) {
  const UnicodeString text = GetRegValue(Root, Key, Name);
  size_t i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  int64_t n = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
    n = std::min(n * 10 + (text[i] - u'0'), kLimit);
  if (negative) return static_cast<int32_t>(-n);
  return static_cast<int32_t>(std::min<int64_t>(n, kLimit - 1));
}

double GetRegValueAsDouble(HKEY Root, const UnicodeString& Key, const UnicodeString& Name) {
  return ScanTextFPNum(GetRegValue(Root, Key, Name), true, 3).Result();
}

bool GetRegValueAsBoolean(HKEY Root, const UnicodeString& Key, const UnicodeString& Name) {
  return AnsiLowerCase(GetRegValue(Root, Key, Name)) == u"true";
}

void SetRegValue(HKEY Root, const UnicodeString& Key, const UnicodeString& Name, const UnicodeString& Value) {
  Accessor a(Root);
  if (!a.reg.OpenKey(Key, true))
    throw ERegistryException(u"Failed to create the registry key '" + Key + u"'");
  a.reg.WriteString(Name, Value);
}

bool RegKeyExists(HKEY Root, const UnicodeString& Key) {
  Accessor a(Root);
  return a.reg.KeyExists(Key);
}

bool RegValueExists(HKEY Root, const UnicodeString& Key, const UnicodeString& Name) {
  Accessor a(Root);
  return a.reg.OpenKeyReadOnly(Key) && a.reg.ValueExists(Name);
}

int32_t GetAllRegSubkeys(HKEY Root, const UnicodeString& Key, TStringList& List) {
  List.Clear();
  Accessor a(Root);
  if (a.reg.OpenKeyReadOnly(Key)) a.reg.GetKeyNames(List);
  return List.Count();
}

int32_t GetAllRegValueNames(HKEY Root, const UnicodeString& Key, TStringList& List) {
  List.Clear();
  Accessor a(Root);
  if (a.reg.OpenKeyReadOnly(Key)) a.reg.GetValueNames(List);
  return List.Count();
}

bool DeleteRegKey(HKEY Root, const UnicodeString& Key) {
  Accessor a(Root);
  return a.reg.DeleteKey(Key);
}

bool DeleteRegValue(HKEY Root, const UnicodeString& Key, const UnicodeString& Name) {
  Accessor a(Root);
  return a.reg.OpenKey(Key, false) && a.reg.DeleteValue(Name);
}

}  // namespace zub
