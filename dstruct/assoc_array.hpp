// TAssocArray: a small dictionary from string keys to Variant values, with optional
// case-insensitive keys, typed lookups (as text, number or integer) and 1-based index
// access to its entries.
//
// Entries live in two parallel arrays in the order they were added; Remove moves the last
// entry into the gap, so it does not keep the order of the others. A key lookup finds the
// first entry whose key equals the given one; with IgnoreCase both are compared with the
// ASCII letters A..Z folded to lower case. A hash index beside the arrays answers lookups
// without scanning; it always gives the entry that a scan from the first entry would.
//
// Nothing here sends a change notification. Out-of-range indices read as empty and write
// nothing.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

class TAssocArray : public TComponent {
 public:
  // Empty, with room for 1024 entries; IgnoreCase true, Granularity 1024, DataID "".
  explicit TAssocArray(TComponent* AOwner);
  UnicodeString ClassName() const override { return u"TAssocArray"; }

  // Copies the count, Granularity, IgnoreCase, DataID and the live entries of another
  // TAssocArray; both arrays are then exactly NumEntries long. Any other source fails as in
  // TPersistent.
  void Assign(const TPersistent* Source) override;

  // With IgnoreCase the key is stored lower-cased. An existing key keeps its stored form
  // and gets a copy of Value; a new key is appended, growing both arrays to the new count +
  // Granularity when they are full.
  void Add(const UnicodeString& Key, const Variant& Value);
  // Whether the key was present. The last entry moves into the removed one's place.
  bool Remove(const UnicodeString& Key);
  // A copy of the value, or Null when the key is absent.
  Variant Resolve(const UnicodeString& Key) const;
  // "" for an absent key or a Null value, else the value's text (VarToStr). Arrays raise
  // EVariantTypeCastError as their conversion does.
  UnicodeString ResolveAsString(const UnicodeString& Key) const;
  // 0 for an absent key or a Null value. Numbers (Smallint, Integer, Single, Double,
  // Currency, ShortInt, Byte, Word, LongWord, Int64) convert as Variants do; 8-bit and
  // Unicode strings (varString, varUString) are read from their first character by the
  // floating-point number scanner with exponents and either "." or "," as separator:
  // leading spaces (only they) are skipped, whatever follows the number is ignored, a text
  // that does not begin with a number gives 0, and the result stays within +-uc_MaxDouble.
  // Every other type (Empty, Boolean, Date, OLE strings, UInt64, arrays, ...) gives 0.
  double ResolveAsNumber(const UnicodeString& Key) const;
  // 0 for an absent key or a Null value. Integer types (Smallint, Integer, ShortInt, Byte,
  // Word, LongWord, Int64) convert as Variants do, Single and Double round to the nearest
  // integer with halves to even; values beyond 32 bits raise EVariantOverflowError from
  // that conversion. 8-bit and Unicode strings give their integer prefix: leading spaces,
  // an optional sign, then decimal digits up to the first other character ("-12.7" gives
  // -12, no digits give 0; beyond 32 bits the value saturates). Every other type, Currency
  // and OLE strings included, gives 0.
  int32_t ResolveAsInt(const UnicodeString& Key) const;
  // No entries; both arrays shrink or grow to Granularity. The properties stay.
  void Clear();

  int32_t NumEntries() const { return FNEntries; }
  // The number of slots in each of the two arrays (at least NumEntries).
  int32_t Capacity() const { return static_cast<int32_t>(FKeyArray.size()); }

  // ix from 1 to NumEntries; "" outside.
  UnicodeString GetKeys(int32_t ix) const;
  // Stores v as given (not lower-cased, not checked for uniqueness); nothing outside the
  // range.
  void SetKeys(int32_t ix, const UnicodeString& v);
  // A copy of the value; outside the range a Variant holding "" (not Null).
  Variant GetValues(int32_t ix) const;
  void SetValues(int32_t ix, const Variant& v);

  int32_t Granularity() const { return FGranularity; }
  // A negative step is taken as 0: a full array then grows by one entry at a time.
  void SetGranularity(int32_t Value) { FGranularity = Value < 0 ? 0 : Value; }
  bool IgnoreCase() const { return FIgnoreCase; }
  // Changing it changes which stored keys match; the stored keys themselves stay.
  void SetIgnoreCase(bool Value);
  const UnicodeString& DataID() const { return FDataID; }
  void SetDataID(const UnicodeString& Value) { FDataID = Value; }

 protected:
  // Copies into another TAssocArray; any other destination fails as in TPersistent.
  void AssignTo(TPersistent* Dest) const override;

 private:
  // The 0-based position of the first entry matching Key, or -1.
  int32_t Find(const UnicodeString& Key) const;
  // Key as the index holds it: folded with IgnoreCase, else unchanged. The result may be
  // FFoldBuf, so it is valid until the next call.
  const UnicodeString& IndexKey(const UnicodeString& Key) const;
  void RebuildIndex() const;
  void InvalidateIndex() { FIndexValid = false; }

  int32_t FNEntries = 0;
  std::vector<Variant> FDataArray;
  std::vector<UnicodeString> FKeyArray;
  int32_t FGranularity = 1024;
  bool FIgnoreCase = true;
  UnicodeString FDataID;

  // Index key -> 0-based position of the first live entry with that key. Built on demand;
  // FIndexUnique tells that no two live entries share an index key, which lets Remove and
  // SetKeys update the index in place instead of dropping it.
  mutable std::unordered_map<UnicodeString, int32_t> FIndex;
  mutable bool FIndexValid = true;
  mutable bool FIndexUnique = true;
  mutable UnicodeString FFoldBuf;
};

}  // namespace zub
