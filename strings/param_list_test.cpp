#include "strings/param_list.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(ParamList, LayoutOfEveryOverload) {
  struct Case {
    UnicodeString text, expected;
  };
  const TIntArray ints = {1, 2, 3};
  const TBoolArray flags = {true, false};
  const TDoubleArray none;
  const Case cases[] = {
      {CreateParList(ints, false, 0, true), u"[1,2,3]"},
      {CreateParList(ints, false, 0, false), u"1,2,3"},
      {CreateParList(ints, false, 2, true), u"[1,2,...]"},
      {CreateParList(ints, false, 2, false), u"1,2,..."},
      {CreateParList(ints, true, 2, false), u"1,2,...,"},
      {CreateParList(ints, false, -1, true), u"[1,2,3]"},
      {CreateParList(ints, false, 3, true), u"[1,2,3]"},
      {CreateParList(ints, false, 9, false), u"1,2,3"},
      {CreateParList(TIntArray{}, false, 0, true), u"[]"},
      {CreateParList(TIntArray{}, false, 0, false), u""},
      {CreateParList(TIntArray{}, true, 0, false), u","},
      {CreateParList({-7}, true, 0, true), u"[-7],"},
      {CreateParList({true, false}, false, 0, false), u"TRUE,FALSE"},
      {CreateParList(flags, false, 1, true), u"[TRUE,...]"},
      {CreateParList({0x000000FFu, 0x0000FF00u}, false, 0, true, false), u"[000000FF,0000FF00]"},
      {CreateParList({0x000000FFu, 0x00123456u}, false, 0, false, true), u"Red,$00123456"},
      {CreateParList({1.5, 2.25}, false, 0, 4, false), u"1.500,2.250"},
      {CreateParList(none, false, 0, 4, true), u"[]"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, c.expected);
}

}  // namespace
}  // namespace zub
