// `zubkit tags`: the elements of an XML, HTML or SVG file at every depth, read as a stream.
//
// The command splits its input into text and markup one tag at a time and keeps only the
// open elements, so memory holds one tag, the path of open elements and the text of the
// element being read, and a pipe is listed as it comes. The library's tag reader takes each
// tag apart (name, attribute text, whether content follows) and classifies it against
// --names; ScanForXMLAttrib picks an attribute; the raw text of HTML's script and style is
// what the reader returns as an element's content. Nesting, comments, CDATA and HTML's
// unclosed elements, which the reader leaves alone, are handled here.
#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tools/zubkit/cli.hpp"
#include "tools/zubkit/input.hpp"
#include "tools/zubkit/progress.hpp"
#include "tools/zubkit/text_lines.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

using zub::UnicodeString;

// The tag reader works on characters with the codes of the bytes; the input's bytes go in
// and come back that way, and are decoded only for output.
UnicodeString Widen(std::string_view bytes) {
  UnicodeString chars(bytes.size(), u'\0');
  for (size_t i = 0; i < bytes.size(); ++i) chars[i] = static_cast<uint8_t>(bytes[i]);
  return chars;
}

std::string Narrow(std::u16string_view chars) {
  std::string bytes(chars.size(), '\0');
  for (size_t i = 0; i < chars.size(); ++i) bytes[i] = static_cast<char>(chars[i]);
  return bytes;
}

// Control characters shown as escapes, so one element stays on one line.
std::string Escaped(const UnicodeString& s) {
  UnicodeString out;
  for (zub::Char c : s) {
    if (c == u'\n')
      out += u"\\n";
    else if (c == u'\r')
      out += u"\\r";
    else if (c == u'\t')
      out += u"\\t";
    else if (c == u'\\')
      out += u"\\\\";
    else
      out += c;
  }
  return zub::UnicodeToUtf8(out);
}

// The tag reader ends a tag at its first ">", so a ">" inside a quoted attribute value goes
// to it as kHidden and "g" (kHidden itself doubled), and comes back in the attribute text.
constexpr char kHidden = '\x1f';

UnicodeString Unhidden(const UnicodeString& s) {
  if (s.find(static_cast<zub::Char>(kHidden)) == UnicodeString::npos) return s;
  UnicodeString out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == kHidden && i + 1 < s.size()) {
      ++i;
      out += s[i] == u'g' ? u'>' : s[i];
    } else {
      out += s[i];
    }
  }
  return out;
}

bool IsSpace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsSpace(static_cast<uint8_t>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && IsSpace(static_cast<uint8_t>(s.back()))) s.remove_suffix(1);
  return s;
}

// A tag name starts with a letter (any byte above 127 may begin one in UTF-8 or a legacy
// code page); anything else after "<", as in "a < b", is text.
bool IsNameStart(int c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || c >= 0x80;
}

