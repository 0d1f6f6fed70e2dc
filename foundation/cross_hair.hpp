// TCrossHair: the state of a chart's crosshair cursor (position in data coordinates,
// colour, mode, line style and width, layer). It draws nothing itself; it announces changes
// through OnChange and copies itself.
#pragma once

#include <cstdint>

#include "foundation/zubbase_types.hpp"
#include "host/classes.hpp"
#include "host/graphics.hpp"

namespace zub {

class TCrossHair : public TPersistent {
 public:
  // Every setting starts at zero: position (0, 0), black, chOff, psSolid, width 0, layer 0
  // (the layer becomes 1 or 2 once it is set), no handler.
  TCrossHair() = default;
  UnicodeString ClassName() const override { return u"TCrossHair"; }

  // From another TCrossHair copies position, colour, mode, line type and width, layer and
  // the OnChange handler, without calling Changed; any other source fails as in
  // TPersistent.
  void Assign(const TPersistent* Source) override;

  // Calls OnChange with the crosshair as sender, if assigned.
  void Changed();
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

  // The setters store their value and call Changed on every call, without a range check
  // except for the layer.
  double PosX() const { return FPosX; }
  void SetCrossHPosX(double Value);
  double PosY() const { return FPosY; }
  void SetCrossHPosY(double Value);
  // Both coordinates with one Changed, and nothing at all when both equal the ones held
  // (compared with ==, so a NaN always counts as new and -0 as equal to 0).
  void SetPos(double xpos, double ypos);
  TColor Color() const { return FColor; }
  void SetCrossHColor(TColor Value);
  TCrossHMode Mode() const { return FMode; }
  void SetCrossHMode(TCrossHMode Value);
  TPenStyle LineType() const { return FLineType; }
  void SetCrossHLineType(TPenStyle Value);
  int32_t LineWid() const { return FLineWid; }
  void SetCrossHLineWid(int32_t Value);
  // Values below 1 are stored as 1, values above 2 as 2.
  int32_t Layer() const { return FLayer; }
  void SetCrossHLayer(int32_t Value);

 protected:
  // Copies into another TCrossHair; any other destination fails as in TPersistent.
  void AssignTo(TPersistent* Dest) const override;

 private:
  double FPosX = 0;
  double FPosY = 0;
  TColor FColor = 0;
  TCrossHMode FMode = chOff;
  TPenStyle FLineType = psSolid;
  int32_t FLineWid = 0;
  int32_t FLayer = 0;
  TNotifyEvent FOnChange;
};

}  // namespace zub
