#include "colors/color_array.hpp"

#include <algorithm>
#include <cmath>

#include "colors/color_models.hpp"
#include "colors/color_tables.hpp"
#include "colors/colors_error.hpp"
#include "foundation/hex_digits.hpp"
#include "host/file_system.hpp"

namespace zub {

namespace {

// A colour line of the file: blanks, an optional "$", hex digits up to the first other
// character; 0 when there are none.
TColor ParseColorLine(std::u16string_view line) {
  size_t i = 0;
  while (i < line.size() && line[i] == u' ') ++i;
  if (i < line.size() && line[i] == u'$') ++i;
  size_t next = 0;
  return ReadHexDigits(line, i, SIZE_MAX, next);
}

}  // namespace

TColorArray::TColorArray(TComponent* AOwner) : TComponent(AOwner) {
  try {
    FColArray.assign(1000, 0);
    FColArrayBak.assign(1000, 0);
  } catch (const std::bad_alloc&) {
    throw EZUBColArrayError(ComponentMessage(*this, u"not enough memory on heap"));
  }
  FNColors = 1000;
  FillByInterpolation(0, ColorArray_Rainbow);
  Backup();
}

void TColorArray::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TColorArray*>(Source)) {
    if (src == this) return;
    FNColors = src->FNColors;
    FColArray = src->FColArray;
    FColArrayBak = src->FColArrayBak;
    return;
  }
  TPersistent::Assign(Source);
}

void TColorArray::AssignTo(TPersistent* Dest) const {
  AssignToOwnClass<TColorArray>(Dest);
}

bool TColorArray::IsEqual(const TColorArray* OtherColorArray) const {
  return OtherColorArray != nullptr && OtherColorArray->FNColors == FNColors &&
         OtherColorArray->FColArray == FColArray;
}

void TColorArray::SetSize(int32_t n) {
  if (n > 0 && n != FNColors) Resize(n);
}

bool TColorArray::Resize(int32_t n) {
  if (n == FNColors) return true;
  if (n < 1) return false;
  try {
    FColArray.resize(static_cast<size_t>(n), 0);
    FColArrayBak.resize(static_cast<size_t>(n), 0);
  } catch (const std::bad_alloc&) {
    FColArray.resize(static_cast<size_t>(FNColors));
    FColArrayBak.resize(static_cast<size_t>(FNColors));
    throw EZUBColArrayError(ComponentMessage(*this, u"not enough memory"));
  } catch (const std::length_error&) {
    throw EZUBColArrayError(ComponentMessage(*this, u"not enough memory"));
  }
  FNColors = n;
  Changed();
  return true;
}

TColor TColorArray::GetColorElem(int32_t ix) const {
  if (FColArray.empty()) return 0;
  ix = std::clamp(ix, 1, FNColors);
  return FColArray[static_cast<size_t>(ix - 1)];
}

void TColorArray::SetColorElem(int32_t ix, TColor Value) {
  if (ix < 1 || ix > FNColors) return;
  FColArray[static_cast<size_t>(ix - 1)] = Value;
  Changed();
}

void TColorArray::Fill(TColor Color) {
  if (FColArray.empty()) return;
  std::fill(FColArray.begin(), FColArray.end(), Color);
  Changed();
}

void TColorArray::FillByInterpolation(int32_t DiscreteLevels, std::span<const TColor> Colors) {
  const int64_t K = static_cast<int64_t>(Colors.size()) - 1;
  if (K < 1) return;
  const int64_t N = FNColors;
  for (int64_t j = 1; j <= N; ++j) {
    long double a = static_cast<long double>(j);
    if (DiscreteLevels > 0) {
      const auto b = static_cast<double>(Round(static_cast<double>(j) / N * DiscreteLevels));
      a = static_cast<long double>(Round(b * (static_cast<double>(N) / DiscreteLevels)));
    }
    // The key index is clamped to the key list: with few elements and DiscreteLevels > 0
    // the quantised position can fall before the first element.
    const int64_t k = std::clamp<int64_t>(static_cast<int64_t>(std::trunc((a - 1) * K / N)), 0, K - 1);
    const double fraction = static_cast<double>(K * a / N - k);
    FColArray[static_cast<size_t>(j - 1)] =
        InterpolateColor(Colors[static_cast<size_t>(k)], Colors[static_cast<size_t>(k + 1)], fraction);
  }
  Changed();
}

void TColorArray::MirrorColors() {
  if (FColArray.empty()) return;
  std::reverse(FColArray.begin(), FColArray.end());
  Changed();
}

void TColorArray::InvertColors() {
  if (FColArray.empty()) return;
  for (TColor& c : FColArray) c = InvertColor(c);
  Changed();
}

void TColorArray::ReverseRGB() {
  if (FColArray.empty()) return;
  for (TColor& c : FColArray) c = ReverseRGBColor(c);
  Changed();
}

void TColorArray::Backup() {
  FColArrayBak = FColArray;
}

void TColorArray::Restore() {
  FColArray = FColArrayBak;
  Changed();
}

