#include "strings/variant_dump.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

Variant Ints(int32_t lo, int32_t hi, int32_t base) {
  Variant a = VarArrayCreate(lo, hi, varVariant);
  for (int32_t i = lo; i <= hi; ++i) a.PutElement(i, Variant(int32_t{base + i}));
  return a;
}

TEST(VariantDump, ScalarsByTypeCode) {
  struct Case {
    Variant v;
    std::u16string_view text;
  };
  const Case cases[] = {
      {Variant(int32_t{42}), u"42"},
      {Variant::Null(), u"NULL"},
      {Variant(), u"(unknown type: 0)"},
      {Variant::FromDate(1.0), u"(unknown type: 7)"},
      {Variant::FromCurrency(1.5), u"(unknown type: 6)"},
      {Variant(123.45), u" 1.23450E+02"},
      {Variant(-2.0f), u"-2.00000E+00"},
      {Variant(true), u"TRUE"},
      {Variant(uint64_t{18446744073709551615ULL}), u"18446744073709551615"},
      {Variant(int8_t{-5}), u"-5"},
      {Variant(u"text"), u"text"},
      {Variant(AnsiString("bytes")), u"bytes"},
  };
  for (const auto& c : cases) EXPECT_EQ(ConvertVariant(c.v), c.text) << UnicodeToUtf8(c.text);
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
  Variant nested = VarArrayCreate(0, 0, varVariant);
  nested.PutElement(0, VarArrayCreate(0, 0, varVariant));
  EXPECT_EQ(ConvertVariant(nested), u"Array[0,0][0,0]:\r\n(unknown type: 0)\r\n");
}

}  // namespace
}  // namespace zub
