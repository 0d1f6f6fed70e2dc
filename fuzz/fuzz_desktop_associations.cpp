// The desktop's association files as HKEY_CLASSES_ROOT reads them, with arbitrary contents:
// the input is cut at NUL bytes into a globs2 file, a mimeapps.list and a desktop entry
// (listed as the default program of every type), which every reader then goes through. No
// crash, no hang; whatever command is found comes from the entry's Exec line.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/registry/posix/desktop_associations.hpp"

namespace fs = std::filesystem;

namespace {

fs::path Tree() {
  static const fs::path tree = [] {
    std::string tmpl = (fs::temp_directory_path() / "fuzz-xdg-XXXXXX").string();
    if (::mkdtemp(tmpl.data()) == nullptr) std::abort();
    const fs::path base = tmpl;
    fs::create_directories(base / "data/mime");
    fs::create_directories(base / "data/applications/sub");
    fs::create_directories(base / "config");
    ::setenv("XDG_DATA_HOME", (base / "data").c_str(), 1);
    ::setenv("XDG_DATA_DIRS", (base / "none").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (base / "config").c_str(), 1);
    ::setenv("XDG_CONFIG_DIRS", (base / "none").c_str(), 1);
    ::unsetenv("XDG_CURRENT_DESKTOP");
    return base;
  }();
  return tree;
}

void Write(const fs::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path tree = Tree();
  std::vector<std::string> parts(3);
  size_t part = 0;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0 && part < 2)
      ++part;
    else
      parts[part] += static_cast<char>(data[i]);
  }
  Write(tree / "data/mime/globs2", parts[0]);
  Write(tree / "config/mimeapps.list", parts[1]);
  Write(tree / "data/applications/sub/app.desktop", parts[2]);

  using namespace zub;
  using registry::DesktopClassesKey;
  const auto root = DesktopClassesKey({});
  if (!root) std::abort();  // the root always exists
  for (const UnicodeString& name : root->subkeys) {
    const auto key = DesktopClassesKey({name});
    if (name.empty() || name[0] == u'.') {
      if (!key) std::abort();  // every extension the root lists has its key
      continue;
    }
    const auto command = DesktopClassesKey({name, u"shell", u"open", u"command"});
    if (command && (command->values.size() != 1 || command->values[0].second != registry::DesktopOpenCommand(
                                                                              u"sub-app.desktop")))
      std::abort();
  }
  for (const char16_t* ext : {u"txt", u"TXT", u"a", u"tar.gz"}) registry::DesktopMimeType(ext);
  registry::ExecToCommandLine(parts[2]);
  return 0;
}
