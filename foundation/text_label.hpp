// TCustomTextLabel: the settings of a text label that a chart draws at a position in data
// coordinates (caption, position, layer, colours, shadow, alignment, attachment, font,
// drawing style, visibility). It draws nothing: it stores and checks settings, announces
// each change through OnChange, copies itself, and writes itself to and reads itself from
// an XML-like element in a text file the caller has opened, so that several labels and
// other elements can share one file, told apart by their identifier.
//
// The element (Windows-1252 text, CR LF line ends; I is the indentation, 1 to 255 blanks):
//   I<?xml version="1.0"?>                                    only with the header flag
//                                                              an empty line
//   I<!-- TCustomTextLabel / Zub Toolkit -->
//   I<custtextlbl sig="ZubToolkit" vers="1.0" id="Lbl1">
//   I  <posxy x= 1.000E+0002 y= 1.000E+0001 />
//   I  <caption>Text</caption>                                 written as it is, unescaped
//   I  <colors brd=$000000 bg=$C0C0C0 shdw=$808080 />
//   I  <shadowofs dx=0 dy=0 />
//   I  <layer val=1 />
//   I  <transparent val=0 />
//   I  <visible val=1 />
//   I  <alignment horiz=taCenter vert=vaBottom />
//   I  <attachmode val=tlamNone />
//   I  <font name="Tahoma" size=8 color=$000000 style="fsBold fsItalic" />
//   I  <style val=tlsimple />
//   I</custtextlbl>
// Enumeration values are written by the names of xmlAlignment, xmlVerticalAlignment,
// xmlTxtLblAttachMode, xmlFontStyle and xmlTxtLblMode (name_tables.hpp).
//
// Numbers:
// - A coordinate is written in the exponent layout of strff with a four-digit exponent
//   (sign column, one digit, ".", digits, "E", sign, four digits), 12 characters wide
//   (four significant digits) whenever that reads back as the same double, else in the
//   narrowest wider form that does (at most 17 significant digits). A written file thus
//   gives back every coordinate bit for bit, -0 included (its sign column is "-"). Only
//   what the reader cannot give back is written 12 wide: NaN and infinities ("NAN", "INF",
//   which read as 0) and magnitudes above uc_MaxDouble (read as +-uc_MaxDouble).
// - A colour is written as its low 24 bits in 6 upper-case hex digits (order BBGGRR);
//   a system colour (top byte set) as all 8 digits, so that it reads back as itself.
//
// The format has no escapes: a caption holding "</caption>" (in any case) reads back cut
// there, and a font name or identifier holding a double quote does not read back. Text
// files store Windows-1252, so other characters come back as "?".
#pragma once

#include <cstdint>

#include "foundation/zubbase_types.hpp"
#include "host/classes.hpp"
#include "host/visual/font.hpp"
#include "host/graphics.hpp"
#include "host/text_file.hpp"

namespace zub {

class TCustomTextLabel : public TPersistent {
 public:
  // Position (100, 10), layer 1, no shadow offset, grey shadow ($808080), centred and
  // bottom-aligned, not attached to data, silver background ($C0C0C0), black border, not
  // transparent, the default TFont, empty caption, mode tlsimple, visible, no handler.
  TCustomTextLabel();
  ~TCustomTextLabel() override;
  UnicodeString ClassName() const override { return u"TCustomTextLabel"; }

  // From another TCustomTextLabel copies every setting and the OnChange handler (the font
  // into this label's own font), without calling Changed; any other source fails as in
  // TPersistent.
  void Assign(const TPersistent* Source) override;

  // Calls OnChange with the label as sender, if assigned.
  void Changed();
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

