// `zubkit reg` and `zubkit assoc`: reading, writing, listing and deleting registry values,
// and the program that opens a kind of file.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/zubkit/cli.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

using zub::UnicodeString;

std::string U8(const UnicodeString& s) {
  return zub::UnicodeToUtf8(s);
}

zub::HKEY ParseRoot(const std::string& name) {
  std::string up;
  for (const char c : name) up += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  if (up == "HKCU" || up == "HKEY_CURRENT_USER") return zub::HKEY_CURRENT_USER;
  if (up == "HKLM" || up == "HKEY_LOCAL_MACHINE") return zub::HKEY_LOCAL_MACHINE;
  if (up == "HKCR" || up == "HKEY_CLASSES_ROOT") return zub::HKEY_CLASSES_ROOT;
  throw UsageError("--root takes HKCU, HKLM or HKCR, not '" + name + "'");
}

const char* TypeName(zub::TRegDataType type) {
  switch (type) {
    case zub::rdString:
      return "REG_SZ";
    case zub::rdExpandString:
      return "REG_EXPAND_SZ";
    case zub::rdInteger:
      return "REG_DWORD";
    case zub::rdBinary:
      return "REG_BINARY";
    default:
      return "REG_NONE";
  }
}

// One value as the system's reg tool shows it: NAME, TYPE and DATA four blanks apart.
void PrintValue(zub::TRegistry& reg, const UnicodeString& name, std::ostream& out) {
  const zub::TRegDataType type = reg.GetDataType(name);
  std::ostringstream data;
  if (type == zub::rdString || type == zub::rdExpandString) {
    data << U8(reg.ReadString(name));
  } else if (type == zub::rdInteger) {
    data << "0x" << std::hex << static_cast<uint32_t>(reg.ReadInteger(name));
  } else {
    std::vector<unsigned char> bytes(static_cast<size_t>(std::max(reg.GetDataSize(name), 0)));
    const int32_t n = reg.ReadBinaryData(name, bytes.data(), static_cast<int32_t>(bytes.size()));
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int32_t i = 0; i < n; ++i) data << kHex[bytes[i] >> 4] << kHex[bytes[i] & 15];
  }
  out << "    " << (name.empty() ? "(Default)" : U8(name)) << "    " << TypeName(type) << "    " << data.str()
      << "\n";
}

int Missing(const std::string& what) {
  std::fflush(stdout);
  std::fprintf(stderr, "zubkit reg: %s\n", what.c_str());
  return 1;
}

std::string KeyLine(zub::HKEY root, const zub::TRegistry& reg) {
  const std::string path = U8(reg.CurrentPath());
  return U8(zub::RootKeyName(root)) + (path.empty() ? "" : "\\" + path);
}

