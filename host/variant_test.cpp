#include "host/variant.hpp"

#include <gtest/gtest.h>

#include <limits>

#include "host/format_settings.hpp"

namespace zub {
namespace {

TEST(Variant, ConstructorsSetThePlatformTypeCodes) {
  struct Case {
    Variant v;
    TVarType code;
  };
  const Case cases[] = {
      {Variant(), 0},
      {Variant::Null(), 1},
      {Variant(int16_t{1}), 2},
      {Variant(int32_t{1}), 3},
      {Variant(1.0f), 4},
      {Variant(1.0), 5},
      {Variant::FromCurrency(1.5), 6},
      {Variant::FromCurrencyUnits(15000), 6},
      {Variant::FromDate(2.0), 7},
      {Variant::FromOleStr(u"a"), 8},
      {Variant(true), 11},
      {Variant(int8_t{1}), 16},
      {Variant(uint8_t{1}), 17},
      {Variant(uint16_t{1}), 18},
      {Variant(uint32_t{1}), 19},
      {Variant(int64_t{1}), 20},
      {Variant(uint64_t{1}), 21},
      {Variant(AnsiString("a")), 256},
      {Variant(u"a"), 258},
  };
  for (const auto& c : cases) EXPECT_EQ(VarType(c.v), c.code);
}

TEST(Variant, ConversionsFollowTheClassicRules) {
  EXPECT_EQ(Variant().AsInt32(), 0);
  EXPECT_EQ(Variant().AsString(), u"");
  EXPECT_EQ(Variant(2.5).AsInt32(), 2);  // halves to even
  EXPECT_EQ(Variant(3.5).AsInt64(), 4);
  EXPECT_EQ(Variant(true).AsInt32(), -1);
  EXPECT_EQ(Variant(u"42").AsInt32(), 42);
  EXPECT_EQ(Variant(u"0.5").AsDouble(), 0.5);  // the "." form is always understood
  EXPECT_TRUE(Variant(u"TRUE").AsBoolean());
  EXPECT_EQ(Variant(int32_t{-7}).AsString(), u"-7");
  EXPECT_EQ(Variant(false).AsString(), u"False");
  EXPECT_EQ(Variant(0.1f).AsString(), u"0.1");
  EXPECT_EQ(Variant(uint64_t{18446744073709551615ULL}).AsString(), u"18446744073709551615");
  EXPECT_EQ(VarToStr(Variant::Null()), u"");

  EXPECT_THROW(Variant(u"abc").AsInt32(), EVariantTypeCastError);
  EXPECT_THROW(Variant::Null().AsDouble(), EVariantTypeCastError);
  EXPECT_THROW(Variant::Null().AsString(), EVariantTypeCastError);
  EXPECT_THROW(Variant(int64_t{1} << 40).AsInt32(), EVariantOverflowError);
  EXPECT_THROW(VarAsType(Variant(int32_t{300}), varByte), EVariantOverflowError);
  EXPECT_THROW(Variant(uint64_t{18446744073709551615ULL}).AsInt64(), EVariantOverflowError);
  try {
    Variant(u"x").AsDouble();
  } catch (const EVariantTypeCastError& e) {
    EXPECT_EQ(e.Message(), u"Could not convert variant of type (UnicodeString) into type (Double)");
  }
  EXPECT_EQ(VarType(VarAsType(Variant(u"12"), varSmallint)), varSmallint);
}

TEST(Variant, CurrencyRoundsToFourDecimals) {
  struct Case {
    double value;
    int64_t units;
    std::u16string_view text;
  };
  const Case cases[] = {
      {1.5, 15000, u"1.5"},
      {-1.5, -15000, u"-1.5"},
      {12.0, 120000, u"12"},
      {0.123456, 1235, u"0.1235"},
      {-0.0001, -1, u"-0.0001"},
      {0.00004, 0, u"0"},
      {0.03125, 312, u"0.0312"},  // 312.5 units: halves go to the even unit
      {0.09375, 938, u"0.0938"},  // 937.5 units
      {922337203685477.0, 9223372036854770000, u"922337203685477"},
  };
  for (const auto& c : cases) {
    const Variant v = Variant::FromCurrency(c.value);
    EXPECT_EQ(v.AsCurrencyUnits(), c.units) << c.value;
    EXPECT_EQ(v.AsString(), c.text) << c.value;
  }
  EXPECT_EQ(Variant::FromCurrencyUnits(INT64_MAX).AsString(), u"922337203685477.5807");
  EXPECT_EQ(Variant::FromCurrencyUnits(INT64_MIN).AsString(), u"-922337203685477.5808");

  EXPECT_THROW(Variant::FromCurrency(1e15), EVariantOverflowError);
  EXPECT_THROW(Variant::FromCurrency(-1e15), EVariantOverflowError);
  EXPECT_THROW(Variant::FromCurrency(std::numeric_limits<double>::quiet_NaN()), EVariantOverflowError);
  EXPECT_THROW(VarAsType(Variant(int64_t{1} << 60), varCurrency), EVariantOverflowError);
  EXPECT_THROW(VarAsType(Variant(uint64_t{1} << 63), varCurrency), EVariantOverflowError);
  EXPECT_THROW(VarAsType(Variant(u"abc"), varCurrency), EVariantTypeCastError);
  EXPECT_THROW(VarAsType(Variant::Null(), varCurrency), EVariantTypeCastError);
}

TEST(Variant, CurrencyConverts) {
  struct Case {
    int64_t units;
    int64_t integer;
    double real;
    bool boolean;
  };
  const Case cases[] = {
      {25000, 2, 2.5, true},  // halves to even, as for floats
      {35000, 4, 3.5, true},
      {-25000, -2, -2.5, true},
      {15001, 2, 1.5001, true},
      {-4999, 0, -0.4999, true},
      {1, 0, 0.0001, true},
      {0, 0, 0.0, false},
      {INT64_MAX, 922337203685478, 922337203685477.5807, true},
  };
  for (const auto& c : cases) {
    const Variant v = Variant::FromCurrencyUnits(c.units);
    EXPECT_EQ(v.AsInt64(), c.integer) << c.units;
    EXPECT_EQ(v.AsDouble(), c.real) << c.units;
    EXPECT_EQ(v.AsBoolean(), c.boolean) << c.units;
  }
  EXPECT_THROW(Variant::FromCurrencyUnits(int64_t{30000000000} * 10000).AsInt32(), EVariantOverflowError);

  // Integers scale exactly; text reads as a number.
  EXPECT_EQ(VarAsType(Variant(int32_t{7}), varCurrency).AsCurrencyUnits(), 70000);
  EXPECT_EQ(VarAsType(Variant(int64_t{922337203685477}), varCurrency).AsCurrencyUnits(), 9223372036854770000);
  EXPECT_EQ(VarAsType(Variant(true), varCurrency).AsCurrencyUnits(), -10000);
  EXPECT_EQ(VarAsType(Variant(u"2.25"), varCurrency).AsCurrencyUnits(), 22500);
  EXPECT_EQ(VarType(VarAsType(Variant(u"2.25"), varCurrency)), varCurrency);
  const Variant asText = VarAsType(Variant::FromCurrencyUnits(15000), varOleStr);
  EXPECT_EQ(VarType(asText), varOleStr);
  EXPECT_EQ(asText.AsString(), u"1.5");

  // The locale's decimal separator, as for the other numbers.
  const Char separator = FormatSettings.DecimalSeparator;
  FormatSettings.DecimalSeparator = u',';
  const UnicodeString local = Variant::FromCurrencyUnits(-15000).AsString();
  FormatSettings.DecimalSeparator = separator;
  EXPECT_EQ(local, u"-1,5");
}

TEST(Variant, OleStringConvertsLikeAUnicodeString) {
  const Variant v = Variant::FromOleStr(u"42");
  EXPECT_EQ(VarType(v), varOleStr);
  EXPECT_EQ(v.AsString(), u"42");
  EXPECT_EQ(v.AsInt32(), 42);
  EXPECT_EQ(v.AsDouble(), 42.0);
  EXPECT_TRUE(Variant::FromOleStr(u"true").AsBoolean());
  EXPECT_EQ(VarToStr(v), u"42");
  EXPECT_EQ(VarType(VarAsType(Variant(int32_t{5}), varOleStr)), varOleStr);
  EXPECT_EQ(VarAsType(Variant(int32_t{5}), varOleStr).AsString(), u"5");
  EXPECT_EQ(VarType(VarAsType(v, varUString)), varUString);
  EXPECT_THROW(Variant::FromOleStr(u"x").AsInt32(), EVariantTypeCastError);
}

TEST(Variant, ArraysOfArraysKeepTheirBoundsAndCopyDeeply) {
  Variant outer = VarArrayCreate(1, 3, varVariant);
  EXPECT_EQ(VarType(outer), varArray | varVariant);
  EXPECT_EQ(VarArrayLowBound(outer, 1), 1);
  EXPECT_EQ(VarArrayHighBound(outer, 1), 3);
  EXPECT_THROW(VarArrayHighBound(outer, 2), EVariantError);
  Variant inner = VarArrayCreate(0, 1, varInteger);
  inner.PutElement(0, Variant(u"5"));  // converted to the element type
  EXPECT_EQ(VarType(inner[0]), varInteger);
  outer.PutElement(2, inner);
  inner.PutElement(1, Variant(int32_t{9}));  // the copy in outer stays as it was
  EXPECT_EQ(outer[2][1].AsInt32(), 0);
  EXPECT_EQ(outer[2][0].AsInt32(), 5);
  EXPECT_TRUE(outer[1].IsEmpty());
  EXPECT_THROW(outer.GetElement(4), EVariantBadIndexError);
  EXPECT_THROW(Variant(1.0).GetElement(0), EVariantError);
  EXPECT_THROW(outer.AsInt32(), EVariantTypeCastError);

  const Variant empty = VarArrayCreate(0, -1, varVariant);
  EXPECT_EQ(VarArrayHighBound(empty, 1), -1);
  EXPECT_THROW(VarArrayCreate(5, 2, varVariant), EVariantError);
  Variant copy = outer;
  copy.PutElement(1, Variant(true));
  EXPECT_TRUE(outer[1].IsEmpty());
}

TEST(Variant, ComparesByValue) {
  EXPECT_EQ(VarCompareValue(Variant(int32_t{2}), Variant(2.0)), vrEqual);
  EXPECT_EQ(VarCompareValue(Variant(int64_t{9007199254740993LL}), Variant(int64_t{9007199254740992LL})),
            vrGreaterThan);
  EXPECT_EQ(VarCompareValue(Variant(u"a"), Variant(u"b")), vrLessThan);
  EXPECT_EQ(VarCompareValue(Variant::Null(), Variant::Null()), vrEqual);
  EXPECT_EQ(VarCompareValue(Variant::Null(), Variant(int32_t{0})), vrNotEqual);
  EXPECT_EQ(VarCompareValue(Variant(u"x"), Variant(int32_t{1})), vrNotEqual);
  EXPECT_TRUE(Variant(u"3") == Variant(3.0));
}

TEST(Variant, CurrencyAndOleStringCompare) {
  const Variant oneHalf = Variant::FromCurrencyUnits(15000);
  struct Case {
    Variant a, b;
    TVariantRelationship result;
  };
  const Case cases[] = {
      {oneHalf, Variant(1.5), vrEqual},
      {Variant::FromCurrency(0.1), Variant(0.1), vrEqual},
      {oneHalf, Variant(int32_t{1}), vrGreaterThan},
      {oneHalf, Variant(int32_t{2}), vrLessThan},
      {Variant::FromCurrencyUnits(-5000), Variant(int32_t{0}), vrLessThan},
      {Variant::FromCurrencyUnits(-5000), Variant(int32_t{-1}), vrGreaterThan},
      {Variant::FromCurrencyUnits(-10000), Variant(true), vrEqual},
      {Variant::FromCurrencyUnits(20000), Variant(uint8_t{2}), vrEqual},
      // Beyond the precision of a double, currency still compares exactly.
      {Variant::FromCurrencyUnits(INT64_MAX), Variant::FromCurrencyUnits(INT64_MAX - 1), vrGreaterThan},
      {Variant::FromCurrencyUnits(9223372036854770001), Variant(int64_t{922337203685477}), vrGreaterThan},
      {oneHalf, Variant(u"1.5"), vrEqual},
      {oneHalf, Variant::Null(), vrNotEqual},
      {Variant::FromOleStr(u"a"), Variant(u"a"), vrEqual},
      {Variant::FromOleStr(u"a"), Variant(AnsiString("b")), vrLessThan},
      {Variant::FromOleStr(u"2"), Variant(int32_t{2}), vrEqual},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VarCompareValue(c.a, c.b), c.result)
        << UnicodeToUtf8(c.a.AsString()) << " vs " << UnicodeToUtf8(VarToStr(c.b));
  }
}

TEST(Variant, CurrencyAndOleStringArrays) {
  Variant money = VarArrayCreate(0, 1, varCurrency);
  EXPECT_EQ(VarType(money), varArray | varCurrency);
  EXPECT_EQ(VarType(money[0]), varCurrency);
  EXPECT_EQ(money[0].AsCurrencyUnits(), 0);
  money.PutElement(1, Variant(1.23456));  // converted to the element type
  EXPECT_EQ(VarType(money[1]), varCurrency);
  EXPECT_EQ(money[1].AsCurrencyUnits(), 12346);

  Variant texts = VarArrayCreate(1, 2, varOleStr);
  EXPECT_EQ(VarType(texts), varArray | varOleStr);
  EXPECT_EQ(VarType(texts[1]), varOleStr);
  EXPECT_EQ(texts[1].AsString(), u"");
  texts.PutElement(2, Variant(int32_t{7}));
  EXPECT_EQ(VarType(texts[2]), varOleStr);
  EXPECT_EQ(texts[2].AsString(), u"7");
}

}  // namespace
}  // namespace zub
