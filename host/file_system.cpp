#include "host/file_system.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "host/case_map.hpp"
#include "host/exceptions.hpp"
#include "host/file_names.hpp"
#include "host/internal/os.hpp"

namespace zub {

namespace {

thread_local int32_t lastFileError = 0;

std::array<UnicodeString, 26>& DriveTable() {
  static std::array<UnicodeString, 26> table = [] {
    std::array<UnicodeString, 26> t;
    t[2] = u"/";
    return t;
  }();
  return table;
}

int DriveIndex(Char letter) {
  const Char up = (letter >= u'a' && letter <= u'z') ? letter - 32 : letter;
  return (up >= u'A' && up <= u'Z') ? up - u'A' : -1;
}

bool IsSep(Char c) {
  return c == u'\\' || c == u'/';
}

// The Windows reading of a path: "\" separates, and a leading mapped drive becomes its root.
UnicodeString WindowsToNative(std::u16string_view Path) {
  UnicodeString p(Path);
  std::replace(p.begin(), p.end(), u'\\', u'/');
  if (p.size() >= 2 && p[1] == u':' && DriveIndex(p[0]) >= 0) {
    const UnicodeString& root = DriveTable()[static_cast<size_t>(DriveIndex(p[0]))];
    if (!root.empty()) {
      UnicodeString rest = p.substr(2);
      while (!rest.empty() && rest[0] == u'/') rest.erase(0, 1);
      UnicodeString mapped = root;
      if (!rest.empty()) {
        if (mapped.back() != u'/') mapped += u'/';
        mapped += rest;
      }
      p = mapped;
    }
  }
  return p;
}

// "*" and "?" against a name, ASCII letters regardless of case; iterative with one
// backtrack point, so it is linear for a single "*" and never exponential.
bool WildMatch(std::u16string_view mask, std::u16string_view name) {
  size_t m = 0, n = 0, starM = std::u16string_view::npos, starN = 0;
  auto fold = [](Char c) { return (c >= u'a' && c <= u'z') ? Char(c - 32) : c; };
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == u'?' || fold(mask[m]) == fold(name[n]))) {
      ++m, ++n;
    } else if (m < mask.size() && mask[m] == u'*') {
      starM = m++;
      starN = n;
    } else if (starM != std::u16string_view::npos) {
      m = starM + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == u'*') ++m;
  return m == mask.size();
}

bool MaskMatches(std::u16string_view mask, std::u16string_view name) {
  if (mask == u"*.*" || mask == u"*") return true;
  // A mask ending in ".*" also matches names without an extension, as on Windows.
  if (mask.size() >= 2 && mask.substr(mask.size() - 2) == u".*" &&
      name.find(u'.') == std::u16string_view::npos)
    return WildMatch(mask.substr(0, mask.size() - 2), name);
  return WildMatch(mask, name);
}

int32_t AttrOf(const os::EntryInfo& info, std::u16string_view name) {
  int32_t attr = info.directory ? faDirectory : faArchive;
  if (info.readOnly) attr |= faReadOnly;
  if (info.symlink) attr |= faSymLink;
  if (!name.empty() && name[0] == u'.' && name != u"." && name != u"..") attr |= faHidden;
  return attr;
}

struct Found {
  UnicodeString name;
  os::EntryInfo info;
};
struct FindState {
  std::vector<Found> entries;
  size_t next = 0;
};

void Fill(TSearchRec& F, const Found& e) {
  F.Name = e.name;
  F.Attr = AttrOf(e.info, e.name);
  F.Size = e.info.size;
  F.TimeStamp = UnixToLocalDateTime(e.info.mtimeSec, e.info.mtimeNsec);
  F.Time = DateTimeToFileDate(F.TimeStamp);
}

bool Record(bool ok, int32_t err) {
  lastFileError = ok ? 0 : err;
  return ok;
}

}  // namespace

bool MatchesMask(std::u16string_view Mask, std::u16string_view Name) {
  return MaskMatches(Mask, Name);
}

void SetDriveMapping(Char Letter, const UnicodeString& Root) {
  const int i = DriveIndex(Letter);
  if (i < 0) throw EInvalidArgument(u"Not a drive letter: " + UnicodeString(1, Letter));
  DriveTable()[static_cast<size_t>(i)] = Root;
}

