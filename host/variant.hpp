// Variant: a tagged value with the platform's type codes. Holds nothing (Empty), Null, an
// integer, a float, a currency, a date, a Boolean, a string (8-bit, Unicode or OLE) or a
// one-dimensional array with bounds whose elements are themselves Variants (so arrays of
// arrays nest).
//
// Copies are deep. Conversions follow the classic rules: Empty converts to 0, "" and
// false; Null and arrays do not convert (EVariantTypeCastError); values that do not fit
// raise EVariantOverflowError; floats become integers by rounding halves to even; True is
// -1 as a number.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "host/date_time.hpp"
#include "host/exceptions.hpp"
#include "host/unicode.hpp"

namespace zub {

using TVarType = uint16_t;

inline constexpr TVarType varEmpty = 0x0000;
inline constexpr TVarType varNull = 0x0001;
inline constexpr TVarType varSmallint = 0x0002;
inline constexpr TVarType varInteger = 0x0003;
inline constexpr TVarType varSingle = 0x0004;
inline constexpr TVarType varDouble = 0x0005;
inline constexpr TVarType varCurrency = 0x0006;
inline constexpr TVarType varDate = 0x0007;
inline constexpr TVarType varOleStr = 0x0008;
inline constexpr TVarType varDispatch = 0x0009;
inline constexpr TVarType varError = 0x000A;
inline constexpr TVarType varBoolean = 0x000B;
inline constexpr TVarType varVariant = 0x000C;
inline constexpr TVarType varUnknown = 0x000D;
inline constexpr TVarType varShortInt = 0x0010;
inline constexpr TVarType varByte = 0x0011;
inline constexpr TVarType varWord = 0x0012;
inline constexpr TVarType varLongWord = 0x0013;
inline constexpr TVarType varInt64 = 0x0014;
inline constexpr TVarType varUInt64 = 0x0015;
inline constexpr TVarType varString = 0x0100;
inline constexpr TVarType varAny = 0x0101;
inline constexpr TVarType varUString = 0x0102;
inline constexpr TVarType varTypeMask = 0x0FFF;
inline constexpr TVarType varArray = 0x2000;
inline constexpr TVarType varByRef = 0x4000;

enum TVariantRelationship : uint8_t { vrEqual, vrLessThan, vrGreaterThan, vrNotEqual };

class Variant {
 public:
  Variant();  // Empty
  static Variant Null();
  explicit Variant(int8_t v);
  explicit Variant(uint8_t v);
  explicit Variant(int16_t v);
  explicit Variant(uint16_t v);
  explicit Variant(int32_t v);
  explicit Variant(uint32_t v);
  explicit Variant(int64_t v);
  explicit Variant(uint64_t v);
  explicit Variant(float v);
  explicit Variant(double v);
  explicit Variant(bool v);
  explicit Variant(const UnicodeString& v);
  explicit Variant(const Char* v) : Variant(UnicodeString(v)) {}
  // An 8-bit string (type varString), Windows-1252 bytes.
  explicit Variant(const AnsiString& v);
  static Variant FromDate(TDateTime v);
  // Currency is fixed-point with four decimals, held as the value times 10000 (its units).
  // FromCurrency rounds v to the nearest 1/10000, halves to even, and raises
  // EVariantOverflowError when the units do not fit in 64 bits (or v is NaN).
  static Variant FromCurrency(double v);
  // The currency Units / 10000, exactly.
  static Variant FromCurrencyUnits(int64_t Units);
  // An OLE string (varOleStr): UTF-16 text that converts and compares as a Unicode string.
  static Variant FromOleStr(const UnicodeString& v);

  Variant(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(const Variant& other);
  Variant& operator=(Variant&& other) noexcept;
  ~Variant();

  TVarType VType() const { return FType; }
  bool IsEmpty() const { return FType == varEmpty; }
  bool IsNull() const { return FType == varNull; }
  bool IsArray() const { return (FType & varArray) != 0; }

  // Bounds of the array (only one dimension exists); raise EVariantError for a non-array.
  int32_t LowBound() const;
  int32_t HighBound() const;
  // Element access; raise EVariantBadIndexError outside the bounds and EVariantError for a
  // non-array. PutElement converts Value to the array's element type unless that is
  // varVariant.
  const Variant& GetElement(int32_t Index) const;
  void PutElement(int32_t Index, const Variant& Value);
  const Variant& operator[](int32_t Index) const { return GetElement(Index); }

  int32_t AsInt32() const;
  int64_t AsInt64() const;
  uint64_t AsUInt64() const;
  double AsDouble() const;
  bool AsBoolean() const;
  // The value as currency units (times 10000): exact for integers and currency, rounded to
  // the nearest unit otherwise; raises EVariantOverflowError when it does not fit.
  int64_t AsCurrencyUnits() const;
  // Numbers in the locale-dependent general form; currency with up to four decimals and no
  // trailing zeros ("1.5"); dates as DateTimeToStr; True/False.
  UnicodeString AsString() const;
  AnsiString AsAnsiString() const { return UnicodeToAnsi(AsString()); }

 private:
  friend Variant VarArrayCreate(int32_t Lo, int32_t Hi, TVarType VarType);
  struct ArrayData;

  [[noreturn]] void CastError(TVarType To) const;

  TVarType FType = varEmpty;
  union {
    int64_t FInt;  // signed integers, and currency units
    uint64_t FUInt;
    double FDouble;
    bool FBool;
  };
  UnicodeString FStr;
  AnsiString FAnsi;
  std::unique_ptr<ArrayData> FArray;
};

// A one-dimensional array with bounds Lo .. Hi (Hi = Lo - 1 gives an empty one) whose
// elements start as Empty (varVariant) or as zero / empty text of VarType.
Variant VarArrayCreate(int32_t Lo, int32_t Hi, TVarType VarType);
inline TVarType VarType(const Variant& V) {
  return V.VType();
}
inline bool VarIsNull(const Variant& V) {
  return V.IsNull();
}
inline bool VarIsEmpty(const Variant& V) {
  return V.IsEmpty();
}
inline bool VarIsArray(const Variant& V) {
  return V.IsArray();
}
// Dim must be 1 (raises EVariantError otherwise, and for non-arrays).
int32_t VarArrayLowBound(const Variant& V, int32_t Dim);
int32_t VarArrayHighBound(const Variant& V, int32_t Dim);
// 0 for a non-array, 1 for an array.
int32_t VarArrayDimCount(const Variant& V);
// Converts V to a scalar type (varSmallint .. varUString); raises as the As... conversions.
Variant VarAsType(const Variant& V, TVarType VarType);
// "" for Null and Empty, otherwise AsString.
UnicodeString VarToStr(const Variant& V);
// Name of a type code as used in messages ("Integer", "UnicodeString", ...).
UnicodeString VarTypeAsText(TVarType VarType);

// Numbers compare by value (strings that read as numbers too), strings by character code,
// Empty equals Empty, Null equals only Null; anything else is vrNotEqual.
TVariantRelationship VarCompareValue(const Variant& A, const Variant& B);
inline bool operator==(const Variant& A, const Variant& B) {
  return VarCompareValue(A, B) == vrEqual;
}

}  // namespace zub
