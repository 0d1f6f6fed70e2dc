// `zubkit tour`: every capability's stop, in order, on built-in samples.
#include <ostream>

#include "tools/zubkit/cli.hpp"

namespace zubkit {
namespace {

int RunTour(const Args&, std::ostream& out) {
  out << "zubcorekit is a base library for scientific and charting applications that rely on the\n"
         "formats, layouts and conventions of their Windows past: fixed-width number layouts,\n"
         "Windows-1252 text files with CR LF ends, colour scales stored as text, XML-like tag files,\n"
         "raw 80-bit values in streams, 1-based positions. Each stop below shows one part of it on\n"
         "a built-in sample: the header to include, then each call beside its result.\n";
  int n = 0;
  for (const auto& stop : TourStops()) {
    out << "\n== " << ++n << ". " << stop.title << " ==\n";
    out << "#include \"" << stop.header << "\"\n";
    stop.show(out);
  }
  out << "\n'zubkit --help' lists the commands; 'zubkit help COMMAND' explains one.\n";
  return 0;
}

const Registration reg(
    {"tour", "", "walk through what the library does, on built-in samples", "", {}, 0, 0, RunTour});

}  // namespace
}  // namespace zubkit
