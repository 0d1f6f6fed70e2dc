#include "host/environment.hpp"

#include "host/internal/os.hpp"

namespace zub {

std::vector<UnicodeString> GetEnvironmentStrings() {
  std::vector<UnicodeString> out;
  for (const std::string& e : os::EnvironmentEntries()) out.push_back(SystemNameToUnicode(e));
  return out;
}

UnicodeString GetTempPath() {
  for (const UnicodeString& e : GetEnvironmentStrings())
    if (e.rfind(u"TMPDIR=", 0) == 0 && e.size() > 7) {
      UnicodeString dir = e.substr(7);
      if (dir.back() != u'/') dir += u'/';
      return dir;
    }
  return u"/tmp/";
}

}  // namespace zub
