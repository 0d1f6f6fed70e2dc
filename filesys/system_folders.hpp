// The system's folders and the process environment.
//
// On POSIX the Windows folders have their nearest equivalents: GetWindowsDir is "/usr"
// (where the operating system's installed files live) and GetSystemDir "/usr/lib" (its
// shared libraries, as the system folder holds the system's libraries on Windows); both
// without a trailing separator, as on Windows.
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

UnicodeString GetSystemDir();
UnicodeString GetWindowsDir();
// The folder for temporary files with its trailing separator: $TMPDIR when set, else
// "/tmp/".
UnicodeString GetTempDir();
// The value of the last environment entry whose name equals Name ignoring the case of
// A..Z (the whole name: "PATH" does not match "PATHEXT"); "" when there is none.
UnicodeString GetEnviroVar(const UnicodeString& Name);

}  // namespace zub
