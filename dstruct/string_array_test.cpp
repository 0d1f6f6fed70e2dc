#include "dstruct/string_array.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "dstruct/ZUB_dstruct.hpp"

namespace zub {
namespace {

UnicodeString Repeat(Char ch, size_t n) {
  return UnicodeString(n, ch);
}

// A table whose OnChange calls are counted.
struct Counted {
  TStringArray a{nullptr};
  int changes = 0;
  Counted() {
    a.SetOnChange([this](TObject* sender) {
      EXPECT_EQ(sender, &a);
      ++changes;
    });
  }
};

// Column 1 of a table with one row per text.
void FillColumn(TStringArray& a, int32_t col, const std::vector<UnicodeString>& texts) {
  if (a.NrOfRows() < static_cast<int32_t>(texts.size())) a.SetNrOfRows(static_cast<int32_t>(texts.size()));
  for (size_t i = 0; i < texts.size(); ++i) a.SetString(col, static_cast<int32_t>(i + 1), texts[i]);
}

std::vector<UnicodeString> ColumnView(const TStringArray& a, int32_t col) {
  std::vector<UnicodeString> v;
  for (int32_t r = 1; r <= a.NrOfRows(); ++r) v.push_back(a.GetString(col, r));
  return v;
}

// Uses up pool 1 until its first free offset is target (rows 1.. of column 1, from row 1).
// Returns the next unused row.
int32_t FillPoolTo(TStringArray& a, int32_t target) {
  int32_t used = target - 1, r = 1;
  a.SetNrOfRows(200);
  for (; used >= 256; used -= 256) a.SetString(1, r++, Repeat(u'x', 255));
  if (used > 0) a.SetString(1, r++, Repeat(u'y', static_cast<size_t>(used - 1)));
  return r;
}

TEST(StringArray, NewTableIsOneEmptyCellWithOnePool) {
  TStringArray a(nullptr);
  EXPECT_EQ(a.ClassName(), u"TStringArray");
  EXPECT_EQ(a.NrOfColumns(), 1);
  EXPECT_EQ(a.NrOfRows(), 1);
  EXPECT_EQ(a.AllocRowsBy(), 10);
  EXPECT_EQ(a.RowsAllocated(), 10);
  EXPECT_EQ(a.NumBuffers(), 1);
  EXPECT_EQ(a.PoolFirstFree(1), 1);
  EXPECT_EQ(a.GetSortOrder(1), 1);
  for (auto [c, r] : std::vector<std::pair<int, int>>{{0, 1}, {1, 1}, {2, 1}, {1, 0}, {1, 2}, {-1, 1}})
    EXPECT_EQ(a.GetString(c, r), u"") << c << "," << r;
  EXPECT_EQ(a.GetColAttrib(1), 0);
  EXPECT_EQ(a.GetRowAttrib(1), 0);
}

TEST(StringArray, WritesOutsideTheTableAreIgnored) {
  Counted t;
  for (auto [c, r] : std::vector<std::pair<int, int>>{{-1, 1}, {2, 1}, {1, 0}, {1, 2}})
    t.a.SetString(c, r, u"x");
  for (int32_t i : {-1, 0, 2}) {
    t.a.SetColAttrib(i, 5);
    t.a.SetRowAttrib(i, 5);
  }
  EXPECT_EQ(t.changes, 0);
  EXPECT_EQ(t.a.PoolFirstFree(1), 1);
  EXPECT_EQ(t.a.GetColAttrib(0), 0);
  t.a.SetString(0, 1, u"zero");  // column 0 is a real column
  EXPECT_EQ(t.a.GetString(0, 1), u"zero");
  EXPECT_EQ(t.changes, 1);
}

TEST(StringArray, ShorterTextOverwritesInPlaceLongerOneMoves) {
  TStringArray a(nullptr);
  a.SetString(1, 1, u"0123456789");
  EXPECT_EQ(a.CellAddress(1, 1), 0x10001u);
  EXPECT_EQ(a.PoolFirstFree(1), 12);
  a.SetString(1, 1, u"abcd");
  EXPECT_EQ(a.CellAddress(1, 1), 0x10001u);
  EXPECT_EQ(a.GetString(1, 1), u"abcd");
  EXPECT_EQ(a.PoolFirstFree(1), 12);
  a.SetString(1, 1, u"abcde");  // the stored length byte now says 4
  EXPECT_EQ(a.CellAddress(1, 1), 0x1000Cu);
  EXPECT_EQ(a.GetString(1, 1), u"abcde");
  EXPECT_EQ(a.PoolFirstFree(1), 18);
  a.SetString(0, 1, u"");  // an empty text still takes its length byte
  EXPECT_EQ(a.CellAddress(0, 1), 0x10012u);
  EXPECT_EQ(a.PoolFirstFree(1), 19);
}

TEST(StringArray, FirstFitNeverUsesThePoolsLastByte) {
  struct Case {
    int32_t firstFree;
    size_t length;
    uint32_t expected;  // address of the new text
  };
  for (const Case& k : std::vector<Case>{{32512, 255, 0x17F00u},  // ends exactly at 32767
                                         {32513, 255, 0x20001u},
                                         {32767, 0, 0x17FFFu},
                                         {32768, 0, 0x20001u},
                                         {32760, 7, 0x17FF8u},
                                         {32760, 8, 0x20001u}}) {
    TStringArray a(nullptr);
    const int32_t r = FillPoolTo(a, k.firstFree);
    ASSERT_EQ(a.PoolFirstFree(1), k.firstFree);
    a.SetString(1, r, Repeat(u'z', k.length));
    EXPECT_EQ(a.CellAddress(1, r), k.expected) << k.firstFree << " + " << k.length;
    EXPECT_EQ(a.GetString(1, r), Repeat(u'z', k.length));
    EXPECT_EQ(a.NumBuffers(), k.expected >> 16);
    if (k.expected >> 16 == 2) {
      EXPECT_EQ(a.PoolFirstFree(2), static_cast<int32_t>(k.length) + 2);
    }
  }
}

TEST(StringArray, EarlierPoolsAreFilledFirst) {
  TStringArray a(nullptr);
  const int32_t r = FillPoolTo(a, 32760);
  a.SetString(1, r, Repeat(u'z', 20));  // opens pool 2
  a.SetString(1, r + 1, u"tiny");       // still fits pool 1
  EXPECT_EQ(a.CellAddress(1, r + 1) >> 16, 1u);
  EXPECT_EQ(a.PoolFirstFree(1), 32765);
}

TEST(StringArray, LongTextsOpenPoolsAndGarbageCollectionKeepsContents) {
  TStringArray a(nullptr);
  a.Resize(2, 300);
  auto text = [](int32_t c, int32_t r) {
    return Repeat(static_cast<Char>(u'A' + (r + c) % 26), 251) + UnicodeString(1, u'0' + c) +
           UnicodeString(1, u'a' + r % 10) + UnicodeString(1, u'a' + r / 10 % 10) +
           UnicodeString(1, u'a' + r / 100);
  };
  for (int32_t r = 1; r <= 300; ++r)
    for (int32_t c = 0; c <= 1; ++c) a.SetString(c, r, text(c, r));
  // 127 texts of 256 bytes fit below offset 32767; 600 texts need 5 pools.
  EXPECT_EQ(a.NumBuffers(), 5);
  EXPECT_EQ(a.PoolFirstFree(1), 1 + 127 * 256);
  for (int32_t r = 1; r <= 300; r += 2)
    for (int32_t c = 0; c <= 1; ++c) a.SetString(c, r, u"");
  a.GarbageCollection();
  EXPECT_EQ(a.NumBuffers(), 5);
  int32_t kept = 0;
  for (int32_t r = 1; r <= 300; ++r)
    for (int32_t c = 0; c <= 1; ++c) {
      const UnicodeString expected = r % 2 ? u"" : text(c, r);
      EXPECT_EQ(a.GetString(c, r), expected) << c << "," << r;
      if (a.CellAddress(c, r) >> 16 == 1) kept += 1 + static_cast<int32_t>(expected.size());
    }
  EXPECT_EQ(a.PoolFirstFree(1), 1 + kept);
  EXPECT_LT(a.PoolFirstFree(1), 1 + 127 * 256);
}

TEST(StringArray, GarbageCollectionPacksColumnByColumnInPhysicalRowOrder) {
  TStringArray a(nullptr);
  FillColumn(a, 1, {u"zz", u"yyyy"});
  a.SetString(0, 2, u"b");
  a.SetString(0, 1, u"ccc");
  a.SetString(1, 2, u"y");  // in place, leaving three bytes unused
  a.Sort(1, 0, true);       // the view is physical rows 2, 1; packing ignores it
  ASSERT_EQ(a.GetSortOrder(1), 2);
  a.GarbageCollection();
  EXPECT_EQ(a.CellAddress(0, 2), 0x10001u);  // physical row 1, column 0: "ccc"
  EXPECT_EQ(a.CellAddress(0, 1), 0x10005u);  // physical row 2, column 0: "b"
  EXPECT_EQ(a.CellAddress(1, 2), 0x10007u);  // "zz"
  EXPECT_EQ(a.CellAddress(1, 1), 0x1000Au);  // "y"
  EXPECT_EQ(a.PoolFirstFree(1), 12);
  EXPECT_EQ(ColumnView(a, 0), (std::vector<UnicodeString>{u"b", u"ccc"}));
  EXPECT_EQ(ColumnView(a, 1), (std::vector<UnicodeString>{u"y", u"zz"}));
}

// A table allowed two pools, to reach the pool limit cheaply.
class TTwoPoolArray : public TStringArray {
 public:
  using TStringArray::TStringArray;

