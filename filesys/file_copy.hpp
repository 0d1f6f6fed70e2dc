// Copying one file or a whole tree, with progress feedback and an abort switch.
//
// FileCopyFeedBk reports progress as the classic block copy of 8192 bytes does: once
// before the files are opened, once per 8192-byte block (with the bytes copied before that
// block; a file whose size is a multiple of 8192 ends with one report for the empty last
// block), and once at the end. The data itself moves in much larger steps, by the system
// where it can; a copy stopped by AbortAnyFileCopying still ends exactly after the block
// whose report saw the switch set.
//
// The 32-bit feedback types count bytes in int32: from 2 GiB on the figures saturate at
// 2147483647 while the file is still copied whole; the 64-bit forms report them whole.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

using TFileCopyFeedBack = std::function<void(int32_t BytesCopied, int32_t SizeOfFile)>;
using TFileCopyFeedBack64 = std::function<void(int64_t BytesCopied, int64_t SizeOfFile)>;
using TTreeCopyFeedBack =
    std::function<void(int32_t BytesCopied, int32_t SizeOfCurrentFile, const UnicodeString& NameOfCurrentFile,
                       int32_t NrOfFilesCopiedSoFar)>;
using TTreeCopyFeedBack64 =
    std::function<void(int64_t BytesCopied, int64_t SizeOfCurrentFile, const UnicodeString& NameOfCurrentFile,
                       int32_t NrOfFilesCopiedSoFar)>;

// The abort switch: set by AbortAnyFileCopying (from a feedback, another thread or a
// signal handler), cleared when a copy starts, polled after every block and between the
// entries of a tree.
extern std::atomic<bool> FileCopyAbortSwitch;
void AbortAnyFileCopying();

// Copies Source to Destination (into it, under the source's name, when Destination is a
// folder); the destination gets the source's modification time and, with CopyAttr, its
// attributes without read-only. Returns 0 when copied, when both name the same file (the
// same string, or another name of it: "a/./b", a link) without touching it, or when
// aborted (the destination then ends after the last block reported); -1 when the source
// cannot be opened (the destination is then not touched), -2 when the destination cannot
// be created, -3 on a write error (a full disk), -4 on a read error. EInOutError when the
// source cannot be sized.
int32_t FileCopyFeedBk(const UnicodeString& Source, const UnicodeString& Destination, bool CopyAttr,
                       const TFileCopyFeedBack& FeedBack);
int32_t FileCopyFeedBk64(const UnicodeString& Source, const UnicodeString& Destination, bool CopyAttr,
                         const TFileCopyFeedBack64& FeedBack);

// Copies the folder Source with everything below it into Destination (created with its
// parents), file by file through FileCopyFeedBk, visiting entries in name order and
// subfolders depth first; a file that fails does not stop the walk. Symbolic links are
// copied as links holding the same target text, never followed. Nothing happens when both
// name the same folder (regardless of case, or by another name); a Destination inside the
// Source tree raises EZUBFileSysError, as the copy would never end. One tree copy at a
// time per process.
void CopyFileTree(const UnicodeString& Source, const UnicodeString& Destination, bool CopyAttr,
                  const TTreeCopyFeedBack& FeedBack);
void CopyFileTree64(const UnicodeString& Source, const UnicodeString& Destination, bool CopyAttr,
                    const TTreeCopyFeedBack64& FeedBack);

}  // namespace zub