UnicodeString GetDriveMapping(Char Letter) {
  const int i = DriveIndex(Letter);
  return i < 0 ? UnicodeString() : DriveTable()[static_cast<size_t>(i)];
}

std::string HostPath(std::u16string_view Path) {
  const std::string asWritten = UnicodeToSystemName(Path);
  const std::string mapped = UnicodeToSystemName(WindowsToNative(Path));
  // An entry named exactly as written ("a\b", "C:x") wins over the Windows reading; the
  // extra look-up is only made when the two readings differ.
  if (mapped == asWritten || os::Stat(asWritten).exists) return asWritten;
  return mapped;
}

int32_t FindFirst(const UnicodeString& Path, int32_t Attr, TSearchRec& F) {
  FindClose(F);
  // A path that names an entry as written is split at its last "/" alone, so that an entry
  // whose name holds "\" or ":" is found by that name.
  const bool windowsSyntax = Path.find(u'\\') != UnicodeString::npos || (Path.size() >= 2 && Path[1] == u':');
  const bool asWritten = windowsSyntax && os::Stat(UnicodeToSystemName(Path)).exists;
  auto endsDirPart = [&](size_t cut) {
    if (asWritten) return Path[cut - 1] == u'/';
    return IsSep(Path[cut - 1]) || (cut == 2 && Path[1] == u':');
  };
  size_t cut = Path.size();
  while (cut > 0 && !endsDirPart(cut)) --cut;
  const UnicodeString dir = Path.substr(0, cut);
  const UnicodeString mask = Path.substr(cut);
  const std::string hostDir = HostPath(dir.empty() ? UnicodeString(u".") : dir);

  std::vector<std::string> names;
  int32_t err = 0;
  if (!os::ListDirectory(hostDir, names, err)) return err == 2 ? 3 : err;

  F.ExcludeAttr = ~Attr & (faHidden | faSysFile | faVolumeID | faDirectory);
  auto state = std::make_shared<FindState>();
  if (Attr & faDirectory) {
    for (const char* dot : {".", ".."}) {
      const UnicodeString n = SystemNameToUnicode(dot);
      if (MaskMatches(mask, n)) state->entries.push_back({n, os::Stat(hostDir + "/" + dot)});
    }
  }
  std::sort(names.begin(), names.end());
  for (const std::string& n : names) {
    const UnicodeString name = SystemNameToUnicode(n);
    if (!MaskMatches(mask, name)) continue;
    const os::EntryInfo info = os::Stat(hostDir + "/" + n);
    if (!info.exists || (AttrOf(info, name) & F.ExcludeAttr) != 0) continue;
    state->entries.push_back({name, info});
  }
  if (state->entries.empty()) return 2;
  F.FindHandle = state;
  return FindNext(F);
}

int32_t FindNext(TSearchRec& F) {
  auto* state = static_cast<FindState*>(F.FindHandle.get());
  if (state == nullptr || state->next >= state->entries.size()) return 18;
  Fill(F, state->entries[state->next++]);
  return 0;
}

void FindClose(TSearchRec& F) {
  F.FindHandle.reset();
}

bool FileExists(const UnicodeString& FileName) {
  const os::EntryInfo info = os::Stat(HostPath(FileName));
  return info.exists && !info.directory;
}

bool DirectoryExists(const UnicodeString& Directory) {
  if (Directory.empty()) return false;
  return os::Stat(HostPath(Directory)).directory;
}

int32_t FileGetAttr(const UnicodeString& FileName) {
  std::string path = HostPath(FileName);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  const os::EntryInfo info = os::Stat(path);
  if (!info.exists) return -1;
  // The name is taken from the native path, where only "/" separates.
  return AttrOf(info, SystemNameToUnicode(std::string_view(path).substr(path.find_last_of('/') + 1)));
}

int32_t FileSetAttr(const UnicodeString& FileName, int32_t Attr) {
  int32_t err = 0;
  os::SetReadOnly(HostPath(FileName), (Attr & faReadOnly) != 0, err);
  return err;
}

bool FileAge(const UnicodeString& FileName, TDateTime& FileDateTime) {
  const os::EntryInfo info = os::Stat(HostPath(FileName));
  if (!info.exists) return false;
  FileDateTime = UnixToLocalDateTime(info.mtimeSec, info.mtimeNsec);
  return true;
}

