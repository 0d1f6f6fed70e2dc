// A progress line on standard error for long work: the input's name, the bytes done of the
// total (when known) and the rate. It shows only when standard error is a terminal and the
// work is large (more than 4 MiB) or has taken more than a second, and it is cleared when
// the work ends.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "tools/zubkit/input.hpp"

namespace zubkit {

// The line itself, for work that is not one input (a copy of many files): shown, throttled
// and cleared under the same rules.
class ProgressLine {
 public:
  ProgressLine();
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  bool Enabled() const { return FEnabled; }
  // Name, bytes done of Total (when above 0), the rate, then Extra; at most 5 times a second.
  void Update(const std::string& Name, int64_t Done, int64_t Total, const std::string& Extra = "");
  // Removes the line from the terminal (before other output to standard error).
  void Clear();

 private:
  bool FEnabled;
  bool FShown = false;
  std::chrono::steady_clock::time_point FStart, FLast;
};

class Progress {
 public:
  explicit Progress(Input& In);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  // Call once per unit of work (a line, a number, a tag); cheap.
  void Tick() {
    if (FEnabled && ++FTicks % 1024 == 0) Update();
  }

 private:
  void Update();

  Input& FIn;
  ProgressLine FLine;
  bool FEnabled;
  uint64_t FTicks = 0;
};

}  // namespace zubkit
