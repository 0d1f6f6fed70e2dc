// Where the POSIX registry keeps its stores (see RegistryStoreFile in host/registry/registry.hpp).
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "host/registry/registry.hpp"

namespace zub {

namespace {

std::string UserDataHome() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data != nullptr && data[0] == '/') return data;
  std::string home;
  if (const char* h = std::getenv("HOME"); h != nullptr && h[0] != '\0') {
    home = h;
  } else if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
    home = pw->pw_dir;
  }
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  return (home == "/" ? "" : home) + "/.local/share";
}

}  // namespace

UnicodeString RootKeyName(HKEY Root) {
  switch (Root) {
    case HKEY_CLASSES_ROOT:
      return u"HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER:
      return u"HKEY_CURRENT_USER";
    case HKEY_LOCAL_MACHINE:
      return u"HKEY_LOCAL_MACHINE";
    case HKEY_USERS:
      return u"HKEY_USERS";
    case HKEY_CURRENT_CONFIG:
      return u"HKEY_CURRENT_CONFIG";
    default:
      return u"";
  }
}

UnicodeString RegistryStoreFile(HKEY Root) {
  const UnicodeString name = RootKeyName(Root);
  if (name.empty()) return u"";
  std::string dir;
  if (const char* over = std::getenv("ZUBCOREKIT_REGISTRY_DIR"); over != nullptr && over[0] != '\0') {
    dir = over;
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  } else if (Root == HKEY_CURRENT_USER) {
    dir = UserDataHome() + "/zubcorekit/registry";
  } else {
    dir = "/var/lib/zubcorekit/registry";
  }
  return SystemNameToUnicode(dir) + u"/" + name + u".db";
}

}  // namespace zub
