// The text label's XML-like element: written line by line to an open text file, read back
// tag by tag with the library's tag reader.
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <limits>

#include "foundation/hex_digits.hpp"
#include "foundation/name_tables.hpp"
#include "foundation/text_label.hpp"
#include "host/case_map.hpp"
#include "host/convert.hpp"
#include "streams/number_scan.hpp"
#include "streams/tag_reader.hpp"
#include "strings/number_format.hpp"
#include "strings/string_layout.hpp"

namespace zub {

namespace {

// The tags read inside the element, the closing tag and a placeholder last: the tag reader
// gives the placeholder's index for every other name and at the end of the file.
enum Element {
  ePosXY,
  eColors,
  eShadowOfs,
  eLayer,
  eTransparent,
  eVisible,
  eAlignment,
  eAttachMode,
  eFont,
  eStyle,
  eCaption,
  eEnd,
  eOther
};
const UnicodeString kElements[] = {u"posxy",   u"colors",       u"shadowofs",  u"layer", u"transparent",
                                   u"visible", u"alignment",    u"attachmode", u"font",  u"style",
                                   u"caption", u"/custtextlbl", u"dummy"};
static_assert(std::size(kElements) == eOther + 1);

double ReadCoordinate(std::u16string_view s) {
  return ScanTextFPNum(s, true, 3).Result();
}

// The narrowest exponent layout from 12 characters up that reads back as the same bits;
// 25 characters carry 17 significant digits, which every double within the reader's
// range needs at most.
UnicodeString CoordinateText(double v) {
  if (v == 0 && std::signbit(v)) return u"-0.000E+0000";  // the layout's sign column is for v < 0
  for (int32_t width = 12; width <= 25; ++width) {
    UnicodeString text = strff(v, width, -1);
    if (std::bit_cast<uint64_t>(ReadCoordinate(text)) == std::bit_cast<uint64_t>(v)) return text;
  }
  return strff(v, 12, -1);  // NaN, infinities, beyond +-uc_MaxDouble: nothing reads back
}

// Six digits BBGGRR; all eight for a system colour.
UnicodeString ColorText(TColor c) {
  return IntToHex(int64_t{c}, (c >> 24) == 0 ? 6 : 8);
}

std::u16string_view SkipBlanks(std::u16string_view s) {
  size_t i = 0;
  while (i < s.size() && s[i] == u' ') ++i;
  return s.substr(i);
}

// Blanks, an optional sign, decimal digits up to the first other character; 0 without
// any; saturated at the 32-bit bounds.
int32_t IntValue(std::u16string_view s) {
  s = SkipBlanks(s);
  bool negative = false;
  if (!s.empty() && (s[0] == u'+' || s[0] == u'-')) {
    negative = s[0] == u'-';
    s.remove_prefix(1);
  }
  int64_t v = 0;
  for (Char c : s) {
    if (c < u'0' || c > u'9') break;
    v = std::min<int64_t>(v * 10 + (c - u'0'), int64_t{1} << 32);
  }
  return static_cast<int32_t>(std::clamp<int64_t>(negative ? -v : v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// Blanks, an optional "$", hex digits up to the first other character (the low 32 bits).
TColor HexValue(std::u16string_view s) {
  s = SkipBlanks(s);
  if (!s.empty() && s[0] == u'$') s.remove_prefix(1);
  size_t next = 0;
  return ReadHexDigits(s, 0, s.size(), next);
}

// The name of value v, empty for a value beyond the table.
template <size_t N>
UnicodeString NameOf(const std::array<std::u16string_view, N>& names, size_t v) {
  return v < N ? UnicodeString(names[v]) : UnicodeString();
}

// Sets field to the value whose name is text exactly; leaves it for any other text.
template <typename E, size_t N>
void SetByName(const std::array<std::u16string_view, N>& names, std::u16string_view text, E& field) {
  for (size_t v = 0; v < N; ++v)
    if (!names[v].empty() && names[v] == text) {
      field = static_cast<E>(v);
      return;
    }
}

UnicodeString StyleText(TFontStyles styles) {
  UnicodeString text;
  for (size_t s = fsBold; s <= fsStrikeOut; ++s) {
    if (!styles.Contains(static_cast<TFontStyle>(s))) continue;
    if (!text.empty()) text += u' ';
    text += xmlFontStyle[s];
  }
  return text;
}

TFontStyles StyleValue(std::u16string_view text) {
  TFontStyles styles;
  while (!text.empty()) {
    const size_t blank = text.find(u' ');
    TFontStyle style = static_cast<TFontStyle>(fsStrikeOut + 1);
    SetByName(xmlFontStyle, text.substr(0, blank), style);
    styles.Include(style);  // no flag for an unknown name
    text = blank == std::u16string_view::npos ? std::u16string_view() : text.substr(blank + 1);
  }
  return styles;
}

// Reads lines up to the element's start line: "<custtextlbl" and "zubtoolkit" in any case
// and, for a wanted identifier (lower case), an id text equal to it.
bool FindStartLine(TextFile& F, const UnicodeString& wanted) {
  UnicodeString line;
  while (!Eof(F)) {
    ReadLn(F, line);
    const UnicodeString lower = LowerCase(line);
    if (lower.find(u"<custtextlbl") == UnicodeString::npos ||
        lower.find(u"zubtoolkit") == UnicodeString::npos)
      continue;
    if (wanted.empty()) return true;
    const size_t at = lower.find(u"id=\"");
    if (at == UnicodeString::npos) continue;
    const size_t end = lower.find(u'"', at + 4);
    if (end == UnicodeString::npos) continue;
    if (StripLTBlanks(std::u16string_view(lower).substr(at + 4, end - at - 4)) == wanted) return true;
  }
  return false;
}

}  // namespace

void TCustomTextLabel::WriteToOpenXMLFile(TextFile& F, bool WithHeader, const UnicodeString& Ident,
                                          int32_t Indent) const {
  const UnicodeString in(static_cast<size_t>(std::clamp(Indent, 1, 255)), u' ');
  if (WithHeader) WriteLn(F, in + u"<?xml version=\"1.0\"?>");
  WriteLn(F);
  WriteLn(F, in + u"<!-- TCustomTextLabel / Zub Toolkit -->");
  WriteLn(F, in + u"<custtextlbl sig=\"ZubToolkit\" vers=\"1.0\" id=\"" + Ident + u"\">");
  WriteLn(F, in + u"  <posxy x=" + CoordinateText(FPosX) + u" y=" + CoordinateText(FPosY) + u" />");
  WriteLn(F, in + u"  <caption>" + FCaption + u"</caption>");
  WriteLn(F, in + u"  <colors brd=$" + ColorText(FColorBrd) + u" bg=$" + ColorText(FColorBkg) + u" shdw=$" +
                 ColorText(FColorShadow) + u" />");
  WriteLn(F, in + u"  <shadowofs dx=" + IntToStr(FXShadow) + u" dy=" + IntToStr(FYShadow) + u" />");
  WriteLn(F, in + u"  <layer val=" + IntToStr(FLayer) + u" />");
  WriteLn(F, in + u"  <transparent val=" + (FTransPar ? u"1" : u"0") + u" />");
  WriteLn(F, in + u"  <visible val=" + (FVisible ? u"1" : u"0") + u" />");
  WriteLn(F, in + u"  <alignment horiz=" + NameOf(xmlAlignment, FAlignment) + u" vert=" +
                 NameOf(xmlVerticalAlignment, FVertAlign) + u" />");
  WriteLn(F, in + u"  <attachmode val=" + NameOf(xmlTxtLblAttachMode, FAttachDat) + u" />");
  WriteLn(F, in + u"  <font name=\"" + FFont.Name() + u"\" size=" + IntToStr(FFont.Size()) + u" color=$" +
                 ColorText(FFont.Color()) + u" style=\"" + StyleText(FFont.Style()) + u"\" />");
  WriteLn(F, in + u"  <style val=" + NameOf(xmlTxtLblMode, FMode) + u" />");
  WriteLn(F, in + u"</custtextlbl>");
}

bool TCustomTextLabel::ReadFromOpenXMLFile(TextFile& F, const UnicodeString& Ident) {
  if (!FindStartLine(F, LowerCase(Ident))) return false;
  // Read into a label of our own, taken over only once the element has been read whole.
  TCustomTextLabel read;
  read.Assign(this);
  UnicodeString attribs, content;
  const auto value = [&attribs](std::u16string_view name) { return ScanForXMLAttrib(attribs, name); };
  while (!Eof(F)) {
    switch (ReadNextTagInTextFile(F, kElements, attribs, content)) {
      case ePosXY:
        read.FPosX = ReadCoordinate(value(u"x"));
        read.FPosY = ReadCoordinate(value(u"y"));
        break;
      case eColors:
        read.FColorBrd = HexValue(value(u"brd"));
        read.FColorBkg = HexValue(value(u"bg"));
        read.FColorShadow = HexValue(value(u"shdw"));
        break;
      case eShadowOfs:
        read.FXShadow = IntValue(value(u"dx"));
        read.FYShadow = IntValue(value(u"dy"));
        break;
      case eLayer:
        read.FLayer = IntValue(value(u"val"));
        break;
      case eTransparent:
        read.FTransPar = IntValue(value(u"val")) == 1;
        break;
      case eVisible:
        read.FVisible = IntValue(value(u"val")) == 1;
        break;
      case eAlignment:
        SetByName(xmlAlignment, value(u"horiz"), read.FAlignment);
        SetByName(xmlVerticalAlignment, value(u"vert"), read.FVertAlign);
        break;
      case eAttachMode:
        SetByName(xmlTxtLblAttachMode, value(u"val"), read.FAttachDat);
        break;
      case eFont:
        read.FFont.SetName(value(u"name"));
        read.FFont.SetSize(IntValue(value(u"size")));
        read.FFont.SetColor(HexValue(value(u"color")));
        read.FFont.SetStyle(StyleValue(value(u"style")));
        break;
      case eStyle:
        SetByName(xmlTxtLblMode, value(u"val"), read.FMode);
        break;
      case eCaption:
        read.FCaption = content;
        break;
      case eEnd: {
        TNotifyEvent own = std::move(FOnChange);
        Assign(&read);
        FOnChange = std::move(own);
        Changed();
        return true;
      }
      default:
        break;
    }
  }
  return false;
}

}  // namespace zub
