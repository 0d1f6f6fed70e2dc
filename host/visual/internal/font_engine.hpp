// The faces behind the canvases' text: fontconfig finds the file for a font name and style,
// FreeType renders its glyphs in one bit per pixel. Faces are shared by every canvas that
// asks for the same font and height, and their glyphs for the codes 0 .. 255 are rendered
// once, when the face is made.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/unicode.hpp"

namespace zub::visual_internal {

struct Glyph {
  int32_t Left = 0;           // from the pen position to the first column of the image
  int32_t Top = 0;            // from the baseline up to the first row of the image
  int32_t Width = 0;          // of the image
  int32_t Height = 0;         // of the image
  int32_t Advance = 0;        // to the next pen position
  std::vector<uint8_t> Bits;  // Width * Height, 1 where the glyph sets the pixel
};

class FaceAtSize {
 public:
  // Height as TFont::Height: negative for the em square in pixels, positive for the cell.
  FaceAtSize(const std::string& File, int Index, bool Embolden, bool Oblique, int32_t Height);
  ~FaceAtSize();
  FaceAtSize(const FaceAtSize&) = delete;
  FaceAtSize& operator=(const FaceAtSize&) = delete;

  int32_t Ascent() const { return FAscent; }
  int32_t Descent() const { return FDescent; }
  int32_t UnderlinePosition() const { return FUnderlinePos; }  // below the baseline
  int32_t LineThickness() const { return FThickness; }
  bool Scalable() const { return FScalable; }
  bool TrueTypeOutlines() const { return FTrueType; }
  bool FixedPitch() const { return FFixedPitch; }
  const Glyph& GlyphOf(char32_t Code) {
    if (Code < FLatin.size() && FLatinReady) return FLatin[Code];
    return OtherGlyph(Code);
  }

 private:
  Glyph Render(char32_t Code);
  const Glyph& OtherGlyph(char32_t Code);

  struct FreeTypeFace;
  std::unique_ptr<FreeTypeFace> FFace;
  bool FEmbolden, FOblique;
  bool FScalable = false, FTrueType = false, FFixedPitch = false;
  int32_t FAscent = 0, FDescent = 0, FUnderlinePos = 1, FThickness = 1;
  std::array<Glyph, 256> FLatin;
  bool FLatinReady = false;
  std::mutex FOthersLock;
  std::unordered_map<char32_t, std::unique_ptr<Glyph>> FOthers;
};

// The face for a font name (any case), bold and italic flags and TFont height: the file
// fontconfig matches, DejaVu Sans where it matches none. Raises Exception when not even
// that can be opened.
std::shared_ptr<FaceAtSize> FindFace(const UnicodeString& Name, bool Bold, bool Italic, int32_t Height);

// The family names of the installed fonts, each once, in no particular order.
std::vector<std::string> InstalledFamilies();

}  // namespace zub::visual_internal
