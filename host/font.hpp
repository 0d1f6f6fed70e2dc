// TFont: the settings of a font as the platform's font object holds them (name, size in
// points, colour and style flags), copied with Assign. A plain data object: it selects and
// renders nothing.
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

class TFont : public TPersistent {
 public:
  // The platform's default font: Tahoma, 8 points, black, no style.
  TFont();
  UnicodeString ClassName() const override { return u"TFont"; }

  // From another TFont copies name, size, colour and style; any other source fails as in
  // TPersistent.
  void Assign(const TPersistent* Source) override;

  const UnicodeString& Name() const { return FName; }
  void SetName(const UnicodeString& Value) { FName = Value; }
  // Stored as given: no range is checked.
  int32_t Size() const { return FSize; }
  void SetSize(int32_t Value) { FSize = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value) { FStyle = Value; }

  // Whether both fonts hold the same settings.
  friend bool operator==(const TFont& A, const TFont& B) {
    return A.FName == B.FName && A.FSize == B.FSize && A.FColor == B.FColor && A.FStyle == B.FStyle;
  }

 protected:
  // Copies into another TFont; any other destination fails as in TPersistent.
  void AssignTo(TPersistent* Dest) const override;

 private:
  UnicodeString FName;
  int32_t FSize;
  TColor FColor;
  TFontStyles FStyle;
};

}  // namespace zub
