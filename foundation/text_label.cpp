#include "foundation/text_label.hpp"

namespace zub {

TCustomTextLabel::TCustomTextLabel() = default;

TCustomTextLabel::~TCustomTextLabel() = default;

void TCustomTextLabel::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TCustomTextLabel*>(Source)) {
    FPosX = src->FPosX;
    FPosY = src->FPosY;
    FLayer = src->FLayer;
    FXShadow = src->FXShadow;
    FYShadow = src->FYShadow;
    FColorShadow = src->FColorShadow;
    FAlignment = src->FAlignment;
    FVertAlign = src->FVertAlign;
    FAttachDat = src->FAttachDat;
    FColorBkg = src->FColorBkg;
    FColorBrd = src->FColorBrd;
    FTransPar = src->FTransPar;
    FFont.Assign(&src->FFont);
    FCaption = src->FCaption;
    FMode = src->FMode;
    FOnChange = src->FOnChange;
    FVisible = src->FVisible;
    return;
  }
  TPersistent::Assign(Source);
}

void TCustomTextLabel::AssignTo(TPersistent* Dest) const {
  AssignToOwnClass<TCustomTextLabel>(Dest);
}

void TCustomTextLabel::Changed() {
  if (FOnChange) FOnChange(this);
}

void TCustomTextLabel::SetTxtLblPosX(double Value) {
  FPosX = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblPosY(double Value) {
  FPosY = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblLayer(int32_t Value) {
  if (Value < 1 || Value > 16) return;
  FLayer = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblShadowDx(int32_t Value) {
  FXShadow = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblShadowDy(int32_t Value) {
  FYShadow = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblColorShadow(TColor Value) {
  FColorShadow = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblAlignment(TAlignment Value) {
  FAlignment = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblVertAlignment(TVerticalAlignment Value) {
  FVertAlign = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblScreenPos(TTxtLblAttachMode Value) {
  FAttachDat = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblColorBkg(TColor Value) {
  FColorBkg = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblColorBrd(TColor Value) {
  FColorBrd = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblTranspar(bool Value) {
  FTransPar = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblFont(const TFont& Value) {
  FFont.Assign(&Value);
  Changed();
}

void TCustomTextLabel::SetTxtLblCaption(const UnicodeString& Value) {
  FCaption = Value;
  for (Char& c : FCaption)
    if (c < 32 && c != 10) c = u' ';
  Changed();
}

void TCustomTextLabel::SetTxtLblMode(TTxtLblMode Value) {
  FMode = Value;
  Changed();
}

void TCustomTextLabel::SetTxtLblVisible(bool Value) {
  FVisible = Value;
  Changed();
}

}  // namespace zub
