// TBitmap: a raster image of 32-bit pixels with the canvas that draws on it, saved as PNG
// (read back too) or as a Windows BMP file. dib.hpp hands out its pixels the
// device-independent way.
#pragma once

#include <cstdint>

#include "host/classes.hpp"
#include "host/stream.hpp"
#include "host/visual/canvas.hpp"
#include "host/visual/pixel_buffer.hpp"

namespace zub {

// A file or stream that holds no image this host can read.
ZUB_DECLARE_EXCEPTION(EInvalidGraphic, Exception);

class TBitmap : public TPersistent {
 public:
  // An empty bitmap (0 x 0), or one of the given size; new pixels are white.
  TBitmap();
  TBitmap(int32_t Width, int32_t Height);
  UnicodeString ClassName() const override { return u"TBitmap"; }

  // From another TBitmap copies size and pixels (not the canvas's pen, brush and font); any
  // other source fails as in TPersistent.
  void Assign(const TPersistent* Source) override;

  int32_t Width() const { return FPixels.Width(); }
  int32_t Height() const { return FPixels.Height(); }
  // Pixels inside both sizes keep their colour, new ones are white; negative sizes are 0.
  void SetWidth(int32_t Value) { SetSize(Value, Height()); }
  void SetHeight(int32_t Value) { SetSize(Width(), Value); }
  void SetSize(int32_t NewWidth, int32_t NewHeight);

  TCanvas& Canvas() { return FCanvas; }
  const TPixelBuffer& PixelBuffer() const { return FPixels; }
  // Row Row of the pixels (0 = top), as TPixelBuffer stores them; EInvalidArgument outside
  // 0 .. Height - 1.
  uint32_t* ScanLine(int32_t Row);

  // A Windows BMP file: 32 bits per pixel, rows from the bottom up, 96 pixels per inch.
  void SaveToStream(TStream& Stream) const;
  void SaveToFile(const UnicodeString& FileName) const;
  // PNG, 8-bit RGB. Loading takes any PNG: grey and palette images are expanded, 16-bit
  // samples cut to 8 bits, and transparency dropped (a pixel keeps its colour whatever its
  // alpha). EInvalidGraphic for a stream that holds no valid PNG or an image of more than
  // 2^26 pixels (8192 x 8192); the bitmap is then unchanged.
  void SaveToPNGStream(TStream& Stream) const;
  void SaveToPNGFile(const UnicodeString& FileName) const;
  void LoadFromPNGStream(TStream& Stream);
  void LoadFromPNGFile(const UnicodeString& FileName);

 protected:
  void AssignTo(TPersistent* Dest) const override { AssignToOwnClass<TBitmap>(Dest); }

 private:
  TPixelBuffer FPixels;
  TCanvas FCanvas;
};

}  // namespace zub
