// Sets an environment variable for one test and puts back what was there before (its old
// value, or no variable at all).
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace zub::testing {

class EnvVar {
 public:
  // Sets Name to Value; a null Value removes the variable.
  EnvVar(std::string Name, const char* Value) : FName(std::move(Name)) {
    if (const char* old = std::getenv(FName.c_str())) FOld = old;
    if (Value != nullptr)
      ::setenv(FName.c_str(), Value, 1);
    else
      ::unsetenv(FName.c_str());
  }
  EnvVar(std::string Name, const std::string& Value) : EnvVar(std::move(Name), Value.c_str()) {}
  ~EnvVar() {
    if (FOld)
      ::setenv(FName.c_str(), FOld->c_str(), 1);
    else
      ::unsetenv(FName.c_str());
  }
  EnvVar(const EnvVar&) = delete;
  EnvVar& operator=(const EnvVar&) = delete;

 private:
  std::string FName;
  std::optional<std::string> FOld;
};

}  // namespace zub::testing
