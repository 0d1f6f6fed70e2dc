#include "filesys/asc_header.hpp"

#include <array>
#include <string_view>

#include "streams/number_scan.hpp"
#include "streams/stream_text.hpp"
#include "strings/string_edit.hpp"
#include "strings/string_layout.hpp"

namespace zub {

namespace {

// The flags line: TRUE or FALSE for flags 1..3 (anything else is code 253), then the
// fourth flag is TRUE when the rest begins with TRUE.
uint8_t ParseFlags(const UnicodeString& Line, std::array<bool*, 4> Flags) {
  for (bool* f : Flags) *f = false;
  UnicodeString rest = StripLTBlanks(UpperCase(ReplaceCharInString(Line, u'\t', u' ')));
  for (size_t i = 0; i < 3; ++i) {
    const std::u16string_view word(rest);
    if (word.starts_with(u"TRUE")) {
      *Flags[i] = true;
      rest = StripLTBlanks(word.substr(4));
    } else if (word.starts_with(u"FALSE")) {
      rest = StripLTBlanks(word.substr(5));
    } else {
      return kAscBadFlag;
    }
  }
  *Flags[3] = std::u16string_view(rest).starts_with(u"TRUE");
  return kAscHeaderRead;
}

// Code 255 (first count) or 254 (second) for a count that is not positive.
uint8_t CheckCount(int32_t Count, bool First, const UnicodeString& Comment) {
  if (Count <= 0) return First ? kAscBadFirstCount : kAscBadSecondCount;
  if (First && Comment.find(u'\n') != UnicodeString::npos) return kAscCommentHoldsLineFeed;
  return kAscHeaderRead;
}

}  // namespace

UnicodeString AscHeaderCodeText(uint8_t Code) {
  switch (Code) {
    case kAscHeaderRead:
      return u"header read";
    case kAscCommentHoldsLineFeed:
      return u"the first count is valid but line 1 contains a line feed";
    case kAscBadFlag:
      return u"one of the first three flag words is neither TRUE nor FALSE";
    case kAscBadSecondCount:
      return u"the second count is missing, unreadable or not positive";
    case kAscBadFirstCount:
      return u"the first count is missing, unreadable or not positive";
    default:
      return u"unknown code";
  }
}

uint8_t ReadHeaderOfASC(const UnicodeString& FileName, UnicodeString& Comment, int32_t& FirstCount,
                        int32_t& SecondCount, bool& Flag1, bool& Flag2, bool& Flag3, bool& Flag4) {
  Flag1 = Flag2 = Flag3 = Flag4 = false;
  TextFile f;
  AssignFile(f, FileName);
  Reset(f);
  // The next integer and the rest of its line; a text that is no integer counts as 0.
  auto readCount = [&f](int32_t& Count) {
    try {
      Read(f, Count);
    } catch (const EInOutError& e) {
      if (e.ErrorCode() != ioInvalidNumber) throw;
      Count = 0;
    }
    if (!Eof(f)) ReadLn(f);
  };
  ReadLn(f, Comment);
  readCount(FirstCount);
  uint8_t code = CheckCount(FirstCount, true, Comment);
  if (code == kAscHeaderRead) {
    readCount(SecondCount);
    code = CheckCount(SecondCount, false, Comment);
  }
  if (code == kAscHeaderRead) {
    UnicodeString line;
    ReadLn(f, line);
    code = ParseFlags(line, {&Flag1, &Flag2, &Flag3, &Flag4});
  }
  CloseFile(f);
  return code;
}

uint8_t ReadHeaderOfASC(TStream& Stream, UnicodeString& Comment, int32_t& FirstCount, int32_t& SecondCount,
                        bool& Flag1, bool& Flag2, bool& Flag3, bool& Flag4) {
  Flag1 = Flag2 = Flag3 = Flag4 = false;
  constexpr int32_t kLf = 0;
  bool eos = false;
  Comment = ReadLnStream(Stream, eos, kLf);
  // The count is scanned on its own line, skipping blank lines in front of it, so that
  // the line end the scanner consumes behind the digits cannot take the next line along.
  auto readCount = [&](int32_t& Count) {
    UnicodeString line;
    do
      line = ReadLnStream(Stream, eos, kLf);
    while (!eos && line.find_first_not_of(u" \r") == UnicodeString::npos);
    AnsiString bytes;
    for (Char c : line) bytes.push_back(static_cast<char>(c));
    TStringStream text(bytes);
    Count = ScanStreamDecimal(text);
  };
  readCount(FirstCount);
  uint8_t code = CheckCount(FirstCount, true, Comment);
  if (code != kAscHeaderRead) return code;
  readCount(SecondCount);
  code = CheckCount(SecondCount, false, Comment);
  if (code != kAscHeaderRead) return code;
  return ParseFlags(ReadLnStream(Stream, eos, kLf), {&Flag1, &Flag2, &Flag3, &Flag4});
}

}  // namespace zub