void TColorArray::LogTransform(double Gamma) {
  if (FNColors <= 1) return;  // ln(1) = 0 would divide by zero
  Gamma = !(Gamma >= 0) ? 0 : Gamma > 1 ? 1 : Gamma;
  const double N = FNColors;
  const double lnN = std::log(N);
  for (int32_t i = 1; i <= FNColors; ++i) {
    const int64_t j = std::min<int64_t>(
        Round(std::log(static_cast<double>(i)) * Gamma * N / lnN + (1 - Gamma) * (i - 1)) + 1, FNColors);
    FColArray[static_cast<size_t>(i - 1)] = FColArray[static_cast<size_t>(j - 1)];
  }
  Changed();
}

int32_t TColorArray::ColorToIndex(TColor cl, double& distance) const {
  distance = 1;
  int32_t index = 1;
  for (int32_t i = 1; i <= FNColors; ++i) {
    const double d = RGBColorDistance(cl, FColArray[static_cast<size_t>(i - 1)]);
    if (d < distance) {
      distance = d;
      index = i;
    }
  }
  return index;
}

void TColorArray::CopyFrom(const TColorArray* ColArraySource, int32_t SourceElemLo, int32_t SourceElemHi,
                           int32_t DestElem) {
  if (ColArraySource == nullptr) return;
  const int32_t n = ColArraySource->FNColors;
  int32_t lo = std::clamp(SourceElemLo, 1, n), hi = std::clamp(SourceElemHi, 1, n);
  if (hi < lo) std::swap(lo, hi);
  // Read from a copy: the source may be this array.
  const std::vector<TColor> source = ColArraySource->FColArray;
  for (int32_t ix = lo; ix <= hi; ++ix) {
    const int64_t dest = int64_t{DestElem} + (ix - lo);
    if (dest >= 1 && dest <= FNColors)
      FColArray[static_cast<size_t>(dest - 1)] = source[static_cast<size_t>(ix - 1)];
  }
  Changed();
}

bool TColorArray::ReadFromOpenTextFile(TextFile& f, bool AdjustSize) {
  int32_t first = 0, last = 0;
  try {
    Read(f, first);
    Read(f, last);
    ReadLn(f);
  } catch (const EInOutError&) {
    return false;
  }
  if (AdjustSize && last <= MaxFileSize) Resize(last);
  if (last > FNColors) {
    Changed();
    return false;
  }
  bool whole = true;
  for (int64_t ix = first; ix <= last; ++ix) {
    bool atEnd = false;
    try {
      atEnd = Eof(f);
    } catch (const EInOutError&) {
      atEnd = true;
    }
    if (atEnd) {
      // Every line still to come reads as empty, which is colour 0: store that directly
      // instead of reading nothing line by line.
      for (int64_t rest = std::max<int64_t>(ix, 1); rest <= last; ++rest)
        SetColorElem(static_cast<int32_t>(rest), 0);
      // A file that ends before its last colour was cut: not reported as read. (Indices
      // outside the array are never stored, so missing lines for them do not count.)
      whole = std::max<int64_t>(ix, 1) > std::min<int64_t>(last, FNColors);
      break;
    }
    UnicodeString line;
    try {
      ReadLn(f, line);
    } catch (const EInOutError&) {
      line.clear();  // a failing line counts as empty; the loop goes on
    }
    SetColorElem(static_cast<int32_t>(ix), ParseColorLine(line));
  }
  Changed();
  return whole;
}

bool TColorArray::LoadFromFile(const UnicodeString& FileName, bool AdjustSize) {
  TextFile f;
  AssignFile(f, FileName);
  try {
    Reset(f);
  } catch (const EInOutError&) {
    return false;
  }
  const bool ok = ReadFromOpenTextFile(f, AdjustSize);
  try {
    CloseFile(f);
  } catch (const EInOutError&) {
  }
  return ok;
}

bool TColorArray::WriteToOpenTextFile(TextFile& f, int32_t FirstElem, int32_t LastElem) const {
  if (LastElem < FirstElem) std::swap(FirstElem, LastElem);
  FirstElem = std::max(FirstElem, 1);
  LastElem = std::min(LastElem, FNColors);
  try {
    Write(f, FirstElem);
    Write(f, u' ');
    WriteLn(f, IntToStr(LastElem));
    for (int32_t ix = FirstElem; ix <= LastElem; ++ix) WriteLn(f, ColorToHexStr(GetColorElem(ix)));
    // What is still buffered could fail too; the result is to tell.
    Flush(f);
  } catch (const EInOutError&) {
    return false;  // nothing is raised, but a cut file is not reported as written
  }
  return true;
}

bool TColorArray::StoreOnFile(int32_t FirstElem, int32_t LastElem, const UnicodeString& FileName) const {
  TextFile f;
  AssignFile(f, FileName);
  try {
    Rewrite(f);
  } catch (const EInOutError&) {
    return false;
  }
  bool ok = WriteToOpenTextFile(f, FirstElem, LastElem);
  try {
    CloseFile(f);
  } catch (const EInOutError&) {
    ok = false;
  }
  if (!ok) RemovePartialFile(FileName);
  return ok;
}

void TColorArray::Changed() {
  if (FOnChange) FOnChange(this);
}

}  // namespace zub
