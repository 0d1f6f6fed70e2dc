#include "host/visual/bitmap.hpp"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "host/file_stream.hpp"
#include "host/visual/dib.hpp"
#include "host/visual/internal/png_codec.hpp"

namespace zub {

namespace {

constexpr uint32_t kWhite = ColorToPixel(clWhite);

void WriteAll(TStream& Stream, const uint8_t* Data, size_t Size) {
  while (Size > 0) {
    const int32_t chunk = static_cast<int32_t>(std::min<size_t>(Size, size_t{1} << 30));
    Stream.WriteBuffer(Data, chunk);
    Data += chunk;
    Size -= static_cast<size_t>(chunk);
  }
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

TBitmap::TBitmap() : FCanvas(FPixels) {}

TBitmap::TBitmap(int32_t Width, int32_t Height) : FCanvas(FPixels) {
  SetSize(Width, Height);
}

void TBitmap::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TBitmap*>(Source)) {
    if (src != this) FPixels = src->FPixels;
    return;
  }
  TPersistent::Assign(Source);
}

void TBitmap::SetSize(int32_t NewWidth, int32_t NewHeight) {
  FPixels.SetSize(NewWidth, NewHeight, kWhite);
}

uint32_t* TBitmap::ScanLine(int32_t Row) {
  if (Row < 0 || Row >= Height()) throw EInvalidArgument("Scan line index out of range");
  return FPixels.Row(Row);
}

void TBitmap::SaveToStream(TStream& Stream) const {
  uint32_t headerSize, imageSize;
  GetDIBSizes(*this, headerSize, imageSize);
  std::vector<uint8_t> bytes;
  bytes.reserve(14 + headerSize + imageSize);
  bytes.push_back('B');
  bytes.push_back('M');
  Put32(bytes, 14 + headerSize + imageSize);
  Put32(bytes, 0);
  Put32(bytes, 14 + headerSize);
  TBitmapInfoHeader info;
  std::vector<uint8_t> bits(imageSize);
  GetDIB(*this, info, bits);
  Put32(bytes, info.biSize);
  Put32(bytes, static_cast<uint32_t>(info.biWidth));
  Put32(bytes, static_cast<uint32_t>(info.biHeight));
  Put16(bytes, info.biPlanes);
  Put16(bytes, info.biBitCount);
  Put32(bytes, info.biCompression);
  Put32(bytes, info.biSizeImage);
  Put32(bytes, static_cast<uint32_t>(info.biXPelsPerMeter));
  Put32(bytes, static_cast<uint32_t>(info.biYPelsPerMeter));
  Put32(bytes, info.biClrUsed);
  Put32(bytes, info.biClrImportant);
  bytes.insert(bytes.end(), bits.begin(), bits.end());
  WriteAll(Stream, bytes.data(), bytes.size());
}

void TBitmap::SaveToFile(const UnicodeString& FileName) const {
  TFileStream file(FileName, fmCreate);
  SaveToStream(file);
}

void TBitmap::SaveToPNGStream(TStream& Stream) const {
  std::vector<uint8_t> bytes;
  try {
    bytes = visual_internal::EncodePNG(FPixels);
  } catch (const std::runtime_error& e) {
    throw EWriteError(e.what());
  }
  WriteAll(Stream, bytes.data(), bytes.size());
}

void TBitmap::SaveToPNGFile(const UnicodeString& FileName) const {
  TFileStream file(FileName, fmCreate);
  SaveToPNGStream(file);
}

void TBitmap::LoadFromPNGStream(TStream& Stream) {
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  for (int32_t got; (got = Stream.Read(chunk, sizeof chunk)) > 0;)
    bytes.insert(bytes.end(), chunk, chunk + got);
  std::string error;
  if (!visual_internal::DecodePNG(bytes, FPixels, error))
    throw EInvalidGraphic("Invalid PNG image: " + error);
}

void TBitmap::LoadFromPNGFile(const UnicodeString& FileName) {
  TFileStream file(FileName, fmOpenRead);
  LoadFromPNGStream(file);
}

}  // namespace zub
