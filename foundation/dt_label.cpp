#include "foundation/dt_label.hpp"

namespace zub {

TDTLabel::TDTLabel() = default;

TDTLabel::~TDTLabel() {
  FOnChange = nullptr;
}

void TDTLabel::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TDTLabel*>(Source)) {
    FTimeFormat = src->FTimeFormat;
    FDateSeparator = src->FDateSeparator;
    FTimeSeparator = src->FTimeSeparator;
    FYearLength = src->FYearLength;
    FMonthName = src->FMonthName;
    FDateOrder = src->FDateOrder;
    FDateForTime = src->FDateForTime;
    FOnChange = src->FOnChange;
    return;
  }
  TPersistent::Assign(Source);
}

void TDTLabel::AssignTo(TPersistent* Dest) const {
  AssignToOwnClass<TDTLabel>(Dest);
}

void TDTLabel::Changed() {
  if (FOnChange) FOnChange(this);
}

void TDTLabel::SetTimeFormat(TTimeFormat Value) {
  FTimeFormat = Value;
  Changed();
}

void TDTLabel::SetDateOrder(TDateOrder Value) {
  FDateOrder = Value;
  Changed();
}

void TDTLabel::SetDateSeparator(Char Value) {
  if (Value == FDateSeparator) return;
  FDateSeparator = Value;
  Changed();
}

void TDTLabel::SetTimeSeparator(Char Value) {
  if (Value == FTimeSeparator) return;
  FTimeSeparator = Value;
  Changed();
}

void TDTLabel::SetYearLength(TYearLength Value) {
  if (Value == FYearLength) return;
  FYearLength = Value;
  Changed();
}

void TDTLabel::SetMonthName(bool Value) {
  if (Value == FMonthName) return;
  FMonthName = Value;
  Changed();
}

void TDTLabel::SetDateForTime(TDateForTime Value) {
  if (Value == FDateForTime) return;
  FDateForTime = Value;
  Changed();
}

}  // namespace zub
