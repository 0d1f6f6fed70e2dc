// An X server of the test's own: Xvfb on a free display number, with DISPLAY pointing at it
// while the object lives. Where Xvfb is not installed or does not start, Available is false
// and Why says what went wrong, for the test's skip message.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string>

#include "testing/env_var.hpp"

namespace zub::testing {

class Xvfb {
 public:
  explicit Xvfb(const std::string& Screen = "1024x768x24") {
    int fds[2];
    if (::pipe(fds) != 0) {
      FWhy = "no pipe for Xvfb";
      return;
    }
    FPid = ::fork();
    if (FPid == 0) {
      ::close(fds[0]);
      const std::string fd = std::to_string(fds[1]);
      ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", Screen.c_str(), "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(fds[1]);
    if (FPid < 0) {
      ::close(fds[0]);
      FWhy = "fork failed";
      return;
    }
    // Xvfb writes the display number once it accepts connections.
    std::string number;
    char c;
    while (::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(fds[0]);
    if (number.empty()) {
      FWhy = "Xvfb (Debian package xvfb) did not start";
      Stop();
      return;
    }
    FDisplay = ":" + number;
    FEnv.emplace("DISPLAY", FDisplay);
  }
  ~Xvfb() {
    FEnv.reset();
    Stop();
  }
  Xvfb(const Xvfb&) = delete;
  Xvfb& operator=(const Xvfb&) = delete;

  bool Available() const { return !FDisplay.empty(); }
  const std::string& Why() const { return FWhy; }
  const std::string& Display() const { return FDisplay; }

 private:
  void Stop() {
    if (FPid <= 0) return;
    ::kill(FPid, SIGTERM);
    int status;
    while (::waitpid(FPid, &status, 0) < 0 && errno == EINTR) {
    }
    FPid = -1;
  }

  pid_t FPid = -1;
  std::string FDisplay;
  std::string FWhy;
  std::optional<EnvVar> FEnv;
};

}  // namespace zub::testing
