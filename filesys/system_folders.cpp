#include "filesys/system_folders.hpp"

#include "host/environment.hpp"

namespace zub {

UnicodeString GetSystemDir() {
  return u"/usr/lib";
}

UnicodeString GetWindowsDir() {
  return u"/usr";
}

UnicodeString GetTempDir() {
  return GetTempPath();
}

UnicodeString GetEnviroVar(const UnicodeString& Name) {
  UnicodeString value;
  for (const UnicodeString& e : GetEnvironmentStrings())
    if (e.size() > Name.size() && e[Name.size()] == u'=' &&
        SameText(std::u16string_view(e).substr(0, Name.size()), Name))
      value = e.substr(Name.size() + 1);
  return value;
}

}  // namespace zub
