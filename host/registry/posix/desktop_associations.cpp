#include "host/registry/posix/desktop_associations.hpp"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "host/case_map.hpp"

namespace zub::registry {

namespace {

std::string Home() {
  if (const char* h = std::getenv("HOME"); h != nullptr && h[0] != '\0') return h;
  if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) return pw->pw_dir;
  return "";
}

// An absolute folder from the variable, else Fallback.
std::string BaseDir(const char* var, const std::string& fallback) {
  const char* v = std::getenv(var);
  return v != nullptr && v[0] == '/' ? std::string(v) : fallback;
}

// The absolute folders of a colon-separated list variable, else those of Fallback.
std::vector<std::string> DirList(const char* var, const char* fallback) {
  const char* v = std::getenv(var);
  const std::string list = v != nullptr && v[0] != '\0' ? v : fallback;
  std::vector<std::string> dirs;
  size_t at = 0;
  while (at <= list.size()) {
    size_t end = list.find(':', at);
    if (end == std::string::npos) end = list.size();
    std::string d = list.substr(at, end - at);
    while (d.size() > 1 && d.back() == '/') d.pop_back();
    if (!d.empty() && d[0] == '/') dirs.push_back(d);
    at = end + 1;
  }
  return dirs;
}

// Data folders in the order of precedence: the user's first.
std::vector<std::string> DataDirs() {
  std::vector<std::string> dirs{BaseDir("XDG_DATA_HOME", Home() + "/.local/share")};
  for (std::string& d : DirList("XDG_DATA_DIRS", "/usr/local/share:/usr/share")) dirs.push_back(std::move(d));
  return dirs;
}

std::vector<std::string> ConfigDirs() {
  std::vector<std::string> dirs{BaseDir("XDG_CONFIG_HOME", Home() + "/.config")};
  for (std::string& d : DirList("XDG_CONFIG_DIRS", "/etc/xdg")) dirs.push_back(std::move(d));
  return dirs;
}

bool IsFile(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string Trim(std::string s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.pop_back();
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  return s.substr(i);
}

UnicodeString U8(std::string_view s) {
  return Utf8ToUnicode(s);
}

bool IsDir(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

struct Glob {
  int weight;
  std::string type;
  std::string glob;
  bool caseSensitive;
};

// "media/subtype": one "/" between two non-empty parts, no blank or control character, and
// no leading "." (which would read as an extension key).
bool IsMimeType(const std::string& type) {
  const size_t slash = type.find('/');
  if (slash == 0 || slash == std::string::npos || slash + 1 == type.size() || type[0] == '.' ||
      type.find('/', slash + 1) != std::string::npos)
    return false;
  for (const unsigned char c : type)
    if (c <= ' ' || c == 127) return false;
  return true;
}

// Every glob of the data folders, the most important folder first and each file's lines in
// order. A type's "__NOGLOBS__" line drops the globs the less important folders give it.
std::vector<Glob> DataDirGlobs() {
  std::vector<Glob> out;
  std::set<std::string> cleared;  // by the folders read so far
  for (const std::string& dir : DataDirs()) {
    const bool weighted = IsFile(dir + "/mime/globs2");
    std::ifstream in(dir + (weighted ? "/mime/globs2" : "/mime/globs"));
    std::set<std::string> clearing;
    for (std::string line; std::getline(in, line);) {
      line = Trim(line);
      if (line.empty() || line[0] == '#') continue;
      int weight = 50;
      if (weighted) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        weight = std::atoi(line.substr(0, colon).c_str());
        line.erase(0, colon + 1);
      }
      const size_t colon = line.find(':');
      if (colon == std::string::npos) continue;
      std::string type = line.substr(0, colon);
      std::string glob = line.substr(colon + 1);
      std::string flags;
      if (const size_t f = glob.find(':'); f != std::string::npos) {
        flags = glob.substr(f + 1);
        glob.resize(f);
      }
      if (!IsMimeType(type)) continue;
      if (glob == "__NOGLOBS__") {
        clearing.insert(type);
        continue;
      }
      if (cleared.count(type) != 0) continue;
      const bool caseSensitive = (',' + flags + ',').find(",cs,") != std::string::npos;
      out.push_back({weight, std::move(type), std::move(glob), caseSensitive});
    }
    cleared.insert(clearing.begin(), clearing.end());
  }
  return out;
}

// The glob's EXT when it is a plain "*.EXT" (no further wildcard), else "".
std::string PlainExtension(const std::string& glob) {
  if (glob.size() < 3 || glob.compare(0, 2, "*.") != 0 || glob.find_first_of("*?[", 2) != std::string::npos)
    return "";
  return glob.substr(2);
}

// The MIME types the globs of the data folders name, each once.
std::vector<std::pair<UnicodeString, UnicodeString>> AllGlobs() {
  std::vector<std::pair<UnicodeString, UnicodeString>> out;  // ".ext", type
  for (const Glob& g : DataDirGlobs())
    if (const std::string ext = PlainExtension(g.glob); !ext.empty()) out.emplace_back(U8("." + ext), U8(g.type));
  return out;
}

// The entries of "Type=a;b;" in a section (all sections when Section is empty).
std::vector<std::string> ListedApps(const std::string& file, const std::string& section,
                                    const std::string& type) {
  std::ifstream in(file);
  bool inSection = section.empty();
  for (std::string line; std::getline(in, line);) {
    line = Trim(line);
    if (!line.empty() && line[0] == '[') {
      inSection = section.empty() || line == section;
      continue;
    }
    if (!inSection) continue;
    const size_t eq = line.find('=');
    if (eq == std::string::npos || !AnsiSameText(U8(Trim(line.substr(0, eq))), U8(type))) continue;
    std::vector<std::string> apps;
    const std::string list = line.substr(eq + 1);
    size_t at = 0;
    while (at < list.size()) {
      size_t end = list.find(';', at);
      if (end == std::string::npos) end = list.size();
      if (std::string app = Trim(list.substr(at, end - at)); !app.empty()) apps.push_back(app);
      at = end + 1;
    }
    return apps;
  }
  return {};
}

// The file of a desktop id below one applications folder: the id itself, or a subfolder
// name and "-" in front of an id within it ("kde-viewer.desktop" is kde/viewer.desktop).
std::string FindDesktopId(const std::string& folder, const std::string& id) {
  if (const std::string f = folder + "/" + id; IsFile(f)) return f;
  for (size_t dash = id.find('-'); dash != std::string::npos; dash = id.find('-', dash + 1)) {
    const std::string sub = id.substr(0, dash);
    if (sub.empty() || sub == "." || sub == ".." || !IsDir(folder + "/" + sub)) continue;
    if (std::string f = FindDesktopId(folder + "/" + sub, id.substr(dash + 1)); !f.empty()) return f;
  }
  return "";
}

// The desktop entry file of an id, "" when it is not installed.
std::string DesktopFile(const std::string& id) {
  if (id.empty() || id.find('/') != std::string::npos) return "";
  for (const std::string& dir : DataDirs())
    if (std::string f = FindDesktopId(dir + "/applications", id); !f.empty()) return f;
  return "";
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return s;
}

}  // namespace

UnicodeString DesktopMimeType(const UnicodeString& Ext) {
  if (Ext.empty()) return u"";
  bool found = false;
  int bestWeight = 0;
  std::string best;
  for (const Glob& g : DataDirGlobs()) {
    if (g.glob.size() < 3 || g.glob.compare(0, 2, "*.") != 0) continue;
    const UnicodeString pattern = U8(g.glob.substr(2));
    if (!(g.caseSensitive ? pattern == Ext : AnsiSameText(pattern, Ext))) continue;
    // Earlier folders and lines win ties: only a higher weight replaces a match.
    if (!found || g.weight > bestWeight) {
      found = true;
      bestWeight = g.weight;
      best = g.type;
    }
  }
  return U8(best);
}

UnicodeString DesktopDefaultApplication(const UnicodeString& MimeType) {
  if (MimeType.empty()) return u"";
  const std::string type = UnicodeToUtf8(MimeType);
  std::vector<std::string> prefixes;
  if (const char* cur = std::getenv("XDG_CURRENT_DESKTOP"); cur != nullptr) {
    const std::string list = cur;
    size_t at = 0;
    while (at < list.size()) {
      size_t end = list.find(':', at);
      if (end == std::string::npos) end = list.size();
      if (end > at) prefixes.push_back(Lower(list.substr(at, end - at)) + "-");
      at = end + 1;
    }
  }
  prefixes.push_back("");
  std::vector<std::string> folders = ConfigDirs();
  for (const std::string& d : DataDirs()) folders.push_back(d + "/applications");
  for (const std::string& folder : folders)
    for (const std::string& prefix : prefixes)
      for (const std::string& app :
           ListedApps(folder + "/" + prefix + "mimeapps.list", "[Default Applications]", type))
        if (!DesktopFile(app).empty()) return U8(app);
  for (const std::string& dir : DataDirs())
    for (const char* file : {"/applications/defaults.list", "/applications/mimeinfo.cache"})
      for (const std::string& app : ListedApps(dir + file, "", type))
        if (!DesktopFile(app).empty()) return U8(app);
  return u"";
}

UnicodeString ExecToCommandLine(std::string_view Exec) {
  std::string out;
  for (size_t i = 0; i < Exec.size(); ++i) {
    const char c = Exec[i];
    if (c == '\\' && i + 1 < Exec.size()) {
      const char n = Exec[++i];
      out += n == 's' ? ' ' : n == 'n' ? '\n' : n == 't' ? '\t' : n == 'r' ? '\r' : n;
    } else if (c == '%' && i + 1 < Exec.size()) {
      const char n = Exec[++i];
      if (n == 'f' || n == 'u' || n == 'F' || n == 'U')
        out += "\"%1\"";
      else if (n == '%')
        out += '%';
      // Other codes stand for things a command line here has no use for.
    } else {
      out += c;
    }
  }
  // Codes dropped at the end leave blanks behind.
  return U8(Trim(out));
}

UnicodeString DesktopOpenCommand(const UnicodeString& DesktopId) {
  const std::string file = DesktopFile(UnicodeToUtf8(DesktopId));
  if (file.empty()) return u"";
  std::ifstream in(file);
  bool inEntry = false;
  for (std::string line; std::getline(in, line);) {
    line = Trim(line);
    if (!line.empty() && line[0] == '[') {
      inEntry = line == "[Desktop Entry]";
      continue;
    }
    if (!inEntry || line.compare(0, 4, "Exec") != 0) continue;
    const std::string rest = Trim(line.substr(4));
    if (rest.empty() || rest[0] != '=') continue;
    return ExecToCommandLine(Trim(rest.substr(1)));
  }
  return u"";
}

std::optional<DesktopKey> DesktopClassesKey(const std::vector<UnicodeString>& Path) {
  DesktopKey key;
  if (Path.empty()) {
    std::vector<UnicodeString> types;
    for (const auto& [ext, type] : AllGlobs()) {
      key.subkeys.push_back(ext);
      types.push_back(type);
    }
    for (UnicodeString& t : types) key.subkeys.push_back(std::move(t));
    return key;
  }
  const UnicodeString& first = Path[0];
  if (first[0] == u'.') {
    if (Path.size() != 1) return std::nullopt;
    const UnicodeString type = DesktopMimeType(first.substr(1));
    if (type.empty()) return std::nullopt;
    key.values = {{u"", type}, {u"Content Type", type}};
    return key;
  }
  if (first.find(u'/') == UnicodeString::npos || Path.size() > 4) return std::nullopt;
  static const char16_t* const kShell[] = {u"shell", u"open", u"command"};
  for (size_t i = 1; i < Path.size(); ++i)
    if (!AnsiSameText(Path[i], kShell[i - 1])) return std::nullopt;
  const UnicodeString command = DesktopOpenCommand(DesktopDefaultApplication(first));
  if (command.empty()) {
    if (Path.size() > 1) return std::nullopt;
    // A type without a program: a class only when the globs know it.
    bool known = false;
    for (const auto& g : AllGlobs()) known = known || AnsiSameText(g.second, first);
    if (!known) return std::nullopt;
    return key;
  }
  if (Path.size() < 4)
    key.subkeys.push_back(kShell[Path.size() - 1]);
  else
    key.values = {{u"", command}};
  return key;
}

}  // namespace zub::registry
