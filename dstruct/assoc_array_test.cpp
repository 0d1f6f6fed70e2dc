#include "dstruct/assoc_array.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "dstruct/ZUB_dstruct.hpp"

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

// Same entries in the same order, each with the same type and value (floats bit for bit).
void ExpectSameEntries(const TAssocArray& a, const TAssocArray& b) {
  ASSERT_EQ(a.NumEntries(), b.NumEntries());
  for (int32_t i = 1; i <= a.NumEntries(); ++i) {
    EXPECT_EQ(a.GetKeys(i), b.GetKeys(i)) << i;
    const Variant va = a.GetValues(i), vb = b.GetValues(i);
    ASSERT_EQ(VarType(va), VarType(vb)) << i;
    switch (VarType(va)) {
      case varEmpty:
      case varNull:
        break;
      case varSingle:
      case varDouble:
      case varDate: {
        const double da = va.AsDouble(), db = vb.AsDouble();
        EXPECT_EQ(std::memcmp(&da, &db, sizeof da), 0) << i;
        break;
      }
      case varString:
        EXPECT_EQ(va.AsAnsiString(), vb.AsAnsiString()) << i;
        break;
      case varCurrency:
        EXPECT_EQ(va.AsCurrencyUnits(), vb.AsCurrencyUnits()) << i;
        break;
      default:
        EXPECT_EQ(va.AsString(), vb.AsString()) << i;
    }
  }
}

UnicodeString Written(const TAssocArray& a, bool header, const UnicodeString& id) {
  TStringStream s;
  a.WriteToXMLStream(s, header, id);
  return s.DataString();
}

// One entry of every type the array writes, with the values at their edges.
void FillEveryType(TAssocArray& a) {
  AnsiString bytes;
  for (int c = 128; c < 256; ++c) bytes += static_cast<char>(c);
  a.Add(u"empty", Variant());
  a.Add(u"null", Variant::Null());
  a.Add(u"smallint", Variant(int16_t{-32768}));
  a.Add(u"integer", Variant(int32_t{2147483647}));
  a.Add(u"single", Variant(0.1f));
  a.Add(u"double", Variant(-1.0 / 3.0));
  a.Add(u"tiny", Variant(5e-324));
  a.Add(u"infinite", Variant(std::numeric_limits<double>::infinity()));
  a.Add(u"currency", Variant::FromCurrencyUnits(INT64_MIN));
  a.Add(u"currency2", Variant::FromCurrency(-0.0005));
  a.Add(u"date", Variant::FromDate(45000.75));
  a.Add(u"ole", Variant::FromOleStr(u"a \"quoted\" <tag> & more"));
  a.Add(u"boolean", Variant(true));
  a.Add(u"shortint", Variant(int8_t{-128}));
  a.Add(u"byte", Variant(uint8_t{255}));
  a.Add(u"word", Variant(uint16_t{65535}));
  a.Add(u"longword", Variant(uint32_t{4294967295u}));
  a.Add(u"int64", Variant(int64_t{INT64_MIN}));
  a.Add(u"uint64", Variant(uint64_t{18446744073709551615ull}));
  a.Add(u"ansi", Variant(bytes));
  UnicodeString wide = u"</entry> \"x\"='y' &amp; \r\n\t\u00E9\u20AC\xD800 ";
  for (Char c = 128; c < 256; ++c) wide += c;
  a.Add(u"unicode", Variant(wide));
  a.Add(u"", Variant(u""));
  a.SetKeys(a.NumEntries(), u"Key <&> \"\u00FF\"");
}

TEST(AssocArrayXML, RoundTripsEveryTypeAndText) {
  TAssocArray a(nullptr);
  FillEveryType(a);
  for (const bool header : {true, false}) {
    const UnicodeString text = Written(a, header, u"Settings.v1");
    EXPECT_EQ(text.rfind(u"<?xml", 0) == 0, header);
    for (Char c : text) EXPECT_LT(c, 128) << "the file is plain ASCII";
    TAssocArray b(nullptr);
    b.Add(u"old", Variant(int32_t{1}));
    TStringStream s(UnicodeToAnsi(text));
    ASSERT_TRUE(b.ReadFromXMLStream(s, u"SETTINGS.V1"));
    ExpectSameEntries(a, b);
    EXPECT_EQ(b.DataID(), u"SETTINGS.V1");
    EXPECT_EQ(b.Resolve(u"old").IsNull(), true);
    EXPECT_EQ(b.ResolveAsString(u"ole"), u"a \"quoted\" <tag> & more");
  }
}

