// Names of files as the process sees them: the current directory, absolute names, whether
// two names reach the same file, and names resolved regardless of case.
#pragma once

#include <vector>

#include "host/unicode.hpp"

namespace zub {

// The current directory in the system's form, without a trailing separator ("/" for the
// root). Raises EInOutError when it cannot be read.
UnicodeString GetCurrentDir();

// FileName made absolute: a name with a drive ("C:\x", "c:/x") or a leading "\" or "/" is
// absolute already, any other is taken relative to the current directory. "." components
// go, ".." drops the component before it (never the root), and repeated separators become
// one. The result uses "\" when the name had a drive or used "\" only, else "/". Nothing is
// looked up on disk. An empty name gives the current directory.
UnicodeString ExpandFileName(const UnicodeString& FileName);

// True when both names reach one existing file (the same device and inode, links
// followed): "a/./b", a hard link or a symbolic link to it, or another spelling.
bool SameFile(const UnicodeString& A, const UnicodeString& B);

// Path with each component that does not exist as written replaced by the first entry of
// its folder (in name order) whose name matches it regardless of case, as stored on disk;
// so "/USR/SHARE" gives "/usr/share" on a case-sensitive file system. Resolution stops at
// the first component that matches nothing, or holds "*" or "?", and the rest stays as
// written. Separators and a drive stay as given.
UnicodeString ResolvePathCase(const UnicodeString& Path);

// The target text of the symbolic link LinkName, or "" when it is none.
UnicodeString ReadSymLink(const UnicodeString& LinkName);
// Creates the symbolic link LinkName pointing to Target (taken as written, relative to the
// link's folder when not absolute); false when it cannot (an entry of that name exists).
bool CreateSymLink(const UnicodeString& Target, const UnicodeString& LinkName);

// An entry of a folder as ListDirEntries gives it.
struct TDirEntry {
  UnicodeString Name;      // as stored, converted as FindFirst converts names
  bool Directory = false;  // a folder itself, not a link to one
  bool SymLink = false;
};
// The entries of Dir ("" is the current folder), without "." and "..", in FindFirst's
// order (ascending native names), each with its kind as the system's listing tells it:
// no lookup per entry, so walking a large tree costs about what `find` costs. False when
// Dir cannot be read.
bool ListDirEntries(const UnicodeString& Dir, std::vector<TDirEntry>& Entries);
// Whether Name matches Mask by FindFirst's rule ("*", "?", letters in any case, "*.*"
// everything, a trailing ".*" also names without an extension).
bool MatchesMask(std::u16string_view Mask, std::u16string_view Name);

}  // namespace zub
