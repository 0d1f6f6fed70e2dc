// TDTLabel: the format settings of a chart's date and time labels (order of day, month and
// year, separators, year length, month names, time format, how often a date goes with the
// times). It formats nothing itself; it announces changes through OnChange and copies
// itself.
#pragma once

#include "foundation/zubbase_types.hpp"
#include "host/classes.hpp"

namespace zub {

class TDTLabel : public TPersistent {
 public:
  // tfHHMMSS, "." and ":", ylYYYY, no month names, doYYMMDD, dtOnePerChart, no handler.
  TDTLabel();
  // Clears OnChange first, so that nothing is announced while the label goes.
  ~TDTLabel() override;
  UnicodeString ClassName() const override { return u"TDTLabel"; }

  // From another TDTLabel copies the seven settings and the OnChange handler, without
  // calling Changed; any other source fails as in TPersistent.
  void Assign(const TPersistent* Source) override;

  // Calls OnChange with the label as sender, if assigned.
  void Changed();
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

  // SetTimeFormat and SetDateOrder call Changed on every call; the other setters only when
  // the value differs from the one held.
  TTimeFormat TimeFormat() const { return FTimeFormat; }
  void SetTimeFormat(TTimeFormat Value);
  Char DateSeparator() const { return FDateSeparator; }
  void SetDateSeparator(Char Value);
  Char TimeSeparator() const { return FTimeSeparator; }
  void SetTimeSeparator(Char Value);
  TYearLength YearLength() const { return FYearLength; }
  void SetYearLength(TYearLength Value);
  // Months by name instead of number.
  bool MonthName() const { return FMonthName; }
  void SetMonthName(bool Value);
  TDateOrder DateOrder() const { return FDateOrder; }
  void SetDateOrder(TDateOrder Value);
  TDateForTime DateForTime() const { return FDateForTime; }
  void SetDateForTime(TDateForTime Value);

 protected:
  // Copies into another TDTLabel; any other destination fails as in TPersistent.
  void AssignTo(TPersistent* Dest) const override;

 private:
  TTimeFormat FTimeFormat = tfHHMMSS;
  Char FDateSeparator = u'.';
  Char FTimeSeparator = u':';
  TYearLength FYearLength = ylYYYY;
  bool FMonthName = false;
  TDateOrder FDateOrder = doYYMMDD;
  TDateForTime FDateForTime = dtOnePerChart;
  TNotifyEvent FOnChange;
};

}  // namespace zub
