#include "host/font.hpp"

namespace zub {

TFont::TFont() : FName(u"Tahoma"), FSize(8), FColor(0x000000) {}

void TFont::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TFont*>(Source)) {
    FName = src->FName;
    FSize = src->FSize;
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
