// Directory tests and whole-tree operations: existence and emptiness, deleting a tree,
// renaming every name to one case, listing and counting files by mask, finding a file
// somewhere below a folder, and file sizes.
//
// Symbolic links are entries of their own: a walk lists or deletes a link but never
// follows it into the folder it points to, so no walk leaves its tree.
//
// Masks are upper-cased (or lower-cased) before the search, as on Windows; on a
// case-sensitive file system each folder of a mask that does not exist as written is
// found regardless of case (ResolvePathCase), and the names returned are the names as
// stored, so any other tool can open them.
#pragma once

#include <cstdint>
#include <functional>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Called with the folder being scanned and the count of files so far.
using TScanFilesFeedback = std::function<void(const UnicodeString& CurrentDir, int32_t Count)>;

// True when Dir names a folder (or a link to one); false for "".
bool DirExists(const UnicodeString& Dir);
// False as soon as the folder holds an entry other than "." and ".."; true otherwise, also
// for a folder that does not exist.
bool DirEmpty(const UnicodeString& Dir);
// Deletes Dir with everything below it; "" on success, else the full name of the first
// entry that could not be deleted (the folder itself with its trailing separator). Links
// are deleted, not followed. "" does nothing. Entries without write permission are deleted
// when their folder allows it, as the system does.
UnicodeString DelDirTree(const UnicodeString& Dir);
// Renames every entry matching the lower-cased Mask to its upper-case (Upper) or
// lower-case form (ASCII letters), recursing into the matching plain subfolders (exactly
// the directory attribute: no link, hidden or read-only folder). A failing rename raises
// EInOutError; a name already in the wanted case is left alone.
void SetAllFilenameCase(const UnicodeString& Mask, bool Upper);
// Adds to List (not cleared; nothing when null) the folder + name of every entry matching
// the upper-cased Mask that is not a folder (links count as entries, whatever they point
// to), then with Recurse the same in every subfolder, hidden ones included, links not
// followed. Feedback, when assigned, gets each folder before it is scanned.
void ScanFilesToStrList(const UnicodeString& Mask, bool Recurse, TStringList* List,
                        const TScanFilesFeedback& Feedback);
// The same walk, counting.
int32_t CountFiles(const UnicodeString& Mask, bool Recurse, const TScanFilesFeedback& Feedback);
// The folder + name of the first normal file (no folder, hidden or system entry) matching
// the name part of FileName in its folder, else in the plain subfolders below it searched
// depth first in name order; "" when there is none.
UnicodeString FileDetect(const UnicodeString& FileName);
// The size of the first entry matching FileName (wild cards allowed), or -1. Sizes from
// 2 GiB on saturate at 2147483647; GetFileSize64 gives them whole.
int32_t GetFileSize(const UnicodeString& FileName);
int64_t GetFileSize64(const UnicodeString& FileName);

}  // namespace zub
