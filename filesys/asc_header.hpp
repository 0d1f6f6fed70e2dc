// The header of an ASC data file: a comment line, two positive counts on lines of their
// own (anything behind the number is ignored), and a line of up to four TRUE/FALSE words
// (any case, separated by blanks or tabs). The data behind the header is not read.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Result codes of ReadHeaderOfASC.
inline constexpr uint8_t kAscHeaderRead = 0;
inline constexpr uint8_t kAscCommentHoldsLineFeed = 252;  // first count valid, comment holds an LF
inline constexpr uint8_t kAscBadFlag = 253;               // one of the first three words is not TRUE/FALSE
inline constexpr uint8_t kAscBadSecondCount = 254;        // missing, unreadable or <= 0
inline constexpr uint8_t kAscBadFirstCount = 255;         // missing, unreadable or <= 0

// What a result code means, in English.
UnicodeString AscHeaderCodeText(uint8_t Code);

// Reads the header from the start of the file. Each count may stand behind blank lines;
// the fourth flag is TRUE or anything else (FALSE). Returns at the first problem, with the
// values read so far; the flags are false unless line 4 was parsed. The file form reads a
// text file (CR LF, LF or CR end a line), so code 252 cannot arise from it; a file that
// cannot be opened raises EInOutError.
uint8_t ReadHeaderOfASC(const UnicodeString& FileName, UnicodeString& Comment, int32_t& FirstCount,
                        int32_t& SecondCount, bool& Flag1, bool& Flag2, bool& Flag3, bool& Flag4);
// The same from the stream's position, one character per byte; LF ends a line (a CR in
// front of it is dropped), so a comment line can hold a lone CR but not an LF. The stream
// is left behind the last line read.
uint8_t ReadHeaderOfASC(TStream& Stream, UnicodeString& Comment, int32_t& FirstCount, int32_t& SecondCount,
                        bool& Flag1, bool& Flag2, bool& Flag3, bool& Flag4);

}  // namespace zub
