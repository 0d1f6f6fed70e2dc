#include "colors/color_array.hpp"

#include <gtest/gtest.h>

#include "colors/color_models.hpp"
#include "colors/color_tables.hpp"
#include "host/file_system.hpp"
#include "testing/small_disk.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;

struct Counted {
  TColorArray array{nullptr};
  int changes = 0;
  Counted() {
    array.SetOnChange([this](TObject* sender) {
      EXPECT_EQ(sender, &array);
      ++changes;
    });
  }
};

TEST(ColorArray, NewArrayHoldsTheRainbowScale) {
  TColorArray a(nullptr);
  EXPECT_EQ(a.Size(), 1000);
  EXPECT_EQ(a.GetColorElem(1), 0x400020u);
  EXPECT_EQ(a.GetColorElem(1000), 0x000040u);
  EXPECT_EQ(a.GetColorElem(0), a.GetColorElem(1));
  EXPECT_EQ(a.GetColorElem(1005), a.GetColorElem(1000));
  a.Fill(0);
  a.Restore();  // the backup made at construction
  EXPECT_EQ(a.GetColorElem(1), 0x400020u);
}

TEST(ColorArray, FillByInterpolation) {
  Counted c;
  c.array.Resize(3);
  c.changes = 0;
  c.array.FillByInterpolation(0, {0x000000, 0xFFFFFF});
  EXPECT_EQ(c.array.GetColorElem(1), 0x545454u);
  EXPECT_EQ(c.array.GetColorElem(2), 0xA9A9A9u);
  EXPECT_EQ(c.array.GetColorElem(3), 0xFFFFFFu);
  EXPECT_EQ(c.changes, 1);
  c.array.FillByInterpolation(0, {0x123456});  // one key colour: nothing, no event
  EXPECT_EQ(c.changes, 1);
  EXPECT_EQ(c.array.GetColorElem(3), 0xFFFFFFu);

  // Quantised into bands.
  TColorArray q(nullptr);
  q.Resize(10);
  q.FillByInterpolation(2, {0x000000, 0x0000FF, 0x00FFFF});
  EXPECT_EQ(q.GetColorElem(10), 0x00FFFFu);
  EXPECT_EQ(q.GetColorElem(1), q.GetColorElem(2));

  // Fewer elements than keys with bands: the key index is kept on the key list.
  TColorArray few(nullptr);
  few.Resize(2);
  few.FillByInterpolation(1, {0x0000FF, 0x00FF00, 0xFF0000});
  EXPECT_EQ(few.GetColorElem(2), 0xFF0000u);
  EXPECT_EQ(few.GetColorElem(1), 0x0000FFu);
}

TEST(ColorArray, ElementAccessResizeAndTransforms) {
  Counted c;
  c.array.SetColorElem(0, 0x111111);
  c.array.SetColorElem(1001, 0x111111);
  EXPECT_EQ(c.changes, 0);
  EXPECT_FALSE(c.array.Resize(0));
  EXPECT_TRUE(c.array.Resize(1000));
  EXPECT_EQ(c.changes, 0);
  EXPECT_TRUE(c.array.Resize(4));
  EXPECT_EQ(c.changes, 1);
  c.array.Resize(6);
  EXPECT_EQ(c.array.GetColorElem(6), 0u);  // new elements are black
  c.array.SetSize(-2);
  EXPECT_EQ(c.array.Size(), 6);
  for (int i = 1; i <= 6; ++i) c.array.SetColorElem(i, RGBToColor(i, 0, 0x80));
  c.array.MirrorColors();
  EXPECT_EQ(c.array.GetColorElem(1), 0x800006u);
  c.array.ReverseRGB();
  EXPECT_EQ(c.array.GetColorElem(1), 0x060080u);
  c.array.InvertColors();
  EXPECT_EQ(c.array.GetColorElem(1), 0xF9FF7Fu);
  double d = 0;
  EXPECT_EQ(c.array.ColorToIndex(0xF9FF7F, d), 1);
  EXPECT_EQ(d, 0);
  c.array.Fill(0x000000);
  EXPECT_EQ(c.array.ColorToIndex(0x101010, d), 1);  // the first of equally near ones
  EXPECT_GT(d, 0);
}

TEST(ColorArray, LogTransformAndCopyFrom) {
  Counted one;
  one.array.Resize(1);
  one.changes = 0;
  one.array.LogTransform(1);  // a single colour: left alone
  EXPECT_EQ(one.changes, 0);

  TColorArray a(nullptr);
  a.Resize(5);
  for (int i = 1; i <= 5; ++i) a.SetColorElem(i, static_cast<TColor>(i));
  a.LogTransform(0);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(a.GetColorElem(i), static_cast<TColor>(i));
  a.LogTransform(1);
  EXPECT_EQ(a.GetColorElem(1), 1u);
  EXPECT_EQ(a.GetColorElem(5), 5u);
  EXPECT_EQ(a.GetColorElem(2), 3u);  // round(ln 2 * 5 / ln 5) + 1 = 3

  TColorArray src(nullptr), dst(nullptr);
  src.Resize(6);
  dst.Resize(4);
  dst.Fill(0);
  for (int i = 1; i <= 6; ++i) src.SetColorElem(i, static_cast<TColor>(10 * i));
  dst.CopyFrom(&src, 5, 2, 1);
  EXPECT_EQ((std::array<TColor, 4>{dst.GetColorElem(1), dst.GetColorElem(2), dst.GetColorElem(3),
                                   dst.GetColorElem(4)}),
            (std::array<TColor, 4>{20, 30, 40, 50}));
  dst.CopyFrom(&src, 5, 99, 3);  // beyond the source clamps; beyond the destination skips
  EXPECT_EQ(dst.GetColorElem(3), 50u);
  EXPECT_EQ(dst.GetColorElem(4), 60u);
  dst.CopyFrom(nullptr, 1, 2, 1);
}

