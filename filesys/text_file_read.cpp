#include "filesys/text_file_read.hpp"

#include <algorithm>
#include <limits>

namespace zub {

namespace {

constexpr Char kCrLf[] = u"\r\n";

int32_t Saturate(int64_t n) {
  return static_cast<int32_t>(std::min<int64_t>(n, std::numeric_limits<int32_t>::max()));
}

// Opens FileName for reading in F.
void OpenToRead(TextFile& F, const UnicodeString& FileName) {
  AssignFile(F, FileName);
  Reset(F);
}

}  // namespace

UnicodeString ReadStringFromTextFile(const UnicodeString& FileName, const UnicodeString& BeginMarker,
                                     const UnicodeString& EndMarker) {
  UnicodeString result;
  if (!FileExists(FileName)) return result;
  const UnicodeString begin = LowerCase(BeginMarker), end = LowerCase(EndMarker);
  TextFile f;
  OpenToRead(f, FileName);
  bool collecting = begin.empty(), ended = false;
  UnicodeString line;
  while (!ended && !Eof(f)) {
    ReadLn(f, line);
    UnicodeString folded = LowerCase(line);
    if (!collecting) {
      const size_t at = folded.find(begin);
      if (at == UnicodeString::npos) continue;
      collecting = true;
      line.erase(0, at + begin.size());
      folded.erase(0, at + begin.size());
    }
    if (!end.empty()) {
      const size_t at = folded.find(end);
      if (at != UnicodeString::npos) {
        line.resize(at);
        ended = true;
      }
    }
    result += line;
    result += kCrLf;
  }
  CloseFile(f);
  return result;
}

TStrArray ReadLastNLinesOfTextFile(TextFile& F, int32_t N, int32_t& NumLines) {
  NumLines = 0;
  Reset(F);
  const size_t keep = N > 0 ? static_cast<size_t>(N) : 0;
  std::vector<UnicodeString> ring;  // grows to keep lines, then wraps
  size_t next = 0;
  int64_t lines = 0;
  UnicodeString line;
  while (!Eof(F)) {
    ReadLn(F, line);
    ++lines;
    if (keep == 0) continue;
    if (ring.size() < keep) {
      ring.push_back(std::move(line));
    } else {
      ring[next] = std::move(line);
      next = (next + 1) % keep;
    }
    line.clear();
  }
  Reset(F);
  NumLines = Saturate(lines);
  TStrArray result;
  if (keep == 0) return result;
  result.reserve(keep);
  result.resize(keep - ring.size());  // a short file: empty strings first
  for (size_t i = 0; i < ring.size(); ++i) result.push_back(std::move(ring[(next + i) % ring.size()]));
  return result;
}

TStrArray ReadLastNLinesOfTextFile(const UnicodeString& FileName, int32_t N, int32_t& NumLines) {
  TextFile f;
  OpenToRead(f, FileName);
  TStrArray result = ReadLastNLinesOfTextFile(f, N, NumLines);
  CloseFile(f);
  return result;
}

int32_t CountLinesInTextFile(TextFile& F, const TLineCountFeedback& Feedback) {
  Reset(F);
  std::function<void(int64_t)> progress;
  if (Feedback) progress = [&](int64_t n) { Feedback(nullptr, static_cast<double>(n), 0); };
  const int64_t lines = CountLinesToEof(F, 1000, progress);
  Reset(F);
  return Saturate(lines);
}

int32_t CountLinesInTextFile(const UnicodeString& FileName, const TLineCountFeedback& Feedback) {
  TextFile f;
  OpenToRead(f, FileName);
  const int32_t lines = CountLinesInTextFile(f, Feedback);
  CloseFile(f);
  return lines;
}

int32_t DetectStringInFile(const UnicodeString& FileName, const UnicodeString& Text, bool IgnoreCase,
                           int32_t MaxChars) {
  const UnicodeString wanted = IgnoreCase ? LowerCase(Text) : Text;
  TextFile f;
  OpenToRead(f, FileName);
  int64_t sum = 0;
  bool found = false;
  UnicodeString line;
  while (!found && sum < MaxChars && !Eof(f)) {
    ReadLn(f, line);
    if (IgnoreCase) line = LowerCase(line);
    const size_t at = wanted.empty() ? UnicodeString::npos : line.find(wanted);
    if (at != UnicodeString::npos) {
      sum += static_cast<int64_t>(at) + 1;
      found = sum <= MaxChars;
    } else {
      sum += static_cast<int64_t>(line.size());
    }
  }
  CloseFile(f);
  return found ? static_cast<int32_t>(sum) : 0;
}

int32_t FindFirstMatchInTextFile(const UnicodeString& FileName, const UnicodeString& Text, bool IgnoreCase,
                                 UnicodeString& Line) {
  Line.clear();
  const UnicodeString wanted = IgnoreCase ? AnsiLowerCase(Text) : Text;
  TextFile f;
  OpenToRead(f, FileName);
  int32_t position = 0;
  UnicodeString line;
  while (position == 0 && !wanted.empty() && !Eof(f)) {
    ReadLn(f, line);
    const size_t at = (IgnoreCase ? AnsiLowerCase(line) : line).find(wanted);
    if (at != UnicodeString::npos) {
      position = Saturate(static_cast<int64_t>(at) + 1);
      Line = line;
    }
  }
  CloseFile(f);
  return position;
}

UnicodeString ReadNextWordInTextFile(TextFile& F) {
  UnicodeString word;
  Char c = 0;
  while (!Eof(F)) {
    Read(F, c);
    if (c > 32) {
      word += c;
      break;
    }
  }
  while (!word.empty() && !Eof(F)) {
    Read(F, c);
    if (c <= 32) break;
    word += c;
  }
  return word;
}

}  // namespace zub
