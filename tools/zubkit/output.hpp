// Standard output of the commands: buffered, and strict about failures. A write the system
// refuses (a full disk, `> /dev/full`, a closed standard output) raises WriteError with the
// system's reason, which the command frame reports as "write error: REASON" (exit 1); a
// broken pipe raises it too, and the frame ends quietly.
#pragma once

#include <exception>
#include <ostream>
#include <stdexcept>
#include <string>

namespace zubkit {

class WriteError : public std::runtime_error {
 public:
  WriteError(const std::string& reason, bool brokenPipe)
      : std::runtime_error("write error: " + reason), FBrokenPipe(brokenPipe) {}
  bool BrokenPipe() const { return FBrokenPipe; }

 private:
  bool FBrokenPipe;
};

// The stream the commands write to: standard output.
std::ostream& Out();
// Hands what is buffered to the system; raises WriteError when it refuses. The input side
// calls this before it waits for a pipe or terminal, so output keeps pace with input.
void FlushOut();

// Reports on standard error, after what the output holds, that one input of a command
// failed ("zubkit COMMAND: NAME: reason"), while the command goes on with the others. The
// library's messages name the file already; standard input ("-") goes by
// "(standard input)".
void ReportInputError(const std::string& command, const std::string& name, const std::exception& e);

// Runs work on one input, reporting a failure with ReportInputError; true when it went
// well. A failing write to the output is no input's fault and goes on up.
template <typename F>
bool ReportingErrors(const char* command, const std::string& name, F&& work) {
  try {
    work();
    return true;
  } catch (const WriteError&) {
    throw;
  } catch (const std::exception& e) {
    ReportInputError(command, name, e);
    return false;
  }
}

}  // namespace zubkit
