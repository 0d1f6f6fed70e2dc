// POSIX mount table, block-device and file-system space primitives for the host layer.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string_view>

#include "host/internal/os.hpp"

namespace zub::os {

namespace {

// The whole of a small system file (/proc, /sys), read until the system reports its end.
bool ReadSmallFile(const std::string& path, std::string& text) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  text.clear();
  char buf[8192];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const bool ok = n == 0;
      ::close(fd);
      return ok;
    }
    text.append(buf, static_cast<size_t>(n));
  }
}

// The mount table writes " ", tab, newline and "\" in names as "\040", "\011", "\012" and
// "\134".
std::string Unescape(std::string_view field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' && field[i + 1] <= '3' &&
        field[i + 2] >= '0' && field[i + 2] <= '7' && field[i + 3] >= '0' && field[i + 3] <= '7') {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    size_t j = i;
    while (j < line.size() && line[j] != ' ') ++j;
    if (j > i) fields.push_back(line.substr(i, j - i));
    i = j;
  }
  return fields;
}

bool HasOption(std::string_view options, std::string_view name) {
  size_t i = 0;
  while (i <= options.size()) {
    size_t j = options.find(',', i);
    if (j == std::string_view::npos) j = options.size();
    if (options.substr(i, j - i) == name) return true;
    i = j + 1;
  }
  return false;
}

// Whether mount point m is path or one of its parents.
bool Holds(const std::string& m, const std::string& path) {
  if (m == "/") return true;
  return path.compare(0, m.size(), m) == 0 && (path.size() == m.size() || path[m.size()] == '/');
}

}  // namespace

bool ReadMounts(std::vector<MountInfo>& mounts, int32_t& err) {
  std::string text;
  if (!ReadSmallFile("/proc/self/mountinfo", text)) {
    err = LastError();
    return false;
  }
  mounts.clear();
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    const std::vector<std::string_view> f = Fields(std::string_view(text).substr(at, end - at));
    at = end + 1;
    // ID PARENT MAJOR:MINOR ROOT MOUNT-POINT OPTIONS [OPTIONAL...] - TYPE SOURCE SUPER-OPTIONS
    size_t dash = 6;
    while (dash < f.size() && f[dash] != "-") ++dash;
    if (f.size() < 6 || dash + 2 >= f.size()) continue;
    MountInfo m;
    const size_t colon = f[2].find(':');
    if (colon == std::string_view::npos) continue;
    m.devMajor = static_cast<uint32_t>(std::strtoul(std::string(f[2].substr(0, colon)).c_str(), nullptr, 10));
    m.devMinor =
        static_cast<uint32_t>(std::strtoul(std::string(f[2].substr(colon + 1)).c_str(), nullptr, 10));
    m.mountPoint = Unescape(f[4]);
    m.fsType = Unescape(f[dash + 1]);
    m.source = Unescape(f[dash + 2]);
    m.readOnly = HasOption(f[5], "ro") || (dash + 3 < f.size() && HasOption(f[dash + 3], "ro"));
    mounts.push_back(std::move(m));
  }
  err = 0;
  return true;
}

bool RealPath(const std::string& path, std::string& resolved, int32_t& err) {
  char* r = ::realpath(path.empty() ? "." : path.c_str(), nullptr);
  if (r == nullptr) {
    err = LastError();
    return false;
  }
  resolved = r;
  std::free(r);
  err = 0;
  return true;
}

bool MountOf(const std::string& path, MountInfo& mount, int32_t& err) {
  std::string real;
  if (!RealPath(path, real, err)) return false;
  struct stat st;
  if (::stat(real.c_str(), &st) != 0) {
    err = LastError();
    return false;
  }
  std::vector<MountInfo> mounts;
  if (!ReadMounts(mounts, err)) return false;
  // A mount hidden by a later one on a parent folder still stands in the table: the mounts
  // on path's device come first, then the longest mount point, then the last one made.
  const MountInfo* best = nullptr;
  bool bestOnDevice = false;
  for (const MountInfo& m : mounts) {
    if (!Holds(m.mountPoint, real)) continue;
    const bool onDevice = m.devMajor == major(st.st_dev) && m.devMinor == minor(st.st_dev);
    if (best == nullptr || onDevice > bestOnDevice ||
        (onDevice == bestOnDevice && m.mountPoint.size() >= best->mountPoint.size())) {
      best = &m;
      bestOnDevice = onDevice;
    }
  }
  if (best == nullptr) {
    err = 3;
    return false;
  }
  mount = *best;
  err = 0;
  return true;
}

int BlockDeviceRemovable(uint32_t devMajor, uint32_t devMinor) {
  if (devMajor == 0) return -1;  // no block device: tmpfs, network and other virtual file systems
  const std::string dev = "/sys/dev/block/" + std::to_string(devMajor) + ":" + std::to_string(devMinor);
  std::string text;
  if (!ReadSmallFile(dev + "/removable", text)) {
    struct stat st;
    // A partition has no flag of its own; its disk is the folder above it.
    if (::stat((dev + "/partition").c_str(), &st) != 0 || !ReadSmallFile(dev + "/../removable", text))
      return -1;
  }
  return !text.empty() && text[0] == '1' ? 1 : 0;
}

bool FileSystemSpace(const std::string& path, uint64_t& freeForCaller, uint64_t& total, bool& readOnly,
                     int32_t& err) {
  struct statvfs st;
  int rc;
  do {
    rc = ::statvfs(path.c_str(), &st);
  } while (rc != 0 && errno == EINTR);
  if (rc != 0) {
    err = LastError();
    return false;
  }
  freeForCaller = static_cast<uint64_t>(st.f_bavail) * st.f_frsize;
  total = static_cast<uint64_t>(st.f_blocks) * st.f_frsize;
  readOnly = (st.f_flag & ST_RDONLY) != 0;
  err = 0;
  return true;
}

}  // namespace zub::os
