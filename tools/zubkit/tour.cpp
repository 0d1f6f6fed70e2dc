// `zubkit tour`: every capability's stop, in order, on built-in samples.
#include <ostream>

#include "tools/zubkit/cli.hpp"

namespace zubkit {
namespace {

int RunTour(const Args&, std::ostream& out) {
  out << "A tour of zubcorekit: each stop shows one part of the library on a built-in sample.\n";
  int n = 0;
  for (const auto& stop : TourStops()) {
    out << "\n== " << ++n << ". " << stop.title << " ==\n";
    stop.show(out);
  }
  out << "\n'zubkit --help' lists the commands; 'zubkit help COMMAND' explains one.\n";
  return 0;
}

const Registration reg(
    {"tour", "", "walk through what the library does, on built-in samples", "", {}, 0, 0, RunTour});

}  // namespace
}  // namespace zubkit
