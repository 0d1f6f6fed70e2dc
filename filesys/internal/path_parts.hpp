// Splitting and joining the paths the file routines walk. Not part of the interface.
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub::filesys_internal {

inline bool IsSep(Char c) {
  return c == u'\\' || c == u'/';
}

// The separator a path uses: "/" when it holds one and no "\", else "\".
inline Char SepOf(std::u16string_view path) {
  return (path.find(u'/') != std::u16string_view::npos && path.find(u'\\') == std::u16string_view::npos)
             ? u'/'
             : u'\\';
}

// Path with a trailing separator of its own kind, unless it has one.
inline UnicodeString WithSep(const UnicodeString& path) {
  if (!path.empty() && IsSep(path.back())) return path;
  return path + SepOf(path);
}

// The directory part (up to and including the last separator, or a drive's ":") and the
// name part of a mask or file name.
inline void SplitDirAndName(const UnicodeString& path, UnicodeString& dir, UnicodeString& name) {
  size_t cut = path.size();
  while (cut > 0 && !IsSep(path[cut - 1]) && !(cut == 2 && path[1] == u':')) --cut;
  dir = path.substr(0, cut);
  name = path.substr(cut);
}

}  // namespace zub::filesys_internal
