#include "host/visual/pen.hpp"

namespace zub {

void TPen::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TPen*>(Source)) {
    FColor = src->FColor;
    FStyle = src->FStyle;
    FWidth = src->FWidth;
    return;
  }
  TPersistent::Assign(Source);
}

}  // namespace zub
