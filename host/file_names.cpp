#include "host/file_names.hpp"

#include <algorithm>
#include <vector>

#include "host/exceptions.hpp"
#include "host/file_system.hpp"
#include "host/internal/os.hpp"

namespace zub {

namespace {

bool IsSep(Char c) {
  return c == u'\\' || c == u'/';
}

bool HasDrive(std::u16string_view s) {
  return s.size() >= 2 && s[1] == u':' && ((s[0] >= u'A' && s[0] <= u'Z') || (s[0] >= u'a' && s[0] <= u'z'));
}

}  // namespace

UnicodeString GetCurrentDir() {
  std::string dir;
  int32_t err = 0;
  if (!os::CurrentDirectory(dir, err)) throw EInOutError(err, u"");
  return SystemNameToUnicode(dir);
}

UnicodeString ExpandFileName(const UnicodeString& FileName) {
  UnicodeString root;
  UnicodeString rest;
  Char sep = u'/';
  if (HasDrive(FileName)) {
    root = FileName.substr(0, 2);
    rest = FileName.substr(2);
    sep = u'\\';
  } else if (!FileName.empty() && IsSep(FileName[0])) {
    rest = FileName;
    if (FileName.find(u'/') == UnicodeString::npos) sep = u'\\';
  } else {
    rest = GetCurrentDir() + u"/" + FileName;
  }
  std::vector<UnicodeString> parts;
  size_t i = 0;
  while (i < rest.size()) {
    while (i < rest.size() && IsSep(rest[i])) ++i;
    size_t j = i;
    while (j < rest.size() && !IsSep(rest[j])) ++j;
    const UnicodeString part = rest.substr(i, j - i);
    if (part == u"..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != u".") {
      parts.push_back(part);
    }
    i = j;
  }
  UnicodeString out = root + sep;
  for (size_t k = 0; k < parts.size(); ++k) {
    if (k > 0) out += sep;
    out += parts[k];
  }
  // A name that ended in a separator keeps it.
  if (!parts.empty() && !FileName.empty() && IsSep(FileName.back())) out += sep;
  return out;
}

bool SameFile(const UnicodeString& A, const UnicodeString& B) {
  uint64_t devA = 0, inoA = 0, devB = 0, inoB = 0;
  return os::FileIdentity(HostPath(A), devA, inoA) && os::FileIdentity(HostPath(B), devB, inoB) &&
         devA == devB && inoA == inoB;
}

UnicodeString ResolvePathCase(const UnicodeString& Path) {
  size_t i = 0;
  if (HasDrive(Path)) i = 2;
  while (i < Path.size() && IsSep(Path[i])) ++i;
  UnicodeString done = Path.substr(0, i);
  while (i < Path.size()) {
    size_t j = i;
    while (j < Path.size() && !IsSep(Path[j])) ++j;
    const UnicodeString part = Path.substr(i, j - i);
    size_t k = j;
    while (k < Path.size() && IsSep(Path[k])) ++k;
    const UnicodeString seps = Path.substr(j, k - j);
    if (part.find_first_of(u"*?") != UnicodeString::npos) return done + Path.substr(i);
    if (FileGetAttr(done + part) == -1) {
      TSearchRec f;
      const bool found = FindFirst(done + part, faAnyFile, f) == 0;
      const UnicodeString stored = f.Name;
      FindClose(f);
      if (!found) return done + Path.substr(i);
      done += stored;
    } else {
      done += part;
    }
    done += seps;
    i = k;
  }
  return done;
}

UnicodeString ReadSymLink(const UnicodeString& LinkName) {
  std::string target;
  int32_t err = 0;
  return os::ReadLink(HostPath(LinkName), target, err) ? SystemNameToUnicode(target) : UnicodeString();
}

bool CreateSymLink(const UnicodeString& Target, const UnicodeString& LinkName) {
  int32_t err = 0;
  return os::MakeLink(UnicodeToSystemName(Target), HostPath(LinkName), err);
}

bool ListDirEntries(const UnicodeString& Dir, std::vector<TDirEntry>& Entries) {
  std::vector<std::pair<std::string, char>> raw;
  int32_t err = 0;
  if (!os::ListDirectoryKinds(Dir.empty() ? std::string(".") : HostPath(Dir), raw, err)) return false;
  std::sort(raw.begin(), raw.end());
  Entries.clear();
  Entries.reserve(raw.size());
  for (const auto& [name, kind] : raw)
    Entries.push_back({SystemNameToUnicode(name), kind == 'd', kind == 'l'});
  return true;
}

}  // namespace zub
