// The process environment and the folders the system names for temporary files.
#pragma once

#include <vector>

#include "host/unicode.hpp"

namespace zub {

// Every "NAME=value" entry of the process environment, in its order; names and values
// that are not UTF-8 convert losslessly (as file names do).
std::vector<UnicodeString> GetEnvironmentStrings();

// The folder for temporary files, with a trailing "/": $TMPDIR when it is set and not
// empty, else "/tmp/". The folder is not checked for existence.
UnicodeString GetTempPath();

}  // namespace zub
