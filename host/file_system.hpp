// File-system services: find-first/find-next over a mask, existence tests, attributes and
// dates, directories, renaming and erasing.
//
// Paths are Windows-style or native. Before the system sees a path (HostPath):
//  - it is converted to the system's bytes losslessly (UnicodeToSystemName), so every name
//    the system hands out, FindFirst's names included, reaches the same entry again, even
//    when it holds "\" or bytes that are not UTF-8;
//  - a path that names an existing entry exactly as written is used as written, so a POSIX
//    file called "a\b" or "C:x" can be opened, tested, renamed and erased;
//  - otherwise it is read the Windows way: "\" and "/" both separate, and a leading drive
//    "X:" is mapped through the drive table ("C:" is "/" unless mapped otherwise).
// A name that does not exist yet is always created through the Windows reading: "a\b"
// creates "b" in the folder "a".
//
// Functions that return an int32 error code give 0 on success and a code in the Windows
// numbering (2 file not found, 3 path not found, 5 access denied, ...) otherwise.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "host/date_time.hpp"
#include "host/exceptions.hpp"
#include "host/unicode.hpp"

namespace zub {

// Attribute bits. On POSIX: directories carry faDirectory, other files faArchive, entries
// whose name begins with "." faHidden, entries without the owner's write permission
// faReadOnly, symbolic links also faSymLink.
inline constexpr int32_t faReadOnly = 0x0001;
inline constexpr int32_t faHidden = 0x0002;
inline constexpr int32_t faSysFile = 0x0004;
inline constexpr int32_t faVolumeID = 0x0008;
inline constexpr int32_t faDirectory = 0x0010;
inline constexpr int32_t faArchive = 0x0020;
inline constexpr int32_t faNormal = 0x0080;
inline constexpr int32_t faSymLink = 0x0400;
inline constexpr int32_t faAnyFile = 0x01FF;

// The drive table: Letter ("A".."Z", either case) is mapped to Root, a native directory.
// An empty Root removes the mapping. "C:" maps to "/" until changed.
void SetDriveMapping(Char Letter, const UnicodeString& Root);
UnicodeString GetDriveMapping(Char Letter);
// The native form of Path (the system's bytes): Path itself when an entry of that exact
// name exists, else its Windows reading with separators turned into "/" and the drive
// mapped. A drive without a mapping is kept as the first component ("Q:/x"), which then
// does not exist. Only a path whose Windows reading differs costs a look-up.
std::string HostPath(std::u16string_view Path);

struct TSearchRec {
  int32_t Time = 0;         // DOS time stamp (local time)
  TDateTime TimeStamp = 0;  // modification time, local
  int64_t Size = 0;
  int32_t Attr = 0;
  UnicodeString Name;  // the name alone, as stored
  int32_t ExcludeAttr = 0;
  std::shared_ptr<void> FindHandle;  // enumeration state; released by FindClose
};

// Finds the entries of the directory part of Path whose names match its name part ("*"
// any run, "?" any one character; "*.*" matches every name; letters match regardless of
// case, as on Windows). Entries with faHidden, faSysFile, faVolumeID or faDirectory are
// returned only when Attr asks for those bits. When directories are asked for, "." and
// ".." come first, then the rest in ascending order of name (of the native bytes). Names
// are converted with SystemNameToUnicode, so each one, appended to the directory part,
// names its entry again. A Path that names an existing entry as written is split at its
// last "/" only. Returns 0 and fills F, or 2 (nothing matches), 3 (no such directory) or
// another error code.
int32_t FindFirst(const UnicodeString& Path, int32_t Attr, TSearchRec& F);
// 0 and the next entry, or 18 (no more files).
int32_t FindNext(TSearchRec& F);
void FindClose(TSearchRec& F);

bool FileExists(const UnicodeString& FileName);  // an entry that is not a directory
bool DirectoryExists(const UnicodeString& Directory);
// The attribute bits, or -1 when the entry does not exist.
int32_t FileGetAttr(const UnicodeString& FileName);
// Only faReadOnly has an effect on POSIX (it clears or sets the write permissions).
int32_t FileSetAttr(const UnicodeString& FileName, int32_t Attr);
// Modification time; false when the file does not exist.
bool FileAge(const UnicodeString& FileName, TDateTime& FileDateTime);
// -1 when the file does not exist, else its DOS time stamp.
int32_t FileAge(const UnicodeString& FileName);
int32_t FileSetDate(const UnicodeString& FileName, TDateTime FileDateTime);
int32_t FileSetDate(const UnicodeString& FileName, int32_t DosFileDate);

bool CreateDir(const UnicodeString& Dir);
// Creates Dir with all missing parents; true when it exists afterwards. Raises
// EInOutError (3) for an empty name.
bool ForceDirectories(const UnicodeString& Dir);
bool RemoveDir(const UnicodeString& Dir);
// Fails (false) when NewName exists already.
bool RenameFile(const UnicodeString& OldName, const UnicodeString& NewName);
bool DeleteFile(const UnicodeString& FileName);
// Creates FileName as a new, empty file and closes it again. An existing entry of that
// name is never opened, truncated or followed (a dangling link neither): that gives 80.
// 0 when created, else the code of the failure; CloseError gets the code of a failed
// close of the new file (0 when it closed cleanly).
int32_t FileCreateNew(const UnicodeString& FileName, int32_t& CloseError);
// Removes what a failed write left of FileName, so that no cut file reads back as whole.
// Only a regular file goes: a device, pipe or directory of that name stays (writing to
// /dev/full must not remove it). True when nothing of the name is left as a regular file.
bool RemovePartialFile(const UnicodeString& FileName);
// Rewriting a file safely: CreateReplacementFile makes a new empty file in the folder of
// FileName's final target (links resolved), under an unused name and with the target's
// permission bits, and returns its name ("" when it cannot, GetLastFileError tells why).
// The new content goes there; ReplaceFile then puts it in the target's place in one step,
// so a reader sees the old file or the new one, never a mix, and a failed write leaves the
// old file whole.
UnicodeString CreateReplacementFile(const UnicodeString& FileName);
bool ReplaceFile(const UnicodeString& NewFile, const UnicodeString& FileName);

// Error code of the last failed call of the functions above that return bool.
int32_t GetLastFileError();

}  // namespace zub
