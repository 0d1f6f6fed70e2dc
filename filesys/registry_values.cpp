#include "filesys/registry_values.hpp"

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
  return ScanTextIntPrefix(GetRegValue(Root, Key, Name));
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