 protected:
  int32_t MaxPools() const override { return 2; }
};

TEST(StringArray, TextNeedingOnePoolTooManyRaisesAndLeavesCellsAlone) {
  TTwoPoolArray a(nullptr);
  a.SetNrOfRows(300);
  int32_t r = 1;
  for (; r <= 254; ++r) a.SetString(1, r, Repeat(u'x', 255));  // 127 per pool
  ASSERT_EQ(a.NumBuffers(), 2);
  a.SetString(0, 1, u"old");
  const uint32_t before = a.CellAddress(0, 1);
  try {
    a.SetString(0, 1, Repeat(u'n', 255));
    FAIL() << "no error";
  } catch (const EZUBDStructError& e) {
    EXPECT_EQ(e.Message(), u"Class TStringArray: string storage full (2 pools)");
  }
  EXPECT_EQ(a.NumBuffers(), 2);
  EXPECT_EQ(a.CellAddress(0, 1), before);
  EXPECT_EQ(a.GetString(0, 1), u"old");
  EXPECT_EQ(a.GetString(1, 1), Repeat(u'x', 255));
  EXPECT_EQ(a.GetString(1, 254), Repeat(u'x', 255));
  a.SetString(1, 1, u"short");  // overwriting in place needs no pool
  EXPECT_EQ(a.GetString(1, 1), u"short");
}

TEST(StringArray, TextsAreCutTo255WindowsCharacters) {
  TStringArray a(nullptr);
  a.SetString(1, 1, Repeat(u'q', 300));
  EXPECT_EQ(a.GetString(1, 1), Repeat(u'q', 255));
  a.SetString(0, 1, u"\u20AC\u0100");  // euro sign has a Windows-1252 byte, A-macron none
  EXPECT_EQ(a.GetString(0, 1), u"\u20AC?");
}

TEST(StringArray, GetAsNumber) {
  struct Case {
    const char16_t* text;
    double value;
  };
  TStringArray a(nullptr);
  for (const Case& k : std::vector<Case>{{u"  3,5  ", 3.5},
                                         {u"", 0},
                                         {u"    ", 0},
                                         {u"-2.25", -2.25},
                                         {u"1e3", 1000},
                                         {u"1,5E-2", 0.015}}) {
    a.SetString(1, 1, k.text);
    EXPECT_DOUBLE_EQ(a.GetAsNumber(1, 1), k.value) << std::u16string(k.text).size();
  }
}

TEST(StringArray, InvalidNumberNamesTheCellAndItsStoredText) {
  TStringArray a(nullptr);
  a.Resize(3, 4);
  for (const char16_t* text : {u"1,000.5", u" abc ", u"1 2", u"3,5x"}) {
    a.SetString(2, 3, text);
    const UnicodeString expected =
        UnicodeString(u"Class TStringArray: invalid numeric string: [2,3]: ") + text;
    for (int pass = 0; pass < 2; ++pass) {
      try {
        if (pass == 0)
          a.GetAsNumber(2, 3);
        else
          a.GetAsInteger(2, 3);
        ADD_FAILURE() << "no error, pass " << pass;
      } catch (const EZUBDStructError& e) {
        EXPECT_EQ(e.Message(), expected);
      }
    }
  }
}

TEST(StringArray, GetAsIntegerClampsAndRoundsHalvesToEven) {
  struct Case {
    const char16_t* text;
    int32_t value;
  };
  TStringArray a(nullptr);
  for (const Case& k : std::vector<Case>{{u"2.5", 2},
                                         {u"3.5", 4},
                                         {u"-2.5", -2},
                                         {u"0,5", 0},
                                         {u"1.5", 2},
                                         {u"2.6", 3},
                                         {u"-1E12", -2147483647},
                                         {u"1E12", 2147483647},
                                         {u"-2147483648", -2147483647},
                                         {u"2147483647.4", 2147483647},
                                         {u"", 0}}) {
    a.SetString(1, 1, k.text);
    EXPECT_EQ(a.GetAsInteger(1, 1), k.value) << UnicodeToUtf8(k.text);
  }
}

TEST(StringArray, ResizeRefusesNonPositiveAndSkipsSameDimensions) {
  Counted t;
  t.a.Resize(2, 3);
  t.a.SetString(2, 3, u"keep");
  t.changes = 0;
  for (auto [c, r] : std::vector<std::pair<int, int>>{{0, 5}, {2, 0}, {-1, 3}, {0, 0}})
    EXPECT_FALSE(t.a.Resize(c, r)) << c << "," << r;
  EXPECT_TRUE(t.a.Resize(2, 3));
  EXPECT_EQ(t.changes, 0);
  EXPECT_EQ(t.a.NrOfColumns(), 2);
  EXPECT_EQ(t.a.NrOfRows(), 3);
  EXPECT_EQ(t.a.GetString(2, 3), u"keep");
}

TEST(StringArray, RowAllocationRoundsUpToAllocRowsBy) {
  struct Case {
    int32_t by;
    int32_t cols, rows;
    int32_t allocated;
  };
  for (const Case& k : std::vector<Case>{{10, 1, 11, 20},
                                         {10, 1, 10, 10},  // fits the first allocation
                                         {3, 1, 11, 12},
                                         {1, 1, 11, 11},
                                         {0, 1, 11, 11},  // below 1 allocates as 1
                                         {-5, 1, 11, 11},
                                         {10, 2, 5, 10},
                                         {4, 3, 1, 4}}) {  // a column change reallocates, even smaller
    Counted t;
    t.a.SetAllocRowsBy(k.by);
    EXPECT_EQ(t.a.AllocRowsBy(), k.by);
    EXPECT_TRUE(t.a.Resize(k.cols, k.rows));
    EXPECT_EQ(t.a.RowsAllocated(), k.allocated) << k.by << " " << k.cols << "x" << k.rows;
    EXPECT_EQ(t.changes, 1);
    for (int32_t r = 1; r <= k.rows; ++r) {
      EXPECT_EQ(t.a.GetRowAttrib(r), 0);
      EXPECT_TRUE(t.a.RowEmpty(r));
      EXPECT_EQ(t.a.GetSortOrder(r), r);
    }
  }
}

TEST(StringArray, RowsAndColumnsAddedAgainAreEmpty) {
  for (bool changeColumns : {true, false}) {
    TStringArray a(nullptr);
    a.Resize(3, 3);
    for (int32_t c = 0; c <= 3; ++c)
      for (int32_t r = 1; r <= 3; ++r) a.SetString(c, r, u"v");
    for (int32_t i = 1; i <= 3; ++i) {
      a.SetColAttrib(i, 7);
      a.SetRowAttrib(i, 9);
    }
    const int32_t smallCols = changeColumns ? 2 : 3;
    ASSERT_TRUE(a.Resize(smallCols, 2));
    ASSERT_TRUE(a.Resize(3, 3));
    for (int32_t c = 0; c <= 3; ++c)
      for (int32_t r = 1; r <= 3; ++r) {
        const bool kept = c <= smallCols && r <= 2;
        EXPECT_EQ(a.GetString(c, r), kept ? u"v" : u"") << c << "," << r;
      }
    EXPECT_EQ(a.GetRowAttrib(3), 0);
    EXPECT_EQ(a.GetRowAttrib(2), 9);
    EXPECT_EQ(a.GetColAttrib(3), changeColumns ? 0 : 7);
    EXPECT_EQ(a.GetColAttrib(2), 7);
  }
}

TEST(StringArray, AddRowAndPropertiesWriteThroughResize) {
  Counted t;
  EXPECT_EQ(t.a.AddRow(), 2);
  t.a.SetNrOfColumns(4);
  t.a.SetNrOfRows(0);  // refused
  EXPECT_EQ(t.a.NrOfColumns(), 4);
  EXPECT_EQ(t.a.NrOfRows(), 2);
  EXPECT_EQ(t.changes, 2);
}

TEST(StringArray, ResizeDropsAnUncommittedSort) {
  TStringArray a(nullptr);
  FillColumn(a, 1, {u"b", u"a"});
  a.Sort(1, 0, true);
  ASSERT_EQ(a.GetString(1, 1), u"a");
  a.AddRow();
  EXPECT_EQ(ColumnView(a, 1), (std::vector<UnicodeString>{u"b", u"a", u""}));
}

TEST(StringArray, SortAscendingAndCommit) {
  Counted t;
  FillColumn(t.a, 1, {u"b", u"A", u"c"});
  t.a.SetRowAttrib(2, 42);
  t.changes = 0;
  t.a.Sort(1, 0, true);
  EXPECT_EQ(t.changes, 1);
  EXPECT_EQ(ColumnView(t.a, 1), (std::vector<UnicodeString>{u"A", u"b", u"c"}));
  EXPECT_EQ(t.a.GetSortOrder(1), 2);
  EXPECT_EQ(t.a.GetRowAttrib(1), 42);
  const uint32_t addrOfA = t.a.CellAddress(1, 1);
  t.a.CommitSorting();
  EXPECT_EQ(t.changes, 1);
  EXPECT_EQ(t.a.GetSortOrder(1), 1);
  EXPECT_EQ(ColumnView(t.a, 1), (std::vector<UnicodeString>{u"A", u"b", u"c"}));
  EXPECT_EQ(t.a.CellAddress(1, 1), addrOfA);  // addresses moved, the text did not
  EXPECT_EQ(t.a.GetRowAttrib(1), 42);
  t.a.UnSort();  // nothing left to undo
  EXPECT_EQ(ColumnView(t.a, 1), (std::vector<UnicodeString>{u"A", u"b", u"c"}));
  EXPECT_EQ(t.changes, 2);
}

TEST(StringArray, UnSortRestoresPhysicalOrder) {
  TStringArray a(nullptr);
  FillColumn(a, 0, {u"3", u"1", u"2"});
  a.Sort(0, 0, true);
  EXPECT_EQ(ColumnView(a, 0), (std::vector<UnicodeString>{u"1", u"2", u"3"}));
  a.UnSort();
  EXPECT_EQ(ColumnView(a, 0), (std::vector<UnicodeString>{u"3", u"1", u"2"}));
}

TEST(StringArray, SecondaryKeyAndDirections) {
  struct Case {
    int32_t secCol;
    bool ascendPrim, ascendSec;
    std::vector<UnicodeString> prim, sec;
    std::vector<UnicodeString> expectedSec;  // column 2 as seen after sorting
  };
  for (const Case& k : std::vector<Case>{
           {2, true, true, {u"x", u"X", u"a"}, {u"1", u"2", u"9"}, {u"9", u"1", u"2"}},
           // without a secondary key, equal primary keys are never exchanged
           {0, true, true, {u"x", u"X", u"a"}, {u"1", u"2", u"9"}, {u"9", u"2", u"1"}},
           {2, false, true, {u"a", u"b", u"a"}, {u"2", u"1", u"1"}, {u"1", u"1", u"2"}},
           {2, true, false, {u"a", u"b", u"a"}, {u"1", u"1", u"2"}, {u"2", u"1", u"1"}},
       }) {
    TStringArray a(nullptr);
    a.SetNrOfColumns(2);
    FillColumn(a, 1, k.prim);
    FillColumn(a, 2, k.sec);
    a.Sort(1, k.secCol, k.ascendPrim, k.ascendSec);
    EXPECT_EQ(ColumnView(a, 2), k.expectedSec) << k.secCol << k.ascendPrim << k.ascendSec;
  }
}

TEST(StringArray, ThreeArgumentSortBreaksTiesAscending) {
  TStringArray a(nullptr);
  a.SetNrOfColumns(2);
  FillColumn(a, 1, {u"a", u"b", u"a"});
  FillColumn(a, 2, {u"2", u"1", u"1"});
  a.Sort(1, 2, false);
  EXPECT_EQ(ColumnView(a, 1), (std::vector<UnicodeString>{u"b", u"a", u"a"}));
  EXPECT_EQ(ColumnView(a, 2), (std::vector<UnicodeString>{u"1", u"1", u"2"}));
}

TEST(StringArray, CombSortGapIsTheIntegerPartOfGapOver1_3) {
  struct Case {
    int32_t gap, next;
  };
  for (const Case& k : std::vector<Case>{{1, 1},
                                         {2, 1},
                                         {3, 2},
                                         {4, 3},
                                         {10, 7},
                                         {13, 10},
                                         {26, 20},
                                         {39, 30},
                                         {100, 76},
                                         {1000000, 769230}})
    EXPECT_EQ(CombSortNextGap(k.gap), k.next) << k.gap;
}

TEST(StringArray, SortComparesInCombOrderAndReportsProgress) {
  // Rows d c b a: gap 3 compares (1,4) and swaps; gap 2 compares (1,3), (2,4); gap 1 swaps
  // c and b; a last gap-1 pass finds nothing. Progress total 1 + 2 + 3 + 4 = 10.
  TStringArray a(nullptr);
  FillColumn(a, 1, {u"d", u"c", u"b", u"a"});
  std::vector<UnicodeString> keys;
  std::vector<int32_t> percent;
  a.SetOnBeforeSortExchange([&](TObject* sender, const UnicodeString& in, UnicodeString& out) {
    EXPECT_EQ(sender, &a);
    EXPECT_EQ(out, in);
    keys.push_back(in);
  });
  a.SetOnPercentDone([&](TObject*, int32_t p) { percent.push_back(p); });
  a.Sort(1, 0, true);
  EXPECT_EQ(keys, (std::vector<UnicodeString>{u"d", u"a", u"a", u"b", u"c", u"d", u"a", u"c", u"c", u"b",
                                              u"c", u"d", u"a", u"b", u"b", u"c", u"c", u"d"}));
  EXPECT_EQ(percent, (std::vector<int32_t>{0, 10, 30, 60, 90, 100}));
}

TEST(StringArray, ProgressOfShortTables) {
  struct Case {
    std::vector<UnicodeString> rows;
    std::vector<int32_t> percent;
    int changes;
  };
  for (const Case& k : std::vector<Case>{
           {{u"x"}, {0, 100}, 0},  // a single row is not sorted
           {{u"a", u"b"}, {0, 33, 100}, 1},
           {{u"b", u"a"}, {0, 33, 67, 100}, 1},
           {{u"b", u"c", u"a"}, {0, 17, 50, 83, 100}, 1},  // total 1 + 2 + 3
       }) {
    Counted t;
    FillColumn(t.a, 1, k.rows);
    std::vector<int32_t> percent;
    t.a.SetOnPercentDone([&](TObject*, int32_t p) { percent.push_back(p); });
    t.changes = 0;
    t.a.Sort(1, 0, true);
    EXPECT_EQ(percent, k.percent) << k.rows.size();
    EXPECT_EQ(t.changes, k.changes);
  }
}

TEST(StringArray, HookSubstitutesTheComparisonKey) {
  TStringArray a(nullptr);
  FillColumn(a, 1, {u"10", u"9", u"100", u"2"});
  a.Sort(1, 0, true);
  EXPECT_EQ(ColumnView(a, 1), (std::vector<UnicodeString>{u"10", u"100", u"2", u"9"}));
  a.SetOnBeforeSortExchange([](TObject*, const UnicodeString& in, UnicodeString& out) {
    out = UnicodeString(5 - in.size(), u'0') + in;
  });
  a.Sort(1, 0, true);
  EXPECT_EQ(ColumnView(a, 1), (std::vector<UnicodeString>{u"2", u"9", u"10", u"100"}));
}

TEST(StringArray, FindCellAndFindCellExact) {
  TStringArray a(nullptr);
  FillColumn(a, 1, {u"and", u"Banana"});
  int32_t col = -7, row = -7;
  EXPECT_TRUE(a.FindCell(u"an", false, -1, -1, -1, -1, col, row));
  EXPECT_EQ(row, 1);
  EXPECT_EQ(col, 1);
  EXPECT_TRUE(a.FindCellExact(u"banana", false, -1, -1, -1, -1, col, row));
  EXPECT_EQ(row, 2);
  col = row = -7;
  EXPECT_FALSE(a.FindCellExact(u"banana", true, -1, -1, -1, -1, col, row));
  EXPECT_EQ(col, -7);
  EXPECT_EQ(row, -7);
}

TEST(StringArray, FindCellBounds) {
  // 3 columns plus column 0, 3 rows; "k" in (0,2), (2,2) and (3,1).
  TStringArray a(nullptr);
  a.Resize(3, 3);
  a.SetString(0, 2, u"k");
  a.SetString(2, 2, u"k");
  a.SetString(3, 1, u"k");
  struct Case {
    int32_t colLow, colHigh, rowLow, rowHigh;
    bool found;
    int32_t col, row;
  };
  for (const Case& k : std::vector<Case>{{-1, -1, -1, -1, true, 3, 1},  // row by row
                                         {-1, 2, 2, 3, true, 0, 2},     // one -1 column bound: all columns
                                         {1, 3, 2, 2, true, 2, 2},
                                         {3, 1, 3, 2, true, 2, 2},    // reversed pairs
                                         {1, 2, -1, 1, false, 0, 0},  // single -1 row bound is clamped
                                         {1, 99, -5, 1, true, 3, 1},
                                         {1, 1, 1, 3, false, 0, 0}}) {
    int32_t col = 0, row = 0;
    EXPECT_EQ(a.FindCellExact(u"K", false, k.colLow, k.colHigh, k.rowLow, k.rowHigh, col, row), k.found)
        << k.colLow << " " << k.colHigh << " " << k.rowLow << " " << k.rowHigh;
    EXPECT_EQ(col, k.col);
    EXPECT_EQ(row, k.row);
  }
}

TEST(StringArray, FindCellInSortedColumn) {
  struct Case {
    std::vector<UnicodeString> column;
    bool ascending;
    const char16_t* find;
    bool matchCase;
    int32_t rowLow, rowHigh;
    bool found;
    int32_t row;
  };
  const std::vector<UnicodeString> abbc{u"a", u"b", u"b", u"c"};
  for (const Case& k : std::vector<Case>{{abbc, true, u"b", true, -1, -1, true, 2},
                                         {abbc, true, u"c", true, -1, -1, true, 4},
                                         {abbc, true, u"a", true, -1, -1, true, 1},
                                         {abbc, true, u"bb", true, -1, -1, false, 0},
                                         {abbc, true, u"B", false, -1, -1, true, 2},
                                         {abbc, true, u"B", true, -1, -1, false, 0},
                                         {abbc, true, u"b", true, 3, 4, true, 2},  // run above RowLow
                                         {abbc, true, u"b", true, 4, 3, true, 2},
                                         {{u"c", u"b", u"b", u"a"}, false, u"b", true, -1, -1, true, 2},
                                         {{u"c", u"b", u"b", u"a"}, false, u"a", true, -1, -1, true, 4}}) {
    TStringArray a(nullptr);
    FillColumn(a, 1, k.column);
    int32_t row = -1;
    EXPECT_EQ(a.FindCellInSortedColumn(k.find, k.matchCase, 1, k.rowLow, k.rowHigh, k.ascending, row),
              k.found)
        << UnicodeToUtf8(k.find);
    if (k.found) {
      EXPECT_EQ(row, k.row) << UnicodeToUtf8(k.find);
    }
  }
}

TEST(StringArray, SingleRowAndColumnRemovalEmptiesInstead) {
  TStringArray a(nullptr);
  a.SetString(0, 1, u"z");
  a.SetString(1, 1, u"one");
  a.SetRowAttrib(1, 3);
  a.SetColAttrib(1, 4);
  a.RemoveRow(1);
  EXPECT_EQ(a.NrOfRows(), 1);
  EXPECT_EQ(a.GetString(0, 1), u"");
  EXPECT_EQ(a.GetString(1, 1), u"");
  EXPECT_EQ(a.GetRowAttrib(1), 0);
  EXPECT_EQ(a.GetColAttrib(1), 4);
  a.SetString(0, 1, u"z");
  a.SetString(1, 1, u"one");
  a.RemoveColumn(1);
  EXPECT_EQ(a.NrOfColumns(), 1);
  EXPECT_EQ(a.GetString(1, 1), u"");
  EXPECT_EQ(a.GetString(0, 1), u"z");  // column 0 is not part of the columns
  EXPECT_EQ(a.GetColAttrib(1), 0);
}

TEST(StringArray, InsertAndRemoveRows) {
  struct Case {
    bool insert;
    int32_t r;
    std::vector<UnicodeString> expected;
  };
  for (const Case& k : std::vector<Case>{{true, 1, {u"", u"a", u"b", u"c"}},
                                         {true, 3, {u"a", u"b", u"", u"c"}},
                                         {true, 4, {u"a", u"b", u"c"}},  // rows cannot be appended
                                         {true, 0, {u"a", u"b", u"c"}},
                                         {false, 1, {u"b", u"c"}},
                                         {false, 3, {u"a", u"b"}},
                                         {false, 4, {u"a", u"b", u"c"}}}) {
    TStringArray a(nullptr);
    FillColumn(a, 0, {u"a", u"b", u"c"});
    for (int32_t r = 1; r <= 3; ++r) a.SetRowAttrib(r, static_cast<uint8_t>(r));
    if (k.insert)
      a.InsertRow(k.r);
    else
      a.RemoveRow(k.r);
    EXPECT_EQ(ColumnView(a, 0), k.expected) << k.insert << k.r;
    for (int32_t r = 1; r <= a.NrOfRows(); ++r) {
      const UnicodeString& text = k.expected[r - 1];
      EXPECT_EQ(a.GetRowAttrib(r), text.empty() ? 0 : text[0] - u'a' + 1);
    }
  }
}

TEST(StringArray, InsertAndRemoveRowKeepAnUncommittedSortedView) {
  for (bool insert : {true, false}) {
    TStringArray a(nullptr);
    FillColumn(a, 1, {u"c", u"a", u"b"});
    a.Sort(1, 0, true);
    if (insert)
      a.InsertRow(2);
    else
      a.RemoveRow(2);
    EXPECT_EQ(ColumnView(a, 1), insert ? (std::vector<UnicodeString>{u"a", u"", u"b", u"c"})
                                       : (std::vector<UnicodeString>{u"a", u"c"}));
    for (int32_t r = 1; r <= a.NrOfRows(); ++r) EXPECT_EQ(a.GetSortOrder(r), r);
  }
}

TEST(StringArray, InsertAndRemoveColumns) {
  struct Case {
    bool insert;
    int32_t c;
    std::vector<UnicodeString> expected;  // row 1, columns 0 ..
  };
  for (const Case& k : std::vector<Case>{{true, 1, {u"0", u"", u"1", u"2", u"3"}},
                                         {true, 3, {u"0", u"1", u"2", u"", u"3"}},
                                         {true, 4, {u"0", u"1", u"2", u"3"}},
                                         {false, 1, {u"0", u"2", u"3"}},
                                         {false, 3, {u"0", u"1", u"2"}},
                                         {false, 0, {u"0", u"1", u"2", u"3"}}}) {
    TStringArray a(nullptr);
    a.Resize(3, 2);
    for (int32_t c = 0; c <= 3; ++c) a.SetString(c, 1, UnicodeString(1, u'0' + c));
    for (int32_t c = 1; c <= 3; ++c) a.SetColAttrib(c, static_cast<uint8_t>(c));
    if (k.insert)
      a.InsertColumn(k.c);
    else
      a.RemoveColumn(k.c);
    ASSERT_EQ(a.NrOfColumns() + 1, static_cast<int32_t>(k.expected.size())) << k.insert << k.c;
    for (int32_t c = 0; c <= a.NrOfColumns(); ++c) {
      EXPECT_EQ(a.GetString(c, 1), k.expected[c]) << k.insert << k.c << " col " << c;
      if (c > 0) {
        EXPECT_EQ(a.GetColAttrib(c), k.expected[c].empty() ? 0 : k.expected[c][0] - u'0');
      }
    }
  }
}

TEST(StringArray, RemovedColumnLeavesNoSharedText) {
  TStringArray a(nullptr);
  a.Resize(2, 1);
  a.SetString(1, 1, u"one");
  a.SetString(2, 1, u"two");
  a.RemoveColumn(1);
  a.InsertColumn(1);
  EXPECT_EQ(a.GetString(1, 1), u"");
  EXPECT_EQ(a.GetString(2, 1), u"two");
  a.SetString(2, 1, u"TWO");
  EXPECT_EQ(a.GetString(1, 1), u"");
}

TEST(StringArray, CopyRowStoresTextsAnew) {
  Counted t;
  t.a.Resize(2, 2);
  for (int32_t c = 0; c <= 2; ++c) t.a.SetString(c, 1, UnicodeString(1, u'a' + c));
  t.a.SetRowAttrib(1, 8);
  t.changes = 0;
  t.a.CopyRow(1, 2);
  EXPECT_EQ(t.changes, 3);
  for (int32_t c = 0; c <= 2; ++c) {
    EXPECT_EQ(t.a.GetString(c, 2), UnicodeString(1, u'a' + c));
    EXPECT_NE(t.a.CellAddress(c, 2), t.a.CellAddress(c, 1));
  }
  EXPECT_EQ(t.a.GetRowAttrib(2), 8);
  t.a.CopyRow(1, 3);  // out of range
  t.a.CopyRow(0, 2);
  EXPECT_EQ(t.changes, 3);
}

TEST(StringArray, FillAndClear) {
  Counted t;
  t.a.Resize(2, 300);
  t.a.SetColAttrib(2, 1);
  t.a.SetRowAttrib(3, 1);
  t.changes = 0;
  t.a.Fill(Repeat(u'f', 200));
  EXPECT_EQ(t.changes, 900);
  EXPECT_GT(t.a.NumBuffers(), 1);
  EXPECT_EQ(t.a.GetString(0, 300), Repeat(u'f', 200));
  EXPECT_EQ(t.a.GetColAttrib(2), 1);
  t.a.SetSortOrder(1, 2);
  t.a.SetSortOrder(2, 1);
  t.changes = 0;
  t.a.Fill(u"");
  EXPECT_EQ(t.changes, 0);
  EXPECT_EQ(t.a.NumBuffers(), 1);
  EXPECT_EQ(t.a.PoolFirstFree(1), 1);
  EXPECT_EQ(t.a.GetSortOrder(1), 1);
  EXPECT_EQ(t.a.GetColAttrib(2), 0);
  EXPECT_EQ(t.a.GetRowAttrib(3), 0);
  EXPECT_TRUE(t.a.ColumnEmpty(0));
  EXPECT_EQ(t.a.NrOfRows(), 300);
  EXPECT_EQ(t.a.NrOfColumns(), 2);
}

TEST(StringArray, RowAndColumnEmpty) {
  TStringArray a(nullptr);
  a.Resize(2, 2);
  a.SetString(0, 1, u"x");  // column 0 does not count for RowEmpty
  a.SetString(1, 2, u"   ");
  a.SetString(2, 2, u" y ");
  EXPECT_TRUE(a.RowEmpty(1));
  EXPECT_FALSE(a.RowEmpty(2));
  EXPECT_TRUE(a.RowEmpty(3));
  EXPECT_FALSE(a.ColumnEmpty(0));
  EXPECT_TRUE(a.ColumnEmpty(1));
  EXPECT_FALSE(a.ColumnEmpty(2));
  EXPECT_TRUE(a.ColumnEmpty(3));
  EXPECT_TRUE(a.ColumnEmpty(-1));
}

TEST(StringArray, SortOrderAccessors) {
  Counted t;
  t.a.SetNrOfRows(3);
  t.changes = 0;
  EXPECT_EQ(t.a.GetSortOrder(0), -1);
  EXPECT_EQ(t.a.GetSortOrder(4), -1);
  t.a.SetSortOrder(1, 3);
  t.a.SetSortOrder(2, 4);  // out of range
  t.a.SetSortOrder(0, 1);
  EXPECT_EQ(t.a.GetSortOrder(1), 3);
  EXPECT_EQ(t.a.GetSortOrder(2), 2);
  EXPECT_EQ(t.changes, 0);
}

TEST(StringArray, WhichOperationsCallChanged) {
  struct Case {
    const char* what;
    std::function<void(TStringArray&)> op;
    int changes;
  };
  const std::vector<Case> cases{
      {"SetString", [](TStringArray& a) { a.SetString(0, 1, u"x"); }, 1},
      {"SetRowAttrib", [](TStringArray& a) { a.SetRowAttrib(2, 1); }, 1},
      {"SetColAttrib", [](TStringArray& a) { a.SetColAttrib(1, 1); }, 1},
      {"Resize", [](TStringArray& a) { a.Resize(2, 2); }, 1},
      {"AddRow", [](TStringArray& a) { a.AddRow(); }, 1},
      {"InsertRow", [](TStringArray& a) { a.InsertRow(1); }, 1},
      {"RemoveRow", [](TStringArray& a) { a.RemoveRow(1); }, 1},
      {"InsertColumn", [](TStringArray& a) { a.InsertColumn(1); }, 1},
      {"Sort", [](TStringArray& a) { a.Sort(1, 0, true); }, 1},
      {"UnSort", [](TStringArray& a) { a.UnSort(); }, 1},
      {"SetSortOrder", [](TStringArray& a) { a.SetSortOrder(1, 2); }, 0},
      {"CommitSorting", [](TStringArray& a) { a.CommitSorting(); }, 0},
      {"GarbageCollection", [](TStringArray& a) { a.GarbageCollection(); }, 0},
      {"Clear", [](TStringArray& a) { a.Clear(); }, 0},
      {"Fill empty", [](TStringArray& a) { a.Fill(u""); }, 0},
      {"RemoveColumn of the only column", [](TStringArray& a) { a.RemoveColumn(1); }, 0},
  };
  for (const Case& k : cases) {
    Counted t;
    FillColumn(t.a, 1, {u"b", u"a"});
    t.changes = 0;
    k.op(t.a);
    EXPECT_EQ(t.changes, k.changes) << k.what;
  }
}

TEST(StringArray, AssignCopiesEverything) {
  TStringArray src(nullptr);
  src.Resize(2, 3);
  FillColumn(src, 1, {u"b", u"c", u"a"});
  src.SetString(0, 2, u"zero");
  src.SetRowAttrib(1, 5);
  src.SetColAttrib(2, 6);
  int calls = 0;
  src.SetOnChange([&](TObject*) { ++calls; });
  src.Sort(1, 0, true);
  TStringArray dst(nullptr);
  dst.Assign(&src);
  calls = 0;
  EXPECT_EQ(dst.NrOfColumns(), 2);
  EXPECT_EQ(dst.NrOfRows(), 3);
  EXPECT_EQ(ColumnView(dst, 1), (std::vector<UnicodeString>{u"a", u"b", u"c"}));
  EXPECT_EQ(dst.GetString(0, 3), u"zero");
  EXPECT_EQ(dst.GetRowAttrib(2), 5);
  EXPECT_EQ(dst.GetColAttrib(2), 6);
  EXPECT_EQ(dst.PoolFirstFree(1), src.PoolFirstFree(1));
  dst.SetString(1, 1, u"z");  // in place: the copy has its own pools, and the handler
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(src.GetString(1, 1), u"a");
}

TEST(StringArray, AssignFromOtherClassesRaisesConversionError) {
  TStringArray a(nullptr);
  TComponent other(nullptr);
  EXPECT_THROW(a.Assign(&other), EConvertError);
  EXPECT_THROW(other.Assign(&a), EConvertError);
}

}  // namespace
}  // namespace zub

