#include "host/visual/font.hpp"

namespace zub {

namespace {

// A * B / C rounded to nearest, halves away from zero; C > 0.
int32_t MulDivRound(int64_t A, int64_t B, int64_t C) {
  const int64_t p = A * B;
  return static_cast<int32_t>(p >= 0 ? (p + C / 2) / C : -((-p + C / 2) / C));
}

}  // namespace

TFont::TFont() : FName(u"Tahoma"), FHeight(0), FColor(0x000000) {
  SetSize(8);
}

int32_t TFont::Size() const {
  return -MulDivRound(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(int32_t Value) {
  FHeight = -MulDivRound(Value, FPixelsPerInch, 72);
}

void TFont::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TFont*>(Source)) {
    FName = src->FName;
    if (src->FPixelsPerInch == FPixelsPerInch)
      FHeight = src->FHeight;
    else
      SetSize(src->Size());
    FColor = src->FColor;
    FStyle = src->FStyle;
    return;
  }
  TPersistent::Assign(Source);
}

void TFont::AssignTo(TPersistent* Dest) const {
  AssignToOwnClass<TFont>(Dest);
}

}  // namespace zub