  // Every setter stores its value and calls Changed, also when the value stays the same;
  // SetTxtLblLayer ignores values outside 1 .. 16 (no Changed then).
  double PosX() const { return FPosX; }
  void SetTxtLblPosX(double Value);
  double PosY() const { return FPosY; }
  void SetTxtLblPosY(double Value);
  // The chart layer, 1 to 16 (a file may set any value).
  int32_t Layer() const { return FLayer; }
  void SetTxtLblLayer(int32_t Value);
  // Shadow offsets in pixels.
  int32_t XShadow() const { return FXShadow; }
  void SetTxtLblShadowDx(int32_t Value);
  int32_t YShadow() const { return FYShadow; }
  void SetTxtLblShadowDy(int32_t Value);
  TColor ColorShadow() const { return FColorShadow; }
  void SetTxtLblColorShadow(TColor Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetTxtLblAlignment(TAlignment Value);
  TVerticalAlignment VertAlign() const { return FVertAlign; }
  void SetTxtLblVertAlignment(TVerticalAlignment Value);
  // Which coordinates are attached to the data.
  TTxtLblAttachMode AttachDat() const { return FAttachDat; }
  void SetTxtLblScreenPos(TTxtLblAttachMode Value);
  TColor ColorBkg() const { return FColorBkg; }
  void SetTxtLblColorBkg(TColor Value);
  TColor ColorBrd() const { return FColorBrd; }
  void SetTxtLblColorBrd(TColor Value);
  // Transparent background.
  bool TransPar() const { return FTransPar; }
  void SetTxtLblTranspar(bool Value);
  // The label's own font; changed only through SetTxtLblFont, which copies the settings
  // of Value into it.
  const TFont& Font() const { return FFont; }
  void SetTxtLblFont(const TFont& Value);
  // Set with every character below 32 other than line feed turned into a blank.
  const UnicodeString& Caption() const { return FCaption; }
  void SetTxtLblCaption(const UnicodeString& Value);
  TTxtLblMode Mode() const { return FMode; }
  void SetTxtLblMode(TTxtLblMode Value);
  bool Visible() const { return FVisible; }
  void SetTxtLblVisible(bool Value);

  // Writes the element (see the header comment) to F, open for writing. Indent below 1
  // counts as 1, above 255 as 255. The identifier is written as it is. Write errors
  // propagate as EInOutError.
  void WriteToOpenXMLFile(TextFile& F, bool WithHeader, const UnicodeString& Ident, int32_t Indent) const;

  // Reads from F, open for reading, the next element whose start line holds "<custtextlbl"
  // and "zubtoolkit" (any case) and, when Ident is not empty, an id whose text (between
  // id=" and the next double quote, trimmed of blanks) equals Ident in any case; other
  // lines are skipped. Its elements are then read tag by tag as ReadNextTagInTextFile
  // reads them, attributes as ScanForXMLAttrib finds them:
  //   posxy x, y                 numbers with "." or "," as decimal separator, clamped to
  //                              +-uc_MaxDouble; malformed ones read as 0
  //   colors brd, bg, shdw       hex digits after an optional "$" (the low 32 bits of
  //                              longer numbers)
  //   shadowofs dx, dy; layer val
  //                              decimal integers (digits up to the first other character,
  //                              0 without any, saturated at the 32-bit bounds); the layer
  //                              is taken without the range check of SetTxtLblLayer
  //   transparent val, visible val
  //                              true when the integer is 1
  //   alignment horiz, vert; attachmode val; style val
  //                              the exact (case-sensitive) table name; another text
  //                              leaves the setting as it was
  //   font name, size, color, style
  //                              name as written, size an integer, color as in colors,
  //                              style the blank-separated xmlFontStyle names (others are
  //                              ignored)
  //   caption                    the content up to </caption>, as it is
  // A missing attribute reads as the empty text. Other tags are passed over. The settings
  // read take effect only when the closing </custtextlbl> is reached: then the label
  // takes them, calls Changed once and the result is true, with F just after the closing
  // tag. A file that ends before, or has no qualifying start line, gives false and leaves
  // the label as it was, without Changed. Read errors propagate as EInOutError.
  bool ReadFromOpenXMLFile(TextFile& F, const UnicodeString& Ident);

 protected:
  // Copies into another TCustomTextLabel; any other destination fails as in TPersistent.
  void AssignTo(TPersistent* Dest) const override;

 private:
  double FPosX = 100.0;
  double FPosY = 10.0;
  int32_t FLayer = 1;
  int32_t FXShadow = 0;
  int32_t FYShadow = 0;
  TColor FColorShadow = 0x808080;
  TAlignment FAlignment = taCenter;
  TVerticalAlignment FVertAlign = vaBottom;
  TTxtLblAttachMode FAttachDat = tlamNone;
  TColor FColorBkg = 0xC0C0C0;
  TColor FColorBrd = 0x000000;
  bool FTransPar = false;
  TFont FFont;
  UnicodeString FCaption;
  TTxtLblMode FMode = tlsimple;
  TNotifyEvent FOnChange;
  bool FVisible = true;
};

}  // namespace zub
