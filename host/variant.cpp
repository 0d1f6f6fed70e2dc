#include "host/variant.hpp"

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

#include "host/case_map.hpp"
#include "host/convert.hpp"

namespace zub {

struct Variant::ArrayData {
  int32_t Lo = 0;
  TVarType ElemType = varVariant;
  std::vector<Variant> Items;
};

namespace {

bool IsSigned(TVarType t) {
  return t == varSmallint || t == varInteger || t == varShortInt || t == varInt64;
}
bool IsUnsigned(TVarType t) {
  return t == varByte || t == varWord || t == varLongWord || t == varUInt64;
}
bool IsFloat(TVarType t) {
  return t == varSingle || t == varDouble || t == varDate;
}
bool IsText(TVarType t) {
  return t == varString || t == varUString || t == varOleStr;
}

[[noreturn]] void Overflow(TVarType to) {
  throw EVariantOverflowError(u"Overflow while converting variant of type into type (" + VarTypeAsText(to) +
                              u")");
}

constexpr int64_t kCurrencyScale = 10000;

int64_t CurrencyUnitsOf(double v) {
  const long double scaled = static_cast<long double>(v) * kCurrencyScale;
  if (!(scaled >= -9223372036854775808.0L && scaled < 9223372036854775808.0L)) Overflow(varCurrency);
  try {
    return Round(scaled);
  } catch (const EInvalidOp&) {  // a half just below 2^63 rounds up to it
    Overflow(varCurrency);
  }
}

int64_t ScaleToCurrency(int64_t v) {
  if (v > INT64_MAX / kCurrencyScale || v < INT64_MIN / kCurrencyScale) Overflow(varCurrency);
  return v * kCurrencyScale;
}

// Whole units, halves to even, as rounding a float would give.
int64_t RoundCurrency(int64_t units) {
  int64_t whole = units / kCurrencyScale;
  const int64_t rest = units % kCurrencyScale;  // carries the sign of units
  const int64_t half = kCurrencyScale / 2;
  if (rest > half || (rest == half && whole % 2 != 0)) ++whole;
  if (rest < -half || (rest == -half && whole % 2 != 0)) --whole;
  return whole;
}

double CurrencyToDouble(int64_t units) {
  // Below 2^53 both operands are exact, so the quotient is correctly rounded.
  if (units > -(int64_t{1} << 53) && units < (int64_t{1} << 53))
    return static_cast<double>(units) / kCurrencyScale;
  return static_cast<double>(static_cast<long double>(units) / kCurrencyScale);
}

UnicodeString CurrencyToStr(int64_t units) {
  const uint64_t magnitude = units < 0 ? 0 - static_cast<uint64_t>(units) : static_cast<uint64_t>(units);
  std::string text = (units < 0 ? "-" : "") + std::to_string(magnitude / kCurrencyScale);
  UnicodeString out = Utf8ToUnicode(text);
  if (const uint64_t frac = magnitude % kCurrencyScale; frac != 0) {
    std::string digits = std::to_string(frac + kCurrencyScale).substr(1);  // four digits, leading zeros kept
    digits.erase(digits.find_last_not_of('0') + 1);
    out += FormatSettings.DecimalSeparator;
    out += Utf8ToUnicode(digits);
  }
  return out;
}

}  // namespace

UnicodeString VarTypeAsText(TVarType t) {
  if (t & varArray) return u"Array " + VarTypeAsText(t & varTypeMask);
  switch (t) {
    case varEmpty:
      return u"Empty";
    case varNull:
      return u"Null";
    case varSmallint:
      return u"Smallint";
    case varInteger:
      return u"Integer";
    case varSingle:
      return u"Single";
    case varDouble:
      return u"Double";
    case varCurrency:
      return u"Currency";
    case varDate:
      return u"Date";
    case varOleStr:
      return u"OleStr";
    case varDispatch:
      return u"Dispatch";
    case varError:
      return u"Error";
    case varBoolean:
      return u"Boolean";
    case varVariant:
      return u"Variant";
    case varUnknown:
      return u"Unknown";
    case varShortInt:
      return u"ShortInt";
    case varByte:
      return u"Byte";
    case varWord:
      return u"Word";
    case varLongWord:
      return u"Cardinal";
    case varInt64:
      return u"Int64";
    case varUInt64:
      return u"UInt64";
    case varString:
      return u"String";
    case varAny:
      return u"Any";
    case varUString:
      return u"UnicodeString";
    default:
      return u"$" + IntToHex(int32_t{t}, 4);
  }
}

Variant Variant::Null() {
  Variant v;
  v.FType = varNull;
  return v;
}

#define ZUB_VARIANT_INT_CTOR(T, code, field) \
  Variant::Variant(T v) : FType(code) {      \
    field = v;                               \
  }
ZUB_VARIANT_INT_CTOR(int8_t, varShortInt, FInt)
ZUB_VARIANT_INT_CTOR(uint8_t, varByte, FUInt)
ZUB_VARIANT_INT_CTOR(int16_t, varSmallint, FInt)
ZUB_VARIANT_INT_CTOR(uint16_t, varWord, FUInt)
ZUB_VARIANT_INT_CTOR(int32_t, varInteger, FInt)
ZUB_VARIANT_INT_CTOR(uint32_t, varLongWord, FUInt)
ZUB_VARIANT_INT_CTOR(int64_t, varInt64, FInt)
ZUB_VARIANT_INT_CTOR(uint64_t, varUInt64, FUInt)
ZUB_VARIANT_INT_CTOR(float, varSingle, FDouble)
ZUB_VARIANT_INT_CTOR(double, varDouble, FDouble)
ZUB_VARIANT_INT_CTOR(bool, varBoolean, FBool)
#undef ZUB_VARIANT_INT_CTOR

Variant::Variant(const UnicodeString& v) : FType(varUString), FInt(0), FStr(v) {}
Variant::Variant(const AnsiString& v) : FType(varString), FInt(0), FAnsi(v) {}

Variant Variant::FromDate(TDateTime v) {
  Variant r(v);
  r.FType = varDate;
  return r;
}

Variant Variant::FromCurrency(double v) {
  return FromCurrencyUnits(CurrencyUnitsOf(v));
}

Variant Variant::FromCurrencyUnits(int64_t Units) {
  Variant r(Units);
  r.FType = varCurrency;
  return r;
}

Variant Variant::FromOleStr(const UnicodeString& v) {
  Variant r(v);
  r.FType = varOleStr;
  return r;
}

Variant::Variant(const Variant& o)
    : FType(o.FType),
      FStr(o.FStr),
      FAnsi(o.FAnsi),
      FArray(o.FArray ? std::make_unique<ArrayData>(*o.FArray) : nullptr) {
  std::memcpy(&FInt, &o.FInt, sizeof FInt);  // whichever scalar member is active
}

Variant& Variant::operator=(const Variant& o) {
  if (this != &o) {
    Variant copy(o);
    *this = std::move(copy);
  }
  return *this;
}

Variant::Variant() : FInt(0) {}
Variant::Variant(Variant&& other) noexcept = default;
Variant& Variant::operator=(Variant&& other) noexcept = default;
Variant::~Variant() = default;

void Variant::CastError(TVarType To) const {
  throw EVariantTypeCastError(u"Could not convert variant of type (" + VarTypeAsText(FType) +
                              u") into type (" + VarTypeAsText(To) + u")");
}

int32_t Variant::LowBound() const {
  if (!FArray) throw EVariantError(u"Variant is not an array");
  return FArray->Lo;
}

int32_t Variant::HighBound() const {
  if (!FArray) throw EVariantError(u"Variant is not an array");
  return FArray->Lo + static_cast<int32_t>(FArray->Items.size()) - 1;
}

const Variant& Variant::GetElement(int32_t Index) const {
  if (Index < LowBound() || Index > HighBound())
    throw EVariantBadIndexError(u"Variant or safe array index out of bounds");
  return FArray->Items[static_cast<size_t>(Index - FArray->Lo)];
}

void Variant::PutElement(int32_t Index, const Variant& Value) {
  if (Index < LowBound() || Index > HighBound())
    throw EVariantBadIndexError(u"Variant or safe array index out of bounds");
  Variant& slot = FArray->Items[static_cast<size_t>(Index - FArray->Lo)];
  slot = FArray->ElemType == varVariant ? Value : VarAsType(Value, FArray->ElemType);
}

int64_t Variant::AsInt64() const {
  if (FType == varEmpty) return 0;
  if (IsSigned(FType)) return FInt;
  if (IsUnsigned(FType)) {
    if (FUInt > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) Overflow(varInt64);
    return static_cast<int64_t>(FUInt);
  }
  if (FType == varCurrency) return RoundCurrency(FInt);
  if (IsFloat(FType)) {
    if (!(FDouble >= -9.2233720368547758e18 && FDouble < 9.2233720368547758e18)) Overflow(varInt64);
    return Round(FDouble);
  }
  if (FType == varBoolean) return FBool ? -1 : 0;
  if (IsText(FType)) {
    const UnicodeString s = AsString();
    int64_t v = 0;
    if (TryStrToInt64(s, v)) return v;
    double d = 0;
    if (TryStrToFloat(s, d)) {
      if (!(d >= -9.2233720368547758e18 && d < 9.2233720368547758e18)) Overflow(varInt64);
      return Round(d);
    }
  }
  CastError(varInt64);
}

uint64_t Variant::AsUInt64() const {
  if (IsUnsigned(FType)) return FUInt;
  const int64_t v = AsInt64();
  if (v < 0) Overflow(varUInt64);
  return static_cast<uint64_t>(v);
}

int32_t Variant::AsInt32() const {
  const int64_t v = AsInt64();
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
    Overflow(varInteger);
  return static_cast<int32_t>(v);
}

double Variant::AsDouble() const {
  if (FType == varEmpty) return 0;
  if (IsSigned(FType)) return static_cast<double>(FInt);
  if (IsUnsigned(FType)) return static_cast<double>(FUInt);
  if (FType == varCurrency) return CurrencyToDouble(FInt);
  if (IsFloat(FType)) return FDouble;
  if (FType == varBoolean) return FBool ? -1 : 0;
  if (IsText(FType)) {
    const UnicodeString s = AsString();
    double d = 0;
    // The locale's form first, then the "." form that files use.
    if (TryStrToFloat(s, d) || TryStrToFloat(s, d, TFormatSettings::Invariant())) return d;
  }
  CastError(varDouble);
}

int64_t Variant::AsCurrencyUnits() const {
  if (FType == varCurrency) return FInt;
  if (FType == varEmpty) return 0;
  if (IsSigned(FType)) return ScaleToCurrency(FInt);
  if (IsUnsigned(FType)) {
    if (FUInt > static_cast<uint64_t>(INT64_MAX)) Overflow(varCurrency);
    return ScaleToCurrency(static_cast<int64_t>(FUInt));
  }
  if (FType == varBoolean) return FBool ? -kCurrencyScale : 0;
  if (IsFloat(FType)) return CurrencyUnitsOf(FDouble);
  if (IsText(FType)) {
    double d = 0;
    try {
      d = AsDouble();
    } catch (const EVariantTypeCastError&) {
      CastError(varCurrency);
    }
    return CurrencyUnitsOf(d);
  }
  CastError(varCurrency);
}

bool Variant::AsBoolean() const {
  if (FType == varEmpty) return false;
  if (FType == varBoolean) return FBool;
  if (IsSigned(FType)) return FInt != 0;
  if (IsUnsigned(FType)) return FUInt != 0;
  if (FType == varCurrency) return FInt != 0;
  if (IsFloat(FType)) return FDouble != 0;
  if (IsText(FType)) {
    const UnicodeString s = AsString();
    if (SameText(s, u"true")) return true;
    if (SameText(s, u"false")) return false;
    double d = 0;
    if (TryStrToFloat(s, d) || TryStrToFloat(s, d, TFormatSettings::Invariant())) return d != 0;
  }
  CastError(varBoolean);
}

UnicodeString Variant::AsString() const {
  switch (FType) {
    case varEmpty:
      return u"";
    case varUString:
    case varOleStr:
      return FStr;
    case varString:
      return AnsiToUnicode(FAnsi);
    case varBoolean:
      return FBool ? u"True" : u"False";
    case varDate:
      return DateTimeToStr(FDouble);
    case varSingle:
      return FloatToStrGeneral(FDouble, 7, FormatSettings);
    case varDouble:
      return FloatToStr(FDouble);
    case varCurrency:
      return CurrencyToStr(FInt);
    default:
      break;
  }
  if (IsSigned(FType)) return IntToStr(FInt);
  if (IsUnsigned(FType)) return Utf8ToUnicode(std::to_string(FUInt));
  CastError(varUString);
}

Variant VarArrayCreate(int32_t Lo, int32_t Hi, TVarType VarType) {
  const TVarType elem = VarType & varTypeMask;
  const bool allowed = elem == varVariant || IsSigned(elem) || IsUnsigned(elem) || IsFloat(elem) ||
                       elem == varCurrency || elem == varBoolean || IsText(elem);
  if (!allowed || Hi < Lo - 1 || int64_t{Hi} - Lo + 1 > (int64_t{1} << 28))
    throw EVariantError(u"Error creating variant or safe array");
  Variant v;
  v.FType = varArray | elem;
  v.FArray = std::make_unique<Variant::ArrayData>();
  v.FArray->Lo = Lo;
  v.FArray->ElemType = elem;
  const Variant init = elem == varVariant ? Variant() : VarAsType(Variant(), elem);
  v.FArray->Items.assign(static_cast<size_t>(int64_t{Hi} - Lo + 1), init);
  return v;
}

int32_t VarArrayLowBound(const Variant& V, int32_t Dim) {
  if (Dim != 1) throw EVariantError(u"Variant array bounds error");
  return V.LowBound();
}

int32_t VarArrayHighBound(const Variant& V, int32_t Dim) {
  if (Dim != 1) throw EVariantError(u"Variant array bounds error");
  return V.HighBound();
}

int32_t VarArrayDimCount(const Variant& V) {
  return V.IsArray() ? 1 : 0;
}

Variant VarAsType(const Variant& V, TVarType T) {
  auto inRange = [&](int64_t v, int64_t lo, int64_t hi) {
    if (v < lo || v > hi) Overflow(T);
    return v;
  };
  switch (T) {
    case varSmallint:
      return Variant(static_cast<int16_t>(inRange(V.AsInt64(), INT16_MIN, INT16_MAX)));
    case varInteger:
      return Variant(V.AsInt32());
    case varShortInt:
      return Variant(static_cast<int8_t>(inRange(V.AsInt64(), INT8_MIN, INT8_MAX)));
    case varByte:
      return Variant(static_cast<uint8_t>(inRange(V.AsInt64(), 0, UINT8_MAX)));
    case varWord:
      return Variant(static_cast<uint16_t>(inRange(V.AsInt64(), 0, UINT16_MAX)));
    case varLongWord:
      return Variant(static_cast<uint32_t>(inRange(V.AsInt64(), 0, UINT32_MAX)));
    case varInt64:
      return Variant(V.AsInt64());
    case varUInt64:
      return Variant(V.AsUInt64());
    case varSingle:
      return Variant(static_cast<float>(V.AsDouble()));
    case varDouble:
      return Variant(V.AsDouble());
    case varCurrency:
      return Variant::FromCurrencyUnits(V.AsCurrencyUnits());
    case varDate:
      return Variant::FromDate(V.AsDouble());
    case varBoolean:
      return Variant(V.AsBoolean());
    case varUString:
      return Variant(V.AsString());
    case varOleStr:
      return Variant::FromOleStr(V.AsString());
    case varString:
      return Variant(V.AsAnsiString());
    case varVariant:
      return V;
    default:
      throw EVariantTypeCastError(u"Could not convert variant of type (" + VarTypeAsText(V.VType()) +
                                  u") into type (" + VarTypeAsText(T) + u")");
  }
}

UnicodeString VarToStr(const Variant& V) {
  return V.IsNull() ? UnicodeString() : V.AsString();
}

TVariantRelationship VarCompareValue(const Variant& A, const Variant& B) {
  const TVarType a = A.VType(), b = B.VType();
  if (A.IsArray() || B.IsArray()) return vrNotEqual;
  if (a == varNull || b == varNull) return a == b ? vrEqual : vrNotEqual;
  if (a == varEmpty && b == varEmpty) return vrEqual;
  if (IsText(a) && IsText(b)) {
    const int32_t c = CompareStr(A.AsString(), B.AsString());
    return c == 0 ? vrEqual : c < 0 ? vrLessThan : vrGreaterThan;
  }
  // Integers and currency compare exactly; anything with a float part compares as long double.
  try {
    const auto exact = [](TVarType t) {
      return IsSigned(t) || t == varBoolean || t == varEmpty || t == varCurrency;
    };
    if (exact(a) && exact(b)) {
      // The whole part toward zero, then the ten-thousandths: no product that could overflow.
      const auto split = [](const Variant& v) -> std::pair<int64_t, int64_t> {
        if (v.VType() != varCurrency) return {v.AsInt64(), 0};
        const int64_t units = v.AsCurrencyUnits();
        return {units / kCurrencyScale, units % kCurrencyScale};
      };
      const auto x = split(A), y = split(B);
      return x == y ? vrEqual : x < y ? vrLessThan : vrGreaterThan;
    }
    const auto num = [](const Variant& v) -> long double {
      if (IsUnsigned(v.VType())) return static_cast<long double>(v.AsUInt64());
      if (IsSigned(v.VType())) return static_cast<long double>(v.AsInt64());
      return v.AsDouble();
    };
    const long double x = num(A), y = num(B);
    if (std::isnan(x) || std::isnan(y)) return vrNotEqual;
    return x == y ? vrEqual : x < y ? vrLessThan : vrGreaterThan;
  } catch (const EVariantError&) {
    return vrNotEqual;
  }
}

}  // namespace zub
