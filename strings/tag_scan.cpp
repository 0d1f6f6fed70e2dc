#include "strings/tag_scan.hpp"

#include "strings/string_layout.hpp"

namespace zub::tagscan {

ParsedTag ParseTag(const UnicodeString& tag) {
  ParsedTag t;
  const size_t space = tag.find(u' ');
  const size_t slashGt = tag.find(u"/>");
  if (slashGt != UnicodeString::npos) {
    t.emptyElement = true;
    if (space != UnicodeString::npos) {
      if (tag.size() >= 2 && space + 1 < tag.size() - 2)
        t.attribs = StripLTBlanks(tag.substr(space + 1, tag.size() - 2 - space - 1));
      t.name = LowerCase(tag.substr(0, space));
    } else {
      t.name = LowerCase(tag.substr(0, slashGt));
    }
    return t;
  }
  UnicodeString nameText = tag;
  if (space != UnicodeString::npos) {
    if (space + 1 < tag.size() - 1)
      t.attribs = StripLTBlanks(tag.substr(space + 1, tag.size() - 1 - space - 1));
    nameText = tag.substr(0, space) + tag.back();
  }
  nameText.pop_back();  // the ">"
  t.name = LowerCase(nameText);
  return t;
}

int32_t Lookup(std::span<const UnicodeString> list, const UnicodeString& name) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i] == name) return static_cast<int32_t>(i);
  return static_cast<int32_t>(list.size()) - 1;
}

// Whether bytes end with lower (already lower case), ASCII letters in either case.
namespace {
template <typename Text, typename Code>
bool EndsWithFoldedImpl(const Text& text, const UnicodeString& lower, Code code) {
  if (text.size() < lower.size()) return false;
  const size_t off = text.size() - lower.size();
  for (size_t i = 0; i < lower.size(); ++i) {
    Char c = code(text[off + i]);
    if (c >= u'A' && c <= u'Z') c = static_cast<Char>(c + 32);
    if (c != lower[i]) return false;
  }
  return true;
}
}  // namespace

bool EndsWithFolded(const std::string& bytes, const UnicodeString& lower) {
  return EndsWithFoldedImpl(bytes, lower, [](char c) { return static_cast<Char>(static_cast<uint8_t>(c)); });
}

bool EndsWithFolded(const UnicodeString& text, const UnicodeString& lower) {
  return EndsWithFoldedImpl(text, lower, [](Char c) { return c; });
}

UnicodeString Widen(const std::string& bytes) {
  UnicodeString text(bytes.size(), u'\0');
  for (size_t i = 0; i < bytes.size(); ++i) text[i] = static_cast<uint8_t>(bytes[i]);
  return text;
}

}  // namespace zub::tagscan
