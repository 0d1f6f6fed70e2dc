// The desktop's program associations (freedesktop.org shared-mime-info, mime-apps and
// desktop entries), seen as keys of HKEY_CLASSES_ROOT, so that registry readers find the
// program the desktop opens a file with. Read anew on every call; nothing is cached.
//
// The keys, with names compared ignoring case:
//   .EXT                        ""  and "Content Type": the extension's MIME type
//   TYPE (a MIME type)          its file class; holds "shell" when a program opens it
//   TYPE\shell\open\command     ""  the command line that opens a file of that type
// and the root lists every .EXT and TYPE the globs know.
//
// Where each part comes from:
//  - EXT to TYPE: the globs2 files (else the older globs files, weight 50) in the mime
//    folders of $XDG_DATA_HOME (default ~/.local/share) and $XDG_DATA_DIRS (default
//    /usr/local/share:/usr/share). Only the plain globs "*.EXT" count; among those that
//    match, the highest weight wins, then the folder that comes first, then the first
//    line. Globs without the "cs" flag match ignoring case. A "TYPE:__NOGLOBS__" line drops
//    the globs of TYPE that less important folders (later in that order) give. Lines whose
//    type is no "media/subtype" are passed over.
//  - TYPE to a program: the [Default Applications] entries of mimeapps.list, looked for
//    as the desktop does: in $XDG_CONFIG_HOME (default ~/.config), each of
//    $XDG_CONFIG_DIRS (default /etc/xdg), then the applications folders of the data
//    folders above; in each folder first DESKTOP-mimeapps.list for each name of
//    $XDG_CURRENT_DESKTOP (lower-cased), then mimeapps.list. The first desktop entry
//    listed there that is installed wins; else the first one of the defaults.list and
//    mimeinfo.cache files in the applications folders.
//  - the command: the Exec line of the program's desktop entry (found by its id in the
//    applications folders; an id "a-b.desktop" is also the file b.desktop in a subfolder a), with its escapes undone and its field codes replaced: %f %u
//    %F %U become "%1" in quotes, the place where the document's name goes; %% becomes %;
//    the other codes (%i %c %k and the deprecated ones) are dropped.
// A type with no program has no "shell" key, so its class has no open command.
#pragma once

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "host/unicode.hpp"

namespace zub::registry {

struct DesktopKey {
  std::vector<std::pair<UnicodeString, UnicodeString>> values;  // name, string data
  std::vector<UnicodeString> subkeys;
};

// The key at Path (names from the root) as the desktop shows it; nullopt when it shows none.
std::optional<DesktopKey> DesktopClassesKey(const std::vector<UnicodeString>& Path);

// The parts, each "" when the desktop knows none.
UnicodeString DesktopMimeType(const UnicodeString& Ext);
UnicodeString DesktopDefaultApplication(const UnicodeString& MimeType);  // a desktop id
UnicodeString DesktopOpenCommand(const UnicodeString& DesktopId);
// An Exec value (as written in the file) turned into a command line as described above.
UnicodeString ExecToCommandLine(std::string_view Exec);

}  // namespace zub::registry
