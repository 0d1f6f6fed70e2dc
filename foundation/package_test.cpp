#include <gtest/gtest.h>

#include <string>

#include "zubcorekit.hpp"

namespace zub {
namespace {

int32_t Count(int unit) {
  return GetPackageInfoTable()->UnitInfo[unit].LoadCount();
}

TEST(Package, TableListsTheUnitsInInitialisationOrder) {
  const TPackageInfoTable* t = GetPackageInfoTable();
  ASSERT_EQ(t->UnitCount, 9);
  const char* order[] = {"ZUB_univconst",   "ZUB_zubbase", "ZUB_zubcolors", "ZUB_stringl", "ZUB_streams",
                         "ZUB_htmlsupport", "ZUB_dstruct", "ZUB_filesys",   "ZUB_cpuid"};
  for (int i = 0; i < 9; ++i) EXPECT_STREQ(t->UnitInfo[i].Name, order[i]);
}

// The library loaded with the program counts one load; explicit loads stack on top.
TEST(Package, LoadCountsInitialiseOnceAndFinaliseOnTheLastUnload) {
  for (int i = 0; i < 9; ++i) ASSERT_EQ(Count(i), 1);
  ProcStat = 5;
  PackageLoad();
  EXPECT_EQ(Count(1), 2);
  EXPECT_EQ(ProcStat, 5);  // a second load does not initialise again
  PackageUnload();
  EXPECT_EQ(Count(1), 1);
  EXPECT_EQ(CSVDELIMITERIDS[csvComma], u"comma");  // one unload of two keeps the tables

  Finalize();
  EXPECT_EQ(Count(8), 0);
  EXPECT_TRUE(CSVDELIMITERIDS[csvComma].empty());  // released at the last unload
  EXPECT_TRUE(xmlTxtLblMode[tlBox].empty());
  EXPECT_TRUE(DistModeId[dmManhattan].empty());
  EXPECT_EQ(MonthLong[lgEnglish][1].Text(), u"January");  // constant, not a string table
  EXPECT_TRUE(AllZUBColorNames[0].empty());
  EXPECT_TRUE(CPUFeatureNames[cpuft_fpu].empty());
  Finalize();  // unbalanced: nothing happens
  EXPECT_EQ(Count(0), 0);

  InitScramble(1);  // a table the reload must replace
  Initialize();
  EXPECT_EQ(Count(0), 1);
  const auto expected = ScrambleTable();
  InitScramble(BuiltInScrambleSeed);
  EXPECT_EQ(ScrambleTable(), expected);  // loading fills the tables from the built-in seed
  EXPECT_EQ(ProcStat, 0);
  EXPECT_EQ(CSVDELIMITERIDS[csvComma], u"comma");
  EXPECT_EQ(xmlTxtLblMode[tlBox], u"tlBox");
  EXPECT_EQ(DistModeId[dmManhattan], u"Manhattan");
  EXPECT_EQ(AllZUBColorNames[0], u"Black");
  EXPECT_EQ(CPUFeatureNames[cpuft_3dnow], u"3DNow! instructions available");
}

}  // namespace
}  // namespace zub
