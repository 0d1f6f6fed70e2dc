#include "host/variant.hpp"

#include <gtest/gtest.h>

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
      {Variant::FromDate(2.0), 7},
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

}  // namespace
}  // namespace zub