int RunReg(const Args& args, std::ostream& out) {
  const std::vector<std::string>& a = args.Positional();
  const std::string& action = a[0];
  const zub::HKEY root = ParseRoot(args.Get("root", "HKCU"));
  const UnicodeString key = zub::Utf8ToUnicode(a[1]);
  const std::optional<UnicodeString> name =
      a.size() > 2 ? std::optional<UnicodeString>(zub::Utf8ToUnicode(a[2])) : std::nullopt;
  auto arity = [&](size_t lo, size_t hi, const char* usage) {
    if (a.size() < lo || a.size() > hi) throw UsageError(std::string("usage: zubkit reg ") + usage);
  };
  if (action != "set" && args.Has("type")) throw UsageError("--type goes with reg set");
  zub::TRegistry reg;
  reg.SetRootKey(root);

  if (action == "query") {
    arity(2, 3, "query KEY [NAME]");
    if (!reg.OpenKeyReadOnly(key)) return Missing("no such key: " + a[1]);
    if (name && !reg.ValueExists(*name)) return Missing("no value named '" + a[2] + "' in " + a[1]);
    out << KeyLine(root, reg) << "\n";
    zub::TStringList names;
    reg.GetValueNames(names);
    // The names as stored, whatever case they were asked for in.
    for (int32_t i = 0; i < names.Count(); ++i)
      if (!name || zub::AnsiSameText(names.Strings(i), *name)) PrintValue(reg, names.Strings(i), out);
    if (name) return 0;
    reg.GetKeyNames(names);
    if (names.Count() > 0) out << "\n";
    for (int32_t i = 0; i < names.Count(); ++i)
      out << KeyLine(root, reg) << "\\" << U8(names.Strings(i)) << "\n";
    return 0;
  }
  if (action == "list") {
    arity(2, 2, "list KEY");
    if (!reg.OpenKeyReadOnly(key)) return Missing("no such key: " + a[1]);
    zub::TStringList names;
    reg.GetKeyNames(names);
    for (int32_t i = 0; i < names.Count(); ++i) out << U8(names.Strings(i)) << "\\\n";
    reg.GetValueNames(names);
    for (int32_t i = 0; i < names.Count(); ++i)
      out << (names.Strings(i).empty() ? "(Default)" : U8(names.Strings(i))) << "\n";
    return 0;
  }
  if (action == "set") {
    arity(4, 4, "set KEY NAME DATA [--type sz|expand_sz|dword]");
    const std::string type = args.Get("type", "sz");
    const UnicodeString data = zub::Utf8ToUnicode(a[3]);
    if (type != "sz" && type != "expand_sz" && type != "dword")
      throw UsageError("--type takes sz, expand_sz or dword, not '" + type + "'");
    std::optional<uint32_t> number;
    if (type == "dword") {
      const std::string& t = a[3];
      const bool hex = t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X');
      char* end = nullptr;
      errno = 0;
      const unsigned long long v = std::strtoull(t.c_str() + (hex ? 2 : 0), &end, hex ? 16 : 10);
      if (t.empty() || t[0] == '-' || t[0] == '+' || *end != '\0' || errno != 0 || v > 0xFFFFFFFFull ||
          end == t.c_str() + (hex ? 2 : 0))
        throw UsageError("a dword is a number from 0 to 4294967295 (or 0x0 to 0xffffffff), not '" + t + "'");
      number = static_cast<uint32_t>(v);
    }
    if (!reg.OpenKey(key, true)) return Missing("cannot create the key " + a[1]);
    if (type == "sz")
      reg.WriteString(*name, data);
    else if (type == "expand_sz")
      reg.WriteExpandString(*name, data);
    else
      reg.WriteInteger(*name, static_cast<int32_t>(*number));
    return 0;
  }
  if (action == "delete") {
    arity(2, 3, "delete KEY [NAME]");
    if (!name) return reg.DeleteKey(key) ? 0 : Missing("no such key: " + a[1]);
    if (!reg.OpenKey(key, false)) return Missing("no such key: " + a[1]);
    return reg.DeleteValue(*name) ? 0 : Missing("no value named '" + a[2] + "' in " + a[1]);
  }
  throw UsageError("reg does query, set, delete or list, not '" + action + "'");
}

int RunAssoc(const Args& args, std::ostream& out) {
  std::string ext = args.Positional()[0];
  if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
  const UnicodeString command = zub::GetProgAssoc(zub::Utf8ToUnicode(ext));
  if (command.empty()) {
    std::fflush(stdout);
    std::fprintf(stderr, "zubkit assoc: no program opens .%s files\n", ext.c_str());
    return 1;
  }
  out << U8(command) << "\n";
  return 0;
}

const Registration reg(
    {"reg",
     "ACTION KEY [NAME [DATA]]",
     "query, set, delete or list registry keys and values",
     "  reg query KEY [NAME]    the key's values (or one) as NAME  TYPE  DATA, then its\n"
     "                          subkeys; the default value shows as (Default)\n"
     "  reg set KEY NAME DATA   writes a value, creating the key; --type sz (the\n"
     "                          default), expand_sz or dword (decimal or 0x hex)\n"
     "  reg delete KEY [NAME]   deletes the value, or without NAME the key and all below\n"
     "  reg list KEY            the subkeys (ending in \\) and the value names\n"
     "KEY is a path of names separated by \\ (quote it for the shell); names compare\n"
     "ignoring case. A missing key or value is reported on standard error (exit 1).\n"
     "The stores live in $ZUBCOREKIT_REGISTRY_DIR when set, else the user's in\n"
     "~/.local/share/zubcorekit/registry and the machine's in /var/lib/zubcorekit/registry\n"
     "(writing those needs the superuser). HKCR shows the desktop's file associations\n"
     "beneath what was stored there.",
     {{"root", "ROOT", "HKCU (the default), HKLM or HKCR"},
      {"type", "TYPE", "the type reg set writes: sz, expand_sz or dword"}},
     2,
     4,
     RunReg});