bool OneOf(std::u16string_view name, std::initializer_list<std::u16string_view> names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// HTML elements that never hold anything, so `<br>` needs no end.
bool IsVoid(std::u16string_view name) {
  return OneOf(name, {u"area", u"base", u"br", u"col", u"embed", u"hr", u"img", u"input", u"link", u"meta",
                      u"param", u"source", u"track", u"wbr"});
}

// HTML elements whose content is text up to their closing tag, whatever markup it shows.
bool IsRawText(std::u16string_view name) {
  return OneOf(name, {u"script", u"style", u"textarea", u"title"});
}

// Whether an opening tag named start ends the innermost open element, named open, as HTML
// ends an unclosed paragraph, list item, cell or row when the next one begins.
bool EndsOnStart(std::u16string_view start, std::u16string_view open) {
  if (open == u"p")
    return OneOf(start,
                 {u"p",          u"li",      u"dt",      u"dd",    u"address",  u"article",    u"aside",
                  u"blockquote", u"details", u"div",     u"dl",    u"fieldset", u"figcaption", u"figure",
                  u"footer",     u"form",    u"h1",      u"h2",    u"h3",       u"h4",         u"h5",
                  u"h6",         u"header",  u"hgroup",  u"hr",    u"main",     u"menu",       u"nav",
                  u"ol",         u"pre",     u"section", u"table", u"ul"});
  if (open == u"li") return start == u"li";
  if (open == u"dt" || open == u"dd") return OneOf(start, {u"dt", u"dd"});
  if (open == u"td" || open == u"th")
    return OneOf(start, {u"td", u"th", u"tr", u"thead", u"tbody", u"tfoot"});
  if (open == u"tr") return OneOf(start, {u"tr", u"thead", u"tbody", u"tfoot"});
  if (open == u"thead" || open == u"tbody") return OneOf(start, {u"thead", u"tbody", u"tfoot"});
  if (open == u"option") return OneOf(start, {u"option", u"optgroup"});
  return false;
}

// The rest of the input with a text in front: an opening tag that has been read already,
// so the library's reader can take that element's content from the input.
class PrefixedInput : public zub::TStream {
 public:
  PrefixedInput(std::string prefix, Input& in) : FPrefix(std::move(prefix)), FIn(in) {}

  int32_t Read(void* Buffer, int32_t Count) override {
    auto* out = static_cast<uint8_t*>(Buffer);
    int32_t n = 0;
    while (n < Count && FAt < FPrefix.size()) out[n++] = static_cast<uint8_t>(FPrefix[FAt++]);
    if (n < Count) {
      FIn.BeforeRead();
      n += FIn.Stream().Read(out + n, Count - n);
    }
    return n;
  }
  int32_t Write(const void*, int32_t) override { return 0; }
  int64_t Seek(int64_t Offset, zub::TSeekOrigin Origin) override {
    if (Offset != 0 || Origin != zub::soCurrent) throw zub::EStreamError(u"The input cannot seek");
    return static_cast<int64_t>(FAt) + FIn.Done();
  }
  void SetSize(int64_t) override { throw zub::EStreamError(u"The input cannot change its size"); }
  bool CanSeek() const override { return false; }

 private:
  std::string FPrefix;
  size_t FAt = 0;
  Input& FIn;
};

class TagLister {
 public:
  TagLister(Input& in, const Args& args, std::ostream& out)
      : FIn(in),
        FOut(out),
        FProgress(in),
        FEncoding(ParseEncoding(args.Get("encoding"))),
        FPath(args.Has("path")),
        FXml(args.Has("xml")),
        FAttrMode(args.Has("attr")),
        FAttr(Widen(args.Get("attr"))),
        FFiltered(args.Has("names")) {
    const std::string names = args.Get("names");
    if (!names.empty()) {
      size_t start = 0;
      for (size_t comma; (comma = names.find(',', start)) != std::string::npos; start = comma + 1)
        FList.push_back(zub::LowerCase(Widen(names.substr(start, comma - start))));
      FList.push_back(zub::LowerCase(Widen(names.substr(start))));
    }
    for (const UnicodeString& entry : FList) FEndsListed |= !entry.empty() && entry[0] == u'/';
    FList.push_back(u"\x01");  // the placeholder: names that are not listed give its index
  }

  void Run() {
    int c = Get();
    while (c >= 0) {
      if (c != '<') {
        Text(c);
        c = Get();
        continue;
      }
      c = Get();
      if (c == '!') {
        Declaration();
      } else if (c == '?') {
        Instruction();
      } else if (c == '/' || IsNameStart(c)) {
        Tag(c);
      } else {
        Text('<');  // c is looked at again: it may start markup itself
        continue;
      }
      c = Get();
    }
    while (!FStack.empty()) Close();  // elements still open at the end of the input
  }

 private:
  struct Element {
    UnicodeString key;      // the name as the tag reader gives it, lower case
    std::string shown;      // the name as written
    UnicodeString attribs;  // the attribute text, as the tag reader gives it
    int32_t ix;             // the name's index in FList
  };

  int Get() {
    FIn.BeforeRead();
    return FIn.Stream().ReadByte();
  }

  // Text goes to the element waiting for its text; other text is not listed, so it is not
  // kept either.
  void Text(int c) {
    if (FPending) FText += static_cast<char>(c);
  }

  // Reads up to and including end, or to the end of the input.
  void SkipPast(std::string_view end) {
    std::string tail;
    for (int c = Get(); c >= 0; c = Get()) {
      tail += static_cast<char>(c);
      if (tail.size() > end.size()) tail.erase(0, 1);
      if (tail == end) return;
    }
  }

  // After "<!": a comment, CDATA (its characters are text) or a declaration such as
  // DOCTYPE, whose internal subset in brackets may hold ">".
  void Declaration() {
    int c = Get();
    int brackets = 0;
    if (c == '-') {
      c = Get();
      if (c == '-') {
        SkipPast("-->");
        return;
      }
    } else if (c == '[') {
      constexpr std::string_view kCData = "CDATA[";
      size_t matched = 0;
      while (matched < kCData.size() && (c = Get()) == kCData[matched]) ++matched;
      if (matched == kCData.size()) {
        CData();
        return;
      }
      brackets = 1;
    }
    for (; c >= 0 && (c != '>' || brackets > 0); c = Get()) {
      if (c == '[') ++brackets;
      if (c == ']' && brackets > 0) --brackets;
    }
  }

  void CData() {
    const size_t start = FText.size();
    std::string tail;
    for (int c = Get(); c >= 0; c = Get()) {
      Text(c);
      tail += static_cast<char>(c);
      if (tail.size() > 3) tail.erase(0, 1);
      if (tail == "]]>") {
        if (FPending && FText.size() >= start + 3) FText.resize(FText.size() - 3);
        return;
      }
    }
  }

  // After "<?": a processing instruction. An XML declaration before the first element
  // says the document spells out all its tags.
  void Instruction() {
    std::string target;
    bool inTarget = true;
    int prev = 0;
    for (int c = Get(); c >= 0; prev = c, c = Get()) {
      if (prev == '?' && c == '>') break;
      if (IsSpace(c) || c == '?' || target.size() > 3) inTarget = false;
      if (inTarget) target += static_cast<char>(c);
    }
    if (!FSeenElement && target == "xml") FXml = true;
  }

  // A start or end tag from its first character after "<" to its ">". White space outside
  // quoted values becomes one space, so attributes on several lines read as on one; a ">"
  // inside a quoted value does not end the tag (see kHidden).
  void Tag(int first) {
    std::string tag(1, static_cast<char>(first));
    char quote = 0;
    char last = static_cast<char>(first);  // the last character outside quotes
    bool complete = false;
    for (int c = Get(); c >= 0; c = Get()) {
      if (quote) {
        if (c == '>' || c == kHidden) {
          tag += kHidden;
          tag += c == '>' ? 'g' : kHidden;
        } else {
          tag += static_cast<char>(c);
        }
        if (c == quote) last = quote = 0;
        continue;
      }
      if (c == '>') {
        tag += '>';
        complete = true;
        break;
      }
      if (IsSpace(c)) {
        if (tag.back() != ' ') tag += ' ';
        continue;
      }
      if ((c == '"' || c == '\'') && last == '=') quote = static_cast<char>(c);
      tag += static_cast<char>(c);
      last = static_cast<char>(c);
    }
    if (!complete) return;  // cut off by the end of the input

    // One character after the tag: the reader takes it as content when the tag opens an
    // element, and leaves it when the element is empty ("/>").
    zub::TStringStream one("<" + tag + " ");
    UnicodeString attribs, content, name;
    const int32_t ix = zub::ReadNextTagInStream(one, FList, attribs, content, name);
    if (name.empty()) return;
    if (name[0] == u'/') {
      EndTag(name.substr(1));
      return;
    }
    StartTag(Element{name, tag.substr(0, name.size()), Unhidden(attribs), ix}, !content.empty());
  }

  void StartTag(Element e, bool opens) {
    FSeenElement = true;
    FProgress.Tick();
    if (!FXml)
      while (!FStack.empty() && EndsOnStart(e.key, FStack.back().key)) Close();
    if (FPending) Flush({});  // it holds an element, so no text of its own is shown
    const size_t depth = FStack.size();
    if (!opens || (!FXml && IsVoid(e.key))) {
      Print(e, depth, {});
      PrintEnd(e, depth);
    } else if (!FXml && IsRawText(e.key)) {
      UnicodeString attribs, content;
      PrefixedInput rest("<" + Narrow(e.key) + ">", FIn);
      zub::ReadNextTagInStream(rest, {u"-"}, attribs, content);
      Print(e, depth, Narrow(content));
      PrintEnd(e, depth);
    } else {
      FStack.push_back(std::move(e));
      if (!FAttrMode && Listed(FStack.back()))
        FPending = true;  // printed with its text when it ends, or when an element starts inside
      else
        Print(FStack.back(), depth, {});
    }
  }

  // A closing tag ends the innermost open element of its name and those opened inside it;
  // one without an open element of its name is ignored.
  void EndTag(const UnicodeString& key) {
    for (size_t i = FStack.size(); i-- > 0;) {
      if (FStack[i].key != key) continue;
      while (FStack.size() > i) Close();
      return;
    }
  }

  void Close() {
    const size_t depth = FStack.size() - 1;
    if (FPending) Flush(FText);
    PrintEnd(FStack.back(), depth);
    FStack.pop_back();
  }

  // Prints the element waiting for its text, which is the innermost open one.
  void Flush(std::string_view text) {
    FPending = false;
    Print(FStack.back(), FStack.size() - 1, text);
    FText.clear();
  }

  bool Listed(const Element& e) const { return !FFiltered || e.ix != static_cast<int32_t>(FList.size()) - 1; }

  std::string Show(std::string_view bytes) const { return Escaped(Decode(bytes, FEncoding)); }

  // Depth and name, or the path through the open elements.
  std::string Where(const Element& e, size_t depth) const {
    if (!FPath) return std::to_string(depth) + "\t" + Show(e.shown);
    std::string path;
    for (size_t i = 0; i < depth; ++i) path += FStack[i].shown + "/";
    return Show(path + e.shown);
  }

  void Print(const Element& e, size_t depth, std::string_view text) {
    if (!Listed(e)) return;
    std::string line = FFiltered ? std::to_string(e.ix) + "\t" : std::string();
    line += Where(e, depth);
    if (FAttrMode) {
      const UnicodeString value = zub::ScanForXMLAttrib(e.attribs, FAttr);
      if (value.empty()) return;
      line += "\t" + Show(Narrow(value));
    } else {
      line += "\t" + Show(Narrow(e.attribs)) + "\t" + Show(Trimmed(text));
    }
    FOut << line << '\n';
  }

  // An end line for an element whose name is listed with a slash ("/g").
  void PrintEnd(const Element& e, size_t depth) {
    if (!FEndsListed || FAttrMode) return;
    const auto entry = std::find(FList.begin(), FList.end() - 1, u"/" + e.key);
    if (entry == FList.end() - 1) return;
    FOut << (entry - FList.begin()) << '\t';
    if (FPath)
      FOut << "/" << Where(e, depth) << "\t\t\n";
    else
      FOut << depth << "\t/" << Show(e.shown) << "\t\t\n";
  }

  Input& FIn;
  std::ostream& FOut;
  Progress FProgress;
  const Encoding FEncoding;
  const bool FPath;
  bool FXml;
  const bool FAttrMode;
  const UnicodeString FAttr;
  const bool FFiltered;
  bool FEndsListed = false;
  std::vector<UnicodeString> FList;
  std::vector<Element> FStack;  // the open elements, outermost first
  bool FPending = false;        // the innermost open element is not printed yet
  std::string FText;            // its text so far
  bool FSeenElement = false;
};

int RunTags(const Args& args, std::ostream& out) {
  Input in(args.Positional()[0]);
  if (!args.Has("binary") && in.LooksBinary())
    throw std::runtime_error(in.Name() +
                             ": binary file (a NUL byte in its first block); --binary reads it anyway");
  TagLister(in, args, out).Run();
  return 0;
}

const Registration tags(
    {"tags",
     "FILE",
     "list the elements of an XML, HTML or SVG file at every depth",
     "One line per element, in document order, fields separated by tabs:\n"
     "  DEPTH  NAME  ATTRIBUTES  TEXT\n"
     "DEPTH is 0 for the outermost elements; NAME is written as in the file; ATTRIBUTES is the\n"
     "attribute text, white space between attributes made one space; TEXT is the text of an\n"
     "element that holds no other element, trimmed (entities stay as written; CDATA counts as\n"
     "text), empty otherwise. Control characters are escaped (\\n, \\r, \\t, \\\\).\n"
     "--path puts the path through the enclosing elements (svg/g/rect) in place of DEPTH and\n"
     "NAME. --attr NAME prints DEPTH, NAME (or the path) and the attribute's value for every\n"
     "element where it is set and not empty. --names a,b,... lists only the elements named\n"
     "there (in lower case), each line led by the name's index in the list; an entry /a\n"
     "lists where each a element ends: an end line with /NAME, or the path after a /.\n"
     "Comments, processing instructions (<?xml ...?>) and declarations (<!DOCTYPE ...>) are\n"
     "not listed. HTML without its end tags: void elements (br, img, meta, link, input, hr,\n"
     "...) hold nothing; p, li, dt, dd, td, th, tr, thead, tbody and option end where the\n"
     "next one (or for p, a block such as div or ul) starts; any other element ends with the\n"
     "closing tag of an element around it or at the end of the input, and what comes before\n"
     "is listed inside it. A closing tag with no open element of its name is ignored.\n"
     "script, style, textarea and title hold text up to their closing tag. After an XML\n"
     "declaration, or with --xml, only the tags written count. Memory holds one tag, the open\n"
     "elements and the text of the element being read. Text is decoded with --encoding\n"
     "(default auto: UTF-8, else Windows-1252). FILE may be - for standard input.",
     {{"path", "", "print the path of each element instead of its depth and name"},
      {"attr", "NAME", "print only this attribute's value, for elements that have it"},
      {"names", "a,b,...", "list only these elements (/a: where an a ends), with their index"},
      {"xml", "", "only the tags written count (no HTML rules for unclosed elements)"},
      {"encoding", "NAME", "auto, utf-8, windows-1252 or latin-1"},
      {"binary", "", "read a file that looks binary (a NUL byte) anyway"}},
     1,
     1,
     RunTags});

}  // namespace
}  // namespace zubkit