TEST(AssocArrayXML, KeepsCaseSensitiveKeysAndFindsItsElement) {
  TAssocArray a(nullptr);
  a.SetIgnoreCase(false);
  a.Add(u"A", Variant(int32_t{1}));
  a.Add(u"a", Variant(int32_t{2}));
  TAssocArray other(nullptr);
  other.Add(u"x", Variant(u"other"));

  // Two elements in a row: each is found by its name, and a read stops after its own.
  TStringStream s;
  other.WriteToXMLStream(s, true, u"first");
  a.WriteToXMLStream(s, false, u"second");
  other.WriteToXMLStream(s, false, u"second");
  s.SetPosition(0);
  TAssocArray b(nullptr);
  ASSERT_TRUE(b.ReadFromXMLStream(s, u"second"));
  EXPECT_FALSE(b.IgnoreCase());
  ExpectSameEntries(a, b);
  ASSERT_TRUE(b.ReadFromXMLStream(s, u"second"));
  ExpectSameEntries(other, b);
  EXPECT_TRUE(b.IgnoreCase());
  EXPECT_FALSE(b.ReadFromXMLStream(s, u"second"));

  // An empty array.
  TAssocArray empty(nullptr), c(nullptr);
  c.Add(u"k", Variant(int32_t{1}));
  TStringStream e;
  empty.WriteToXMLStream(e, false, u"e");
  e.SetPosition(0);
  ASSERT_TRUE(c.ReadFromXMLStream(e, u"e"));
  EXPECT_EQ(c.NumEntries(), 0);
  c.Add(u"k", Variant(int32_t{2}));
  EXPECT_EQ(c.ResolveAsInt(u"k"), 2);
}

TEST(AssocArrayXML, CutOffFilesAreRejectedAtEveryLength) {
  TAssocArray a(nullptr);
  FillEveryType(a);
  const AnsiString full = UnicodeToAnsi(Written(a, true, u"cfg"));
  // Without the final line end the file is still whole; every shorter cut is not.
  const size_t whole = full.size() - 2;
  for (size_t n = 0; n < whole; ++n) {
    TAssocArray b(nullptr);
    b.Add(u"kept", Variant(int32_t{7}));
    TStringStream s(full.substr(0, n));
    ASSERT_FALSE(b.ReadFromXMLStream(s, u"cfg")) << n;
    ASSERT_EQ(b.NumEntries(), 1) << n;
    ASSERT_EQ(b.ResolveAsInt(u"kept"), 7) << n;
  }
  TStringStream s(full.substr(0, whole));
  TAssocArray b(nullptr);
  EXPECT_TRUE(b.ReadFromXMLStream(s, u"cfg"));
}

TEST(AssocArrayXML, MalformedElementsAreRejected) {
  const char* const props = "<assocarray ignorecase=\"true\" entries=\"1\"/>";
  const std::string good = std::string("<d>") + props + "<entry key=\"k\" type=\"3\">5</entry></d>";
  {
    TStringStream s(good);
    TAssocArray a(nullptr);
    ASSERT_TRUE(a.ReadFromXMLStream(s, u"d"));
    EXPECT_EQ(a.ResolveAsInt(u"k"), 5);
  }
  const std::string bad[] = {
      "<other>" + std::string(props) + "<entry key=\"k\" type=\"3\">5</entry></other>",
      "<d><entry key=\"k\" type=\"3\">5</entry></d>",  // no assocarray line
      std::string("<d>") + props + props + "<entry key=\"k\" type=\"3\">5</entry></d>",
      std::string("<d>") + props +
          "<entry key=\"k\" type=\"3\">5</entry><entry key=\"j\" type=\"3\">6</entry></d>",
      std::string("<d>") + props + "</d>",                                     // count differs
      std::string("<d>") + props + "<item key=\"k\" type=\"3\">5</item></d>",  // unknown tag
      std::string("<d>") + props + "<entry key=\"k\" type=\"3\">5</d>",        // entry not closed
      std::string("<d>") + props + "<entry key=\"k\" type=\"9\">5</entry></d>",
      std::string("<d>") + props + "<entry key=\"k\" type=\"8195\">5</entry></d>",
      std::string("<d>") + props + "<entry key=\"k\">5</entry></d>",
      std::string("<d>") + props + "<entry key=\"k\" type=\"3\">5x</entry></d>",
      std::string("<d>") + props + "<entry key=\"k\" type=\"3\">2147483648</entry></d>",
      std::string("<d>") + props + "<entry key=\"k\" type=\"17\">-1</entry></d>",
      std::string("<d>") + props + "<entry key=\"k\" type=\"5\">1,5</entry></d>",
      std::string("<d>") + props + "<entry key=\"k\" type=\"6\">1.23456</entry></d>",
      std::string("<d>") + props + "<entry key=\"k\" type=\"6\">922337203685477.5808</entry></d>",
      std::string("<d>") + props + "<entry key=\"k\" type=\"11\">yes</entry></d>",
      std::string("<d>") + props + "<entry key=\"k\" type=\"1\">x</entry></d>",
      std::string("<d>") + props + "<entry key=\"k\" type=\"258\">a &bogus; b</entry></d>",
      std::string("<d>") + props + "<entry key=\"k\" type=\"258\">&#65536;</entry></d>",
      std::string("<d>") + props + "<entry key=\"k &amp\" type=\"258\">x</entry></d>",
      "<d><assocarray ignorecase=\"maybe\" entries=\"1\"/><entry key=\"k\" type=\"3\">5</entry></d>",
      "<d><assocarray ignorecase=\"true\" entries=\"-1\"/></d>",
      "<d><assocarray ignorecase=\"true\"/></d>",
      "",
  };
  for (const auto& text : bad) {
    TStringStream s(text);
    TAssocArray a(nullptr);
    a.SetIgnoreCase(false);
    a.Add(u"K", Variant(int32_t{1}));
    EXPECT_FALSE(a.ReadFromXMLStream(s, u"d")) << text;
    EXPECT_EQ(a.NumEntries(), 1) << text;
    EXPECT_FALSE(a.IgnoreCase()) << text;
    EXPECT_EQ(a.DataID(), u"") << text;
  }
  for (const UnicodeString id : {u"", u"a b", u"1d", u"d>", u"<d"}) {
    TStringStream s(good);
    TAssocArray a(nullptr);
    EXPECT_FALSE(a.ReadFromXMLStream(s, id)) << UnicodeToUtf8(id);
  }
}

