// A FIFO fed by a thread: the test opens the name and reads what the thread writes, as a
// reader of a pipe would.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "testing/temp_dir.hpp"

namespace zub::testing {

class FifoFeeder {
 public:
  // Creates the FIFO Leaf in Dir; a thread writes Bytes into it in pieces and closes it.
  FifoFeeder(const TempDir& Dir, const std::string& Leaf, std::string Bytes)
      : FPath(Dir.Native(Leaf)), FName(Dir.Name(Leaf)) {
    if (::mkfifo(FPath.c_str(), 0600) != 0) std::abort();
    FThread = std::thread([path = FPath, bytes = std::move(Bytes)] {
      const int fd = ::open(path.c_str(), O_WRONLY);
      if (fd < 0) return;
      for (size_t at = 0; at < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + at, std::min<size_t>(bytes.size() - at, 1000));
        if (n <= 0) break;
        at += static_cast<size_t>(n);
      }
      ::close(fd);
    });
  }
  ~FifoFeeder() { FThread.join(); }
  FifoFeeder(const FifoFeeder&) = delete;
  FifoFeeder& operator=(const FifoFeeder&) = delete;

  const UnicodeString& Name() const { return FName; }

 private:
  std::string FPath;
  UnicodeString FName;
  std::thread FThread;
};

}  // namespace zub::testing