TEST(ColorArray, AssignCopiesOnlyFromColorArrays) {
  TColorArray a(nullptr), b(nullptr);
  b.Resize(3);
  b.Fill(0x112233);
  a.Assign(&b);
  EXPECT_TRUE(a.IsEqual(&b));
  EXPECT_FALSE(a.IsEqual(nullptr));
  TComponent plain(nullptr);
  EXPECT_THROW(a.Assign(&plain), EConvertError);
  EXPECT_THROW(plain.Assign(&a), EConvertError);  // no endless bounce between the two
}

TEST(ColorArray, ColorFileRoundTripAndMalformedFiles) {
  TempDir dir;
  TColorArray a(nullptr);
  a.Resize(3);
  a.SetColorElem(1, 0x0000FF);
  a.SetColorElem(2, 0x00FF00);
  a.SetColorElem(3, 0xFF0000);
  ASSERT_TRUE(a.StoreOnFile(1, 3, dir.Name("c.txt")));
  EXPECT_EQ(dir.ReadBytes("c.txt"), "1 3\r\n000000FF\r\n0000FF00\r\n00FF0000\r\n");
  EXPECT_TRUE(a.StoreOnFile(9, -1, dir.Name("d.txt")));  // exchanged and clamped
  EXPECT_EQ(dir.ReadBytes("d.txt"), "1 3\r\n000000FF\r\n0000FF00\r\n00FF0000\r\n");
  EXPECT_FALSE(a.StoreOnFile(1, 3, dir.Name("no/dir/x.txt")));

  TColorArray b(nullptr);
  EXPECT_TRUE(b.LoadFromFile(dir.Name("c.txt"), true));
  EXPECT_EQ(b.Size(), 3);
  EXPECT_TRUE(b.IsEqual(&a));
  EXPECT_FALSE(b.LoadFromFile(dir.Name("missing.txt"), true));

  dir.WriteBytes("lines.txt", "2 5\nff\n  $FF0000\nzz\n");  // LF alone, a bad line, a missing line
  TColorArray c(nullptr);
  c.Resize(6);
  c.Fill(0x777777);
  EXPECT_FALSE(c.LoadFromFile(dir.Name("lines.txt"), false));  // cut: its last colour is missing
  EXPECT_EQ(c.GetColorElem(1), 0x777777u);
  EXPECT_EQ(c.GetColorElem(2), 0x0000FFu);
  EXPECT_EQ(c.GetColorElem(3), 0xFF0000u);
  EXPECT_EQ(c.GetColorElem(4), 0u);
  EXPECT_EQ(c.GetColorElem(5), 0u);
  EXPECT_EQ(c.GetColorElem(6), 0x777777u);

  dir.WriteBytes("big.txt", "1 2000\n");
  Counted d;
  const TColor before = d.array.GetColorElem(500);
  EXPECT_FALSE(d.array.LoadFromFile(dir.Name("big.txt"), false));
  EXPECT_EQ(d.array.GetColorElem(500), before);
  EXPECT_EQ(d.changes, 1);
  EXPECT_FALSE(d.array.LoadFromFile(dir.Name("big.txt"), true));  // grown, but no colours follow
  EXPECT_EQ(d.array.Size(), 2000);

  for (const char* bad : {"x y\n", "3 x\n", "1.5 2\n"}) {
    dir.WriteBytes("bad.txt", bad);
    Counted e;
    EXPECT_FALSE(e.array.LoadFromFile(dir.Name("bad.txt"), true)) << bad;
    EXPECT_EQ(e.changes, 0) << bad;
    EXPECT_EQ(e.array.Size(), 1000);
  }
  // An empty file reads as the header "0 0": nothing to store.
  dir.WriteBytes("empty.txt", "");
  Counted g;
  EXPECT_TRUE(g.array.LoadFromFile(dir.Name("empty.txt"), false));
  EXPECT_EQ(g.array.GetColorElem(1), 0x400020u);
  // Huge indices: no giant array, no endless reading.
  dir.WriteBytes("huge.txt", "-2000000000 2000000000\nff\n");
  Counted f;
  EXPECT_FALSE(f.array.LoadFromFile(dir.Name("huge.txt"), true));
  EXPECT_EQ(f.array.Size(), 1000);
  dir.WriteBytes("wide.txt", "-2000000000 3\nff\n");
  EXPECT_FALSE(f.array.LoadFromFile(dir.Name("wide.txt"), false));
  EXPECT_EQ(f.array.GetColorElem(1), 0u);
}

TEST(ColorArray, WriteFailuresGiveFalseAndLeaveNoFileThatReadsAsWhole) {
  TColorArray a(nullptr);
  // A device stays, whatever the failure.
  EXPECT_FALSE(a.StoreOnFile(1, 1000, u"/dev/full"));
  EXPECT_TRUE(FileExists(u"/dev/full"));
  TextFile f;
  AssignFile(f, u"/dev/full");
  Rewrite(f);
  EXPECT_FALSE(a.WriteToOpenTextFile(f, 1, 3));
  EXPECT_THROW(CloseFile(f), EInOutError);

  testing::SmallDisk disk(64 * 1024);
  ZUB_REQUIRE_SMALL_DISK(disk);
  a.Resize(10000);  // about 100 KB of text
  EXPECT_FALSE(a.StoreOnFile(1, 10000, disk.Dir().Name("scale.txt")));
  EXPECT_FALSE(FileExists(disk.Dir().Name("scale.txt")));
  TColorArray b(nullptr);
  EXPECT_FALSE(b.LoadFromFile(disk.Dir().Name("scale.txt"), true));
}

}  // namespace
}  // namespace zub