int32_t FileAge(const UnicodeString& FileName) {
  TDateTime dt = 0;
  return FileAge(FileName, dt) ? DateTimeToFileDate(dt) : -1;
}

int32_t FileSetDate(const UnicodeString& FileName, TDateTime FileDateTime) {
  const int64_t sec = LocalDateTimeToUnix(FileDateTime);
  int32_t err = 0;
  os::SetModificationTime(HostPath(FileName), sec, 0, err);
  return err;
}

int32_t FileSetDate(const UnicodeString& FileName, int32_t DosFileDate) {
  TDateTime dt = 0;
  try {
    dt = FileDateToDateTime(DosFileDate);
  } catch (const EConvertError&) {
    return 87;
  }
  return FileSetDate(FileName, dt);
}

bool CreateDir(const UnicodeString& Dir) {
  int32_t err = 0;
  const bool ok = os::MakeDirectory(HostPath(Dir), err);
  return Record(ok, err);
}

bool ForceDirectories(const UnicodeString& Dir) {
  if (Dir.empty()) throw EInOutError(ioPathNotFound, Dir);
  UnicodeString d = Dir;
  while (d.size() > 1 && IsSep(d.back())) d.pop_back();
  if (DirectoryExists(d)) return true;
  size_t cut = d.find_last_of(u"\\/");
  if (cut != UnicodeString::npos && cut > 0 && !(cut == 2 && d[1] == u':')) {
    if (!ForceDirectories(d.substr(0, cut))) return false;
  }
  return CreateDir(d) || DirectoryExists(d);
}

bool RemoveDir(const UnicodeString& Dir) {
  int32_t err = 0;
  const bool ok = os::RemoveDirectory(HostPath(Dir), err);
  return Record(ok, err);
}

bool RenameFile(const UnicodeString& OldName, const UnicodeString& NewName) {
  int32_t err = 0;
  const bool ok = os::RenameEntry(HostPath(OldName), HostPath(NewName), err);
  return Record(ok, err);
}

bool DeleteFile(const UnicodeString& FileName) {
  int32_t err = 0;
  const bool ok = os::RemoveFile(HostPath(FileName), err);
  return Record(ok, err);
}

int32_t FileCreateNew(const UnicodeString& FileName, int32_t& CloseError) {
  int32_t err = 0;
  CloseError = 0;
  const os::Handle h = os::CreateNew(HostPath(FileName), 0666, err);
  if (h == os::kNoHandle) return err;
  CloseError = os::Close(h);
  return 0;
}

bool RemovePartialFile(const UnicodeString& FileName) {
  const std::string path = HostPath(FileName);
  const os::EntryInfo info = os::Stat(path);
  if (!info.exists || !info.regular || info.symlink) return !info.regular;
  int32_t err = 0;
  return os::RemoveFile(path, err);
}

namespace {
// The file a name finally stands for: links resolved where the name exists.
std::string FinalTarget(const UnicodeString& FileName) {
  const std::string path = HostPath(FileName);
  std::string resolved;
  int32_t err = 0;
  return os::RealPath(path, resolved, err) ? resolved : path;
}
}  // namespace

UnicodeString CreateReplacementFile(const UnicodeString& FileName) {
  const std::string target = FinalTarget(FileName);
  const size_t slash = target.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string base = target.substr(slash == std::string::npos ? 0 : slash + 1);
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  int32_t err = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned char bytes[8];
    if (!os::SecureRandomBytes(bytes, sizeof bytes)) std::fill(std::begin(bytes), std::end(bytes), attempt);
    std::string name = folder + "." + base + ".~";
    for (unsigned char b : bytes) name += kDigits[b % 36];
    if (os::CreateNewFile(name, target, err)) {
      Record(true, 0);
      return SystemNameToUnicode(name);
    }
    if (err != 80) break;
  }
  Record(false, err);
  return UnicodeString();
}

bool ReplaceFile(const UnicodeString& NewFile, const UnicodeString& FileName) {
  int32_t err = 0;
  const bool ok = os::ReplaceEntry(HostPath(NewFile), FinalTarget(FileName), err);
  return Record(ok, err);
}

int32_t GetLastFileError() {
  return lastFileError;
}

}  // namespace zub
