#include "foundation/cross_hair.hpp"

#include <algorithm>

namespace zub {

void TCrossHair::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TCrossHair*>(Source)) {
    FPosX = src->FPosX;
    FPosY = src->FPosY;
    FColor = src->FColor;
    FMode = src->FMode;
    FLineType = src->FLineType;
    FLineWid = src->FLineWid;
    FLayer = src->FLayer;
    FOnChange = src->FOnChange;
    return;
  }
  TPersistent::Assign(Source);
}

void TCrossHair::AssignTo(TPersistent* Dest) const {
  AssignToOwnClass<TCrossHair>(Dest);
}

void TCrossHair::Changed() {
  if (FOnChange) FOnChange(this);
}

void TCrossHair::SetCrossHPosX(double Value) {
  FPosX = Value;
  Changed();
}

void TCrossHair::SetCrossHPosY(double Value) {
  FPosY = Value;
  Changed();
}

void TCrossHair::SetPos(double xpos, double ypos) {
  if (xpos == FPosX && ypos == FPosY) return;
  FPosX = xpos;
  FPosY = ypos;
  Changed();
}

void TCrossHair::SetCrossHColor(TColor Value) {
  FColor = Value;
  Changed();
}

void TCrossHair::SetCrossHMode(TCrossHMode Value) {
  FMode = Value;
  Changed();
}

void TCrossHair::SetCrossHLineType(TPenStyle Value) {
  FLineType = Value;
  Changed();
}

void TCrossHair::SetCrossHLineWid(int32_t Value) {
  FLineWid = Value;
  Changed();
}

void TCrossHair::SetCrossHLayer(int32_t Value) {
  FLayer = std::clamp(Value, 1, 2);
  Changed();
}

}  // namespace zub
