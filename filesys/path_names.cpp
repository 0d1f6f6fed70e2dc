#include "filesys/path_names.hpp"

#include <algorithm>

#include "host/file_names.hpp"

namespace zub {

namespace {

bool IsSep(Char c) {
  return c == u'\\' || c == u'/';
}

// Index of the first character of the name part.
size_t NameStart(std::u16string_view s, bool colonToo) {
  size_t i = s.size();
  while (i > 0 && !IsSep(s[i - 1]) && !(colonToo && s[i - 1] == u':')) --i;
  return i;
}

bool Is83Char(Char c) {
  if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')) return true;
  return std::u16string_view(u"!#$%&'()-.:@\\^_`{}~").find(c) != std::u16string_view::npos;
}

constexpr std::u16string_view kInvalidChars = u"*/:<>?\\|";

}  // namespace

UnicodeString StripExtension(const UnicodeString& FileName) {
  const size_t start = NameStart(FileName, true);
  const size_t dot = FileName.rfind(u'.');
  if (dot == UnicodeString::npos || dot < start) return FileName;
  return FileName.substr(0, dot);
}

UnicodeString StripPath(const UnicodeString& FileName) {
  return FileName.substr(NameStart(FileName, true));
}

UnicodeString ExtractFilePath(const UnicodeString& FileName) {
  return FileName.substr(0, NameStart(FileName, true));
}

UnicodeString ParentDir(const UnicodeString& Path) {
  std::u16string_view p = Path;
  if (!p.empty() && IsSep(p.back())) p.remove_suffix(1);
  const size_t start = NameStart(p, false);
  return start == 0 ? UnicodeString() : UnicodeString(p.substr(0, start));
}

bool IsRootDir(const UnicodeString& Path) {
  std::u16string_view p = Path;
  while (!p.empty() && p.front() == u' ') p.remove_prefix(1);
  while (!p.empty() && p.back() == u' ') p.remove_suffix(1);
  if (p == u"/") return true;
  return p.size() >= 3 && p.size() <= 3 && p[1] == u':' && IsSep(p[2]);
}

int32_t ExtractDrive(const UnicodeString& Path) {
  if (Path.size() < 2 || Path[1] != u':') return -1;
  Char c = Path[0];
  if (c >= u'a' && c <= u'z') c = static_cast<Char>(c - 32);
  return (c >= u'A' && c <= u'Z') ? c - u'A' : 0;
}

UnicodeString AbridgeFilePath(const UnicodeString& Path, int32_t MaxLeng) {
  const Char sep = Path.find(u'\\') != UnicodeString::npos ? u'\\' : u'/';
  size_t s = Path.find(sep);
  if (s == UnicodeString::npos) return Path;
  UnicodeString p = Path;
  while (static_cast<int64_t>(p.size()) >= MaxLeng) {
    const size_t next = p.find(sep, s + 1);
    if (next == UnicodeString::npos) break;
    p.replace(s + 1, next - s - 1, u"..");
    s += 3;
  }
  return p;
}

UnicodeString InsertBeforeFileExt(const UnicodeString& Insertion, const UnicodeString& FileName) {
  const size_t start = NameStart(FileName, true);
  const size_t dot = FileName.find(u'.', start);
  if (dot == UnicodeString::npos) return FileName + Insertion;
  return FileName.substr(0, dot) + Insertion + FileName.substr(dot);
}

UnicodeString EnsureDefaultFileExt(const UnicodeString& FileName, const UnicodeString& DefExt) {
  if (DefExt.empty() || FileName.find(u'.', NameStart(FileName, true)) != UnicodeString::npos)
    return FileName;
  return DefExt[0] == u'.' ? FileName + DefExt : FileName + u"." + DefExt;
}

bool IsFN83CompliantPath(const UnicodeString& Path) {
  return std::all_of(Path.begin(), Path.end(), Is83Char);
}

bool IsDOS83Path(const UnicodeString& Path) {
  if (!IsFN83CompliantPath(Path)) return false;
  std::u16string_view rest = Path;
  while (!rest.empty()) {
    size_t end = rest.find(u'\\');
    if (end == std::u16string_view::npos) end = rest.find(u'.');
    const size_t len = end == std::u16string_view::npos ? rest.size() : end + 1;
    if (len >= 10) return false;
    rest.remove_prefix(len);
  }
  return true;
}

bool IsValidFileName(const UnicodeString& Name) {
  if (Name == u"." || Name == u"..") return false;
  return Name.find_first_of(kInvalidChars) == UnicodeString::npos;
}

UnicodeString ReplaceInvalidFileNameChars(const UnicodeString& Name, Char Repl) {
  UnicodeString out = Name;
  for (Char& c : out)
    if (kInvalidChars.find(c) != std::u16string_view::npos) c = Repl;
  if (out == u".") return UnicodeString(1, Repl);
  if (out == u"..") return UnicodeString(2, Repl);
  return out;
}

UnicodeString DOSToWinPath(const UnicodeString& Path) {
  return ResolvePathCase(ExpandFileName(Path));
}

}  // namespace zub
