// The program the system opens a kind of file with, read from HKEY_CLASSES_ROOT (which on
// POSIX shows the desktop's own associations beneath what was stored there; see
// host/registry/posix/desktop_associations.hpp).
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// The command line that opens a file of extension Ext (given without "."): the default
// value of ".Ext\shell\open\command" when that key exists, else that of
// "CLASS\shell\open\command", CLASS being the default value of ".Ext". "" when neither
// exists; in particular "" (not the class's name, which is no command line) when the
// extension names a class without an open command.
UnicodeString GetProgAssoc(const UnicodeString& Ext);

}  // namespace zub
