// A folder below /var/tmp (a disk, not a memory file system) for a benchmark's files,
// made on first use and removed with everything in it when the program ends.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zub_bench {

inline const std::filesystem::path& ScratchDir() {
  static const std::filesystem::path dir = [] {
    std::string t = "/var/tmp/zub_bench_XXXXXX";
    if (::mkdtemp(t.data()) == nullptr) std::abort();
    return std::filesystem::path(t);
  }();
  static const struct Cleanup {
    ~Cleanup() {
      std::error_code ec;
      std::filesystem::remove_all(dir, ec);
    }
  } cleanup;
  return dir;
}

}  // namespace zub_bench
