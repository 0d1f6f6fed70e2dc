// Reading text files line by line: text between markers, the last lines, the number of
// lines, words, and searches.
//
// Lines are read as Windows-1252 bytes; CR LF, LF and CR each end a line, and a line read
// does not hold its line end. The routines that take an open TextFile get it assigned and
// open for reading. A missing file or a failing read raises EInOutError, except where
// said otherwise.
#pragma once

#include <cstdint>
#include <functional>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Progress with a number, and with a message, for callers that report as they go.
using TNumericFeedback = std::function<void(TObject* Sender, double Num)>;
using TStringFeedback = std::function<void(TObject* Sender, const UnicodeString& Msg)>;
// Progress of CountLinesInTextFile: Sender is null, First the lines so far, Second 0.
using TLineCountFeedback = std::function<void(TObject* Sender, double First, double Second)>;

// The text between the first occurrence of BeginMarker and the next EndMarker after it,
// each collected line followed by CR LF (the last one too). The markers match regardless
// of the case of A..Z. The text in front of the begin marker and the marker itself are
// dropped, so collecting starts right behind it (at the start of the file when
// BeginMarker is ""); the end marker is looked for from there on, and the line holding it
// is cut in front of it. Without an end marker, or when it never comes, the rest of the
// file is collected. "" when the file does not exist or the begin marker never comes.
UnicodeString ReadStringFromTextFile(const UnicodeString& FileName, const UnicodeString& BeginMarker,
                                     const UnicodeString& EndMarker);

// The last N lines of the file in file order, always N strings: a file of k < N lines
// gives N - k empty strings, then its lines. NumLines becomes the number of lines of the
// whole file. F is rewound before and after. N <= 0 gives an empty array (NumLines is
// still counted). Memory grows with N and the lines kept, not with the file.
TStrArray ReadLastNLinesOfTextFile(TextFile& F, int32_t N, int32_t& NumLines);
TStrArray ReadLastNLinesOfTextFile(const UnicodeString& FileName, int32_t N, int32_t& NumLines);

// The number of lines of the file (a last line without a line end counts). Feedback, when
// given, is called after every 1000th line. F is rewound before and after. Counts beyond
// 2147483647 lines saturate.
int32_t CountLinesInTextFile(TextFile& F, const TLineCountFeedback& Feedback);
int32_t CountLinesInTextFile(const UnicodeString& FileName, const TLineCountFeedback& Feedback);

// Finds Text within roughly the first MaxChars characters of the file (line ends not
// counted): the lengths of the lines before the one holding Text plus Text's 1-based
// position there, when that sum does not pass MaxChars; else 0. With IgnoreCase the case
// of A..Z does not matter. An empty Text is never found.
int32_t DetectStringInFile(const UnicodeString& FileName, const UnicodeString& Text, bool IgnoreCase,
                           int32_t MaxChars);
// The 1-based position of Text in the first line that holds it, with that line (as read)
// in Line; 0 and "" when no line does. IgnoreCase folds every letter (not only A..Z). An
// empty Text is never found.
int32_t FindFirstMatchInTextFile(const UnicodeString& FileName, const UnicodeString& Text, bool IgnoreCase,
                                 UnicodeString& Line);

// The next word of F: characters above the space, after skipping spaces, control
// characters and line ends; the character that ends the word is consumed. "" at the end.
UnicodeString ReadNextWordInTextFile(TextFile& F);

}  // namespace zub
