// The freedesktop.org trash for POSIX hosts (see host/trash.hpp).
#include "host/trash.hpp"

#include <fcntl.h>
#include <pwd.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>

#include "host/file_system.hpp"
#include "host/internal/os.hpp"

namespace zub {

namespace {

constexpr int32_t kNotSameDevice = 17;
constexpr int32_t kInvalidName = 87;
constexpr std::string_view kInfoExt = ".trashinfo";
constexpr size_t kMaxNameBytes = 255;
constexpr int kMaxTries = 10000;

std::string HomeTrash() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data != nullptr && data[0] == '/') return std::string(data) + "/Trash";
  std::string home;
  if (const char* h = std::getenv("HOME"); h != nullptr && h[0] != '\0') {
    home = h;
  } else if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
    home = pw->pw_dir;
  }
  if (home.empty()) return "";
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  return (home == "/" ? "" : home) + "/.local/share/Trash";
}

// Creates Dir and its missing parents with Mode; true when Dir is a folder afterwards.
bool MakeDirs(const std::string& dir, mode_t mode) {
  struct stat st;
  if (::stat(dir.c_str(), &st) == 0) {
    if (!S_ISDIR(st.st_mode)) errno = ENOTDIR;
    return S_ISDIR(st.st_mode);
  }
  const size_t slash = dir.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !MakeDirs(dir.substr(0, slash), mode)) return false;
  return ::mkdir(dir.c_str(), mode) == 0 ||
         (errno == EEXIST && ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
}

// The device a folder is or would be created on: that of its nearest existing parent.
bool DeviceOf(std::string path, dev_t& dev) {
  struct stat st;
  while (::stat(path.c_str(), &st) != 0) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return false;
    path = slash == 0 ? "/" : path.substr(0, slash);
  }
  dev = st.st_dev;
  return true;
}

// A folder of the user's own that is not a link.
bool OwnFolder(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

// The trash at the top of a mount, made when missing; "" when none can be used.
std::string TopdirTrash(const std::string& top) {
  const std::string base = top == "/" ? "" : top;
  const std::string uid = std::to_string(::getuid());
  struct stat st;
  const std::string shared = base + "/.Trash";
  // A shared trash counts only as a real sticky folder: anything else could be a trap
  // set by another user.
  if (::lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) != 0) {
    const std::string mine = shared + "/" + uid;
    ::mkdir(mine.c_str(), 0700);
    if (OwnFolder(mine)) return mine;
  }
  const std::string own = base + "/.Trash-" + uid;
  ::mkdir(own.c_str(), 0700);
  return OwnFolder(own) ? own : "";
}

std::string PercentEncode(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' || b == '.' ||
        b == '_' || b == '~' || b == '/') {
      out += c;
    } else {
      out += '%';
      out += kHex[b >> 4];
      out += kHex[b & 15];
    }
  }
  return out;
}

std::string DeletionDate() {
  const time_t now = ::time(nullptr);
  struct tm local;
  char buf[32] = {};
  if (::localtime_r(&now, &local) == nullptr) return "1970-01-01T00:00:00";
  std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%S", &local);
  return buf;
}

// The name in the trash for the n-th try: Base, then "Base.2", ...; shortened so that the
// info file's name fits, without cutting a UTF-8 sequence.
std::string TrashName(const std::string& base, int n) {
  const std::string suffix = n == 1 ? "" : "." + std::to_string(n);
  const size_t room = kMaxNameBytes - kInfoExt.size() - suffix.size();
  std::string name = base;
  if (name.size() > room) {
    size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  return name + suffix;
}

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    text.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// rename(2) that never replaces an entry at To.
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return -1;
  // A file system without the flag: the reserved info file keeps other writers of the
  // trash away from this name.
  struct stat st;
  if (::lstat(to.c_str(), &st) == 0) {
    errno = EEXIST;
    return -1;
  }
  return ::rename(from.c_str(), to.c_str());
}

// Moves From into the trash folder Trash under a name of its own, with PathField as the
// info file's Path. 0, or the error code.
int32_t MoveInto(const std::string& trash, const std::string& from, const std::string& base,
                 const std::string& pathField, std::string& trashed) {
  if (!MakeDirs(trash + "/files", 0700) || !MakeDirs(trash + "/info", 0700)) return os::LastError();
  const std::string info =
      "[Trash Info]\nPath=" + PercentEncode(pathField) + "\nDeletionDate=" + DeletionDate() + "\n";
  for (int n = 1; n <= kMaxTries; ++n) {
    const std::string name = TrashName(base, n);
    const std::string infoPath = trash + "/info/" + name + std::string(kInfoExt);
    const std::string target = trash + "/files/" + name;
    const int fd = ::open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return os::LastError();
    }
    const bool written = WriteAll(fd, info);
    const int savedErrno = errno;
    if (::close(fd) != 0 || !written) {
      if (!written) errno = savedErrno;
      const int32_t err = os::LastError();
      ::unlink(infoPath.c_str());
      return err;
    }
    if (RenameNoReplace(from, target) != 0) {
      const int e = errno;
      ::unlink(infoPath.c_str());
      if (e == EEXIST || e == ENOTEMPTY) continue;  // a stale entry without its info file
      errno = e;
      return os::LastError();
    }
    trashed = target;
    return 0;
  }
  errno = EEXIST;
  return os::LastError();
}

}  // namespace

UnicodeString HomeTrashDir() {
  return SystemNameToUnicode(HomeTrash());
}

int32_t MoveFileToTrash(const UnicodeString& FileName, UnicodeString& TrashedName) {
  std::string path = HostPath(FileName);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  const size_t slash = path.find_last_of('/');
  const std::string parent = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  if (base.empty() || base == "." || base == "..") return kInvalidName;
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return os::LastError();
  std::string realParent;
  int32_t err = 0;
  if (!os::RealPath(parent, realParent, err)) return err;
  const std::string absolute = (realParent == "/" ? "" : realParent) + "/" + base;

  std::string trashed;
  const std::string home = HomeTrash();
  dev_t homeDevice = 0;
  if (!home.empty() && DeviceOf(home, homeDevice) && homeDevice == st.st_dev && MakeDirs(home, 0700)) {
    err = MoveInto(home, path, base, absolute, trashed);
    if (err == 0) {
      TrashedName = SystemNameToUnicode(trashed);
      return 0;
    }
    if (err != kNotSameDevice) return err;
  }
  os::MountInfo mount;
  if (!os::MountOf(realParent, mount, err)) return err;
  const std::string trash = TopdirTrash(mount.mountPoint);
  if (trash.empty()) return kNotSameDevice;
  const std::string relative =
      mount.mountPoint == "/" ? absolute.substr(1) : absolute.substr(mount.mountPoint.size() + 1);
  err = MoveInto(trash, path, base, relative, trashed);
  if (err == 0) TrashedName = SystemNameToUnicode(trashed);
  return err;
}

int32_t MoveFileToTrash(const UnicodeString& FileName) {
  UnicodeString trashed;
  return MoveFileToTrash(FileName, trashed);
}

}  // namespace zub
