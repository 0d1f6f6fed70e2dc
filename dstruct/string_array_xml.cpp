// The string array's XML-like file element: written and read line by line on an open text
// file, so that a caller can keep several tables and other elements in one file.
#include <vector>

#include "dstruct/string_array.hpp"
#include "dstruct/xml_text.hpp"
#include "host/case_map.hpp"
#include "host/convert.hpp"
#include "host/file_system.hpp"
#include "host/text_file.hpp"
#include "streams/tag_reader.hpp"

namespace zub {

namespace {

// Markup and control characters (a cell may hold a line end) become entities, so that every
// cell fits on its line; other characters stay, as the file is Windows-1252 text.
UnicodeString EscapeXML(std::u16string_view s) {
  return EscapeXMLText(s, false);
}

// An "&" that starts no known entity stays as it is.
UnicodeString UnescapeXML(std::u16string_view s) {
  return *UnescapeXMLText(s, false);
}

std::u16string_view Trimmed(std::u16string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == u' ' || s[b] == u'\t')) ++b;
  while (e > b && (s[e - 1] == u' ' || s[e - 1] == u'\t')) --e;
  return s.substr(b, e - b);
}

int32_t IntAttrib(std::u16string_view attribs, std::u16string_view name) {
  return StrToIntDef(ScanForXMLAttrib(attribs, name), -1);
}

// The attribute text of a one-line tag "<name ...>" or "<name ... />".
std::u16string_view TagAttribs(std::u16string_view line, size_t nameLength) {
  std::u16string_view rest = line.substr(nameLength);
  const size_t close = rest.find(u'>');
  if (close != std::u16string_view::npos) rest = rest.substr(0, close);
  if (!rest.empty() && rest.back() == u'/') rest.remove_suffix(1);
  return Trimmed(rest);
}

}  // namespace

void TStringArray::WriteToOpenXMLFile(TextFile& F, bool WithHeader, const UnicodeString& DataID) const {
  if (WithHeader) WriteLn(F, u"<?xml version=\"1.0\"?>");
  WriteLn(F, u"<stringarray signature=\"zubtoolkit\" id=\"" + EscapeXML(DataID) + u"\" cols=" +
                 IntToStr(FNCol) + u" rows=" + IntToStr(FNRow) + u">");
  for (int32_t c = 1; c <= FNCol; ++c)
    if (GetColAttrib(c) != 0)
      WriteLn(F, u"  <colattrib c=" + IntToStr(c) + u" val=" + IntToStr(int32_t{GetColAttrib(c)}) + u" />");
  for (int32_t r = 1; r <= FNRow; ++r) {
    if (GetRowAttrib(r) != 0)
      WriteLn(F, u"  <rowattrib r=" + IntToStr(r) + u" val=" + IntToStr(int32_t{GetRowAttrib(r)}) + u" />");
    for (int32_t c = 0; c <= FNCol; ++c) {
      if (CellAddress(c, r) == 0) continue;
      WriteLn(F, u"  <cell c=" + IntToStr(c) + u" r=" + IntToStr(r) + u">" + EscapeXML(GetString(c, r)) +
                     u"</cell>");
    }
  }
  WriteLn(F, u"</stringarray>");
}

void TStringArray::SaveAsXMLFile(const UnicodeString& FName, const UnicodeString& DataID) const {
  TextFile f;
  AssignFile(f, FName);
  Rewrite(f);
  WriteToOpenXMLFile(f, true, DataID);
  CloseFile(f);
}

bool TStringArray::ReadFromOpenXMLFile(TextFile& F, const UnicodeString& DataID) {
  const UnicodeString wanted = LowerCase(DataID);
  UnicodeString line, start;
  for (;;) {
    if (Eof(F)) return false;
    ReadLn(F, line);
    const std::u16string_view head = Trimmed(line);
    if (LowerCase(head.substr(0, 12)) != u"<stringarray") continue;
    if (LowerCase(head).find(u"zubtoolkit") == UnicodeString::npos) continue;
    if (wanted.empty() || LowerCase(UnescapeXML(ScanForXMLAttrib(TagAttribs(head, 12), u"id"))) == wanted) {
      start = head;
      break;
    }
  }
  const std::u16string_view attribs = TagAttribs(start, 12);
  // Read into a table of our own, so that a cut or malformed element changes nothing.
  TStringArray read(nullptr);
  read.SetAllocRowsBy(FAllocRowsBy);
  const int32_t cols = IntAttrib(attribs, u"cols"), rows = IntAttrib(attribs, u"rows");
  if (cols < 1 || rows < 1 || (int64_t{cols} + 1) * rows > MaxFileCells) return false;
  if (!read.Resize(cols, rows)) return false;
  while (!Eof(F)) {
    ReadLn(F, line);
    const std::u16string_view t = Trimmed(line);
    const UnicodeString lower = LowerCase(t);
    if (lower.starts_with(u"</stringarray")) {
      TNotifyEvent onChange = FOnChange;
      TBeforeSortExchgEvent onBefSortExc = FOnBefSortExc;
      TOnPercentDoneEvent onPercentDone = FOnPercentDone;
      Assign(&read);
      FOnChange = std::move(onChange);
      FOnBefSortExc = std::move(onBefSortExc);
      FOnPercentDone = std::move(onPercentDone);
      Changed();
      return true;
    }
    if (lower.starts_with(u"<cell ")) {
      const size_t open = t.find(u'>');
      const size_t close = lower.rfind(u"</cell>");
      if (open == std::u16string_view::npos || close == UnicodeString::npos || close < open) continue;
      const std::u16string_view a = TagAttribs(t.substr(0, open + 1), 5);
      read.SetString(IntAttrib(a, u"c"), IntAttrib(a, u"r"),
                     UnescapeXML(t.substr(open + 1, close - open - 1)));
    } else if (lower.starts_with(u"<colattrib ")) {
      const std::u16string_view a = TagAttribs(t, 10);
      const int32_t val = IntAttrib(a, u"val");
      if (val >= 0 && val <= 255) read.SetColAttrib(IntAttrib(a, u"c"), static_cast<uint8_t>(val));
    } else if (lower.starts_with(u"<rowattrib ")) {
      const std::u16string_view a = TagAttribs(t, 10);
      const int32_t val = IntAttrib(a, u"val");
      if (val >= 0 && val <= 255) read.SetRowAttrib(IntAttrib(a, u"r"), static_cast<uint8_t>(val));
    }
  }
  return false;
}

bool TStringArray::LoadFromXMLFile(const UnicodeString& FName, const UnicodeString& DataID) {
  if (!FileExists(FName)) return false;
  TextFile f;
  AssignFile(f, FName);
  Reset(f);
  const bool ok = ReadFromOpenXMLFile(f, DataID);
  CloseFile(f);
  return ok;
}

}  // namespace zub
