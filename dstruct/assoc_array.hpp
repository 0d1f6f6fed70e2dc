// TAssocArray: a small dictionary from string keys to Variant values, with optional
// case-insensitive keys, typed lookups (as text, number or integer) and 1-based index
// access to its entries.
//
// Entries live in two parallel arrays in the order they were added; Remove moves the last
// entry into the gap, so it does not keep the order of the others. A key lookup finds the
// first entry whose key equals the given one; with IgnoreCase both are compared with the
// ASCII letters A..Z folded to lower case. A hash index beside the arrays answers lookups
// without scanning; it always gives the entry that a scan from the first entry would.
// Lookups may build that index, so even lookups alone must not run on one array from two
// threads at once.
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

  // Adds each name=value pair of an attribute text (names, "=", values in double quotes or
  // bare up to the next space; &amp; &lt; &gt; &quot; &apos; and &#N; / &#xH; decoded in
  // values) as a Unicode string entry, through Add. Stops at the first pair that breaks
  // that syntax (a name without "=", a quoted value without its closing quote, an unknown
  // entity). Returns the number of pairs taken; a name already present (in the sense of
  // Add) gets the later value and counts again.
  int32_t AddXMLAttributes(const UnicodeString& Attributes);

  // The XML form of the array, one character per byte and plain ASCII throughout:
  //
  //   <?xml version="1.0" encoding="US-ASCII"?>       (only with CreateHeader)
  //   <DataID>
  //   <assocarray ignorecase="true" entries="2"/>
  //   <entry key="colour" type="258">red</entry>
  //   <entry key="n" type="3">12</entry>
  //   </DataID>
  //
  // Entries appear in their order, each with its Variant type code. Keys and texts are
  // escaped: &amp; &lt; &gt; &quot;, and &#N; for control characters and every character
  // from 127 up. Numbers are written with "." and as many digits as read back exactly;
  // currency with four decimals. DataID must be an XML name (a letter, "_" or ":", then
  // letters, digits, "_", ":", "." or "-"); another one, or an array value, raises
  // EZUBDStructError and writes nothing. The array's own DataID property is not used.
  void WriteToXMLStream(TStream& OutStream, bool CreateHeader, const UnicodeString& DataID) const;
  // Reads the first element named DataID (letters in either case) from the stream's
  // position, and on success replaces the entries and IgnoreCase with the ones read and
  // sets the DataID property. False, with the array left as it was, when there is no such
  // element, DataID is not an XML name, or the element is cut off or malformed (its
  // assocarray line missing or repeated, an unknown tag, a type that is not one written
  // here, a value that does not read back as its type, a bad escape, or an entry count
  // that differs). The stream is left after what was read.
  bool ReadFromXMLStream(TStream& InStream, const UnicodeString& DataID);

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
