// How the file scans read a mask; shared by the scans and the routines that delete or
// trash what a mask matches. Not part of the interface.
#pragma once

#include "foundation/ZUB_zubbase.hpp"
#include "host/file_names.hpp"

namespace zub::filesys_internal {

// The folder and name pattern of Mask: Mask upper-cased and split, its folder then found
// regardless of case (ResolvePathCase), so the names listed there are the stored ones.
void ResolveMask(const UnicodeString& Mask, UnicodeString& Dir, UnicodeString& Name);

// Whether a listed entry is a file of the scan matching the name pattern Name: any entry
// but a folder (a link counts, whatever it points to).
inline bool IsMatchingFile(const TDirEntry& Entry, const UnicodeString& Name) {
  return !Entry.Directory && MatchesMask(Name, Entry.Name);
}

}  // namespace zub::filesys_internal
