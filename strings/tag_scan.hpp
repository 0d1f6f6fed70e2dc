// The scanning core of the XML-like tag readers, shared by the readers on strings and on
// streams and text files: finding the next tag text, taking it apart, looking its name
// up, and gathering an element's content. Sources give one character per call to Next(),
// -1 at the end.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "foundation/ZUB_zubbase.hpp"

namespace zub::tagscan {

struct ParsedTag {
  UnicodeString name;  // lower-cased (A..Z); with its "/" for a closing tag
  UnicodeString attribs;
  bool emptyElement = false;
};

// Takes a complete tag text (after "<", with its ">") apart.
ParsedTag ParseTag(const UnicodeString& tag);
// Whether the tag opens an element whose content follows (not empty, not a closing tag).
inline bool HasContent(const ParsedTag& t) {
  return !t.emptyElement && !t.name.empty() && t.name[0] != u'/';
}
// The index of the first entry equal to name, else the highest index (-1 for no entries).
int32_t Lookup(std::span<const UnicodeString> list, const UnicodeString& name);
// Whether the text ends with lower (already lower case), ASCII letters in either case.
// Bytes stand for the characters with the same codes.
bool EndsWithFolded(const std::string& bytes, const UnicodeString& lower);
bool EndsWithFolded(const UnicodeString& text, const UnicodeString& lower);
// Bytes as the characters with the same codes.
UnicodeString Widen(const std::string& bytes);

// The tag text after the next "<", closing ">" included, with declarations and comments
// skipped; complete is false when the input ended before a ">". Text passed over on the
// way (declarations and an unfinished tag with their "<") is added to *passed.
template <typename Source>
UnicodeString ReadTagText(Source& src, bool& complete, UnicodeString* passed = nullptr) {
  for (;;) {
    int c;
    while ((c = src.Next()) >= 0 && c != '<')
      if (passed) *passed += static_cast<Char>(c);
    UnicodeString tag;
    complete = false;
    if (c < 0) return tag;
    while ((c = src.Next()) >= 0) {
      tag += static_cast<Char>(c);
      if (c == '>') {
        complete = true;
        break;
      }
    }
    if (!complete) {
      // Cut off by the end of the input (a cut-off declaration included).
      if (passed) *passed += u"<" + tag;
      return tag;
    }
    if (tag[0] == u'!') {
      if (passed) *passed += u"<" + tag;
      continue;
    }
    return tag;
  }
}

// Content of an opening tag: characters up to the first "</name>" (any case), checked at
// each ">". The first occurrence ends at the ">" that completes it, so testing the end of
// the text finds it and the search stays linear. Gathered as bytes while every character
// is below 256 (half the memory traffic of a UTF-16 string), widened once at the end.
template <typename Source>
UnicodeString ReadContent(Source& src, const UnicodeString& name) {
  const UnicodeString closing = u"</" + name + u">";
  std::string bytes;
  UnicodeString wide;
  bool isWide = false;
  for (int c = src.Next(); c >= 0; c = src.Next()) {
    if (!isWide && c > 255) {
      wide = Widen(bytes);
      isWide = true;
    }
    if (isWide) {
      wide += static_cast<Char>(c);
    } else {
      bytes += static_cast<char>(c);
    }
    if (c != '>') continue;
    if (isWide && EndsWithFolded(wide, closing)) {
      wide.resize(wide.size() - closing.size());
      break;
    }
    if (!isWide && EndsWithFolded(bytes, closing)) {
      bytes.resize(bytes.size() - closing.size());
      break;
    }
  }
  return isWide ? wide : Widen(bytes);
}

// The next tag from src: its index in list, its attribute text and, for an opening tag,
// its content; Name (when given) receives its name. ReadContent is found for the source's
// own type first, so a source can gather content its own way.
template <typename Source>
int32_t ReadNextTag(Source& src, std::span<const UnicodeString> list, UnicodeString& Attribs,
                    UnicodeString& Content, UnicodeString* Name = nullptr) {
  Attribs.clear();
  Content.clear();
  if (Name) Name->clear();
  bool complete = false;
  const UnicodeString tag = ReadTagText(src, complete);
  if (!complete) return Lookup(list, UnicodeString());
  const ParsedTag t = ParseTag(tag);
  if (Name) *Name = t.name;
  Attribs = t.attribs;
  const int32_t result = Lookup(list, t.name);
  if (HasContent(t)) Content = ReadContent(src, t.name);
  return result;
}

}  // namespace zub::tagscan
