// The XML-like tag reader on strings: the next tag classified against a list of names, a
// named tag searched for, and the position of the next listed tag. The rules are those of
// ReadNextTagInStream (lower-cased names compared exactly with the entries, the highest
// index for a name no entry has, declarations skipped, content up to the first closing tag
// of the name). Positions are 1-based.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Reads the next tag from position on and moves position past the markup consumed (past
// the closing tag of an opening tag). Tag receives the tag's attribute text, Text its
// content. At the end of the text: the lookup of the empty name, Tag and Text empty.
int32_t ReadNextTagInString(std::u16string_view s, int32_t& position, std::span<const UnicodeString> tagList,
                            UnicodeString& Tag, UnicodeString& Text);
int32_t ReadNextTagInString(std::u16string_view s, int32_t& position,
                            std::initializer_list<UnicodeString> tagList, UnicodeString& Tag,
                            UnicodeString& Text);

// Finds the next tag from start whose name is an entry of tagList, without reading
// content: start and stop receive the positions of its "<" and ">", tag its lower-cased
// name, found true; returns the entry's index. Without one, found is false, start and
// stop are 0 and the result is -1.
int32_t DetectNextTagInString(std::u16string_view s, int32_t& start, int32_t& stop,
                              std::span<const UnicodeString> tagList, UnicodeString& tag, bool& found);
int32_t DetectNextTagInString(std::u16string_view s, int32_t& start, int32_t& stop,
                              std::initializer_list<UnicodeString> tagList, UnicodeString& tag, bool& found);

// Finds the first tag named tag (either case; "/name" for a closing tag) from position
// start: first receives its attribute text, second its content (opening tags). Returns the
// position after the element (after its closing tag), or 0 when there is none (first and
// second empty).
int32_t ScanStringForXMLTag(std::u16string_view s, int32_t start, std::u16string_view tag,
                            UnicodeString& first, UnicodeString& second);

}  // namespace zub
