#include "streams/tag_reader.hpp"

#include <algorithm>
#include <string>

#include "strings/string_layout.hpp"
#include "strings/tag_scan.hpp"

namespace zub {

using namespace tagscan;

namespace {

// Characters from a stream, one per byte; -1 at the end. The stream's own buffer makes
// byte-wise reading cheap, and the stream ends up just after the last character consumed.
class StreamSource {
 public:
  explicit StreamSource(TStream& s) : FStream(s) {}
  int Next() { return FStream.ReadByte(); }
  // The stream position of the next character.
  int64_t Position() { return FStream.Position(); }

 private:
  TStream& FStream;
};

// Characters of an open text file; the end-of-file test comes before each read.
class TextFileSource {
 public:
  explicit TextFileSource(TextFile& f) : FFile(f) {}
  int Next() {
    if (Eof(FFile)) return -1;
    Char c;
    Read(FFile, c);
    return c;
  }

 private:
  TextFile& FFile;
};

// Stream content: as the scanning core gathers it.
UnicodeString ReadContent(StreamSource& src, const UnicodeString& name) {
  return tagscan::ReadContent(src, name);
}

// Text-file content: pieces ending with ">", each tested on its own; an unfinished piece
// at the end of the file is dropped.
UnicodeString ReadContent(TextFileSource& src, const UnicodeString& name) {
  const UnicodeString closing = u"</" + name + u">";
  UnicodeString content, piece;
  for (int c = src.Next(); c >= 0; c = src.Next()) {
    piece += static_cast<Char>(c);
    if (c != '>') continue;
    const size_t at = LowerCase(piece).find(closing);
    if (at != UnicodeString::npos) {
      content.append(piece, 0, at);
      return content;
    }
    content += piece;
    piece.clear();
  }
  return content;
}

}  // namespace

int32_t ReadNextTagInStream(TStream& InStream, std::span<const UnicodeString> TagList, UnicodeString& Attribs,
                            UnicodeString& Content) {
  StreamSource src(InStream);
  return ReadNextTag(src, TagList, Attribs, Content);
}

int32_t ReadNextTagInStream(TStream& InStream, std::initializer_list<UnicodeString> TagList,
                            UnicodeString& Attribs, UnicodeString& Content) {
  return ReadNextTagInStream(InStream, std::span<const UnicodeString>(TagList.begin(), TagList.size()),
                             Attribs, Content);
}

int32_t ReadNextTagInStream(TStream& InStream, std::span<const UnicodeString> TagList, UnicodeString& Attribs,
                            UnicodeString& Content, UnicodeString& Name) {
  StreamSource src(InStream);
  return ReadNextTag(src, TagList, Attribs, Content, &Name);
}

int32_t ReadNextTagInTextFile(TextFile& F, std::span<const UnicodeString> TagList, UnicodeString& Attribs,
                              UnicodeString& Content) {
  TextFileSource src(F);
  return ReadNextTag(src, TagList, Attribs, Content);
}

int32_t ReadNextTagInTextFile(TextFile& F, std::initializer_list<UnicodeString> TagList,
                              UnicodeString& Attribs, UnicodeString& Content) {
  return ReadNextTagInTextFile(F, std::span<const UnicodeString>(TagList.begin(), TagList.size()), Attribs,
                               Content);
}

UnicodeString ScanForXMLAttrib(std::u16string_view Attribs, std::u16string_view AttName) {
  const UnicodeString wanted = LowerCase(AttName);
  size_t i = 0;
  while (i < Attribs.size()) {
    enum { kName, kAfterEquals, kQuoted, kUnquoted } state = kName;
    UnicodeString name, value;
    bool complete = false;
    while (!complete && i < Attribs.size()) {
      const Char c = Attribs[i++];
      switch (state) {
        case kName:
          if (c == u'"') return UnicodeString();
          if (c == u'=')
            state = kAfterEquals;
          else
            name += c;
          break;
        case kAfterEquals:
          if (c == u' ') break;
          if (c == u'"')
            state = kQuoted;
          else if (c == u'=')
            return UnicodeString();
          else {
            value += c;
            state = kUnquoted;
          }
          break;
        case kQuoted:
          if (c == u'"')
            complete = true;
          else
            value += c;
          break;
        case kUnquoted:
          if (c == u' ' || c == u'"')
            complete = true;
          else if (c == u'=')
            return UnicodeString();
          else
            value += c;
          break;
      }
    }
    if (LowerCase(StripLTBlanks(name)) == wanted) return value;
  }
  return UnicodeString();
}

bool ScanStreamForXMLTag(TStream& InStream, std::u16string_view TagName, UnicodeString& Attribs,
                         UnicodeString& Content, const TOnPercentDoneEvent& OnPercentDone) {
  Attribs.clear();
  Content.clear();
  const UnicodeString wanted = LowerCase(TagName);
  StreamSource src(InStream);
  const int64_t size = OnPercentDone ? InStream.Size() : 0;
  int32_t reported = -1;
  for (;;) {
    bool complete = false;
    const UnicodeString tag = ReadTagText(src, complete);
    if (OnPercentDone && size > 0) {
      const auto percent = static_cast<int32_t>(std::min<int64_t>(src.Position() * 100 / size, 100));
      if (percent > reported) {
        reported = percent;
        OnPercentDone(nullptr, percent);
      }
    }
    if (!complete) return false;
    const ParsedTag t = ParseTag(tag);
    if (t.name != wanted) continue;
    Attribs = t.attribs;
    if (HasContent(t)) Content = ReadContent(src, t.name);
    return true;
  }
}

UnicodeString ReadStreamUntilTagList(TStream& InStream, std::span<const UnicodeString> TagList,
                                     int32_t& TagIx) {
  TagIx = -1;
  StreamSource src(InStream);
  UnicodeString text;
  for (;;) {
    bool complete = false;
    const UnicodeString tag = ReadTagText(src, complete, &text);
    if (!complete) return text;
    const UnicodeString name = ParseTag(tag).name;
    for (size_t i = 0; i < TagList.size(); ++i) {
      if (TagList[i] == name) {
        TagIx = static_cast<int32_t>(i);
        return text;
      }
    }
    text += u"<" + tag;
  }
}

UnicodeString ReadStreamUntilTagList(TStream& InStream, std::initializer_list<UnicodeString> TagList,
                                     int32_t& TagIx) {
  return ReadStreamUntilTagList(InStream, std::span<const UnicodeString>(TagList.begin(), TagList.size()),
                                TagIx);
}

}  // namespace zub