const Registration assoc({"assoc",
                          "EXT",
                          "the command line that opens files of an extension",
                          "EXT goes with or without its dot (txt or .txt). The command comes from\n"
                          "HKEY_CLASSES_ROOT: what was stored there, else the desktop's default program\n"
                          "for the extension's MIME type, with \"%1\" where the file's name goes. Exit 1\n"
                          "when no program opens such files.",
                          {},
                          1,
                          1,
                          RunAssoc});

// Restores an environment variable when the tour stop is done.
class SavedEnv {
 public:
  SavedEnv(const char* name, const std::string& value) : FName(name) {
    if (const char* old = std::getenv(name)) FOld = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~SavedEnv() {
    if (FOld)
      ::setenv(FName, FOld->c_str(), 1);
    else
      ::unsetenv(FName);
  }
  SavedEnv(const SavedEnv&) = delete;
  SavedEnv& operator=(const SavedEnv&) = delete;

 private:
  const char* FName;
  std::optional<std::string> FOld;
};

const TourRegistration stop(
    {88, "Registry and program associations",
     [](std::ostream& out) {
       using namespace zub;
       namespace fs = std::filesystem;
       // A scratch store and desktop of the tour's own: the user's registry is never touched.
       std::string tmpl = (fs::temp_directory_path() / "zubkit-tour-XXXXXX").string();
       if (::mkdtemp(tmpl.data()) == nullptr) return;
       const fs::path base = tmpl;
       {
         SavedEnv store("ZUBCOREKIT_REGISTRY_DIR", (base / "registry").string());
         SavedEnv data("XDG_DATA_HOME", (base / "data").string());
         SavedEnv dirs("XDG_DATA_DIRS", (base / "none").string());
         SavedEnv config("XDG_CONFIG_HOME", (base / "config").string());
         SavedEnv configDirs("XDG_CONFIG_DIRS", (base / "none").string());
         fs::create_directories(base / "data/mime");
         fs::create_directories(base / "data/applications");
         fs::create_directories(base / "config");
         std::ofstream(base / "data/mime/globs2") << "50:text/plain:*.txt\n";
         std::ofstream(base / "data/applications/viewer.desktop")
             << "[Desktop Entry]\nType=Application\nName=Viewer\nExec=viewer --new %F\n";
         std::ofstream(base / "config/mimeapps.list")
             << "[Default Applications]\ntext/plain=viewer.desktop\n";
         try {
           SetRegValue(0, u"Software\\Tour", u"Answer", u"42");
           SetRegValue(0, u"Software\\Tour\\Window", u"Maximized", u"TRUE");
           out << "SetRegValue(0, \"Software\\Tour\", \"Answer\", \"42\"); GetRegValueAsInt(0, "
                  "\"SOFTWARE\\tour\", "
                  "\"answer\") = "
               << GetRegValueAsInt(0, u"SOFTWARE\\tour", u"answer") << "\n";
           out << "GetRegValueAsBoolean(0, \"Software\\Tour\\Window\", \"Maximized\") = "
               << (GetRegValueAsBoolean(0, u"Software\\Tour\\Window", u"Maximized") ? "true" : "false")
               << "\n";
           TStringList keys;
           out << "GetAllRegSubkeys(0, \"Software\\Tour\") = " << GetAllRegSubkeys(0, u"Software\\Tour", keys)
               << " (" << U8(keys.Strings(0)) << "); GetRegValue(0, \"Software\\Nothing\", \"x\") = \""
               << U8(GetRegValue(0, u"Software\\Nothing", u"x")) << "\"\n";
           out << "GetProgAssoc(\"txt\") = " << U8(GetProgAssoc(u"txt"))
               << " (from the desktop's mimeapps.list and viewer.desktop)\n";
           out << "DeleteRegKey(0, \"Software\\Tour\") = "
               << (DeleteRegKey(0, u"Software\\Tour") ? "true" : "false")
               << "; RegKeyExists(0, \"Software\\Tour\\Window\") = "
               << (RegKeyExists(0, u"Software\\Tour\\Window") ? "true" : "false") << "\n";
         } catch (const ERegistryException& e) {
           out << "registry error: " << e.what() << "\n";
         }
       }
       std::error_code ec;
       fs::remove_all(base, ec);
     },
     "filesys/ZUB_filesys.hpp"});

}  // namespace
}  // namespace zubkit
