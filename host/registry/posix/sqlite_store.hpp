// One registry root kept in an SQLite database: the keys as a tree of rows, the values as
// rows of their key. Used by the POSIX registry accessor only.
//
// Tables: keys(id, parent, name, fold) with id 0 the root (implicit), and
// vals(key, name, fold, type, data); "fold" is the name upper-cased (AnsiUpperCase), the column that
// names are looked up and kept unique by. Strings are stored as UTF-8 text, integers as
// integers, binary data as blobs, so that the sqlite3 tool shows them plainly.
//
// The database opens lazily: readers open it read-only and see an empty store when the
// file does not exist (or holds no tables yet); the first write opens it for writing,
// creating the file and its folder. Every write method is one transaction.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/unicode.hpp"

struct sqlite3;

namespace zub::registry {

inline constexpr int64_t kRootId = 0;
// How long a write waits for another process's lock before it fails.
inline constexpr int kBusyTimeoutMs = 5000;

struct StoredValue {
  uint32_t type = 0;
  std::string data;  // UTF-8 text, 4 bytes little-endian, or the raw bytes
};

class SqliteStore {
 public:
  // FolderMode: the mode of folders created for the store.
  SqliteStore(std::string file, unsigned folderMode);
  ~SqliteStore();
  SqliteStore(const SqliteStore&) = delete;
  SqliteStore& operator=(const SqliteStore&) = delete;

  const std::string& File() const { return FFile; }

  // Reading; a missing store reads as empty.
  std::optional<int64_t> FindChild(int64_t parent, const UnicodeString& name);
  bool KeyAlive(int64_t key);
  UnicodeString KeyName(int64_t key);
  std::vector<UnicodeString> ChildNames(int64_t key);
  std::vector<UnicodeString> ValueNames(int64_t key);
  std::optional<StoredValue> ReadValue(int64_t key, const UnicodeString& name);

  // Writing, each in one transaction. CreatePath makes the missing keys of Names below
  // Parent and returns the last one's id; WriteValue raises when Key no longer exists.
  int64_t CreatePath(int64_t parent, const std::vector<UnicodeString>& names);
  void WriteValue(int64_t key, const UnicodeString& name, const StoredValue& value);
  bool DeleteTree(int64_t key);
  bool DeleteValue(int64_t key, const UnicodeString& name);

 private:
  // Opens for reading; false when there is nothing to read (no file, no tables).
  bool Readable();
  void OpenForWriting();
  [[noreturn]] void Fail(const std::string& what) const;
  void Exec(const char* sql);
  template <typename Work>
  auto Transaction(Work&& work);

  std::string FFile;
  unsigned FFolderMode;
  sqlite3* FDb = nullptr;
  bool FWritable = false;
  bool FHasTables = false;
};

// The upper-cased form keys and values are compared by.
std::string FoldName(const UnicodeString& name);

}  // namespace zub::registry