TEST(AssocArrayXML, WriteRaisesForBadNamesAndArrayValues) {
  TAssocArray a(nullptr);
  a.SetName(u"prefs");
  a.Add(u"k", Variant(int32_t{1}));
  for (const UnicodeString id : {u"", u"a b", u"-x", u"x/"}) {
    TStringStream s;
    EXPECT_THROW(a.WriteToXMLStream(s, true, id), EZUBDStructError) << UnicodeToUtf8(id);
    EXPECT_EQ(s.Size(), 0);
  }
  a.Add(u"list", VarArrayCreate(0, 1, varInteger));
  TStringStream s;
  try {
    a.WriteToXMLStream(s, true, u"x");
    ADD_FAILURE() << "no exception";
  } catch (const EZUBDStructError& e) {
    EXPECT_EQ(e.Message().rfind(u"Component \"prefs\": ", 0), 0u) << e.what();
  }
  EXPECT_EQ(s.Size(), 0);
}

TEST(AssocArrayXML, AddXMLAttributesAddsEachPairAsText) {
  struct Case {
    UnicodeString attribs;
    int32_t added;
    std::vector<UnicodeString> keys;
    std::vector<UnicodeString> values;
  };
  const Case cases[] = {
      {u"", 0, {}, {}},
      {u"  Width=\"12\" title=\"a &lt;b&gt; &amp; &quot;c&quot; &#233;\"  bare=x ",
       3,
       {u"width", u"title", u"bare"},
       {u"12", u"a <b> & \"c\" \u00E9", u"x"}},
      {u"empty=\"\" e2=", 2, {u"empty", u"e2"}, {u"", u""}},
      {u"a=1 novalue b=2", 1, {u"a"}, {u"1"}},
      {u"a=1 b=\"open", 1, {u"a"}, {u"1"}},
      {u"a=\"&nope;\" b=2", 0, {}, {}},
      {u"=1", 0, {}, {}},
      {u"a=1 A=2", 2, {u"a"}, {u"2"}},  // the second replaces the first, and counts
  };
  for (const auto& c : cases) {
    TAssocArray a(nullptr);
    EXPECT_EQ(a.AddXMLAttributes(c.attribs), c.added) << UnicodeToUtf8(c.attribs);
    EXPECT_EQ(KeysOf(a), c.keys) << UnicodeToUtf8(c.attribs);
    for (size_t i = 0; i < c.values.size() && i < c.keys.size(); ++i) {
      const Variant v = a.GetValues(static_cast<int32_t>(i) + 1);
      EXPECT_EQ(VarType(v), varUString);
      EXPECT_EQ(v.AsString(), c.values[i]) << UnicodeToUtf8(c.attribs);
    }
  }
}

}  // namespace
}  // namespace zub
