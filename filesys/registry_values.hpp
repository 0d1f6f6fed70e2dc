// Single registry values as strings, tests for keys and values, listing and deleting.
//
// Every routine takes a root key first: 0 stands for HKEY_CURRENT_USER, any other value is
// used as the root (HKEY_LOCAL_MACHINE, ...). Key paths are relative to the root, with "\"
// between the names; the value name "" is the key's default value. Each call opens its
// own registry accessor (host/registry/registry.hpp) and releases it, also when it fails;
// nothing is cached.
//
// A missing key or value reads as "", 0 or false and raises nothing. A store that cannot
// be read at all (a corrupt or unreadable file) is no missing value: its
// ERegistryException goes to the caller, from the readers as from SetRegValue.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"
#include "host/registry/registry.hpp"

namespace zub {

// The value as text: a string or expandable string as stored (not expanded), an integer
// in decimal, "ERROR (unknown type)" for binary data or a type the accessor does not
// know; "" when the key or the value is missing.
UnicodeString GetRegValue(HKEY Root, const UnicodeString& Key, const UnicodeString& Name);
// GetRegValue read as an integer: blanks skipped, an optional "+" or "-", the decimal
// digits up to the first other character; 0 without digits. Beyond 32 bits the result
// stays at 2147483647 or -2147483648.
int32_t GetRegValueAsInt(HKEY Root, const UnicodeString& Key, const UnicodeString& Name);
// GetRegValue read by the library's decimal number scanner ("." or "," as the decimal
// separator, an exponent after "E"); 0 for text that holds no number.
double GetRegValueAsDouble(HKEY Root, const UnicodeString& Key, const UnicodeString& Name);
// True when GetRegValue, lower-cased, is "true".
bool GetRegValueAsBoolean(HKEY Root, const UnicodeString& Key, const UnicodeString& Name);
// Writes Value as a string value, creating the key and its missing parents. Raises
// ERegistryException when the store cannot be written (no rights, a corrupt file).
void SetRegValue(HKEY Root, const UnicodeString& Key, const UnicodeString& Name, const UnicodeString& Value);
bool RegKeyExists(HKEY Root, const UnicodeString& Key);
bool RegValueExists(HKEY Root, const UnicodeString& Key, const UnicodeString& Name);
// Clears List and fills it with the names of the key's direct subkeys (its value names);
// returns the count, 0 for a missing key.
int32_t GetAllRegSubkeys(HKEY Root, const UnicodeString& Key, TStringList& List);
int32_t GetAllRegValueNames(HKEY Root, const UnicodeString& Key, TStringList& List);
// Deletes the key with its subkeys; true when it was there and is gone.
bool DeleteRegKey(HKEY Root, const UnicodeString& Key);
// Deletes one value of an existing key; false when the key or the value is missing.
bool DeleteRegValue(HKEY Root, const UnicodeString& Key, const UnicodeString& Name);

}  // namespace zub
