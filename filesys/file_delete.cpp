#include "filesys/file_delete.hpp"

#include <vector>

#include "filesys/internal/mask_scan.hpp"
#include "host/trash.hpp"

namespace zub {

using namespace filesys_internal;

namespace {

// The names (folder + name) of the entries Mask selects, taken before any is touched.
std::vector<UnicodeString> Selected(const UnicodeString& Mask) {
  UnicodeString dir, name;
  ResolveMask(Mask, dir, name);
  std::vector<TDirEntry> entries;
  std::vector<UnicodeString> names;
  if (!ListDirEntries(dir, entries)) return names;
  for (const TDirEntry& e : entries)
    if (IsMatchingFile(e, name) && e.Name[0] != u'.') names.push_back(dir + e.Name);
  return names;
}

}  // namespace

int32_t DeleteFiles(const UnicodeString& Mask) {
  int32_t count = 0;
  for (const UnicodeString& f : Selected(Mask))
    if (DeleteFile(f)) ++count;
  return count;
}

int32_t MoveToRecycleBin(const UnicodeString& Mask) {
  int32_t count = 0;
  for (const UnicodeString& f : Selected(Mask))
    if (MoveFileToTrash(f) == 0) ++count;
  return count;
}

}  // namespace zub
