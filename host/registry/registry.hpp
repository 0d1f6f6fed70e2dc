// The registry accessor: a tree of keys under a few roots, each key holding named values
// of a few types, kept from one run to the next.
//
// Keys and value names compare without regard to case (by AnsiUpperCase) and keep
// the case they were created with. A key path is a list of names separated by "\"; empty
// names (from "\\" or a trailing "\") are skipped. A path that begins with "\" starts at
// the root; any other path starts at the key that is open (CurrentPath), or at the root
// when none is. The root itself is the path "" or "\"; it always exists and cannot be
// deleted. The value name "" is the key's default value.
//
// On POSIX each root is one SQLite database (see RegistryStoreFile for where):
//  - every write is one transaction, taken at once for writing (BEGIN IMMEDIATE) in the
//    rollback-journal mode, so that readers need nothing but read access to the file;
//  - a writer that finds the store locked by another process waits up to 5 s, then
//    raises ERegistryException ("... database is locked"); the store is never left half
//    written;
//  - a store that does not exist reads as empty and is created (with its folder) by the
//    first write; a store that cannot be read (a file of another kind, no permission, a
//    folder in its place) raises ERegistryException naming the file, on reads and writes.
// HKEY_CLASSES_ROOT shows, beneath its own store, the desktop's program associations (see
// host/registry/posix/desktop_associations.hpp): what the store holds wins, the desktop's
// keys and values fill in the rest, and are read-only (deleting one fails; writing into
// one creates the key in the store).
#pragma once

#include <cstdint>
#include <memory>

#include "host/exceptions.hpp"
#include "host/string_list.hpp"
#include "host/unicode.hpp"

namespace zub {

// Raised for every failure of the registry accessor's store.
ZUB_DECLARE_EXCEPTION(ERegistryException, Exception);

using HKEY = uintptr_t;
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr HKEY HKEY_USERS = 0x80000003u;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005u;

// The system's type codes of values, as stored.
inline constexpr uint32_t REG_NONE = 0;
inline constexpr uint32_t REG_SZ = 1;
inline constexpr uint32_t REG_EXPAND_SZ = 2;
inline constexpr uint32_t REG_BINARY = 3;
inline constexpr uint32_t REG_DWORD = 4;

// The data types as the accessor reports them; a stored type other than the four named
// ones is rdUnknown.
enum TRegDataType : uint8_t { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

// The store file of a root key (native path), or "" for a value that is no root:
//  - $ZUBCOREKIT_REGISTRY_DIR/<ROOT>.db for every root when that variable is set and not
//    empty (for tests and sandboxes);
//  - else HKEY_CURRENT_USER: $XDG_DATA_HOME/zubcorekit/registry/HKEY_CURRENT_USER.db
//    (XDG_DATA_HOME when absolute, else ~/.local/share), its folder created 0700;
//  - the machine-wide roots (HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT, HKEY_USERS,
//    HKEY_CURRENT_CONFIG): /var/lib/zubcorekit/registry/<ROOT>.db, its folder created
//    0755, so that everyone reads them and only the superuser writes them.
// <ROOT> is the root's name, e.g. HKEY_LOCAL_MACHINE.
UnicodeString RegistryStoreFile(HKEY Root);
// The name of a root key ("HKEY_CURRENT_USER", ...), "" for a value that is no root.
UnicodeString RootKeyName(HKEY Root);

class TRegistry {
 public:
  // Root HKEY_CURRENT_USER, no key open.
  TRegistry();
  ~TRegistry();
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  HKEY RootKey() const { return FRootKey; }
  // Closes the open key. Raises ERegistryException for a value that is no root.
  void SetRootKey(HKEY Value);
  // The open key's path from the root, as created ("" when none is open or the root is).
  UnicodeString CurrentPath() const;
  bool HasCurrentKey() const;

  // Opens Key, with CanCreate creating it and its missing parents. False when it does not
  // exist and may not be created; raises ERegistryException when the store fails (a
  // creation without the rights to write the store, a corrupt store).
  bool OpenKey(const UnicodeString& Key, bool CanCreate);
  // Opens an existing key for reading; false when it does not exist.
  bool OpenKeyReadOnly(const UnicodeString& Key);
  void CloseKey();

  bool KeyExists(const UnicodeString& Key);
  // The next calls act on the open key (the root when none is open).
  bool ValueExists(const UnicodeString& Name);
  TRegDataType GetDataType(const UnicodeString& ValueName);
  // The size of a value's data in bytes as the system counts it (a string with its
  // terminating zero, in UTF-16 units); -1 when there is no such value.
  int32_t GetDataSize(const UnicodeString& ValueName);
  // A string or expandable string as stored; "" when there is no such value; raises
  // ERegistryException ("Invalid data type for 'Name'") for a value of another type.
  UnicodeString ReadString(const UnicodeString& Name);
  // An integer value; raises ERegistryException when it is missing or of another type.
  int32_t ReadInteger(const UnicodeString& Name);
  // Copies up to BufSize bytes of a value's data (a binary value's bytes, an integer's four
  // bytes little-endian, a string in UTF-16LE with its zero); returns the count copied.
  // Raises ERegistryException when the value is missing.
  int32_t ReadBinaryData(const UnicodeString& Name, void* Buffer, int32_t BufSize);

  // Writes replace a value of the same name (whatever its case; the name keeps its first
  // case). On a read-only open key they raise ERegistryException, as they do when the
  // store cannot be written or the open key was deleted meanwhile.
  void WriteString(const UnicodeString& Name, const UnicodeString& Value);
  void WriteExpandString(const UnicodeString& Name, const UnicodeString& Value);
  void WriteInteger(const UnicodeString& Name, int32_t Value);
  void WriteBinaryData(const UnicodeString& Name, const void* Buffer, int32_t BufSize);

  // Clears Strings and fills it with the open key's direct subkeys / value names, in the
  // order of their names ignoring case.
  void GetKeyNames(TStringList& Strings);
  void GetValueNames(TStringList& Strings);

  // Deletes Key with all its subkeys and values; false when it does not exist (or is the
  // root, or only the desktop's). Deleting the open key or one of its parents closes it.
  bool DeleteKey(const UnicodeString& Key);
  // Deletes a value of the open key; false when there is no such value.
  bool DeleteValue(const UnicodeString& Name);

  struct Impl;

 private:
  HKEY FRootKey = HKEY_CURRENT_USER;
  std::unique_ptr<Impl> FImpl;
};

}  // namespace zub
