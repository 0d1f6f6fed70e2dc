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
bool EndsWithFolded(const std::string& bytes, const std::string& lower) {
  if (bytes.size() < lower.size()) return false;
  const size_t off = bytes.size() - lower.size();
  for (size_t i = 0; i < lower.size(); ++i) {
    char c = bytes[off + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    if (c != lower[i]) return false;
  }
  return true;
}

}  // namespace zub::tagscan
