// TFeatMatProps: the descriptor of one feature (column) of a TFeatureMatrix, and the kinds
// of value a feature can hold.
#pragma once

#include <array>
#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// The kind of value a feature holds; it decides which typed accessors of the matrix accept
// the feature and how texts stored in it are checked.
enum TFeatKind : uint8_t { fkUndefined, fkInteger, fkDouble, fkString, fkTriState };

// Display names of the kinds, indexed by TFeatKind. (The matrix's file uses the
// enumeration's own names, "fkUndefined" ... "fkTriState", instead.)
extern const std::array<UnicodeString, 5> FEATKINDIDS;

class TFeatMatProps : public TComponent {
 public:
  // The defaults of Clear. AOwner is accepted for the usual signature but not used: a
  // descriptor is never registered with an owner; whoever holds it releases it.
  explicit TFeatMatProps(TComponent* AOwner = nullptr);
  UnicodeString ClassName() const override { return u"TFeatMatProps"; }

  // Number 0, name "undefined", kind fkUndefined, empty comment and presets, not sorted,
  // no caller pointer.
  void Clear();
  // From another TFeatMatProps copies all seven fields, the caller pointer included; any
  // other source fails as in TPersistent.
  void Assign(const TPersistent* Source) override;

  int32_t FeatNum() const { return FFeatNum; }
  void SetFeatNum(int32_t Value) { FFeatNum = Value; }
  const UnicodeString& FeatName() const { return FFeatName; }
  void SetFeatName(const UnicodeString& Value) { FFeatName = Value; }
  TFeatKind FeatKind() const { return FFeatKind; }
  void SetFeatKind(TFeatKind Value) { FFeatKind = Value; }
  const UnicodeString& Comment() const { return FComment; }
  void SetComment(const UnicodeString& Value) { FComment = Value; }
  // Kept unchanged for the caller; the matrix never interprets them.
  const UnicodeString& PresetValues() const { return FPresetValues; }
  void SetPresetValues(const UnicodeString& Value) { FPresetValues = Value; }
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value) { FSorted = Value; }
  // For the caller's use (a grid column, say); never saved.
  void* GUIElem() const { return FGUIElem; }
  void SetGUIElem(void* Value) { FGUIElem = Value; }

 protected:
  // Copies into another TFeatMatProps; any other destination fails as in TPersistent.
  void AssignTo(TPersistent* Dest) const override;

 private:
  int32_t FFeatNum = 0;
  UnicodeString FFeatName;
  TFeatKind FFeatKind = fkUndefined;
  UnicodeString FComment;
  UnicodeString FPresetValues;
  bool FSorted = false;
  void* FGUIElem = nullptr;
};

}  // namespace zub
