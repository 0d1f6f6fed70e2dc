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
// The index of the first entry equal to name, else the highest index (-1 for no entries).
int32_t Lookup(std::span<const UnicodeString> list, const UnicodeString& name);
// Whether bytes end with lower (already lower case), ASCII letters in either case.
bool EndsWithFolded(const std::string& bytes, const std::string& lower);

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
// the text finds it and the search stays linear. Gathered as bytes when every character is
// below 256 (half the memory traffic of a UTF-16 string) and widened once at the end.
template <typename Source>
UnicodeString ReadContent(Source& src, const UnicodeString& name) {
  const UnicodeString closing = u"</" + name + u">";
  UnicodeString content;
  for (int c = src.Next(); c >= 0; c = src.Next()) {
    content += static_cast<Char>(c);
    if (c == '>' && content.size() >= closing.size()) {
      bool same = true;
      const size_t off = content.size() - closing.size();
      for (size_t i = 0; i < closing.size() && same; ++i) {
        Char x = content[off + i];
        if (x >= u'A' && x <= u'Z') x = static_cast<Char>(x + 32);
        same = x == closing[i];
      }
      if (same) {
        content.resize(off);
        break;
      }
    }
  }
  return content;
}

}  // namespace zub::tagscan
