#include "host/dialogs/posix/gtk_module.hpp"

#include <dlfcn.h>

#include <cstdlib>
#include <mutex>
#include <string>

namespace zub::host {

namespace {

const ZubGtkModule* TryLoad(const std::string& file) {
  void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return nullptr;
  auto entry = reinterpret_cast<ZubGtkModuleEntry>(::dlsym(handle, kZubGtkModuleEntry));
  const ZubGtkModule* module = entry != nullptr ? entry() : nullptr;
  if (module == nullptr || module->AbiVersion != kZubGtkModuleAbi) {
    ::dlclose(handle);
    return nullptr;
  }
  return module;  // stays loaded for the life of the process, as GTK must
}

// The folder of the binary this code was linked into, with its trailing "/".
std::string OwnFolder() {
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void*>(&LoadGtkModule), &info) == 0 || info.dli_fname == nullptr) return {};
  const std::string self = info.dli_fname;
  const size_t slash = self.rfind('/');
  return slash == std::string::npos ? std::string() : self.substr(0, slash + 1);
}

}  // namespace

const ZubGtkModule* LoadGtkModule() {
  static std::mutex lock;
  static const ZubGtkModule* loaded = nullptr;
  const std::lock_guard<std::mutex> guard(lock);
  if (loaded != nullptr) return loaded;
  if (const char* named = std::getenv("ZUBCOREKIT_GTK_MODULE"); named != nullptr && *named != '\0')
    return loaded = TryLoad(named);
  if (const std::string folder = OwnFolder(); !folder.empty()) loaded = TryLoad(folder + kZubGtkModuleName);
  if (loaded == nullptr) loaded = TryLoad(kZubGtkModuleName);
  return loaded;
}

}  // namespace zub::host
