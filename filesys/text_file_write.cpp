#include "filesys/text_file_write.hpp"

#include <algorithm>
#include <memory>

#include "host/file_names.hpp"

namespace zub {

namespace {

// The file a routine writes Dest through: Dest itself, or, when Dest is the routine's
// Source by another name, a replacement file that takes Dest's place on Commit. Dropped
// without Commit, it removes what it wrote: the replacement file, or a Dest it created.
class TRewriteTarget {
 public:
  TRewriteTarget(const UnicodeString& Source, const UnicodeString& Dest) : FDest(Dest) {
    if (!SameFile(Source, Dest)) return;
    FTemp = CreateReplacementFile(Dest);
    if (FTemp.empty()) throw EInOutError(GetLastFileError(), Dest);
  }
  TRewriteTarget(const TRewriteTarget&) = delete;
  TRewriteTarget& operator=(const TRewriteTarget&) = delete;
  ~TRewriteTarget() {
    if (FCommitted) return;
    if (!FTemp.empty())
      DeleteFile(FTemp);
    else if (FCreated)
      RemovePartialFile(FDest);
  }

  const UnicodeString& Name() const { return FTemp.empty() ? FDest : FTemp; }
  // The file is open for writing: from here on a failure removes it.
  void Created() { FCreated = true; }
  void Commit() {
    if (!FTemp.empty() && !ReplaceFile(FTemp, FDest)) throw EInOutError(GetLastFileError(), FDest);
    FCommitted = true;
  }

 private:
  UnicodeString FDest, FTemp;
  bool FCreated = false, FCommitted = false;
};

}  // namespace

void EnsureCRLFInFile(const UnicodeString& InFile, const UnicodeString& OutFile) {
  UntypedFile in;
  AssignFile(in, InFile);
  ResetReadOnly(in, 1);
  TRewriteTarget target(InFile, OutFile);
  UntypedFile out;  // closed before the target cleans up
  AssignFile(out, target.Name());
  Rewrite(out, 1);
  target.Created();
  constexpr int32_t kBlock = 64 * 1024;
  const std::unique_ptr<uint8_t[]> buf(new uint8_t[kBlock]), put(new uint8_t[2 * kBlock + 1]);
  bool afterCr = false;
  for (;;) {
    int32_t got = 0;
    BlockRead(in, buf.get(), kBlock, got);
    int32_t n = 0;
    for (int32_t i = 0; i < got; ++i) {
      const uint8_t c = buf[i];
      if (afterCr && c != '\n') put[n++] = '\n';
      put[n++] = c;
      afterCr = c == '\r';
    }
    if (got == 0 && afterCr) put[n++] = '\n';
    BlockWrite(out, put.get(), n);
    if (got == 0) break;
  }
  CloseFile(in);
  CloseFile(out);
  target.Commit();
}

void AppendToTextFile(const UnicodeString& FileName, const UnicodeString& Line) {
  TStringList lines;
  lines.Add(Line);
  AppendToTextFile(FileName, lines);
}

void AppendToTextFile(const UnicodeString& FileName, const TStringList& Lines) {
  TextFile f;
  AssignFile(f, FileName);
  try {
    Append(f);
  } catch (const EInOutError& e) {
    // Only a missing file is created: truncating one that failed to open would lose it.
    if (e.ErrorCode() != ioFileNotFound) throw;
    Rewrite(f);
  }
  for (int32_t i = 0; i < Lines.Count(); ++i) WriteLn(f, Lines.Strings(i));
  CloseFile(f);
}

void ClearTextFile(const UnicodeString& FileName) {
  TextFile f;
  AssignFile(f, FileName);
  Rewrite(f);
  WriteLn(f);
  CloseFile(f);
}

uint8_t FilterCopyTextFile(const UnicodeString& Source, const UnicodeString& Dest, const TIntArray& DropLines) {
  constexpr uint8_t kDestFailed = 254, kSourceFailed = 255;
  TextFile in;
  try {
    AssignFile(in, Source);
    Reset(in);
  } catch (const EInOutError&) {
    return kSourceFailed;
  }
  std::unique_ptr<TRewriteTarget> target;
  TextFile out;  // closed before the target cleans up
  try {
    target = std::make_unique<TRewriteTarget>(Source, Dest);
    AssignFile(out, target->Name());
    Rewrite(out);
    target->Created();
  } catch (const EInOutError&) {
    return kDestFailed;
  }
  TIntArray drop = DropLines;
  std::sort(drop.begin(), drop.end());
  UnicodeString line;
  for (int64_t number = 1;; ++number) {
    try {
      if (Eof(in)) break;
      ReadLn(in, line);
    } catch (const EInOutError&) {
      return kSourceFailed;
    }
    if (number <= INT32_MAX && std::binary_search(drop.begin(), drop.end(), static_cast<int32_t>(number))) continue;
    try {
      WriteLn(out, line);
    } catch (const EInOutError&) {
      return kDestFailed;
    }
  }
  try {
    CloseFile(in);
  } catch (const EInOutError&) {
    return kSourceFailed;
  }
  try {
    CloseFile(out);
    target->Commit();
  } catch (const EInOutError&) {
    return kDestFailed;
  }
  return 0;
}

}  // namespace zub
