#include "strings/string_tags.hpp"

#include <algorithm>

#include "strings/tag_scan.hpp"

namespace zub {

using namespace tagscan;

namespace {

// Characters of a string from a 1-based position on.
class StringSource {
 public:
  StringSource(std::u16string_view s, int32_t position)
      : FText(s),
        FPos(static_cast<size_t>(std::clamp<int64_t>(position, 1, static_cast<int64_t>(s.size()) + 1) - 1)) {}
  int Next() { return FPos < FText.size() ? FText[FPos++] : -1; }
  int32_t Position() const { return static_cast<int32_t>(FPos) + 1; }

 private:
  std::u16string_view FText;
  size_t FPos;
};

}  // namespace

int32_t ReadNextTagInString(std::u16string_view s, int32_t& position, std::span<const UnicodeString> tagList,
                            UnicodeString& Tag, UnicodeString& Text) {
  StringSource src(s, position);
  const int32_t result = ReadNextTag(src, tagList, Tag, Text);
  position = src.Position();
  return result;
}

int32_t ReadNextTagInString(std::u16string_view s, int32_t& position,
                            std::initializer_list<UnicodeString> tagList, UnicodeString& Tag,
                            UnicodeString& Text) {
  return ReadNextTagInString(s, position, std::span<const UnicodeString>(tagList.begin(), tagList.size()),
                             Tag, Text);
}

int32_t DetectNextTagInString(std::u16string_view s, int32_t& start, int32_t& stop,
                              std::span<const UnicodeString> tagList, UnicodeString& tag, bool& found) {
  StringSource src(s, start);
  found = false;
  tag.clear();
  for (;;) {
    bool complete = false;
    const UnicodeString text = ReadTagText(src, complete);
    if (!complete) break;
    const ParsedTag t = ParseTag(text);
    const auto it = std::find(tagList.begin(), tagList.end(), t.name);
    if (it == tagList.end()) continue;
    stop = src.Position() - 1;
    start = stop - static_cast<int32_t>(text.size());
    tag = t.name;
    found = true;
    return static_cast<int32_t>(it - tagList.begin());
  }
  start = stop = 0;
  return -1;
}

int32_t DetectNextTagInString(std::u16string_view s, int32_t& start, int32_t& stop,
                              std::initializer_list<UnicodeString> tagList, UnicodeString& tag, bool& found) {
  return DetectNextTagInString(s, start, stop,
                               std::span<const UnicodeString>(tagList.begin(), tagList.size()), tag, found);
}

int32_t ScanStringForXMLTag(std::u16string_view s, int32_t start, std::u16string_view tag,
                            UnicodeString& first, UnicodeString& second) {
  first.clear();
  second.clear();
  const UnicodeString wanted = LowerCase(tag);
  StringSource src(s, start);
  for (;;) {
    bool complete = false;
    const UnicodeString text = ReadTagText(src, complete);
    if (!complete) return 0;
    const ParsedTag t = ParseTag(text);
    if (t.name != wanted) continue;
    first = t.attribs;
    if (HasContent(t)) second = ReadContent(src, t.name);
    return src.Position();
  }
}

}  // namespace zub
