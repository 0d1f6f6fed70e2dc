// TBrush: the colour and style a canvas fills the inside of figures with.
#pragma once

#include "host/classes.hpp"
#include "host/graphics.hpp"

namespace zub {

class TBrush : public TPersistent {
 public:
  // White, solid.
  TBrush() = default;
  UnicodeString ClassName() const override { return u"TBrush"; }
  // From another TBrush copies colour and style; any other source fails as in TPersistent.
  void Assign(const TPersistent* Source) override;

  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value) { FStyle = Value; }

 protected:
  void AssignTo(TPersistent* Dest) const override { AssignToOwnClass<TBrush>(Dest); }

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
};

}  // namespace zub
