#include "host/visual/brush.hpp"

namespace zub {

void TBrush::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TBrush*>(Source)) {
    FColor = src->FColor;
    FStyle = src->FStyle;
    return;
  }
  TPersistent::Assign(Source);
}

}  // namespace zub
