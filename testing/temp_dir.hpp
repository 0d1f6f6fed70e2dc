// A fresh temporary folder for one test, removed with everything in it afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/unicode.hpp"

namespace zub::testing {

class TempDir {
 public:
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "zubtest-XXXXXX").string();
    if (::mkdtemp(tmpl.data()) == nullptr) std::abort();
    FPath = tmpl;
  }
  ~TempDir() {
    std::error_code ec;
    // Read-only entries left by a test must not stop the clean-up.
    for (auto& e : std::filesystem::recursive_directory_iterator(FPath, ec))
      std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(FPath, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return FPath; }
  // A name inside the folder, as the library's string type; Leaf is in the system's bytes
  // and may hold any of them.
  UnicodeString Name(const std::string& Leaf) const { return SystemNameToUnicode((FPath / Leaf).string()); }
  std::string Native(const std::string& Leaf) const { return (FPath / Leaf).string(); }

  void WriteBytes(const std::string& Leaf, const std::string& Bytes) const {
    std::ofstream(Native(Leaf), std::ios::binary) << Bytes;
  }
  std::string ReadBytes(const std::string& Leaf) const {
    std::ifstream in(Native(Leaf), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::filesystem::path FPath;
};

}  // namespace zub::testing
