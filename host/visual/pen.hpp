// TPen: the colour, line style and width a canvas draws lines and outlines with.
#pragma once

#include <cstdint>

#include "host/classes.hpp"
#include "host/graphics.hpp"

namespace zub {

class TPen : public TPersistent {
 public:
  // Black, solid, one pixel wide.
  TPen() = default;
  UnicodeString ClassName() const override { return u"TPen"; }
  // From another TPen copies colour, style and width; any other source fails as in
  // TPersistent.
  void Assign(const TPersistent* Source) override;

  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value) { FStyle = Value; }
  // In pixels; values below 1 are taken as 1.
  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t Value) { FWidth = Value < 1 ? 1 : Value; }

 protected:
  void AssignTo(TPersistent* Dest) const override { AssignToOwnClass<TPen>(Dest); }

 private:
  TColor FColor = clBlack;
  TPenStyle FStyle = psSolid;
  int32_t FWidth = 1;
};

}  // namespace zub
