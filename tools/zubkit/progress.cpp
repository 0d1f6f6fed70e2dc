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

ProgressLine::ProgressLine()
    : FEnabled(::isatty(STDERR_FILENO) == 1), FStart(std::chrono::steady_clock::now()), FLast(FStart) {}

ProgressLine::~ProgressLine() {
  Clear();
}

void ProgressLine::Clear() {
  if (FShown) std::fputs("\r\033[K", stderr);
  FShown = false;
}

void ProgressLine::Update(const std::string& Name, int64_t Done, int64_t Total, const std::string& Extra) {
  if (!FEnabled) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - FLast < std::chrono::milliseconds(200)) return;
  const double seconds = std::chrono::duration<double>(now - FStart).count();
  if (!FShown && seconds < 1.0 && Done < kLargeInput && Total < kLargeInput) return;
  FLast = now;
  FShown = true;
  const double rate = seconds > 0 ? MiB(Done) / seconds : 0;
  if (Total > 0)
    std::fprintf(stderr, "\r\033[K%s: %.1f of %.1f MiB, %.1f MiB/s%s", Name.c_str(), MiB(Done), MiB(Total),
                 rate, Extra.c_str());
  else
    std::fprintf(stderr, "\r\033[K%s: %.1f MiB, %.1f MiB/s%s", Name.c_str(), MiB(Done), rate, Extra.c_str());
  std::fflush(stderr);
}

Progress::Progress(Input& In) : FIn(In), FEnabled(FLine.Enabled()) {}

Progress::~Progress() = default;

void Progress::Update() {
  FLine.Update(FIn.Name(), FIn.Done(), FIn.Total());
}

}  // namespace zubkit
