#include "foundation/dt_label.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {
namespace {

TEST(DTLabel, Defaults) {
  TDTLabel d;
  EXPECT_EQ(d.TimeFormat(), tfHHMMSS);
  EXPECT_EQ(d.DateSeparator(), u'.');
  EXPECT_EQ(d.TimeSeparator(), u':');
  EXPECT_EQ(d.YearLength(), ylYYYY);
  EXPECT_FALSE(d.MonthName());
  EXPECT_EQ(d.DateOrder(), doYYMMDD);
  EXPECT_EQ(d.DateForTime(), dtOnePerChart);
  EXPECT_FALSE(d.OnChange());
}

// Date order and time format notify on every call; the others only on a new value.
TEST(DTLabel, WhichSettersNotifyForTheSameValue) {
  const struct {
    const char* name;
    std::function<void(TDTLabel&)> same, other;
    int sameChanges;
  } cases[] = {
      {"DateOrder", [](auto& d) { d.SetDateOrder(doYYMMDD); }, [](auto& d) { d.SetDateOrder(doDDMMYY); }, 1},
      {"TimeFormat", [](auto& d) { d.SetTimeFormat(tfHHMMSS); }, [](auto& d) { d.SetTimeFormat(tfAMPM); }, 1},
      {"DateSeparator", [](auto& d) { d.SetDateSeparator(u'.'); }, [](auto& d) { d.SetDateSeparator(u'/'); },
       0},
      {"TimeSeparator", [](auto& d) { d.SetTimeSeparator(u':'); }, [](auto& d) { d.SetTimeSeparator(u'h'); },
       0},
      {"YearLength", [](auto& d) { d.SetYearLength(ylYYYY); }, [](auto& d) { d.SetYearLength(ylYY); }, 0},
      {"DateForTime", [](auto& d) { d.SetDateForTime(dtOnePerChart); },
       [](auto& d) { d.SetDateForTime(dtAllTicks); }, 0},
      {"MonthName", [](auto& d) { d.SetMonthName(false); }, [](auto& d) { d.SetMonthName(true); }, 0},
  };
  for (const auto& c : cases) {
    TDTLabel d;
    int changes = 0;
    d.SetOnChange([&](TObject* sender) {
      EXPECT_EQ(sender, &d);
      ++changes;
    });
    c.same(d);
    EXPECT_EQ(changes, c.sameChanges) << c.name;
    c.other(d);
    EXPECT_EQ(changes, c.sameChanges + 1) << c.name;
  }
}

TEST(DTLabel, AssignCopiesTheSettingsAndTheHandler) {
  TDTLabel source;
  int changes = 0;
  source.SetOnChange([&](TObject*) { ++changes; });
  source.SetTimeFormat(tfHHhMM);
  source.SetDateSeparator(u'-');
  source.SetTimeSeparator(u'h');
  source.SetYearLength(ylNone);
  source.SetMonthName(true);
  source.SetDateOrder(doMMDDYY);
  source.SetDateForTime(dtOnePerDay);
  changes = 0;
  TDTLabel copy;
  copy.Assign(&source);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(copy.TimeFormat(), tfHHhMM);
  EXPECT_EQ(copy.DateSeparator(), u'-');
  EXPECT_EQ(copy.TimeSeparator(), u'h');
  EXPECT_EQ(copy.YearLength(), ylNone);
  EXPECT_TRUE(copy.MonthName());
  EXPECT_EQ(copy.DateOrder(), doMMDDYY);
  EXPECT_EQ(copy.DateForTime(), dtOnePerDay);
  copy.SetDateOrder(doMMDDYY);  // the target now calls the source's handler
  EXPECT_EQ(changes, 1);

  TCrossHair other;
  EXPECT_THROW(copy.Assign(&other), EConvertError);
  EXPECT_THROW(other.Assign(&copy), EConvertError);
}

}  // namespace
}  // namespace zub
