// TColorArray: an ordered colour scale (a palette that charts map data values onto), with
// interpolation between key colours, transforms, nearest-colour search, partial copies,
// a backup, and a small text file.
//
// Elements are 1-based. The array always holds N >= 1 colours. Bad indices and inputs are
// handled silently: readers clamp, writers skip, loaders return false. Each changing
// operation ends with one Changed (OnChange with the array as sender), except Assign,
// Backup and the failure paths named below.
//
// The colour file: a header line "first last", then one line per element with the colour
// as 8 hex digits ($00BBGGRR, no prefix); lines end in CR LF (LF alone is read too).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

class TColorArray : public TComponent {
 public:
  // Reading a file never makes an array larger than this, whatever its header claims.
  static constexpr int32_t MaxFileSize = 1 << 24;

  // 1000 colours of the rainbow scale, backed up. Raises EZUBColArrayError
  // ('Component "<Name>": not enough memory on heap') when memory runs out.
  explicit TColorArray(TComponent* AOwner);
  UnicodeString ClassName() const override { return u"TColorArray"; }

  // Copies the size and both arrays of another TColorArray, without a change event.
  void Assign(const TPersistent* Source) override;
  // Same size and colours (backups are not compared); false for none.
  bool IsEqual(const TColorArray* OtherColorArray) const;

  int32_t Size() const { return FNColors; }
  // Resizes when n > 0 and differs from the size.
  void SetSize(int32_t n);
  // New elements are black; false for n < 1; true without an event when n is the size.
  // Raises EZUBColArrayError ('Component "<Name>": not enough memory') when memory runs out.
  bool Resize(int32_t n);

  // Element 1 for ix < 1, element N for ix > N.
  TColor GetColorElem(int32_t ix) const;
  // Only for 1 <= ix <= N.
  void SetColorElem(int32_t ix, TColor Value);

  void Fill(TColor Color);
  // Spreads the key colours over the array (at least two; fewer do nothing).
  // DiscreteLevels > 0 quantises the scale into that many bands.
  void FillByInterpolation(int32_t DiscreteLevels, std::span<const TColor> Colors);
  void FillByInterpolation(int32_t DiscreteLevels, std::initializer_list<TColor> Colors) {
    FillByInterpolation(DiscreteLevels, std::span<const TColor>(Colors.begin(), Colors.size()));
  }
  void MirrorColors();
  void InvertColors();
  void ReverseRGB();
  void Backup();
  void Restore();
  // Logarithmic stretch of the scale; Gamma 0 (or NaN) leaves it, 1 is fully logarithmic.
  // An array of one colour is left alone.
  void LogTransform(double Gamma);
  // The 1-based index of the nearest colour (the first of equally near ones) and its
  // distance (RGBColorDistance).
  int32_t ColorToIndex(TColor cl, double& distance) const;
  // Source elements lo..hi (clamped to the source, exchanged when reversed) to DestElem
  // onwards; destination positions outside 1..N are skipped. Nothing for no source.
  void CopyFrom(const TColorArray* ColArraySource, int32_t SourceElemLo, int32_t SourceElemHi,
                int32_t DestElem);

  // Reads a colour file. False when the header is bad (nothing changes), or when the
  // last index exceeds the size (after AdjustSize, which resizes to the last index but
  // never beyond MaxFileSize). Lines that are not hex numbers give colour 0; indices
  // outside 1..N are skipped. A file that ends before its last colour was cut: the
  // missing colours become 0 and the result is false.
  bool ReadFromOpenTextFile(TextFile& f, bool AdjustSize);
  bool LoadFromFile(const UnicodeString& FileName, bool AdjustSize);
  // Writes elements FirstElem..LastElem (exchanged when reversed, clamped to 1..N) and
  // flushes the file. Write errors raise nothing but give false.
  bool WriteToOpenTextFile(TextFile& f, int32_t FirstElem, int32_t LastElem) const;
  // False when the file cannot be created or written whole; a cut file is removed
  // (see RemovePartialFile).
  bool StoreOnFile(int32_t FirstElem, int32_t LastElem, const UnicodeString& FileName) const;

  void Changed();
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

 protected:
  // Copies into another TColorArray; any other destination fails as in TPersistent.
  void AssignTo(TPersistent* Dest) const override;

 private:
  int32_t FNColors = 0;
  std::vector<TColor> FColArray;
  std::vector<TColor> FColArrayBak;
  TNotifyEvent FOnChange;
};

}  // namespace zub
