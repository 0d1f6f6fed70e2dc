// Character classes: digits, ASCII letters, hex digits, umlauts, the word separators
// WordSeps, and class tests over whole strings.
//
// Every class is an 8-bit class: a character above 255 belongs to none of them (so
// IsLetter(u'é') is false, and IsUmlaut covers the seven German characters, all below 256).
#pragma once

#include <bitset>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

bool IsDigit(Char c);        // 0..9
bool IsLetter(Char c);       // A..Z, a..z
bool IsDigitLetter(Char c);  // a digit or an ASCII letter
bool IsHexChar(Char c);      // 0..9, A..F, a..f
bool IsUmlaut(Char c);       // ä ö ü Ä Ö Ü ß

// Every character is a hex digit / a decimal digit; true for the empty text.
bool IsAllHex(std::u16string_view s);
bool IsAllDec(std::u16string_view s);
// s is not empty and every character equals c.
bool TestAllChar(std::u16string_view s, Char c);
// The longest run of capitals A..Z is at least 2 and longer than the count of a..z and 0..9
// characters ("USA", "ABCd"; not "Ab", "AbC", "ABcde").
bool IsAbbreviation(std::u16string_view s);

// Character classes for StringContains: the members literally, plus the tokens "//dig"
// (0..9), "//lc" (a..z), "//uc" (A..Z), "//31dwn" (codes 0..31) and "//128up" (codes
// 128..255). Class characters above 255 are ignored.
//
// Some character of s is in the class; false for the empty s. Characters of s above 255
// are never in a class.
bool StringContains(std::u16string_view s, std::u16string_view charClass);
// Some character of s is outside the class; false for the empty s. Characters of s above
// 255 are always outside a class, so they make the result true.
bool StringContainsOtherThan(std::u16string_view s, std::u16string_view charClass);

// The word separators of ExtractWordFromString and CountWords: a modifiable set of 8-bit
// codes, initially NUL, LF, CR, blank and " # % ' ( ) * + , - . / : ; < = > [ \ ] { }.
extern std::bitset<256> WordSeps;
// Whether c is a member of WordSeps (never for c above 255).
bool IsWordSep(Char c);

// Internal property table shared by the string routines: one entry per 8-bit code.
namespace charclass {
enum : uint8_t {
  kDigit = 1 << 0,
  kUpper = 1 << 1,
  kLower = 1 << 2,
  kHex = 1 << 3,
  kUmlaut = 1 << 4,
  kFN83 = 1 << 5,  // allowed in an 8.3 file name
};
// The flags of c; 0 for characters above 255.
uint8_t Flags(Char c);
}  // namespace charclass

}  // namespace zub
