// POSIX current directory, file identity, in-kernel copying, environment and secure
// random bytes for the host layer.
#include <dirent.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include "host/internal/os.hpp"

extern char** environ;

namespace zub::os {

bool CurrentDirectory(std::string& dir, int32_t& err) {
  std::vector<char> buf(PATH_MAX);
  while (::getcwd(buf.data(), buf.size()) == nullptr) {
    if (errno != ERANGE) {
      err = LastError();
      return false;
    }
    buf.resize(buf.size() * 2);
  }
  dir = buf.data();
  return true;
}

bool FileIdentity(const std::string& path, uint64_t& device, uint64_t& inode) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return false;
  device = static_cast<uint64_t>(st.st_dev);
  inode = static_cast<uint64_t>(st.st_ino);
  return true;
}

int64_t CopyRange(Handle in, int64_t inOffset, Handle out, int64_t outOffset, int64_t n, int32_t& err) {
  for (;;) {
    loff_t inOff = inOffset, outOff = outOffset;
    const ssize_t r = ::copy_file_range(static_cast<int>(in), &inOff, static_cast<int>(out), &outOff,
                                        static_cast<size_t>(n), 0);
    if (r >= 0) {
      err = 0;
      return r;
    }
    if (errno == EINTR) continue;
    if (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL || errno == EBADF ||
        errno == ETXTBSY || errno == EPERM)
      return -2;
    err = LastError();
    return -1;
  }
}

std::vector<std::string> EnvironmentEntries() {
  std::vector<std::string> entries;
  for (char** e = environ; e != nullptr && *e != nullptr; ++e) entries.emplace_back(*e);
  return entries;
}

bool SecureRandomBytes(void* buf, size_t n) {
  auto* p = static_cast<unsigned char*>(buf);
  while (n > 0) {
    const ssize_t r = ::getrandom(p, n, 0);
    if (r < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += r;
    n -= static_cast<size_t>(r);
  }
  return true;
}

bool ReadLink(const std::string& path, std::string& target, int32_t& err) {
  std::vector<char> buf(256);
  for (;;) {
    const ssize_t n = ::readlink(path.c_str(), buf.data(), buf.size());
    if (n < 0) {
      err = LastError();
      return false;
    }
    if (static_cast<size_t>(n) < buf.size()) {
      target.assign(buf.data(), static_cast<size_t>(n));
      return true;
    }
    buf.resize(buf.size() * 2);
  }
}

bool MakeLink(const std::string& target, const std::string& path, int32_t& err) {
  if (::symlink(target.c_str(), path.c_str()) == 0) return true;
  err = LastError();
  return false;
}

bool ListDirectoryKinds(const std::string& path, std::vector<std::pair<std::string, char>>& entries,
                        int32_t& err) {
  DIR* d = ::opendir(path.empty() ? "." : path.c_str());
  if (d == nullptr) {
    err = LastError();
    return false;
  }
  while (const dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    char kind = e->d_type == DT_DIR ? 'd' : e->d_type == DT_LNK ? 'l' : 'f';
    if (e->d_type == DT_UNKNOWN) {
      struct stat st;
      const std::string full = (path.empty() ? std::string(".") : path) + "/" + name;
      kind = ::lstat(full.c_str(), &st) != 0 ? 'f'
             : S_ISDIR(st.st_mode)           ? 'd'
             : S_ISLNK(st.st_mode)           ? 'l'
                                             : 'f';
    }
    entries.emplace_back(name, kind);
  }
  ::closedir(d);
  return true;
}

}  // namespace zub::os
