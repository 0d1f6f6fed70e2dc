#include "dstruct/feat_mat_props.hpp"

namespace zub {

const std::array<UnicodeString, 5> FEATKINDIDS = {u"undefined", u"integer", u"double", u"string",
                                                  u"tristate"};

TFeatMatProps::TFeatMatProps(TComponent* /*AOwner*/) : TComponent(nullptr) {
  Clear();
}

void TFeatMatProps::Clear() {
  FFeatNum = 0;
  FFeatName = u"undefined";
  FFeatKind = fkUndefined;
  FComment.clear();
  FPresetValues.clear();
  FSorted = false;
  FGUIElem = nullptr;
}

void TFeatMatProps::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TFeatMatProps*>(Source)) {
    FFeatNum = src->FFeatNum;
    FFeatName = src->FFeatName;
    FFeatKind = src->FFeatKind;
    FComment = src->FComment;
    FPresetValues = src->FPresetValues;
    FSorted = src->FSorted;
    FGUIElem = src->FGUIElem;
    return;
  }
  TPersistent::Assign(Source);
}

void TFeatMatProps::AssignTo(TPersistent* Dest) const {
  AssignToOwnClass<TFeatMatProps>(Dest);
}

}  // namespace zub
