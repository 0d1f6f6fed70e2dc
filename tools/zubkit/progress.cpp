#include "tools/zubkit/progress.hpp"

#include <unistd.h>

#include <cstdio>

namespace zubkit {

namespace {
constexpr int64_t kLargeInput = 4 << 20;
double MiB(int64_t bytes) {
  return static_cast<double>(bytes) / (1 << 20);
}
}  // namespace

Progress::Progress(Input& In)
    : FIn(In),
      FEnabled(::isatty(STDERR_FILENO) == 1),
      FStart(std::chrono::steady_clock::now()),
      FLast(FStart) {}

Progress::~Progress() {
  if (FShown) std::fputs("\r\033[K", stderr);
}

void Progress::Update() {
  const auto now = std::chrono::steady_clock::now();
  if (now - FLast < std::chrono::milliseconds(200)) return;
  const double seconds = std::chrono::duration<double>(now - FStart).count();
  const int64_t done = FIn.Done();
  if (!FShown && seconds < 1.0 && done < kLargeInput && FIn.Total() < kLargeInput) return;
  FLast = now;
  FShown = true;
  const double rate = seconds > 0 ? MiB(done) / seconds : 0;
  if (FIn.Total() > 0)
    std::fprintf(stderr, "\r\033[K%s: %.1f of %.1f MiB, %.1f MiB/s", FIn.Name().c_str(), MiB(done),
                 MiB(FIn.Total()), rate);
  else
    std::fprintf(stderr, "\r\033[K%s: %.1f MiB, %.1f MiB/s", FIn.Name().c_str(), MiB(done), rate);
  std::fflush(stderr);
}

}  // namespace zubkit
