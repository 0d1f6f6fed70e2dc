#include "filesys/program_association.hpp"

#include "host/registry/registry.hpp"

namespace zub {

UnicodeString GetProgAssoc(const UnicodeString& Ext) {
  TRegistry reg;
  reg.SetRootKey(HKEY_CLASSES_ROOT);
  // A default value of another type than text names no class and no command.
  auto defaultText = [&reg]() -> UnicodeString {
    const TRegDataType t = reg.GetDataType(u"");
    return t == rdString || t == rdExpandString ? reg.ReadString(u"") : u"";
  };
  // "\" first: each path is from the root, whichever key was open before.
  if (reg.OpenKeyReadOnly(u"\\." + Ext + u"\\shell\\open\\command")) return defaultText();
  if (!reg.OpenKeyReadOnly(u"\\." + Ext)) return u"";
  const UnicodeString fileClass = defaultText();
  reg.CloseKey();
  if (fileClass.empty() || !reg.OpenKeyReadOnly(u"\\" + fileClass + u"\\shell\\open\\command")) return u"";
  return defaultText();
}

}  // namespace zub