namespace zub {
namespace {

// The sort keeps the folded keys from one comparison to the next when no key hook is
// assigned; the order it gives must be the one an identity hook gives, equal keys and the
// secondary column included.
TEST(StringArray, SortWithoutAHookExchangesAsWithOne) {
  std::mt19937 rng(7);
  for (const int32_t rows : {2, 13, 500, 3000}) {
    TStringArray plain(nullptr), hooked(nullptr);
    for (TStringArray* a : {&plain, &hooked}) a->Resize(2, rows);
    for (int32_t r = 1; r <= rows; ++r) {
      // Few distinct keys, mixed case and long shared prefixes, so ties and the
      // character-by-character comparison both happen.
      UnicodeString k = UnicodeString(u"prefix-") + Char(u'a' + rng() % 3) + (rng() % 2 ? u"X" : u"x");
      if (rng() % 4 == 0) k = k.substr(0, rng() % k.size());
      const UnicodeString second = UnicodeString(1, Char(u'0' + rng() % 10));
      for (TStringArray* a : {&plain, &hooked}) {
        a->SetString(1, r, k);
        a->SetString(2, r, second);
      }
    }
    hooked.SetOnBeforeSortExchange([](TObject*, const UnicodeString& in, UnicodeString& out) { out = in; });
    for (const auto& [sec, up, secUp] : {std::tuple{0, true, true}, {2, false, true}, {2, true, false}}) {
      plain.UnSort();
      hooked.UnSort();
      plain.Sort(1, sec, up, secUp);
      hooked.Sort(1, sec, up, secUp);
      for (int32_t i = 1; i <= rows; ++i)
        ASSERT_EQ(plain.GetSortOrder(i), hooked.GetSortOrder(i)) << rows << " rows, position " << i;
    }
  }
}

}  // namespace
}  // namespace zub
