// Drives: the drive list, each drive's type and free space, and whether a drive or a
// folder can be written.
//
// Drive letters come from the host's drive table (SetDriveMapping / GetDriveMapping):
// "C:" is "/" unless mapped otherwise, and a letter names a drive while it is mapped to a
// folder. A drive number counts from 0 = A to 25 = Z. The type of a drive is the type of
// its folder's mount (see host/drives.hpp for how file systems map to the codes).
//
// The read-only tests create and erase a probe file, "$%$LO%$.$$$", in the folder. It is
// created exclusively: a file of that name that is already there belongs to someone else,
// is left alone, and the probe tries "$%$LO%$.$$$.1" to "$%$LO%$.$$$.99" instead. A folder
// whose file system is mounted read-only counts as read-only without a probe (an existing
// entry of the probe's name would otherwise hide that).
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Clears List and adds "A:" .. "Z:" for every mapped drive letter, in order.
void BuildDriveList(TStringList& List);
// 0 for drive numbers above 25; 1 for a letter without a mapping or whose folder does not
// exist; else 2 removable, 3 fixed, 4 remote, 5 CD-ROM, 6 RAM disk, 0 when it cannot be
// told.
int32_t GetDiskDriveType(uint8_t Drive);
// The bytes the caller may still write on the drive (a whole number, as a double); -1 for
// a drive that is not mapped or cannot be reached.
double DiskFreeExtended(uint8_t Drive);
// True when the drive cannot be written: not mapped, mounted read-only, or the probe
// cannot be created, closed or erased there. Never raises.
bool DiskIsReadOnly(uint8_t Drive);
// True when no probe can be created in Dir (mounted read-only, no write permission, no
// such folder); false when one was created and erased again. Raises EInOutError when the
// probe, once created, cannot be closed or erased, and EZUBFileSysError for an empty Dir.
bool DirIsReadOnly(const UnicodeString& Dir);

}  // namespace zub
