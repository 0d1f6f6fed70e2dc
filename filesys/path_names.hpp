// Path strings: extensions, parents, drives, shortening for display, the 8.3 checks and
// file-name validity. Pure string work unless a routine says it looks at the disk.
//
// Both "\" and "/" separate components, so Windows paths and POSIX paths work alike; the
// routines keep whichever separator the path uses.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Without the last "." of the name part and what follows it; a name part without "." (the
// directory part may hold one) is returned unchanged.
UnicodeString StripExtension(const UnicodeString& FileName);
// The name part: everything after the last "\", "/" or ":".
UnicodeString StripPath(const UnicodeString& FileName);
// The folder part: everything up to and including the last "\", "/" or ":", so that
// ExtractFilePath(f) + StripPath(f) is f.
UnicodeString ExtractFilePath(const UnicodeString& FileName);
// One trailing separator dropped, then the text up to and including the last separator;
// "" when there is none ("abc", "C:\").
UnicodeString ParentDir(const UnicodeString& Path);
// After lower-casing and trimming spaces: at most 3 characters with ":\" (or ":/") at
// position 2, such as "c:\" or " D:\ "; also the POSIX root "/".
bool IsRootDir(const UnicodeString& Path);
// 0 (A) .. 25 (Z) when the second character is ":" (0 also when the first is no letter);
// -1 otherwise.
int32_t ExtractDrive(const UnicodeString& Path);
// Replaces components after the first by ".." from the left while the path has at least
// MaxLeng characters; the first component and the name part stay. A path without "\" or
// "/" is returned unchanged.
UnicodeString AbridgeFilePath(const UnicodeString& Path, int32_t MaxLeng);
// Insertion placed before the first "." of the name part, or appended to a name part
// without one.
UnicodeString InsertBeforeFileExt(const UnicodeString& Insertion, const UnicodeString& FileName);
// FileName with DefExt appended (with a "." unless DefExt begins with one) when DefExt is
// not empty and the name part has no extension; else FileName.
UnicodeString EnsureDefaultFileExt(const UnicodeString& FileName, const UnicodeString& DefExt);
// Every character in the 8.3 set: ! # $ % & ' ( ) - . 0-9 : @ A-Z a-z \ ^ _ ` { } ~. The
// empty path passes; a space, "/" or any character above 127 fails.
bool IsFN83CompliantPath(const UnicodeString& Path);
// 8.3-compliant characters, and cut from the front into pieces (up to and including the
// next "\", else the next ".", else the rest) each shorter than 10 characters.
bool IsDOS83Path(const UnicodeString& Path);
// False when Name holds * / : < > ? \ | or is "." or "..".
bool IsValidFileName(const UnicodeString& Name);
// Each of those eight characters replaced by Repl; a result "." becomes one Repl and ".."
// two.
UnicodeString ReplaceInvalidFileNameChars(const UnicodeString& Name, Char Repl);
// The path made absolute (ExpandFileName) with each component replaced by the name the
// file system stores for it, found regardless of case (there are no short names here, so
// this is what a short-name lookup gives on the original platform). From the first
// component that does not exist on, the rest is kept as written. The separator is the
// one of the absolute path.
UnicodeString DOSToWinPath(const UnicodeString& Path);

}  // namespace zub
