#include "filesys/drives.hpp"

#include "filesys/ZUB_filesys.hpp"
#include "filesys/internal/path_parts.hpp"
#include "host/drives.hpp"

namespace zub {

using namespace filesys_internal;

namespace {

constexpr int32_t kExists = 80;
constexpr int kProbeNames = 100;

UnicodeString ProbeName(int i) {
  UnicodeString name = u"$%$LO%$.$$$";
  if (i > 0) name += u"." + Utf8ToUnicode(std::to_string(i));
  return name;
}

// The letter's folder as a path the host maps ("D:\"), or "" for a drive without one.
UnicodeString DriveRoot(uint8_t Drive) {
  if (Drive > 25) return u"";
  const Char letter = static_cast<Char>(u'A' + Drive);
  if (GetDriveMapping(letter).empty()) return u"";
  return UnicodeString(1, letter) + u":\\";
}

// The probe: true when no probe file can be created in Dir (which ends in a separator).
// Raises EInOutError when a probe it created cannot be closed or erased.
bool ProbeReadOnly(const UnicodeString& Dir) {
  if (IsReadOnlyFileSystem(Dir)) return true;
  for (int i = 0; i < kProbeNames; ++i) {
    const UnicodeString probe = Dir + ProbeName(i);
    int32_t closeError = 0;
    const int32_t r = FileCreateNew(probe, closeError);
    if (r == kExists) continue;  // someone's file: not ours to touch
    if (r != 0) return true;
    if (closeError != 0) {
      DeleteFile(probe);
      throw EInOutError(closeError, probe);
    }
    if (!DeleteFile(probe)) throw EInOutError(GetLastFileError(), probe);
    return false;
  }
  return true;
}

}  // namespace

void BuildDriveList(TStringList& List) {
  List.Clear();
  for (Char letter = u'A'; letter <= u'Z'; ++letter)
    if (!GetDriveMapping(letter).empty()) List.Add(UnicodeString(1, letter) + u":");
}

int32_t GetDiskDriveType(uint8_t Drive) {
  if (Drive > 25) return 0;
  const UnicodeString root = DriveRoot(Drive);
  if (root.empty()) return static_cast<int32_t>(DRIVE_NO_ROOT_DIR);
  return static_cast<int32_t>(GetDriveType(root));
}

double DiskFreeExtended(uint8_t Drive) {
  const UnicodeString root = DriveRoot(Drive);
  uint64_t free = 0, total = 0;
  if (root.empty() || !GetDiskFreeSpaceEx(root, free, total)) return -1;
  return static_cast<double>(free);
}

bool DiskIsReadOnly(uint8_t Drive) {
  const UnicodeString root = DriveRoot(Drive);
  if (root.empty()) return true;
  try {
    return ProbeReadOnly(root);
  } catch (...) {
    return true;
  }
}

bool DirIsReadOnly(const UnicodeString& Dir) {
  if (Dir.empty()) throw EZUBFileSysError(u"DirIsReadOnly: no folder given");
  return ProbeReadOnly(WithSep(Dir));
}

}  // namespace zub
