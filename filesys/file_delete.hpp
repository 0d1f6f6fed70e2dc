// Deleting the files a mask matches, or moving them to the recycle bin.
//
// Both take the entries of the mask's folder that ScanFilesToStrList lists (the mask is
// upper-cased, its folder found regardless of case, names matched as FindFirst matches
// them), except folders and names beginning with "." (hidden files); there are no volume
// labels on POSIX. A symbolic link is such an entry itself: it is deleted or trashed as a
// link, and what it points to stays. Subfolders are not searched.
//
// The recycle bin is the user's trash (see host/trash.hpp: the freedesktop.org Trash
// layout on POSIX), so a file manager or trash-cli's trash-restore brings the files
// back. A file is renamed into the trash of its own mount, never copied. Names of any
// length are trashed, those longer than 256 characters too.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Deletes the entries Mask selects; the number deleted.
int32_t DeleteFiles(const UnicodeString& Mask);
// Moves the entries Mask selects to the trash; the number moved.
int32_t MoveToRecycleBin(const UnicodeString& Mask);

}  // namespace zub
