#include "host/registry/posix/sqlite_store.hpp"

#include <sqlite3.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "host/case_map.hpp"
#include "host/registry/registry.hpp"

namespace zub::registry {

namespace {

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS keys(id INTEGER PRIMARY KEY AUTOINCREMENT, parent INTEGER NOT NULL,"
    " name TEXT NOT NULL, fold TEXT NOT NULL, UNIQUE(parent, fold));"
    "CREATE TABLE IF NOT EXISTS vals(key INTEGER NOT NULL, name TEXT NOT NULL, fold TEXT NOT NULL,"
    " type INTEGER NOT NULL, data, PRIMARY KEY(key, fold));";

// A prepared statement, finalized on every path.
class Stmt {
 public:
  Stmt(sqlite3* db, const char* sql) : FDb(db) { FRc = sqlite3_prepare_v2(db, sql, -1, &FStmt, nullptr); }
  ~Stmt() { sqlite3_finalize(FStmt); }
  Stmt(const Stmt&) = delete;
  Stmt& operator=(const Stmt&) = delete;

  bool Ok() const { return FRc == SQLITE_OK; }
  Stmt& Bind(int i, int64_t v) {
    if (FRc == SQLITE_OK) FRc = sqlite3_bind_int64(FStmt, i, v);
    return *this;
  }
  Stmt& BindText(int i, const std::string& v) {
    if (FRc == SQLITE_OK)
      FRc = sqlite3_bind_text(FStmt, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    return *this;
  }
  Stmt& BindBlob(int i, const std::string& v) {
    if (FRc == SQLITE_OK)
      FRc = sqlite3_bind_blob(FStmt, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    return *this;
  }
  // True while a row is there; raises through Fail on errors.
  template <typename FailFn>
  bool Step(FailFn&& fail) {
    if (FRc != SQLITE_OK) fail(sqlite3_errmsg(FDb));
    const int rc = sqlite3_step(FStmt);
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) fail(sqlite3_errmsg(FDb));
    return false;
  }
  int64_t Int(int col) const { return sqlite3_column_int64(FStmt, col); }
  int Type(int col) const { return sqlite3_column_type(FStmt, col); }
  std::string Bytes(int col) const {
    const void* p = sqlite3_column_blob(FStmt, col);
    const int n = sqlite3_column_bytes(FStmt, col);
    return p == nullptr ? std::string() : std::string(static_cast<const char*>(p), static_cast<size_t>(n));
  }

 private:
  sqlite3* FDb;
  sqlite3_stmt* FStmt = nullptr;
  int FRc;
};

bool MakeFolders(const std::string& dir, unsigned mode, int& err) {
  struct stat st;
  if (::stat(dir.c_str(), &st) == 0) {
    err = S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    return err == 0;
  }
  const size_t slash = dir.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !MakeFolders(dir.substr(0, slash), mode, err)) return false;
  if (::mkdir(dir.c_str(), static_cast<mode_t>(mode)) == 0 || errno == EEXIST) return true;
  err = errno;
  return false;
}

std::string FolderOf(const std::string& file) {
  const size_t slash = file.find_last_of('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : file.substr(0, slash);
}

}  // namespace

std::string FoldName(const UnicodeString& name) {
  return UnicodeToUtf8(AnsiUpperCase(name));
}

SqliteStore::SqliteStore(std::string file, unsigned folderMode)
    : FFile(std::move(file)), FFolderMode(folderMode) {}

SqliteStore::~SqliteStore() {
  sqlite3_close_v2(FDb);
}

void SqliteStore::Fail(const std::string& what) const {
  throw ERegistryException(u"Registry store " + SystemNameToUnicode(FFile) + u": " + Utf8ToUnicode(what));
}

void SqliteStore::Exec(const char* sql) {
  char* msg = nullptr;
  if (sqlite3_exec(FDb, sql, nullptr, nullptr, &msg) != SQLITE_OK) {
    const std::string text = msg != nullptr ? msg : sqlite3_errmsg(FDb);
    sqlite3_free(msg);
    Fail(text);
  }
}

bool SqliteStore::Readable() {
  if (FDb == nullptr) {
    struct stat st;
    if (::stat(FFile.c_str(), &st) != 0) {
      // Nothing written yet (or a folder on the way that is not one): an empty store.
      if (errno == ENOENT || errno == ENOTDIR) return false;
      Fail(std::strerror(errno));
    }
    if (S_ISDIR(st.st_mode)) Fail("is a folder, not a registry store");
    if (sqlite3_open_v2(FFile.c_str(), &FDb, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
      const std::string msg = FDb != nullptr ? sqlite3_errmsg(FDb) : "cannot open";
      sqlite3_close_v2(FDb);
      FDb = nullptr;
      Fail(msg);
    }
    sqlite3_busy_timeout(FDb, kBusyTimeoutMs);
  }
  if (!FHasTables) {
    Stmt q(FDb, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN ('keys', 'vals')");
    auto fail = [this](const char* m) { Fail(m); };
    FHasTables = q.Step(fail) && q.Int(0) == 2;
  }
  return FHasTables;
}

void SqliteStore::OpenForWriting() {
  if (FDb != nullptr && FWritable) return;
  sqlite3_close_v2(FDb);
  FDb = nullptr;
  FHasTables = false;
  int err = 0;
  const std::string folder = FolderOf(FFile);
  if (!MakeFolders(folder, FFolderMode, err))
    Fail("cannot create the folder " + folder + ": " + std::strerror(err));
  struct stat st;
  if (::stat(FFile.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) Fail("is a folder, not a registry store");
  if (sqlite3_open_v2(FFile.c_str(), &FDb, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
      SQLITE_OK) {
    const std::string msg = FDb != nullptr ? sqlite3_errmsg(FDb) : "cannot open";
    sqlite3_close_v2(FDb);
    FDb = nullptr;
    Fail(msg);
  }
  sqlite3_busy_timeout(FDb, kBusyTimeoutMs);
  FWritable = true;
  Exec("BEGIN IMMEDIATE");
  char* msg = nullptr;
  if (sqlite3_exec(FDb, kSchema, nullptr, nullptr, &msg) != SQLITE_OK ||
      sqlite3_exec(FDb, "COMMIT", nullptr, nullptr, &msg) != SQLITE_OK) {
    const std::string text = msg != nullptr ? msg : sqlite3_errmsg(FDb);
    sqlite3_free(msg);
    sqlite3_exec(FDb, "ROLLBACK", nullptr, nullptr, nullptr);
    Fail(text);
  }
  FHasTables = true;
}

// Runs Work in one write transaction: all of it is stored, or nothing.
template <typename Work>
auto SqliteStore::Transaction(Work&& work) {
  OpenForWriting();
  Exec("BEGIN IMMEDIATE");
  try {
    auto result = work();
    Exec("COMMIT");
    return result;
  } catch (...) {
    if (sqlite3_get_autocommit(FDb) == 0) sqlite3_exec(FDb, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

std::optional<int64_t> SqliteStore::FindChild(int64_t parent, const UnicodeString& name) {
  if (!Readable()) return std::nullopt;
  Stmt q(FDb, "SELECT id FROM keys WHERE parent = ? AND fold = ?");
  q.Bind(1, parent).BindText(2, FoldName(name));
  if (q.Step([this](const char* m) { Fail(m); })) return q.Int(0);
  return std::nullopt;
}

bool SqliteStore::KeyAlive(int64_t key) {
  if (key == kRootId) return true;
  if (!Readable()) return false;
  Stmt q(FDb, "SELECT 1 FROM keys WHERE id = ?");
  q.Bind(1, key);
  return q.Step([this](const char* m) { Fail(m); });
}

UnicodeString SqliteStore::KeyName(int64_t key) {
  if (key == kRootId || !Readable()) return u"";
  Stmt q(FDb, "SELECT name FROM keys WHERE id = ?");
  q.Bind(1, key);
  return q.Step([this](const char* m) { Fail(m); }) ? Utf8ToUnicode(q.Bytes(0)) : u"";
}

std::vector<UnicodeString> SqliteStore::ChildNames(int64_t key) {
  std::vector<UnicodeString> names;
  if (!Readable()) return names;
  Stmt q(FDb, "SELECT name FROM keys WHERE parent = ? ORDER BY fold");
  q.Bind(1, key);
  while (q.Step([this](const char* m) { Fail(m); })) names.push_back(Utf8ToUnicode(q.Bytes(0)));
  return names;
}

std::vector<UnicodeString> SqliteStore::ValueNames(int64_t key) {
  std::vector<UnicodeString> names;
  if (!Readable()) return names;
  Stmt q(FDb, "SELECT name FROM vals WHERE key = ? ORDER BY fold");
  q.Bind(1, key);
  while (q.Step([this](const char* m) { Fail(m); })) names.push_back(Utf8ToUnicode(q.Bytes(0)));
  return names;
}

std::optional<StoredValue> SqliteStore::ReadValue(int64_t key, const UnicodeString& name) {
  if (!Readable()) return std::nullopt;
  Stmt q(FDb, "SELECT type, data FROM vals WHERE key = ? AND fold = ?");
  q.Bind(1, key).BindText(2, FoldName(name));
  if (!q.Step([this](const char* m) { Fail(m); })) return std::nullopt;
  StoredValue v;
  v.type = static_cast<uint32_t>(q.Int(0));
  if (q.Type(1) == SQLITE_INTEGER) {
    const auto n = static_cast<uint32_t>(q.Int(1));
    for (int i = 0; i < 4; ++i) v.data += static_cast<char>((n >> (8 * i)) & 0xFF);
  } else {
    v.data = q.Bytes(1);
  }
  return v;
}

int64_t SqliteStore::CreatePath(int64_t parent, const std::vector<UnicodeString>& names) {
  auto fail = [this](const char* m) { Fail(m); };
  return Transaction([&] {
    if (!KeyAlive(parent)) Fail("the key was deleted");
    int64_t at = parent;
    for (const UnicodeString& name : names) {
      if (const auto child = FindChild(at, name)) {
        at = *child;
        continue;
      }
      Stmt ins(FDb, "INSERT INTO keys(parent, name, fold) VALUES(?, ?, ?)");
      ins.Bind(1, at).BindText(2, UnicodeToUtf8(name)).BindText(3, FoldName(name));
      ins.Step(fail);
      at = sqlite3_last_insert_rowid(FDb);
    }
    return at;
  });
}

void SqliteStore::WriteValue(int64_t key, const UnicodeString& name, const StoredValue& value) {
  auto fail = [this](const char* m) { Fail(m); };
  Transaction([&] {
    if (!KeyAlive(key)) Fail("the key was deleted");
    Stmt up(FDb,
            "INSERT INTO vals(key, name, fold, type, data) VALUES(?, ?, ?, ?, ?)"
            " ON CONFLICT(key, fold) DO UPDATE SET type = excluded.type, data = excluded.data");
    up.Bind(1, key).BindText(2, UnicodeToUtf8(name)).BindText(3, FoldName(name)).Bind(4, value.type);
    if (value.type == REG_SZ || value.type == REG_EXPAND_SZ) {
      up.BindText(5, value.data);
    } else if (value.type == REG_DWORD && value.data.size() == 4) {
      uint32_t n = 0;
      for (int i = 0; i < 4; ++i) n |= uint32_t{static_cast<unsigned char>(value.data[i])} << (8 * i);
      up.Bind(5, n);
    } else {
      up.BindBlob(5, value.data);
    }
    up.Step(fail);
    return 0;
  });
}

bool SqliteStore::DeleteTree(int64_t key) {
  if (key == kRootId || !KeyAlive(key)) return false;
  auto fail = [this](const char* m) { Fail(m); };
  return Transaction([&] {
    if (!KeyAlive(key)) return false;
    static constexpr const char* kTree =
        "WITH RECURSIVE sub(id) AS (SELECT ? UNION ALL SELECT k.id FROM keys k JOIN sub ON k.parent = "
        "sub.id) ";
    Stmt vals(FDb, (std::string(kTree) + "DELETE FROM vals WHERE key IN sub").c_str());
    vals.Bind(1, key).Step(fail);
    Stmt keys(FDb, (std::string(kTree) + "DELETE FROM keys WHERE id IN sub").c_str());
    keys.Bind(1, key).Step(fail);
    return true;
  });
}

bool SqliteStore::DeleteValue(int64_t key, const UnicodeString& name) {
  if (!ReadValue(key, name)) return false;
  auto fail = [this](const char* m) { Fail(m); };
  return Transaction([&] {
    Stmt del(FDb, "DELETE FROM vals WHERE key = ? AND fold = ?");
    del.Bind(1, key).BindText(2, FoldName(name)).Step(fail);
    return sqlite3_changes(FDb) > 0;
  });
}

}  // namespace zub::registry
