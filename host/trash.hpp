// Moving files to the user's trash, from where a file manager (or trash-cli's
// trash-restore) brings them back.
//
// POSIX hosts follow the freedesktop.org Trash layout:
//  - The home trash is $XDG_DATA_HOME/Trash (XDG_DATA_HOME when it is absolute, else
//    ~/.local/share/Trash), with its folders created (0700) when missing. A file on the
//    home trash's device goes there, its info file's Path being its absolute name.
//  - A file on another mount goes to the trash at the top of its mount ($topdir):
//    $topdir/.Trash/$uid when $topdir/.Trash is a folder, not a link, with the sticky bit
//    set; else $topdir/.Trash-$uid, created with mode 0700 and used only when it is a
//    folder of the user's own and not a link. There Path is relative to $topdir. This
//    trash also takes a file that the home trash cannot take (a bind mount of its device).
//  - The file is renamed into the trash's files/NAME, never copied: a file that no trash
//    on its own mount can take stays where it is.
//  - info/NAME.trashinfo is created first, exclusively, which reserves NAME, and holds
//    "[Trash Info]", "Path=" the original name percent-encoded as a URI path (all bytes
//    but letters, digits, "-._~" and "/"), and "DeletionDate=" the local time as
//    YYYY-MM-DDThh:mm:ss. NAME is the file's name, else "NAME.2", "NAME.3", ... when the
//    trash holds that name already. A name too long to be an info file's name (255 bytes
//    with ".trashinfo") is shortened in the trash at a character boundary; Path keeps
//    it whole.
// Links are moved as links. The original name is the file's name in its folder with the
// folder's links resolved, so it is the folder the file comes back to.
#pragma once

#include <cstdint>

#include "host/unicode.hpp"

namespace zub {

// Moves FileName (Windows-style or native, see HostPath) to the trash. Returns 0, or the
// error code: 2 no such entry, 87 a name that cannot be moved (".", "..", "/"), 17 no
// trash on the entry's mount can take it, or the code of the failing step. TrashedName
// gets the entry's name in the trash (its files/NAME).
int32_t MoveFileToTrash(const UnicodeString& FileName, UnicodeString& TrashedName);
int32_t MoveFileToTrash(const UnicodeString& FileName);

// The home trash folder as above (native; "" when there is no home folder).
UnicodeString HomeTrashDir();

}  // namespace zub
