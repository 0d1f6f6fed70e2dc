#include "foundation/cross_hair.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {
namespace {

// A crosshair that counts its notifications and keeps the last sender.
struct CountedCrossHair {
  CountedCrossHair() {
    c.SetOnChange([this](TObject* s) {
      sender = s;
      ++changes;
    });
  }
  TCrossHair c;
  int changes = 0;
  TObject* sender = nullptr;
};

TEST(CrossHair, StartsAtZero) {
  TCrossHair c;
  EXPECT_EQ(c.PosX(), 0);
  EXPECT_EQ(c.PosY(), 0);
  EXPECT_EQ(c.Color(), 0u);
  EXPECT_EQ(c.Mode(), chOff);
  EXPECT_EQ(c.LineType(), psSolid);
  EXPECT_EQ(c.LineWid(), 0);
  EXPECT_EQ(c.Layer(), 0);
  EXPECT_FALSE(c.OnChange());
}

TEST(CrossHair, SettersNotifyOnEveryCall) {
  CountedCrossHair h;
  h.c.SetCrossHPosX(0);
  h.c.SetCrossHPosY(2.5);
  h.c.SetCrossHColor(0xFF);
  h.c.SetCrossHMode(chCrossBox);
  h.c.SetCrossHLineType(psDashDot);
  h.c.SetCrossHLineWid(-4);  // no range check
  EXPECT_EQ(h.changes, 6);
  EXPECT_EQ(h.sender, &h.c);
  EXPECT_EQ(h.c.PosY(), 2.5);
  EXPECT_EQ(h.c.Color(), 0xFFu);
  EXPECT_EQ(h.c.Mode(), chCrossBox);
  EXPECT_EQ(h.c.LineType(), psDashDot);
  EXPECT_EQ(h.c.LineWid(), -4);
}

TEST(CrossHair, LayerIsOneOrTwo) {
  const std::pair<int32_t, int32_t> cases[] = {{0, 1}, {-5, 1}, {1, 1}, {2, 2}, {7, 2}};
  for (const auto& [set, read] : cases) {
    CountedCrossHair h;
    h.c.SetCrossHLayer(set);
    EXPECT_EQ(h.c.Layer(), read) << set;
    EXPECT_EQ(h.changes, 1);
  }
}

TEST(CrossHair, SetPosNotifiesOnceAndOnlyForANewPosition) {
  CountedCrossHair h;
  h.c.SetPos(0, 0);
  EXPECT_EQ(h.changes, 0);
  h.c.SetPos(0, 3);
  EXPECT_EQ(h.changes, 1);
  h.c.SetPos(4, 5);
  EXPECT_EQ(h.changes, 2);
  EXPECT_EQ(h.c.PosX(), 4);
  EXPECT_EQ(h.c.PosY(), 5);
  h.c.SetPos(4, 5);
  EXPECT_EQ(h.changes, 2);
  const double nan = std::nan("");
  h.c.SetPos(nan, 5);
  h.c.SetPos(nan, 5);  // NaN never equals what is held
  EXPECT_EQ(h.changes, 4);
}

TEST(CrossHair, AssignCopiesEverySettingAndTheHandler) {
  CountedCrossHair source;
  source.c.SetPos(1.5, -2);
  source.c.SetCrossHColor(0x123456);
  source.c.SetCrossHMode(chBox);
  source.c.SetCrossHLineType(psDot);
  source.c.SetCrossHLineWid(3);
  source.c.SetCrossHLayer(2);
  source.changes = 0;
  TCrossHair copy;
  copy.Assign(&source.c);
  EXPECT_EQ(source.changes, 0);
  EXPECT_EQ(copy.PosX(), 1.5);
  EXPECT_EQ(copy.PosY(), -2);
  EXPECT_EQ(copy.Color(), 0x123456u);
  EXPECT_EQ(copy.Mode(), chBox);
  EXPECT_EQ(copy.LineType(), psDot);
  EXPECT_EQ(copy.LineWid(), 3);
  EXPECT_EQ(copy.Layer(), 2);
  copy.SetCrossHLineWid(1);  // the handler came along
  EXPECT_EQ(source.changes, 1);
  EXPECT_EQ(source.sender, &copy);
  EXPECT_THROW(copy.Assign(nullptr), EConvertError);
}

}  // namespace
}  // namespace zub
