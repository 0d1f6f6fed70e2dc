// TGrep: a small regular-expression component. An expression compiles into at most 64
// tokens: literal strings (groups "(...)" are literal too), "." any character, "^" start,
// "$" end, sets "[a-z]" / "[^0-9]", and "*", "+", "?" on a single character, a group, a set
// or ".". A backslash takes the next character literally; "\#" and two hex digits stand for
// the character of that code, except right after another backslash ("\\#41" is "\#41").
// Matching reports where the first match starts and ends.
//
// Choices at the edges:
// - An expression needing more than 64 tokens fails with error 10, a literal or group
//   longer than 255 characters with error 11, a set member above character 255 with
//   error 12; an expression ending inside a set gives error 6, inside a group error 8.
// - "." needs a character ("a." does not match "a"). Repeated and optional items may run up
//   to the end of the text, so "[ab]*$" and ".*$" match "ab"; a repeated or optional last
//   token counts the text's last character ("ab?" on "ab" ends at 2); matches are tried
//   from SearchStartPos up to the position after the last character.
// - "^" as the last token ends the match at 1, or at 0 on an empty text, so that the end
//   never lies beyond the text.
// - "*" alone matches from position 1 to the end whenever SearchStartPos lies within the
//   text (or the text is empty); an empty expression matches nothing.
// - Characters above 255 in the text are never members of a set (negated ones included);
//   literal characters compare in full.
// Matching takes time proportional to the text length times the number of tokens (times
// the length of a repeated string), with the results of a depth-first backtracking walk
// that tries the shortest repetition first. A text that lacks the longest of the
// expression's literal strings (see RequiredStrings) is turned down by a plain search
// before that work starts; the results are the same either way.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

enum TGrepTokenAct : uint8_t { taNormal, taAnyByte, taEol, taBol, taSet, taMult0, taMult1, taOpti };

using TCharArr256 = std::array<Char, 256>;

struct TGrepToken {
  TGrepTokenAct Action = taNormal;
  // taNormal: string length; repeats: -1 set, 0 any character, else string length; taSet -1.
  int32_t NumChars = 0;
  // Strings in Params[1..NumChars]; sets as a table by code, "*" member, blank not.
  TCharArr256 Params{};
  int32_t ValidFrom = 0;  // where this token matched in the last match
};

inline constexpr int32_t MaxGrepTokens = 64;
using TRegExp = std::array<TGrepToken, MaxGrepTokens>;  // token n at index n - 1

class TGrep : public TComponent {
 public:
  explicit TGrep(TComponent* AOwner) : TComponent(AOwner) {}
  UnicodeString ClassName() const override { return u"TGrep"; }

  const UnicodeString& RegExp() const { return FRegExpStr; }
  // Compiles value; with StopOnError, a failure raises EZUBStringlError
  // 'Component "<Name>": error in regular expression - <text>'.
  void SetRegExp(const UnicodeString& value);
  bool IgnoreCase() const { return FIgnoreCase; }
  // Recompiles the expression; never raises (see LastError).
  void SetIgnoreCase(bool value);
  int32_t SearchStartPos() const { return FSrcStartPos; }
  void SetSearchStartPos(int32_t value) { FSrcStartPos = value; }
  bool StopOnError() const { return FStopOnError; }
  void SetStopOnError(bool value) { FStopOnError = value; }

  // Compiles value into the tokens; returns the error number (0 success), never raises.
  int32_t CompileRegExp(const UnicodeString& value);
  // A copy of token regix, clamped to 1..NrOfRegExpTokens.
  TGrepToken GetRegExpToken(int32_t regix) const;
  int32_t NrOfRegExpTokens() const { return FLengRegExp; }
  int32_t LastError() const { return FError; }
  // Where the last compilation stopped: the 1-based position, in the expression as it was
  // given (before "\#" escapes are expanded), of the character being read when the error
  // arose. An escaped character counts from its backslash, so does a "\#" escape; a range
  // whose end is above character 255 points at that end. The length + 1 when the
  // expression ended inside a set or a group; 0 when the compilation succeeded.
  int32_t ErrorPos() const { return FErrorPos; }
  // The strings every match contains, one for each token that must match a literal (a
  // string or group, and a character or group repeated with "+"), in token order;
  // lower-cased where IgnoreCase lower-cased the expression (a text is lower-cased too
  // before it is matched). A text that lacks any one of them cannot match. Empty when no
  // token is such a string ("[0-9]+", ".*").
  std::vector<UnicodeString> RequiredStrings() const;
  int32_t MatchStartPos() const { return FMatchStartPos; }
  int32_t MatchEndPos() const { return FMatchEndPos; }

  // Searches Instring from SearchStartPos; MatchPos, MatchStartPos and MatchEndPos give
  // the first and last position of the match when it returns true.
  bool MatchString(const UnicodeString& Instring, int32_t& MatchPos);

  // The token list and the error text, written to a new text file FName.
  void PrintRegExp(const UnicodeString& FName) const;
  // The same lines as one text, each ended by CR LF.
  UnicodeString RegExpListing() const;

  // The text of an error number.
  static UnicodeString ErrorText(int32_t error);

 private:
  int32_t FLengRegExp = 0;
  bool FStopOnError = true;
  TRegExp FregExp{};
  UnicodeString FRegExpStr;
  bool FIgnoreCase = false;
  int32_t FError = 0;
  int32_t FMatchEndPos = 0;
  int32_t FMatchStartPos = 0;
  int32_t FSrcStartPos = 1;
  int32_t FErrorPos = 0;
  UnicodeString FRequired;  // the longest of RequiredStrings, searched before matching
};

// The index of the first occurrence of Needle in Text, or npos. With FoldAscii the letters
// A..Z and a..z compare without case (other bytes exactly), as IgnoreCase does for text
// that was lower-cased. An empty Needle is found at 0. For callers that look for one of
// RequiredStrings in raw bytes before they decode lines; 16 bytes are compared at a time
// where the processor has vector instructions.
size_t FindLiteralBytes(std::string_view Text, std::string_view Needle, bool FoldAscii);

}  // namespace zub
