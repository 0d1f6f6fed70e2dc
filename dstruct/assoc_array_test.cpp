#include "dstruct/assoc_array.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace zub {
namespace {

std::vector<UnicodeString> KeysOf(const TAssocArray& a) {
  std::vector<UnicodeString> keys;
  for (int32_t i = 1; i <= a.NumEntries(); ++i) keys.push_back(a.GetKeys(i));
  return keys;
}

TEST(AssocArray, NewArrayIsEmptyWithItsDefaults) {
  TAssocArray a(nullptr);
  EXPECT_EQ(a.ClassName(), u"TAssocArray");
  EXPECT_EQ(a.NumEntries(), 0);
  EXPECT_EQ(a.Capacity(), 1024);
  EXPECT_EQ(a.Granularity(), 1024);
  EXPECT_TRUE(a.IgnoreCase());
  EXPECT_EQ(a.DataID(), u"");
}

TEST(AssocArray, IgnoreCaseStoresTheLowerCaseKey) {
  TAssocArray a(nullptr);
  a.Add(u"Colour", Variant(int32_t{1}));
  EXPECT_EQ(a.Resolve(u"COLOUR").AsInt32(), 1);
  EXPECT_EQ(a.GetKeys(1), u"colour");

  // An existing key gets the new value; count and stored key stay.
  a.Add(u"cOLOUR", Variant(u"red"));
  EXPECT_EQ(a.NumEntries(), 1);
  EXPECT_EQ(a.GetKeys(1), u"colour");
  EXPECT_EQ(a.ResolveAsString(u"colour"), u"red");

  // Only A..Z fold.
  a.Add(u"\u00C4rger", Variant(int32_t{2}));
  a.Add(u"\u00E4rger", Variant(int32_t{3}));
  EXPECT_EQ(a.NumEntries(), 3);
  EXPECT_EQ(a.GetKeys(2), u"\u00C4rger");
}

TEST(AssocArray, CaseSensitiveKeysAreDistinct) {
  TAssocArray a(nullptr);
  a.SetIgnoreCase(false);
  a.Add(u"Colour", Variant(int32_t{1}));
  a.Add(u"colour", Variant(int32_t{2}));
  EXPECT_EQ(KeysOf(a), (std::vector<UnicodeString>{u"Colour", u"colour"}));
  EXPECT_EQ(a.ResolveAsInt(u"Colour"), 1);
  EXPECT_EQ(a.ResolveAsInt(u"colour"), 2);
  EXPECT_TRUE(a.Resolve(u"COLOUR").IsNull());
}

TEST(AssocArray, AbsentKeysNullValuesAndIndicesOutOfRange) {
  TAssocArray a(nullptr);
  a.Add(u"nothing", Variant::Null());
  a.Add(u"one", Variant(int32_t{1}));
  for (const UnicodeString key : {u"missing", u"nothing"}) {
    EXPECT_TRUE(a.Resolve(key).IsNull()) << UnicodeToUtf8(key);
    EXPECT_EQ(a.ResolveAsString(key), u"") << UnicodeToUtf8(key);
    EXPECT_EQ(a.ResolveAsNumber(key), 0) << UnicodeToUtf8(key);
    EXPECT_EQ(a.ResolveAsInt(key), 0) << UnicodeToUtf8(key);
  }
  EXPECT_FALSE(a.Remove(u"missing"));

  for (const int32_t ix : {-1, 0, 3, 1025}) {
    EXPECT_EQ(a.GetKeys(ix), u"") << ix;
    const Variant v = a.GetValues(ix);
    EXPECT_EQ(VarType(v), varUString) << ix;
    EXPECT_EQ(v.AsString(), u"") << ix;
    a.SetKeys(ix, u"x");
    a.SetValues(ix, Variant(int32_t{9}));
  }
  EXPECT_EQ(KeysOf(a), (std::vector<UnicodeString>{u"nothing", u"one"}));
  EXPECT_EQ(a.ResolveAsInt(u"one"), 1);
  EXPECT_TRUE(a.GetValues(1).IsNull());
}

// Every numeric and string type code, through Add, Resolve and the typed lookups.
TEST(AssocArray, TypedLookupsByVariantType) {
  struct Case {
    Variant value;
    TVarType type;
    UnicodeString text;
    double number;
    int32_t integer;
  };
  const Case cases[] = {
      {Variant(int16_t{-300}), 2, u"-300", -300, -300},
      {Variant(int32_t{70000}), 3, u"70000", 70000, 70000},
      {Variant(2.5f), 4, u"2.5", 2.5, 2},
      {Variant(3.5), 5, u"3.5", 3.5, 4},
      {Variant(-2.5), 5, u"-2.5", -2.5, -2},
      {Variant::FromCurrency(12.3456), 6, u"12.3456", 12.3456, 0},
      {Variant::FromCurrencyUnits(-15000), 6, u"-1.5", -1.5, 0},
      // OLE strings are not among the string types the lookups read.
      {Variant::FromOleStr(u"42.5"), 8, u"42.5", 0, 0},
      {Variant(int8_t{-8}), 16, u"-8", -8, -8},
      {Variant(uint8_t{200}), 17, u"200", 200, 200},
      {Variant(uint16_t{60000}), 18, u"60000", 60000, 60000},
      {Variant(uint32_t{2147483647}), 19, u"2147483647", 2147483647.0, 2147483647},
      {Variant(int64_t{-5000000}), 20, u"-5000000", -5000000, -5000000},
      {Variant(AnsiString("3,5 kg")), 256, u"3,5 kg", 3.5, 3},
      {Variant(u"-12.7"), 258, u"-12.7", -12.7, -12},
      // Types outside the lists give 0 as numbers.
      {Variant(true), 11, u"True", 0, 0},
      {Variant::FromDate(2.0), 7, Variant::FromDate(2.0).AsString(), 0, 0},
      {Variant(uint64_t{7}), 21, u"7", 0, 0},
      {Variant(), 0, u"", 0, 0},
  };
  TAssocArray a(nullptr);
  int32_t n = 0;
  for (const auto& c : cases) {
    const UnicodeString key = u"k" + IntToStr(++n);
    a.Add(key, c.value);
    const Variant back = a.Resolve(key);
    EXPECT_EQ(VarType(back), c.type) << n;
    EXPECT_EQ(VarType(a.GetValues(n)), c.type) << n;
    EXPECT_EQ(a.ResolveAsString(key), c.text) << n;
    EXPECT_DOUBLE_EQ(a.ResolveAsNumber(key), c.number) << n;
    EXPECT_EQ(a.ResolveAsInt(key), c.integer) << n;
  }
}

TEST(AssocArray, ResolveAsNumberReadsTheNumberAtTheStartOfAText) {
  struct Case {
    UnicodeString text;
    double number;
  };
  const Case cases[] = {
      {u"3,5 kg", 3.5},
      {u"1E999", 1.7e308},
      {u"-1e999", -1.7e308},
      {u"abc", 0},
      {u"   2.5", 2.5},
      {u"\t2.5", 0},
      {u"2.5\t", 2.5},
      {u"", 0},
      {u"+7", 7},
      {u"-", 0},
      {u"1.5e3x", 1500},
      {u"12 34", 12},
      {u"6.25E-2 m", 0.0625},
      {u"1e5", 1e5},
      {u"0,125", 0.125},
  };
  TAssocArray a(nullptr);
  for (const auto& c : cases) {
    a.Add(u"v", Variant(c.text));
    EXPECT_DOUBLE_EQ(a.ResolveAsNumber(u"v"), c.number) << UnicodeToUtf8(c.text);
    a.Add(u"v", Variant(UnicodeToAnsi(c.text)));
    EXPECT_DOUBLE_EQ(a.ResolveAsNumber(u"v"), c.number) << UnicodeToUtf8(c.text);
  }
}

TEST(AssocArray, ResolveAsIntReadsAnIntegerPrefix) {
  struct Case {
    UnicodeString text;
    int32_t integer;
  };
  const Case cases[] = {
      {u"-12.7", -12},
      {u"  +42abc", 42},
      {u"abc", 0},
      {u"", 0},
      {u"- 5", 0},
      {u"\t5", 0},
      {u"007", 7},
      {u"1e5", 1},
      {u"99999999999", 2147483647},
      {u"-2147483648", INT32_MIN},
      {u"-99999999999", INT32_MIN},
  };
  TAssocArray a(nullptr);
  for (const auto& c : cases) {
    a.Add(u"v", Variant(c.text));
    EXPECT_EQ(a.ResolveAsInt(u"v"), c.integer) << UnicodeToUtf8(c.text);
  }
  // Floats beyond 32 bits do not fit the integer conversion.
  a.Add(u"big", Variant(1e10));
  EXPECT_THROW(a.ResolveAsInt(u"big"), EVariantOverflowError);
}

TEST(AssocArray, RemoveMovesTheLastEntryIntoTheGap) {
  TAssocArray a(nullptr);
  for (const UnicodeString key : {u"a", u"b", u"c", u"d"}) a.Add(key, Variant(key));
  EXPECT_TRUE(a.Remove(u"A"));
  EXPECT_EQ(KeysOf(a), (std::vector<UnicodeString>{u"d", u"b", u"c"}));
  EXPECT_TRUE(a.Remove(u"c"));  // the last: nothing moves
  EXPECT_EQ(KeysOf(a), (std::vector<UnicodeString>{u"d", u"b"}));
  EXPECT_FALSE(a.Remove(u"c"));
  EXPECT_EQ(a.ResolveAsString(u"d"), u"d");
  EXPECT_EQ(a.GetValues(1).AsString(), u"d");
  EXPECT_EQ(a.Capacity(), 1024);
  a.Add(u"e", Variant(u"e"));
  EXPECT_EQ(KeysOf(a), (std::vector<UnicodeString>{u"d", u"b", u"e"}));
}

TEST(AssocArray, ArraysGrowByGranularity) {
  TAssocArray a(nullptr);
  for (int32_t i = 1; i <= 1024; ++i) a.Add(IntToStr(i), Variant(i));
  EXPECT_EQ(a.Capacity(), 1024);
  a.Add(u"1025", Variant(int32_t{1025}));
  EXPECT_EQ(a.Capacity(), 2049);
  EXPECT_EQ(a.NumEntries(), 1025);
  EXPECT_EQ(a.ResolveAsInt(u"1"), 1);
  EXPECT_EQ(a.ResolveAsInt(u"1025"), 1025);

  a.SetGranularity(-5);  // taken as 0: one more slot per new entry
  EXPECT_EQ(a.Granularity(), 0);
  a.Clear();
  EXPECT_EQ(a.Capacity(), 0);
  a.Add(u"x", Variant(int32_t{1}));
  a.Add(u"y", Variant(int32_t{2}));
  EXPECT_EQ(a.Capacity(), 2);
}

TEST(AssocArray, ClearKeepsThePropertiesAndTakesNewKeys) {
  TAssocArray a(nullptr);
  a.SetGranularity(8);
  a.SetIgnoreCase(false);
  a.SetDataID(u"settings");
  for (int32_t i = 0; i < 20; ++i) a.Add(u"K" + IntToStr(i), Variant(i));
  a.Clear();
  EXPECT_EQ(a.NumEntries(), 0);
  EXPECT_EQ(a.Capacity(), 8);
  EXPECT_FALSE(a.IgnoreCase());
  EXPECT_EQ(a.Granularity(), 8);
  EXPECT_EQ(a.DataID(), u"settings");
  EXPECT_TRUE(a.Resolve(u"K3").IsNull());
  a.Add(u"K3", Variant(int32_t{33}));
  EXPECT_EQ(a.NumEntries(), 1);
  EXPECT_EQ(a.ResolveAsInt(u"K3"), 33);
}

TEST(AssocArray, AssignCopiesTheLiveEntriesAndProperties) {
  TAssocArray src(nullptr);
  src.SetGranularity(16);
  src.SetIgnoreCase(false);
  src.SetDataID(u"id");
  src.Add(u"A", Variant(int32_t{1}));
  src.Add(u"b", Variant(u"two"));
  src.Add(u"C", Variant(3.0));
  src.Remove(u"A");

  TAssocArray dst(nullptr);
  dst.Add(u"old", Variant(int32_t{0}));
  dst.Assign(&src);
  EXPECT_EQ(dst.NumEntries(), 2);
  EXPECT_EQ(dst.Capacity(), 2);
  EXPECT_EQ(dst.Granularity(), 16);
  EXPECT_FALSE(dst.IgnoreCase());
  EXPECT_EQ(dst.DataID(), u"id");
  EXPECT_EQ(KeysOf(dst), (std::vector<UnicodeString>{u"C", u"b"}));
  EXPECT_TRUE(dst.Resolve(u"old").IsNull());
  EXPECT_TRUE(dst.Resolve(u"c").IsNull());
  EXPECT_EQ(dst.ResolveAsNumber(u"C"), 3.0);

  // The copy is independent, and grows from its exact length.
  dst.SetValues(2, Variant(u"changed"));
  dst.Add(u"d", Variant(int32_t{4}));
  EXPECT_EQ(dst.Capacity(), 3 + 16);
  EXPECT_EQ(src.ResolveAsString(u"b"), u"two");
  EXPECT_EQ(src.NumEntries(), 2);

  TComponent plain(nullptr);
  EXPECT_THROW(dst.Assign(&plain), EConvertError);
  EXPECT_THROW(plain.Assign(&dst), EConvertError);  // through AssignTo
  EXPECT_THROW(dst.Assign(nullptr), EConvertError);
}

// SetKeys and IgnoreCase can leave keys that match more than one entry; the first one is
// the match.
TEST(AssocArray, RepeatedKeysResolveToTheFirstEntry) {
  TAssocArray a(nullptr);
  a.Add(u"a", Variant(int32_t{1}));
  a.Add(u"b", Variant(int32_t{2}));
  a.Add(u"c", Variant(int32_t{3}));
  a.SetKeys(3, u"B");  // stored unchanged, and matched case-insensitively
  EXPECT_EQ(a.GetKeys(3), u"B");
  EXPECT_EQ(a.ResolveAsInt(u"b"), 2);
  EXPECT_TRUE(a.Resolve(u"c").IsNull());
  EXPECT_TRUE(a.Remove(u"B"));  // entry 2; entry 3 moves there
  EXPECT_EQ(KeysOf(a), (std::vector<UnicodeString>{u"a", u"B"}));
  EXPECT_EQ(a.ResolveAsInt(u"b"), 3);

  TAssocArray s(nullptr);
  s.SetIgnoreCase(false);
  s.Add(u"X", Variant(int32_t{1}));
  s.Add(u"x", Variant(int32_t{2}));
  s.SetIgnoreCase(true);
  EXPECT_EQ(s.ResolveAsInt(u"x"), 1);
  s.Add(u"x", Variant(int32_t{10}));  // replaces the first
  EXPECT_EQ(s.GetValues(1).AsInt32(), 10);
  EXPECT_EQ(s.GetValues(2).AsInt32(), 2);
  s.SetIgnoreCase(false);
  EXPECT_EQ(s.ResolveAsInt(u"x"), 2);
}

// The entries and lookups of the array against a plain scan of the same operations, over
// a long pseudo-random run of every operation that touches keys.
TEST(AssocArray, LookupsAgreeWithAScanOfTheEntries) {
  struct Model {
    std::vector<UnicodeString> keys;
    std::vector<int32_t> values;
    bool ignoreCase = true;
    static UnicodeString Fold(UnicodeString s) {
      for (auto& c : s)
        if (c >= u'A' && c <= u'Z') c = static_cast<Char>(c + 32);
      return s;
    }
    int Find(const UnicodeString& key) const {
      for (size_t i = 0; i < keys.size(); ++i)
        if (ignoreCase ? Fold(keys[i]) == Fold(key) : keys[i] == key) return static_cast<int>(i);
      return -1;
    }
  } model;

  TAssocArray a(nullptr);
  a.SetGranularity(3);
  const UnicodeString names[] = {u"a", u"A", u"b", u"B", u"ab", u"Ab", u"aB", u"c", u"zz", u"Zz"};
  uint32_t seed = 12345;
  auto next = [&seed](uint32_t n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  for (int32_t step = 0; step < 20000; ++step) {
    const UnicodeString& key = names[next(10)];
    const uint32_t op = next(100);
    if (op < 40) {
      const int32_t value = step;
      a.Add(key, Variant(value));
      const int i = model.Find(key);
      if (i >= 0) {
        model.values[static_cast<size_t>(i)] = value;
      } else {
        model.keys.push_back(model.ignoreCase ? Model::Fold(key) : key);
        model.values.push_back(value);
      }
    } else if (op < 70) {
      const int i = model.Find(key);
      ASSERT_EQ(a.Remove(key), i >= 0) << step;
      if (i >= 0) {
        model.keys[static_cast<size_t>(i)] = model.keys.back();
        model.values[static_cast<size_t>(i)] = model.values.back();
        model.keys.pop_back();
        model.values.pop_back();
      }
    } else if (op < 88) {
      const int32_t ix = static_cast<int32_t>(next(static_cast<uint32_t>(model.keys.size()) + 2));
      a.SetKeys(ix, key);
      if (ix >= 1 && ix <= static_cast<int32_t>(model.keys.size()))
        model.keys[static_cast<size_t>(ix) - 1] = key;
    } else if (op < 97) {
      model.ignoreCase = !model.ignoreCase;
      a.SetIgnoreCase(model.ignoreCase);
    } else {
      a.Clear();
      model.keys.clear();
      model.values.clear();
    }
    ASSERT_EQ(KeysOf(a), model.keys) << step;
    for (const UnicodeString& probe : names) {
      const int i = model.Find(probe);
      ASSERT_EQ(a.ResolveAsInt(probe), i < 0 ? 0 : model.values[static_cast<size_t>(i)]) << step;
      ASSERT_EQ(a.Resolve(probe).IsNull(), i < 0) << step;
    }
  }
}

}  // namespace
}  // namespace zub
