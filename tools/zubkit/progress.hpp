// A progress line on standard error for long work: the input's name, the bytes done of the
// total (when known) and the rate. It shows only when standard error is a terminal and the
// work is large (more than 4 MiB) or has taken more than a second, and it is cleared when
// the work ends.
#pragma once

#include <chrono>
#include <cstdint>

#include "tools/zubkit/input.hpp"

namespace zubkit {

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
  bool FEnabled;
  bool FShown = false;
  uint64_t FTicks = 0;
  std::chrono::steady_clock::time_point FStart, FLast;
};

}  // namespace zubkit
