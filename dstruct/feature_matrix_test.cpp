#include "dstruct/feature_matrix.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dstruct/ZUB_dstruct.hpp"

namespace zub {
namespace {

// A matrix named "M" with one feature of each kind (in TFeatKind order, undefined first)
// and the given number of objects.
class FeatureMatrix : public ::testing::Test {
 protected:
  void SetUp() override {
    m.SetName(u"M");
    m.Resize(5, 3);
    for (int32_t f = 1; f <= 5; ++f) m.GetFeatProps(f)->SetFeatKind(static_cast<TFeatKind>(f - 1));
    m.SetOnChange([this](TObject*) { ++changes; });
  }
  std::string ErrorOf(const std::function<void()>& call) {
    try {
      call();
    } catch (const EZUBDStructError& e) {
      return UnicodeToUtf8(e.Message());
    }
    return "no error";
  }

  TFeatureMatrix m{nullptr};
  int changes = 0;
};

constexpr int32_t kUndef = 1, kInt = 2, kDbl = 3, kStr = 4, kTri = 5;

TEST(FeatMatProps, DefaultsAndAssign) {
  TFeatMatProps p;
  EXPECT_EQ(p.FeatNum(), 0);
  EXPECT_EQ(p.FeatName(), u"undefined");
  EXPECT_EQ(p.FeatKind(), fkUndefined);
  EXPECT_EQ(p.Comment(), u"");
  EXPECT_FALSE(p.Sorted());

  int tag = 0;
  p.SetFeatNum(7);
  p.SetFeatName(u"height");
  p.SetFeatKind(fkDouble);
  p.SetComment(u"in m");
  p.SetPresetValues(u"1;2");
  p.SetSorted(true);
  p.SetGUIElem(&tag);
  TFeatMatProps q;
  q.Assign(&p);
  EXPECT_EQ(q.FeatNum(), 7);
  EXPECT_EQ(q.FeatName(), u"height");
  EXPECT_EQ(q.FeatKind(), fkDouble);
  EXPECT_EQ(q.Comment(), u"in m");
  EXPECT_EQ(q.PresetValues(), u"1;2");
  EXPECT_TRUE(q.Sorted());
  EXPECT_EQ(q.GUIElem(), &tag);
  q.Clear();
  EXPECT_EQ(q.FeatName(), u"undefined");
  EXPECT_EQ(q.GUIElem(), nullptr);

  TComponent other(nullptr);
  EXPECT_THROW(q.Assign(&other), EConvertError);
  EXPECT_EQ(FEATKINDIDS[fkTriState], u"tristate");
}

TEST(FeatureMatrixSizes, NewFeaturesAreUndefinedAndEmpty) {
  TFeatureMatrix m(nullptr);
  m.SetName(u"M");
  m.SetNObjs(2);
  m.SetNFeats(3);
  EXPECT_EQ(m.NFeatures(), 3);
  EXPECT_EQ(m.NObjects(), 2);
  EXPECT_EQ(m.GetFeatProps(3)->FeatKind(), fkUndefined);
  try {
    m.GetFeatValStr(1, 1);
    FAIL();
  } catch (const EZUBDStructError& e) {
    EXPECT_EQ(e.Message(), u"Component \"M\": feature 1 is undefined");
  }
  // Outside the table nothing raises.
  EXPECT_EQ(m.GetFeatValStr(4, 1), u"");
  EXPECT_EQ(m.GetFeatValInt(1, 3), 0);
  EXPECT_EQ(m.GetFeatValTriState(0, 1), tsUndefined);

  // Negative counts are refused without a change; Resize reports them.
  EXPECT_THROW(m.SetNFeats(-1), EZUBDStructError);
  EXPECT_FALSE(m.Resize(2, -5));
  EXPECT_EQ(m.NFeatures(), 3);
  EXPECT_EQ(m.NObjects(), 2);

  // Shrinking keeps the values that stay.
  m.SetFeatType(0, 0, fkString);
  m.SetFeatValStr(2, 2, u"kept");
  EXPECT_TRUE(m.Resize(2, 2));
  EXPECT_EQ(m.GetFeatValStr(2, 2), u"kept");
  m.Clear();
  EXPECT_EQ(m.NFeatures(), 0);
  EXPECT_EQ(m.NObjects(), 0);
}

TEST_F(FeatureMatrix, SetFeatValStrChecksByKind) {
  struct Case {
    int32_t fix;
    UnicodeString text;
    std::string error;  // empty: stored
  };
  const std::vector<Case> cases = {
      {kUndef, u"1", R"(Component "M": feature 1 is undefined)"},
      {kUndef, u"", R"(Component "M": feature 1 is undefined)"},
      {kInt, u"", ""},
      {kInt, u"-12", ""},
      {kInt, u"+7", ""},
      {kInt, u"7", ""},
      {kInt, u"-", R"(Component "M": feature value "-" is not a valid integer number)"},
      {kInt, u" 7", R"(Component "M": feature value " 7" is not a valid integer number)"},
      {kInt, u"1.0", R"(Component "M": feature value "1.0" is not a valid integer number)"},
      {kDbl, u"2.5x", ""},  // begins with a number
      {kDbl, u"  -1E-5", ""},
      {kDbl, u"7.", ""},
      {kDbl, u"1E4200", ""},
      {kDbl, u"x2", R"(Component "M": feature value "x2" is not a valid floating point number)"},
      {kDbl, u"1E4201", R"(Component "M": feature value "1E4201" is not a valid floating point number)"},
      {kDbl, u"\t1", "Component \"M\": feature value \"\t1\" is not a valid floating point number"},
      {kDbl, u"1,5", ""},  // the number 1, then other characters
      {kDbl, u"1E", R"(Component "M": feature value "1E" is not a valid floating point number)"},
      {kStr, u"anything <&>", ""},
      {kTri, u"TRUE", ""},
      {kTri, u"False", ""},
      {kTri, u"", ""},
      {kTri, u"yes", R"(Component "M": feature value "yes" is not a valid tri-state value)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(UnicodeToUtf8(c.text));
    const int before = changes;
    EXPECT_EQ(ErrorOf([&] { m.SetFeatValStr(c.fix, 2, c.text); }), c.error.empty() ? "no error" : c.error);
    if (c.error.empty()) {
      EXPECT_EQ(m.GetFeatValStr(c.fix, 2), c.text);  // stored unchanged
      EXPECT_EQ(changes, before + 1);
    }
  }
}

TEST_F(FeatureMatrix, TypedAccessors) {
  m.SetFeatValint(kInt, 1, 5000000000);
  EXPECT_EQ(m.GetFeatValInt(kInt, 1), 5000000000);
  EXPECT_EQ(m.GetFeatValStr(kInt, 1), u"5000000000");
  m.SetFeatValint(kStr, 1, -3);
  EXPECT_EQ(m.GetFeatValStr(kStr, 1), u"-3");
  m.SetFeatValDouble(kDbl, 1, 2.5);
  EXPECT_EQ(m.GetFeatValStr(kDbl, 1), u"2.5");
  EXPECT_DOUBLE_EQ(m.GetFeatValDouble(kDbl, 1), 2.5);
  m.SetFeatValTriState(kTri, 1, tsFalse);
  EXPECT_EQ(m.GetFeatValStr(kTri, 1), u"false");
  m.SetFeatValStr(kTri, 2, u"TRUE");
  EXPECT_EQ(m.GetFeatValTriState(kTri, 2), tsTrue);
  EXPECT_EQ(m.GetFeatValTriState(kTri, 3), tsUndefined);

  // Readers check the text, not the kind.
  EXPECT_EQ(m.GetFeatValInt(kStr, 1), -3);
  EXPECT_EQ(ErrorOf([&] { m.GetFeatValInt(kInt, 3); }), R"(Component "M": feature is not an integer)");
  m.SetFeatValStr(kDbl, 2, u"2.5x");
  EXPECT_THROW(m.GetFeatValDouble(kDbl, 2), EConvertError);  // passes the scan, not the conversion
  EXPECT_EQ(ErrorOf([&] { m.GetFeatValDouble(kStr, 3); }),
            R"(Component "M": feature is not a floating point number)");
  m.SetFeatValStr(kStr, 2, u"maybe");
  EXPECT_EQ(ErrorOf([&] { m.GetFeatValTriState(kStr, 2); }),
            R"(Component "M": feature is not a tri-state value)");

  // Writers check the kind.
  EXPECT_EQ(ErrorOf([&] { m.SetFeatValint(kTri, 1, 1); }),
            R"(Component "M": feature is not of numeric or string type)");
  EXPECT_EQ(ErrorOf([&] { m.SetFeatValint(kUndef, 1, 1); }),
            R"(Component "M": feature is not of numeric or string type)");
  EXPECT_EQ(ErrorOf([&] { m.SetFeatValDouble(kInt, 1, 1); }),
            R"(Component "M": feature is not a floating point or string type)");
  EXPECT_EQ(ErrorOf([&] { m.SetFeatValTriState(kDbl, 1, tsTrue); }),
            R"(Component "M": feature is not a tri-state or string type)");
  // Out of range: nothing, no change.
  const int before = changes;
  m.SetFeatValint(kInt, 4, 1);
  m.SetFeatValStr(6, 1, u"x");
  EXPECT_EQ(changes, before);
}

TEST_F(FeatureMatrix, FillStoresIntoEveryObject) {
  struct Case {
    std::function<bool()> call;
    std::string error;
  };
  const std::vector<Case> cases = {
      {[&] { return m.Fill(kInt, UnicodeString()); },
       R"(Component "M": feature value "" is not a valid integer number)"},
      {[&] { return m.Fill(kDbl, UnicodeString()); },
       R"(Component "M": feature value "" is not a valid floating point number)"},
      {[&] { return m.Fill(kUndef, UnicodeString(u"1")); }, R"(Component "M": feature 1 is undefined)"},
      {[&] { return m.Fill(kTri, UnicodeString(u"no")); },
       R"(Component "M": feature value "no" is not a valid tri-state value)"},
      {[&] { return m.Fill(kStr, int64_t{4}); }, R"(Component "M": feature 4 is not an integer number)"},
      {[&] { return m.Fill(kStr, 1.5); }, R"(Component "M": feature 4 is not floating point number)"},
      {[&] { return m.Fill(kStr, tsTrue); }, R"(Component "M": feature 4 is not a tri-state value)"},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf([&] { c.call(); }), c.error);

  const int before = changes;
  EXPECT_TRUE(m.Fill(kTri, UnicodeString()));  // the empty text is a tri-state value
  EXPECT_TRUE(m.Fill(kInt, 42));
  EXPECT_TRUE(m.Fill(kDbl, -0.25));
  EXPECT_TRUE(m.Fill(kStr, UnicodeString(u"s")));
  EXPECT_EQ(changes, before + 4);
  for (int32_t o = 1; o <= 3; ++o) {
    EXPECT_EQ(m.GetFeatValStr(kInt, o), u"42");
    EXPECT_EQ(m.GetFeatValStr(kDbl, o), u"-0.25");
    EXPECT_EQ(m.GetFeatValStr(kStr, o), u"s");
  }
  EXPECT_FALSE(m.Fill(6, UnicodeString(u"x")));
  EXPECT_FALSE(m.Fill(0, int64_t{1}));
  EXPECT_EQ(changes, before + 4);
}

// The values of one feature over all objects.
std::vector<UnicodeString> Column(const TFeatureMatrix& m, int32_t fix) {
  std::vector<UnicodeString> values;
  for (int32_t o = 1; o <= m.NObjects(); ++o) values.push_back(m.GetFeatValStr(fix, o));
  return values;
}

TEST_F(FeatureMatrix, ObjectEditing) {
  for (int32_t o = 1; o <= 3; ++o) {
    m.SetFeatValint(kInt, o, o);
    m.SetFeatValStr(kStr, o, u"s" + IntToStr(o));
    m.SetFeatValStr(kTri, o, u"true");
  }
  m.ClearObject(2);
  EXPECT_EQ(Column(m, kInt), (std::vector<UnicodeString>{u"1", u"0", u"3"}));
  EXPECT_EQ(Column(m, kStr), (std::vector<UnicodeString>{u"s1", u"", u"s3"}));
  EXPECT_EQ(Column(m, kTri), (std::vector<UnicodeString>{u"true", u"", u"true"}));
  EXPECT_EQ(m.GetFeatValStr(kDbl, 2), u"0");

  m.InsertObject(1);
  EXPECT_EQ(m.NObjects(), 4);
  EXPECT_EQ(Column(m, kStr), (std::vector<UnicodeString>{u"", u"s1", u"", u"s3"}));
  EXPECT_EQ(m.GetFeatValStr(kInt, 1), u"0");
  m.InsertObject(5);  // no appending this way
  EXPECT_EQ(m.NObjects(), 4);

  m.CopyObject(2, 3);
  EXPECT_EQ(Column(m, kStr), (std::vector<UnicodeString>{u"", u"s1", u"s1", u"s3"}));
  m.CopyObject(2, 5);
  m.RemoveObject(1);
  EXPECT_EQ(Column(m, kStr), (std::vector<UnicodeString>{u"s1", u"s1", u"s3"}));

  const int before = changes;
  m.ResetToDefault();
  EXPECT_EQ(changes, before + 3);  // once per object
  EXPECT_EQ(Column(m, kInt), (std::vector<UnicodeString>(3, u"0")));
  EXPECT_EQ(Column(m, kStr), (std::vector<UnicodeString>(3, u"")));

  for (int i = 0; i < 3; ++i) m.RemoveObject(1);
  EXPECT_EQ(m.NObjects(), 0);
}

TEST_F(FeatureMatrix, FeatureEditingShiftsDescriptorsByCopy) {
  m.SetFeatType(0, 0, fkString);
  for (int32_t f = 1; f <= 5; ++f) {
    m.GetFeatProps(f)->SetFeatName(u"f" + IntToStr(f));
    m.SetFeatValStr(f, 1, u"v" + IntToStr(f));
  }
  TFeatMatProps* second = m.GetFeatProps(2);
  m.InsertFeature(2);
  EXPECT_EQ(m.NFeatures(), 6);
  EXPECT_EQ(m.GetFeatProps(2), second);  // the same object, cleared
  EXPECT_EQ(second->FeatName(), u"undefined");
  EXPECT_EQ(m.GetFeatProps(3)->FeatName(), u"f2");
  EXPECT_EQ(m.GetFeatProps(6)->FeatName(), u"f5");
  EXPECT_EQ(m.GetFeatProps(3)->FeatKind(), fkString);
  m.SetFeatType(2, 2, fkString);
  EXPECT_EQ(m.GetFeatValStr(2, 1), u"");
  EXPECT_EQ(m.GetFeatValStr(3, 1), u"v2");

  m.InsertFeature(7);  // appending is allowed
  EXPECT_EQ(m.NFeatures(), 7);
  EXPECT_EQ(m.GetFeatProps(7)->FeatName(), u"undefined");
  m.InsertFeature(9);
  EXPECT_EQ(m.NFeatures(), 7);

  m.RemoveFeature(1);
  EXPECT_EQ(m.NFeatures(), 6);
  EXPECT_EQ(m.GetFeatProps(2), second);  // the objects stay; their contents move
  EXPECT_EQ(second->FeatName(), u"f2");
  EXPECT_EQ(m.GetFeatValStr(2, 1), u"v2");

  m.SetFeatType(2, 2, fkInteger);
  m.ClearFeature(2);
  EXPECT_EQ(Column(m, 2), (std::vector<UnicodeString>(3, u"0")));
}

TEST_F(FeatureMatrix, DescriptorOwnership) {
  // Outside the features a default descriptor comes back that the matrix keeps.
  TFeatMatProps* spare = m.GetFeatProps(0);
  EXPECT_EQ(spare->FeatName(), u"undefined");
  spare->SetFeatName(u"scribbled");
  EXPECT_EQ(m.GetFeatProps(99)->FeatName(), u"undefined");
  const TFeatureMatrix& cm = m;
  EXPECT_EQ(cm.GetFeatProps(-1)->FeatName(), u"undefined");

  auto given = std::make_unique<TFeatMatProps>();
  given->SetFeatName(u"given");
  TFeatMatProps* raw = given.get();
  const int before = changes;
  m.SetFeatProps(2, std::move(given));
  EXPECT_EQ(m.GetFeatProps(2), raw);
  EXPECT_EQ(changes, before + 1);
  m.SetFeatProps(6, std::make_unique<TFeatMatProps>());
  m.SetFeatProps(1, nullptr);
  EXPECT_EQ(changes, before + 1);
  EXPECT_NE(m.GetFeatProps(1), nullptr);
}

TEST_F(FeatureMatrix, RangesAndSearches) {
  struct Case {
    int32_t from, to;
    std::vector<int32_t> numbers;  // after RenumberFeatures(from, to, 10, 5) on all -1
  };
  const std::vector<Case> cases = {
      {0, 0, {10, 15, 20, 25, 30}},  {4, 2, {-1, 10, 15, 20, -1}}, {-3, 1, {10, -1, -1, -1, -1}},
      {4, 99, {-1, -1, -1, 10, 15}}, {0, 2, {10, 15, -1, -1, -1}},
  };
  for (const Case& c : cases) {
    m.RenumberFeatures(0, 0, -1, 0);
    m.RenumberFeatures(c.from, c.to, 10, 5);
    std::vector<int32_t> numbers;
    for (int32_t f = 1; f <= 5; ++f) numbers.push_back(m.GetFeatProps(f)->FeatNum());
    EXPECT_EQ(numbers, c.numbers) << c.from << ".." << c.to;
  }
  m.RenumberFeatures(1, 2, INT32_MAX, 1);  // wraps as 32-bit arithmetic
  EXPECT_EQ(m.GetFeatProps(2)->FeatNum(), INT32_MIN);

  const int before = changes;
  m.SetFeatType(2, 3, fkString);
  EXPECT_EQ(m.GetFeatProps(2)->FeatKind(), fkString);
  EXPECT_EQ(m.GetFeatProps(4)->FeatKind(), fkString);
  EXPECT_EQ(m.GetFeatProps(1)->FeatKind(), fkUndefined);
  EXPECT_EQ(changes, before);

  m.GetFeatProps(3)->SetFeatName(u"Height");
  m.GetFeatProps(5)->SetFeatName(u"height");
  EXPECT_EQ(m.FindFeatName(u"HEIGHT"), 3);
  EXPECT_EQ(m.FindFeatName(u"width"), -1);
  EXPECT_EQ(m.FindFeatNum(INT32_MIN), 2);
  EXPECT_EQ(m.FindFeatNum(12345), -1);
}

TEST_F(FeatureMatrix, GenerateFeatNames) {
  m.SetNFeats(4);
  struct Case {
    UnicodeString tmpl;
    int32_t from, to, first, delta;
    int32_t result;
    std::vector<UnicodeString> names;  // of features 1..4 afterwards (before: a, b, c, d)
  };
  const std::vector<Case> cases = {
      {u"F<%D-3%>", 0, 0, 1, 1, 0, {u"F001", u"F002", u"F003", u"F004"}},
      {u"<%I%>_<%H2%>", 0, 0, 255, 1, 0, {u"1_FF", u"2_00", u"3_01", u"4_02"}},
      {u"<%d 4%>|<%i-2%>", 3, 2, 12345, -12346, 0, {u"a", u"2345|02", u"  -1|03", u"d"}},
      {u"<%D+2%> <%D-2%>", 1, 1, -7, 0, 0, {u"-7 -07", u"b", u"c", u"d"}},
      {u"<%H%> <%h20%>", 1, 1, -1, 0, 0, {u"F 00000000FFFFFFFF", u"b", u"c", u"d"}},
      {u"x<%Q%>", 0, 0, 1, 1, -2, {u"a", u"b", u"c", u"d"}},
      {u"%>x<%D%>", 0, 0, 1, 1, -2, {u"a", u"b", u"c", u"d"}},
      {u"<%D", 0, 0, 1, 1, -2, {u"a", u"b", u"c", u"d"}},
      {u"<%>", 0, 0, 1, 1, -2, {u"a", u"b", u"c", u"d"}},
      {u"<%Dx%>", 0, 0, 1, 1, -2, {u"a", u"b", u"c", u"d"}},
      {u"<%D2147483647%>", 0, 0, 1, 1, -2, {u"a", u"b", u"c", u"d"}},
      {u"plain", 0, 2, 1, 1, -1, {u"a", u"b", u"c", u"d"}},
      {u"plain", 1, 5, 1, 1, -1, {u"a", u"b", u"c", u"d"}},
      {u"plain", 4, 4, 1, 1, 0, {u"a", u"b", u"c", u"plain"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(UnicodeToUtf8(c.tmpl));
    for (int32_t f = 1; f <= 4; ++f)
      m.GetFeatProps(f)->SetFeatName(UnicodeString(1, static_cast<Char>(u'a' + f - 1)));
    EXPECT_EQ(m.GenerateFeatNames(c.tmpl, c.from, c.to, c.first, c.delta), c.result);
    std::vector<UnicodeString> names;
    for (int32_t f = 1; f <= 4; ++f) names.push_back(m.GetFeatProps(f)->FeatName());
    EXPECT_EQ(names, c.names);
  }
  // The date and time of the call, formatted.
  ASSERT_EQ(m.GenerateFeatNames(u"y<%Tyyyy%>", 1, 1, 0, 0), 0);
  EXPECT_EQ(m.GetFeatProps(1)->FeatName(), u"y" + FormatDateTime(u"yyyy", Now()));
}

TEST_F(FeatureMatrix, AssignCopiesEverything) {
  m.SetFeatValint(kInt, 3, 9);
  m.GetFeatProps(kInt)->SetComment(u"c");
  TFeatureMatrix copy(nullptr);
  copy.SetNFeats(8);
  copy.Assign(&m);
  EXPECT_EQ(copy.NFeatures(), 5);
  EXPECT_EQ(copy.NObjects(), 3);
  EXPECT_EQ(copy.GetFeatValInt(kInt, 3), 9);
  EXPECT_EQ(copy.GetFeatProps(kInt)->Comment(), u"c");
  EXPECT_NE(copy.GetFeatProps(kInt), m.GetFeatProps(kInt));
  const int before = changes;
  copy.Changed();  // the handler came along
  EXPECT_EQ(changes, before + 1);

  TStringList other;
  EXPECT_THROW(copy.Assign(&other), EConvertError);
}

}  // namespace
}  // namespace zub
