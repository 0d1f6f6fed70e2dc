#include "strings/variant_dump.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

Variant Ints(int32_t lo, int32_t hi, int32_t base) {
  Variant a = VarArrayCreate(lo, hi, varVariant);
  for (int32_t i = lo; i <= hi; ++i) a.PutElement(i, Variant(int32_t{base + i}));
  return a;
}

// One value of every type code a Variant can hold, in code order.
TEST(VariantDump, ScalarsByTypeCode) {
  struct Case {
    Variant v;
    TVarType code;
    std::u16string_view text;
  };
  const Case cases[] = {
      {Variant(), 0, u"(unknown type: 0)"},
      {Variant::Null(), 1, u"NULL"},
      {Variant(int16_t{-300}), 2, u"-300"},
      {Variant(int32_t{42}), 3, u"42"},
      {Variant(-2.0f), 4, u"-2.00000E+00"},
      {Variant(123.45), 5, u" 1.23450E+02"},
      {Variant::FromCurrency(1.5), 6, u"(unknown type: 6)"},
      {Variant::FromDate(1.0), 7, u"(unknown type: 7)"},
      {Variant::FromOleStr(u"ole"), 8, u"(unknown type: 8)"},
      {Variant(true), 11, u"TRUE"},
      {Variant(false), 11, u"FALSE"},
      {Variant(int8_t{-5}), 16, u"-5"},
      {Variant(uint8_t{255}), 17, u"255"},
      {Variant(uint16_t{65535}), 18, u"65535"},
      {Variant(uint32_t{4294967295U}), 19, u"4294967295"},
      {Variant(int64_t{-9223372036854775807LL - 1}), 20, u"-9223372036854775808"},
      {Variant(uint64_t{18446744073709551615ULL}), 21, u"18446744073709551615"},
      {Variant(AnsiString("bytes")), 256, u"bytes"},
      {Variant(u"text"), 258, u"text"},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(VarType(c.v), c.code) << UnicodeToUtf8(c.text);
    EXPECT_EQ(ConvertVariant(c.v), c.text) << "type " << c.code;
  }
}

TEST(VariantDump, ArraysOfOneTwoAndThreeLevels) {
  EXPECT_EQ(ConvertVariant(VarArrayCreate(0, -1, varVariant)), u"undefined array");
  EXPECT_EQ(ConvertVariant(Ints(0, 2, 1)), u"Array[0,2]:\r\n1,2,3");
  EXPECT_EQ(ConvertVariant(Ints(0, 19, 0)), u"Array[0,19]:\r\n0,1,2,3,4,5,6,7,8,9,10,11...");

  Variant two = VarArrayCreate(1, 2, varVariant);
  two.PutElement(1, Ints(0, 2, 10));
  two.PutElement(2, Ints(0, 2, 20));
  EXPECT_EQ(ConvertVariant(two), u"Array[1,2][0,2]:\r\n10,20\r\n11,21\r\n12,22\r\n");

  Variant tall = VarArrayCreate(0, 0, varVariant);
  tall.PutElement(0, Ints(0, 11, 0));
  EXPECT_EQ(ConvertVariant(tall),
            u"Array[0,0][0,11]:\r\n0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n ......");

  Variant three = VarArrayCreate(0, 1, varVariant);
  for (int i = 0; i <= 1; ++i) {
    Variant mid = VarArrayCreate(0, 0, varVariant);
    mid.PutElement(0, Ints(0, 4, 10 * i));
    three.PutElement(i, mid);
  }
  EXPECT_EQ(ConvertVariant(three),
            u"Array[0,1][0,0][0,4]:\r\nlayer 0:\r\n0,10\r\nlayer 1:\r\n1,11\r\nlayer 2:\r\n2,12\r\n ... more "
            u"layers");

  Variant uneven = VarArrayCreate(0, 1, varVariant);
  uneven.PutElement(0, Ints(0, 2, 0));
  uneven.PutElement(1, Variant(int32_t{5}));
  EXPECT_THROW(ConvertVariant(uneven), EVariantError);  // the host's error passes through
  // Elements of a typed array are written by their own type code.
  Variant money = VarArrayCreate(0, 1, varCurrency);
  money.PutElement(1, Variant(2.5));
  EXPECT_EQ(ConvertVariant(money), u"Array[0,1]:\r\n(unknown type: 6),(unknown type: 6)");
  Variant ole = VarArrayCreate(1, 2, varOleStr);
  ole.PutElement(1, Variant(u"a"));
  EXPECT_EQ(ConvertVariant(ole), u"Array[1,2]:\r\n(unknown type: 8),(unknown type: 8)");
  // Only the first element decides the depth; a later array is a value of code 12.
  Variant mixed = VarArrayCreate(0, 1, varVariant);
  mixed.PutElement(0, Variant(int32_t{1}));
  mixed.PutElement(1, Ints(0, 0, 0));
  EXPECT_EQ(ConvertVariant(mixed), u"Array[0,1]:\r\n1,array of variant");

  Variant nested = VarArrayCreate(0, 0, varVariant);
  nested.PutElement(0, VarArrayCreate(0, 0, varVariant));
  EXPECT_EQ(ConvertVariant(nested), u"Array[0,0][0,0]:\r\n(unknown type: 0)\r\n");
}

}  // namespace
}  // namespace zub
