// The command frame of zubkit: commands declare their options and arguments once, the frame
// parses the command line, prints help and maps errors to exit codes (0 success, 1 failure,
// 2 misuse).
#pragma once

#include <functional>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace zubkit {

// Misuse of the command line: reported with the usage on standard error, exit code 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct OptionSpec {
  std::string name;       // long name without the dashes
  std::string valueName;  // empty for a flag
  std::string help;
  char shortName = 0;  // a one-letter form ("-i"), if any
};

class Args {
 public:
  bool Has(const std::string& name) const { return FValues.count(name) != 0; }
  std::string Get(const std::string& name, const std::string& fallback = "") const;
  // The option's value as an integer in [lo, hi]; UsageError when it is not one.
  long long GetInt(const std::string& name, long long fallback, long long lo, long long hi) const;
  const std::vector<std::string>& Positional() const { return FPositional; }
  // Every value a repeatable option was given, in order (Get gives the last).
  std::vector<std::string> GetAll(const std::string& name) const {
    const auto found = FAll.find(name);
    return found == FAll.end() ? std::vector<std::string>{} : found->second;
  }

  // Filled by the command frame as it parses the command line.
  void Set(const std::string& name, const std::string& value) {
    FValues[name] = value;
    FAll[name].push_back(value);
  }
  void AddPositional(const std::string& value) { FPositional.push_back(value); }

 private:
  std::map<std::string, std::string> FValues;
  std::map<std::string, std::vector<std::string>> FAll;
  std::vector<std::string> FPositional;
};

struct Command {
  std::string name;
  std::string arguments;  // as shown in the usage line, e.g. "[NAME]"
  std::string summary;    // one line
  std::string details;    // more help text, may be empty
  std::vector<OptionSpec> options;
  size_t minArgs = 0;
  size_t maxArgs = 0;
  // Returns the exit code; throws UsageError for misuse and any std::exception for failure.
  std::function<int(const Args&, std::ostream& out)> run;
};

// Adds a command; used by static Registration objects in the command files.
void Register(Command command);

struct Registration {
  explicit Registration(Command command) { Register(std::move(command)); }
};

// A stop of `zubkit tour`: a title, the header a program includes for what the stop shows,
// and what it shows on built-in samples: each library call beside its result. Stops run in
// ascending order.
struct TourStop {
  int order;
  std::string title;
  std::function<void(std::ostream& out)> show;
  std::string header;
};
void RegisterTourStop(TourStop stop);

struct TourRegistration {
  explicit TourRegistration(TourStop stop) { RegisterTourStop(std::move(stop)); }
};
const std::vector<TourStop>& TourStops();

int Run(int argc, char** argv);

}  // namespace zubkit
