// TFont: the settings of a font as the platform's font object holds them (name, size in
// points, colour and style flags) and the pixel density its size is measured at, copied with
// Assign. A plain data object: a canvas finds and renders the face it names (canvas.hpp).
#pragma once

#include <cstdint>
#include <initializer_list>

#include "host/classes.hpp"
#include "host/graphics.hpp"

namespace zub {

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of TFontStyle flags; empty by default.
class TFontStyles {
 public:
  constexpr TFontStyles() = default;
  constexpr TFontStyles(std::initializer_list<TFontStyle> Styles) {
    for (TFontStyle s : Styles) Include(s);
  }

  constexpr bool Contains(TFontStyle Style) const { return (FBits & Bit(Style)) != 0; }
  constexpr void Include(TFontStyle Style) { FBits = static_cast<uint8_t>(FBits | Bit(Style)); }
  constexpr void Exclude(TFontStyle Style) { FBits = static_cast<uint8_t>(FBits & ~Bit(Style)); }
  constexpr bool Empty() const { return FBits == 0; }

  friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

 private:
  // Values beyond fsStrikeOut have no flag.
  static constexpr uint8_t Bit(TFontStyle Style) {
    return Style <= fsStrikeOut ? static_cast<uint8_t>(1u << Style) : uint8_t{0};
  }
  uint8_t FBits = 0;
};

// The pixel density fonts are measured at unless told otherwise: the screen's.
inline constexpr int32_t kDefaultPixelsPerInch = 96;

class TFont : public TPersistent {
 public:
  // The platform's default font: Tahoma, 8 points, black, no style, at 96 pixels per inch.
  TFont();
  UnicodeString ClassName() const override { return u"TFont"; }

  // From another TFont copies name, colour, style and the size: the height in pixels when
  // both fonts have the same pixel density, the size in points otherwise. The pixel density
  // stays this font's own. Any other source fails as in TPersistent.
  void Assign(const TPersistent* Source) override;

  const UnicodeString& Name() const { return FName; }
  void SetName(const UnicodeString& Value) { FName = Value; }
  // The size is kept as a height in pixels at PixelsPerInch, as the platform keeps it:
  // SetSize(s) stores the height -s * PixelsPerInch / 72 (rounded to nearest, halves away
  // from zero), and Size() gives -Height * 72 / PixelsPerInch rounded the same way. No range
  // is checked; a size set at the density it is read at comes back unchanged.
  int32_t Size() const;
  void SetSize(int32_t Value);
  // The height in pixels: negative for the character height (the em square, what a size in
  // points gives), positive for the cell height (ascent plus descent), 0 for the face's
  // default (treated as 12 points by canvases).
  int32_t Height() const { return FHeight; }
  void SetHeight(int32_t Value) { FHeight = Value; }
  // Pixels per inch of the device the height is measured on; changing it keeps the height
  // and so changes Size(). Values below 1 are taken as 1.
  int32_t PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int32_t Value) { FPixelsPerInch = Value < 1 ? 1 : Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value) { FStyle = Value; }

  // Whether both fonts hold the same settings (name, size in points, colour, style).
  friend bool operator==(const TFont& A, const TFont& B) {
    return A.FName == B.FName && A.Size() == B.Size() && A.FColor == B.FColor && A.FStyle == B.FStyle;
  }

 protected:
  // Copies into another TFont; any other destination fails as in TPersistent.
  void AssignTo(TPersistent* Dest) const override;

 private:
  UnicodeString FName;
  int32_t FHeight;
  int32_t FPixelsPerInch = kDefaultPixelsPerInch;
  TColor FColor;
  TFontStyles FStyle;
};

}  // namespace zub
