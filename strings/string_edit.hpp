// Replacing, removing, reducing and re-casing characters and substrings.
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

UnicodeString ReplaceCharInString(std::u16string_view s, Char oldChar, Char newChar);
// Every non-overlapping occurrence of oldText, found from the left, replaced by newText;
// the inserted text is never searched again, so newText may contain oldText. ignoreCase
// folds A..Z only. An empty oldText leaves s as it is. Linear in the length of s.
UnicodeString ReplaceStringInString(std::u16string_view s, std::u16string_view oldText,
                                    std::u16string_view newText, bool ignoreCase);
UnicodeString RemoveCharInString(std::u16string_view s, Char c);
// Every run of two or more c collapsed to one.
UnicodeString RemoveMultiChars(std::u16string_view s, Char c);
// Every character other than 0..9, A..Z, a..z becomes "_".
UnicodeString ReduceStringToAZ09(std::u16string_view s);
// Every character not allowed in an 8.3 file name (blank, " * + , / : ; < = > ? [ \ ] |,
// code 127, control characters and everything above 127) becomes "_".
UnicodeString ReduceStringToFN83CompliantChars(std::u16string_view s);
UnicodeString ReverseString(std::u16string_view s);
// a..z at the start of a word become upper case. Words are runs of ASCII letters, digits
// and characters above 127; letters after a digit are not capitalised ("2nd"), characters
// above 127 are never changed.
UnicodeString CapitalizeString(std::u16string_view s);
// Swaps the case of each character by the locale-aware mapping: a character that equals
// its upper-case form is lower-cased, every other one upper-cased.
UnicodeString ChangeCase(std::u16string_view s);

}  // namespace zub
