// A small, forgiving reader for XML-like text on streams and text files: the next tag
// classified against a list of names, its attribute text and, for an opening tag, the raw
// text up to its closing tag; and the value of one attribute out of an attribute text.
//
// Not an XML parser: no nesting, no entities, no namespaces. Tag names are lower-cased
// (A..Z) and compared exactly with the list entries, so entries are written in lower case;
// a closing tag is looked up with its slash ("/custtextlbl"). A name that matches no entry
// gives the highest index, so lists end with a placeholder entry ("dummy"). An empty list
// gives -1. Declarations and comments ("<!...>") are skipped. The end of the input, and a
// tag cut off by it (no ">"), give the lookup of the empty name with empty Attribs and
// Content. Streams are read one byte per character.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Reads the next tag. Attribs: the tag text after its first space without the closing
// markup, trimmed of spaces. Content (opening tags only): the raw characters after ">" up
// to the first "</name>" in any letter case; the stream is left just after that closing
// tag, or at the end when there is none (Content then holds the rest of the input).
int32_t ReadNextTagInStream(TStream& InStream, std::span<const UnicodeString> TagList, UnicodeString& Attribs,
                            UnicodeString& Content);
int32_t ReadNextTagInStream(TStream& InStream, std::initializer_list<UnicodeString> TagList,
                            UnicodeString& Attribs, UnicodeString& Content);
// The same, also giving the tag's lower-cased name (with its "/" for a closing tag; empty
// at the end of the input).
int32_t ReadNextTagInStream(TStream& InStream, std::span<const UnicodeString> TagList, UnicodeString& Attribs,
                            UnicodeString& Content, UnicodeString& Name);
// The same on an open text file. Content is gathered in pieces that end with ">", so at
// the end of the file text after the last ">" is not part of Content.
int32_t ReadNextTagInTextFile(TextFile& F, std::span<const UnicodeString> TagList, UnicodeString& Attribs,
                              UnicodeString& Content);
int32_t ReadNextTagInTextFile(TextFile& F, std::initializer_list<UnicodeString> TagList,
                              UnicodeString& Attribs, UnicodeString& Content);

// The value of the first attribute named AttName (ASCII letters in either case) in an
// attribute text of name=value pairs separated by spaces; values in double quotes may hold
// spaces and "=". Empty when there is none, or when the text breaks the syntax before it
// (a double quote in a name, "=" where a value should be, "=" inside an unquoted value).
UnicodeString ScanForXMLAttrib(std::u16string_view Attribs, std::u16string_view AttName);

// Reads tags until one named TagName (either case; "/name" finds a closing tag) and gives
// its Attribs and, for an opening tag, its Content, as ReadNextTagInStream does; other
// tags and their text are passed over without reading their content. OnPercentDone, when
// assigned, hears the share of the stream read so far (0..100) whenever it grows, with a
// null Sender. False, with Attribs and Content empty, when the input ends first.
bool ScanStreamForXMLTag(TStream& InStream, std::u16string_view TagName, UnicodeString& Attribs,
                         UnicodeString& Content, const TOnPercentDoneEvent& OnPercentDone);

// Reads up to the first tag whose name (as ReadNextTagInStream derives it) equals an
// entry of TagList; returns the text before that tag's "<", other markup included as
// read, and leaves the stream just after the tag's ">". TagIx receives the entry's index,
// or -1 when the input ends first (the whole rest is then returned).
UnicodeString ReadStreamUntilTagList(TStream& InStream, std::span<const UnicodeString> TagList,
                                     int32_t& TagIx);
UnicodeString ReadStreamUntilTagList(TStream& InStream, std::initializer_list<UnicodeString> TagList,
                                     int32_t& TagIx);

}  // namespace zub
