// Writing text files line by line, and rewriting them: appending, clearing, copying with
// lines left out, repairing line ends.
//
// Lines are written as Windows-1252 bytes ending in CR LF. Failures raise EInOutError with
// the system's code and the file's name, except where a result code is given.
//
// A routine that reads one file and writes another may be given the same file twice, by
// the same name or another (a link, "./x", a hard link): it then writes a new file beside
// it and puts that in the original's place once all is written, so the input is never cut
// while it is being read, and a failure leaves it as it was.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Copies InFile to OutFile byte for byte, adding an LF behind every CR that has none, so
// that every CR of the output is followed by LF: "a CR b" becomes "a CR LF b", a CR at the
// end becomes CR LF, and CR CR becomes CR LF CR LF. A lone LF is copied as it is. When a
// write fails, what was written of OutFile is removed and EInOutError raised.
void EnsureCRLFInFile(const UnicodeString& InFile, const UnicodeString& OutFile);
// Writes Line (or every string of Lines, in order) at the end of the file, each followed
// by CR LF; a missing file is created (one that exists but cannot be opened raises).
void AppendToTextFile(const UnicodeString& FileName, const UnicodeString& Line);
void AppendToTextFile(const UnicodeString& FileName, const TStringList& Lines);
// Creates (or truncates) the file and writes one empty line: the file holds CR LF.
void ClearTextFile(const UnicodeString& FileName);
// Copies the lines of Source to Dest except those whose 1-based numbers are in DropLines.
// 0 on success; 254 when Dest cannot be created or written (what was written of it is
// then removed); 255 when Source cannot be opened or read.
uint8_t FilterCopyTextFile(const UnicodeString& Source, const UnicodeString& Dest, const TIntArray& DropLines);

}  // namespace zub
