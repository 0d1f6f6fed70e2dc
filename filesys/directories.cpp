#include "filesys/directories.hpp"

#include <limits>

#include "filesys/internal/mask_scan.hpp"
#include "filesys/internal/path_parts.hpp"
#include "host/file_names.hpp"

namespace zub {

using namespace filesys_internal;

namespace {

bool IsDots(const UnicodeString& n) {
  return n == u"." || n == u"..";
}

bool IsRealDir(int32_t attr) {
  return (attr & faDirectory) != 0 && (attr & faSymLink) == 0;
}

// Calls Visit for each entry of Path (a folder + mask) found with Attr, "." and ".." left
// out; stops early when Visit returns false.
template <typename Visit>
void ForEachEntry(const UnicodeString& Path, int32_t Attr, Visit visit) {
  TSearchRec f;
  for (int32_t r = FindFirst(Path, Attr, f); r == 0; r = FindNext(f))
    if (!IsDots(f.Name) && !visit(f)) break;
  FindClose(f);
}

// The walk behind ScanFilesToStrList and CountFiles: one listing per folder, without a
// lookup per entry.
void ScanFiles(const UnicodeString& Dir, const UnicodeString& Name, bool Recurse, int32_t& Count,
               TStringList* List, const TScanFilesFeedback& Feedback) {
  if (Feedback) Feedback(Dir, Count);
  std::vector<TDirEntry> entries;
  if (!ListDirEntries(Dir, entries)) return;
  for (const TDirEntry& e : entries)
    if (IsMatchingFile(e, Name)) {
      if (List != nullptr) List->Add(Dir + e.Name);
      ++Count;
    }
  if (!Recurse) return;
  const Char sep = Dir.empty() ? u'\\' : SepOf(Dir);
  for (const TDirEntry& e : entries)
    if (e.Directory) ScanFiles(Dir + e.Name + sep, Name, Recurse, Count, List, Feedback);
}

void StartScan(const UnicodeString& Mask, bool Recurse, int32_t& Count, TStringList* List,
               const TScanFilesFeedback& Feedback) {
  UnicodeString dir, name;
  ResolveMask(Mask, dir, name);
  ScanFiles(dir, name, Recurse, Count, List, Feedback);
}

UnicodeString Detect(const UnicodeString& Dir, const UnicodeString& Name) {
  UnicodeString found;
  ForEachEntry(Dir + Name, faArchive | faReadOnly, [&](const TSearchRec& f) {
    if ((f.Attr & (faDirectory | faHidden | faSysFile)) != 0) return true;
    found = Dir + f.Name;
    return false;
  });
  if (!found.empty()) return found;
  const Char sep = Dir.empty() ? u'\\' : SepOf(Dir);
  ForEachEntry(Dir + u"*.*", faDirectory, [&](const TSearchRec& f) {
    if (f.Attr == faDirectory) found = Detect(Dir + f.Name + sep, Name);
    return found.empty();
  });
  return found;
}

void SetCase(const UnicodeString& Dir, const UnicodeString& Name, bool Upper) {
  const Char sep = Dir.empty() ? u'\\' : SepOf(Dir);
  // The listing is taken first: renaming while enumerating would confuse the walk.
  std::vector<std::pair<UnicodeString, int32_t>> entries;
  ForEachEntry(Dir + Name, faAnyFile, [&](const TSearchRec& f) {
    entries.emplace_back(f.Name, f.Attr);
    return true;
  });
  for (const auto& [old, attr] : entries) {
    const UnicodeString renamed = Upper ? UpperCase(old) : LowerCase(old);
    if (renamed != old && !RenameFile(Dir + old, Dir + renamed))
      throw EInOutError(GetLastFileError(), Dir + old);
    if (attr == faDirectory) SetCase(Dir + renamed + sep, Name, Upper);
  }
}

}  // namespace

void filesys_internal::ResolveMask(const UnicodeString& Mask, UnicodeString& Dir, UnicodeString& Name) {
  SplitDirAndName(UpperCase(Mask), Dir, Name);
  Dir = ResolvePathCase(Dir);
}

bool DirExists(const UnicodeString& Dir) {
  if (Dir.empty()) return false;
  const int32_t attr = FileGetAttr(Dir);
  return attr != -1 && (attr & faDirectory) != 0;
}

bool DirEmpty(const UnicodeString& Dir) {
  bool empty = true;
  ForEachEntry(WithSep(Dir) + u"*.*", faAnyFile, [&](const TSearchRec&) { return empty = false; });
  return empty;
}

UnicodeString DelDirTree(const UnicodeString& Dir) {
  if (Dir.empty()) return u"";
  // A link given as the tree goes itself; what it points to stays.
  UnicodeString bare = Dir;
  while (bare.size() > 1 && IsSep(bare.back())) bare.pop_back();
  const int32_t attr = FileGetAttr(bare);
  if (attr != -1 && (attr & faSymLink) != 0) return DeleteFile(bare) ? u"" : bare;
  const UnicodeString dir = WithSep(Dir);
  UnicodeString result;
  ForEachEntry(dir + u"*.*", faAnyFile, [&](const TSearchRec& f) {
    if (IsRealDir(f.Attr))
      result = DelDirTree(dir + f.Name + SepOf(dir));
    else if (!DeleteFile(dir + f.Name))
      result = dir + f.Name;
    return result.empty();
  });
  if (result.empty() && !RemoveDir(dir)) result = dir;
  return result;
}

void SetAllFilenameCase(const UnicodeString& Mask, bool Upper) {
  UnicodeString dir, name;
  SplitDirAndName(LowerCase(Mask), dir, name);
  SetCase(ResolvePathCase(dir), name, Upper);
}

void ScanFilesToStrList(const UnicodeString& Mask, bool Recurse, TStringList* List,
                        const TScanFilesFeedback& Feedback) {
  if (List == nullptr) return;
  int32_t count = 0;
  StartScan(Mask, Recurse, count, List, Feedback);
}

int32_t CountFiles(const UnicodeString& Mask, bool Recurse, const TScanFilesFeedback& Feedback) {
  int32_t count = 0;
  StartScan(Mask, Recurse, count, nullptr, Feedback);
  return count;
}

UnicodeString FileDetect(const UnicodeString& FileName) {
  UnicodeString dir, name;
  SplitDirAndName(UpperCase(FileName), dir, name);
  return Detect(ResolvePathCase(dir), name);
}

int64_t GetFileSize64(const UnicodeString& FileName) {
  int64_t size = -1;
  ForEachEntry(ExpandFileName(FileName), faAnyFile, [&](const TSearchRec& f) {
    size = f.Size;
    return false;
  });
  return size;
}

int32_t GetFileSize(const UnicodeString& FileName) {
  const int64_t size = GetFileSize64(FileName);
  return size > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                    : static_cast<int32_t>(size);
}

}  // namespace zub
