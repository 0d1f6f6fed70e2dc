#include "html/html_document.hpp"

#include <algorithm>
#include <string_view>
#include <vector>

#include "html/html_entities.hpp"
#include "strings/char_class.hpp"

namespace zub {

namespace {

constexpr std::u16string_view kCRLF = u"\r\n";

bool IsSpace(Char c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

// The position of the first tag "<Name" (Name in lower case; Lower the text in lower case)
// at or after From that ends its name there: followed by white space, ">" or "/".
size_t FindTag(std::u16string_view Lower, std::u16string_view Name, size_t From) {
  const std::u16string open = u"<" + std::u16string(Name);
  for (size_t at = Lower.find(open, From); at != std::u16string_view::npos; at = Lower.find(open, at + 1)) {
    const size_t after = at + open.size();
    if (after == Lower.size() || IsSpace(Lower[after]) || Lower[after] == u'>' || Lower[after] == u'/')
      return at;
  }
  return std::u16string_view::npos;
}

// The last such tag.
size_t FindLastTag(std::u16string_view Lower, std::u16string_view Name) {
  size_t last = std::u16string_view::npos;
  for (size_t at = FindTag(Lower, Name, 0); at != std::u16string_view::npos;
       at = FindTag(Lower, Name, at + 1))
    last = at;
  return last;
}

// The index after the ">" that ends the tag starting at At, quoted attribute values stepped
// over; the end of the text when there is none.
size_t TagEnd(std::u16string_view s, size_t At) {
  Char quote = 0;
  for (size_t i = At + 1; i < s.size(); ++i) {
    if (quote != 0) {
      if (s[i] == quote) quote = 0;
    } else if (s[i] == u'"' || s[i] == u'\'') {
      quote = s[i];
    } else if (s[i] == u'>') {
      return i + 1;
    }
  }
  return s.size();
}

UnicodeString CharSetName(const UnicodeString& CharSet) {
  UnicodeString name;
  for (const Char c : CharSet)
    if (IsDigitLetter(c) || c == u'-' || c == u'_' || c == u'.' || c == u':') name += c;
  return name.empty() ? UnicodeString(u"windows-1252") : name;
}

bool IsBlockElement(std::u16string_view Name) {
  static constexpr std::u16string_view kBlocks[] = {
      u"address",  u"article",    u"aside",  u"blockquote", u"br",     u"caption", u"center",
      u"dd",       u"details",    u"dialog", u"dir",        u"div",    u"dl",      u"dt",
      u"fieldset", u"figcaption", u"figure", u"footer",     u"form",   u"h1",      u"h2",
      u"h3",       u"h4",         u"h5",     u"h6",         u"header", u"hgroup",  u"hr",
      u"li",       u"main",       u"menu",   u"nav",        u"ol",     u"p",       u"section",
      u"summary",  u"table",      u"tbody",  u"tfoot",      u"thead",  u"tr",      u"ul"};
  return std::find(std::begin(kBlocks), std::end(kBlocks), Name) != std::end(kBlocks);
}

bool IsSkippedElement(std::u16string_view Name) {
  return Name == u"script" || Name == u"style" || Name == u"head" || Name == u"title" ||
         Name == u"template" || Name == u"noscript";
}

// The text being built: finished lines, the current one, and a blank owed to it.
class TextBuilder {
 public:
  void Text(std::u16string_view Run, bool Pre) {
    if (Pre) {
      for (const Char c : ResolveHTMLEntities(UnicodeString(Run))) {
        if (c == u'\n')
          EndLine();
        else if (c != u'\r')
          FLine += c;
      }
      return;
    }
    size_t i = 0;
    while (i < Run.size()) {
      if (IsSpace(Run[i])) {
        FBlankOwed = true;
        ++i;
        continue;
      }
      size_t j = i;
      while (j < Run.size() && !IsSpace(Run[j])) ++j;
      if (FBlankOwed && !FLine.empty() && FLine.back() != u'\t') FLine += u' ';
      FBlankOwed = false;
      FLine += ResolveHTMLEntities(UnicodeString(Run.substr(i, j - i)));
      i = j;
    }
  }
  void Tab() {
    FLine += u'\t';
    FBlankOwed = false;
  }
  void EndLine() {
    if (!FLine.empty()) FLines.push_back(std::move(FLine));
    FLine.clear();
    FBlankOwed = false;
  }
  UnicodeString Join(std::u16string_view Separator) {
    EndLine();
    UnicodeString out;
    for (size_t i = 0; i < FLines.size(); ++i) {
      if (i > 0) out += Separator;
      out += FLines[i];
    }
    return out;
  }

 private:
  std::vector<UnicodeString> FLines;
  UnicodeString FLine;
  bool FBlankOwed = false;
};

}  // namespace

UnicodeString DefaultHTMLHead(const UnicodeString& Title, const UnicodeString& CharSet,
                              const UnicodeString& StyleSheet, const UnicodeString& Description,
                              bool OpenBody) {
  UnicodeString h =
      u"<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"" + CharSetName(CharSet) + u"\">\r\n";
  if (!Description.empty())
    h += u"<meta name=\"description\" content=\"" + MakeStringHTMLCompatible(Description) + u"\">\r\n";
  h += u"<title>" + MakeStringHTMLCompatible(Title) + u"</title>\r\n";
  if (!StyleSheet.empty())
    h += u"<link rel=\"stylesheet\" href=\"" + MakeStringHTMLCompatible(StyleSheet) + u"\">\r\n";
  h += u"</head>\r\n";
  if (OpenBody) h += u"<body>\r\n";
  return h;
}

UnicodeString DefaultHTMLFoot(bool CloseBody) {
  return CloseBody ? UnicodeString(u"</body>\r\n</html>\r\n") : UnicodeString(u"</html>\r\n");
}

UnicodeString ExtractHTMLBody(const UnicodeString& s) {
  const UnicodeString lower = LowerCase(s);
  size_t from = 0, to = s.size();
  if (const size_t body = FindTag(lower, u"body", 0); body != UnicodeString::npos) {
    from = TagEnd(s, body);
  } else if (const size_t head = FindTag(lower, u"/head", 0); head != UnicodeString::npos) {
    from = TagEnd(s, head);
  } else if (const size_t html = FindTag(lower, u"html", 0); html != UnicodeString::npos) {
    from = TagEnd(s, html);
  }
  size_t end = FindLastTag(lower, u"/body");
  if (end == UnicodeString::npos || end < from) end = FindLastTag(lower, u"/html");
  if (end != UnicodeString::npos && end >= from) to = end;
  return s.substr(from, to - from);
}

UnicodeString ConvertHTMLBodyToText(const UnicodeString& s, bool LineBreaks) {
  const UnicodeString body = ExtractHTMLBody(s);
  const UnicodeString lower = LowerCase(body);
  const std::u16string_view b = body;
  TextBuilder text;
  int pre = 0;
  bool cellInRow = false;
  size_t i = 0;
  while (i < b.size()) {
    const size_t lt = b.find(u'<', i);
    text.Text(b.substr(i, (lt == std::u16string_view::npos ? b.size() : lt) - i), pre > 0);
    if (lt == std::u16string_view::npos) break;
    i = lt;
    if (b.substr(i, 4) == u"<!--") {
      const size_t close = b.find(u"-->", i + 4);
      i = close == std::u16string_view::npos ? b.size() : close + 3;
      continue;
    }
    if (i + 1 < b.size() && (b[i + 1] == u'!' || b[i + 1] == u'?')) {
      i = TagEnd(b, i);
      continue;
    }
    const bool closing = i + 1 < b.size() && b[i + 1] == u'/';
    size_t n = i + (closing ? 2 : 1);
    if (n >= b.size() || !IsLetter(b[n])) {  // "a < b": not a tag
      text.Text(b.substr(i, 1), pre > 0);
      ++i;
      continue;
    }
    const size_t nameStart = n;
    while (n < b.size() && IsDigitLetter(b[n])) ++n;
    const std::u16string_view name = std::u16string_view(lower).substr(nameStart, n - nameStart);
    i = TagEnd(b, i);
    if (!closing && IsSkippedElement(name) && b[i - 1] == u'>' && b[i - 2] != u'/') {
      const size_t close = FindTag(lower, u"/" + std::u16string(name), i);
      i = close == std::u16string_view::npos ? b.size() : TagEnd(b, close);
      continue;
    }
    if (name == u"pre") {
      text.EndLine();
      pre = std::max(0, pre + (closing ? -1 : 1));
    } else if (name == u"td" || name == u"th") {
      if (!closing) {
        if (cellInRow) text.Tab();
        cellInRow = true;
      }
    } else if (IsBlockElement(name)) {
      text.EndLine();
      if (name == u"tr" || name == u"table") cellInRow = false;
    }
  }
  return text.Join(LineBreaks ? kCRLF : std::u16string_view(u" "));
}

}  // namespace zub
