#include "filesys/file_copy.hpp"

#include <algorithm>
#include <limits>

#include "filesys/ZUB_filesys.hpp"
#include "filesys/internal/path_parts.hpp"
#include "filesys/path_names.hpp"
#include "host/file_names.hpp"
#include "host/file_stream.hpp"
#include "host/untyped_file.hpp"
#include "strings/string_layout.hpp"

namespace zub {

using namespace filesys_internal;

std::atomic<bool> FileCopyAbortSwitch{false};

void AbortAnyFileCopying() {
  FileCopyAbortSwitch.store(true);
}

namespace {

constexpr int64_t kBlock = 8192;
// Bytes moved per step; the reports still come per block.
constexpr int64_t kStep = 1024 * kBlock;

int32_t Saturate(int64_t v) {
  return static_cast<int32_t>(std::min<int64_t>(v, std::numeric_limits<int32_t>::max()));
}

int64_t SourceSize(const UnicodeString& Source) {
  UntypedFile f;
  AssignFile(f, Source);
  ResetReadOnly(f, 1);
  const int64_t size = FileSize(f);
  CloseFile(f);
  return size;
}

}  // namespace

int32_t FileCopyFeedBk64(const UnicodeString& Source, const UnicodeString& Destination, bool CopyAttr,
                         const TFileCopyFeedBack64& FeedBack) {
  FileCopyAbortSwitch.store(false);
  UnicodeString dest = Destination;
  if (DirectoryExists(dest)) dest = EnsureTrailingBkSlash(dest) + StripPath(Source);
  if (Source == dest || SameFile(Source, dest)) return 0;
  const int64_t size = SourceSize(Source);
  auto report = [&](int64_t done) {
    if (FeedBack) FeedBack(done, size);
  };
  report(0);

  std::unique_ptr<TFileStream> in, out;
  try {
    in = std::make_unique<TFileStream>(Source, fmOpenRead | fmShareDenyWrite);
  } catch (const Exception&) {
    return -1;
  }
  try {
    out = std::make_unique<TFileStream>(dest, fmCreate);
  } catch (const Exception&) {
    return -2;
  }
  int32_t code = 0;
  int64_t copied = 0;
  bool aborted = false;
  try {
    for (;;) {
      const int64_t got = out->CopyFileData(*in, kStep);
      const bool atEnd = got < kStep;
      int64_t stepEnd = copied + got;
      // The reports of the blocks this step covered, each with the bytes before it; at the
      // end the last, short (or empty) block is reported too.
      const int64_t lastBlock = atEnd ? stepEnd / kBlock * kBlock : stepEnd - kBlock;
      for (int64_t block = copied; block <= lastBlock; block += kBlock) {
        report(block);
        if (FileCopyAbortSwitch.load()) {
          // Stopped after this block: what the step copied beyond it goes again.
          const int64_t keep = std::min(block + kBlock, stepEnd);
          if (keep < stepEnd) {
            out->SetSize(keep);
            out->Seek(keep, soBeginning);
          }
          stepEnd = keep;
          aborted = true;
          break;
        }
      }
      copied = stepEnd;
      if (aborted || atEnd) break;
    }
  } catch (const EReadError&) {
    code = -4;
  } catch (const EWriteError&) {
    code = -3;
  }
  try {
    out->Close();
  } catch (const Exception&) {
    if (code == 0) code = -3;
  }
  in.reset();
  if (code == 0) {
    TDateTime age = 0;
    if (FileAge(Source, age)) FileSetDate(dest, age);
    if (CopyAttr) {
      const int32_t attr = FileGetAttr(Source);
      if (attr != -1) FileSetAttr(dest, attr & ~faReadOnly);
    }
  }
  report(copied);
  return code;
}

int32_t FileCopyFeedBk(const UnicodeString& Source, const UnicodeString& Destination, bool CopyAttr,
                       const TFileCopyFeedBack& FeedBack) {
  TFileCopyFeedBack64 wide;
  if (FeedBack) wide = [&](int64_t done, int64_t size) { FeedBack(Saturate(done), Saturate(size)); };
  return FileCopyFeedBk64(Source, Destination, CopyAttr, wide);
}

namespace {

// The progress of the running tree copy.
struct TreeCopyState {
  TTreeCopyFeedBack64 feedBack;
  UnicodeString currentFile;
  int32_t files = 0;
  int64_t lastBytes = 0;
  int64_t lastSize = 0;
};
TreeCopyState treeCopy;

void CopyTree(const UnicodeString& Source, const UnicodeString& Destination, bool CopyAttr) {
  ForceDirectories(Destination);
  std::vector<TSearchRec> entries;
  {
    TSearchRec f;
    for (int32_t r = FindFirst(Source + u"*.*", faAnyFile, f); r == 0; r = FindNext(f))
      if (f.Name != u"." && f.Name != u"..") entries.push_back(f);
    FindClose(f);
  }
  for (const TSearchRec& e : entries) {
    if (FileCopyAbortSwitch.load()) return;
    const UnicodeString from = Source + e.Name;
    const UnicodeString to = Destination + e.Name;
    if ((e.Attr & faSymLink) != 0) {
      ++treeCopy.files;
      DeleteFile(to);
      CreateSymLink(ReadSymLink(from), to);
    } else if ((e.Attr & faDirectory) != 0) {
      CopyTree(WithSep(from), WithSep(to), CopyAttr);
    } else {
      treeCopy.currentFile = to;
      ++treeCopy.files;
      FileCopyFeedBk64(from, to, CopyAttr, [](int64_t bytes, int64_t size) {
        treeCopy.lastBytes = bytes;
        treeCopy.lastSize = size;
        if (treeCopy.feedBack) treeCopy.feedBack(bytes, size, treeCopy.currentFile, treeCopy.files);
      });
      if (treeCopy.feedBack)
        treeCopy.feedBack(treeCopy.lastBytes, treeCopy.lastSize, treeCopy.currentFile, treeCopy.files);
    }
  }
}

// True when Dest, or the nearest folder above it that exists, lies in the tree Source.
bool InsideTree(const UnicodeString& Source, const UnicodeString& Dest) {
  for (UnicodeString p = ExpandFileName(Dest); !p.empty(); p = ParentDir(p))
    if (FileGetAttr(p) != -1 && SameFile(p, Source)) return true;
  return false;
}

}  // namespace

void CopyFileTree64(const UnicodeString& Source, const UnicodeString& Destination, bool CopyAttr,
                    const TTreeCopyFeedBack64& FeedBack) {
  treeCopy = TreeCopyState();
  treeCopy.feedBack = FeedBack;
  FileCopyAbortSwitch.store(false);
  const UnicodeString src = Source.empty() ? Source : WithSep(Source);
  const UnicodeString dst = Destination.empty() ? Destination : WithSep(Destination);
  if (SameText(src, dst) || (DirectoryExists(dst) && SameFile(src, dst))) return;
  if (InsideTree(src, dst))
    throw EZUBFileSysError(u"CopyFileTree: the destination " + Destination +
                           u" lies inside the source tree " + Source);
  CopyTree(src, dst, CopyAttr);
}

void CopyFileTree(const UnicodeString& Source, const UnicodeString& Destination, bool CopyAttr,
                  const TTreeCopyFeedBack& FeedBack) {
  TTreeCopyFeedBack64 wide;
  if (FeedBack)
    wide = [&](int64_t bytes, int64_t size, const UnicodeString& name, int32_t files) {
      FeedBack(Saturate(bytes), Saturate(size), name, files);
    };
  CopyFileTree64(Source, Destination, CopyAttr, wide);
}

}  // namespace zub
