// POSIX file handles and error texts for the host layer.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "host/internal/os.hpp"

namespace zub::os {

namespace {
// errno -> the Windows numbering used throughout the run-time layer. Each errno keeps its
// own meaning: only a refused permission is "access denied", and a cause Windows has no
// code for keeps 1000 + errno, whose text is strerror's (errno values stay far below the
// Windows codes above 1000 used here).
int32_t MapErrno(int e) {
  switch (e) {
    case ENOENT:
      return 2;
    case ENOTDIR:
      return 3;
    case EMFILE:
    case ENFILE:
      return 4;
    case EACCES:
    case EPERM:
      return 5;
    case EBADF:
      return 6;
    case ENOMEM:
      return 8;
    case EXDEV:
      return 17;
    case EBUSY:
    case EWOULDBLOCK:
      return 32;  // sharing violation
    case EEXIST:
      return 80;
    case EINVAL:
      return 87;
    case EROFS:
      return 19;  // write protected
    case ENOSPC:
      return 112;
    case ESPIPE:
      return 132;
    case EFBIG:
      return 223;  // beyond the largest file the system or the process limit allows
    case EISDIR:
      return 336;  // not supported on a directory
    case EDQUOT:
      return 1295;
    case ENAMETOOLONG:
      return 206;
    case ENOTEMPTY:
      return 145;
    case ELOOP:
      return 1921;
    default:
      return 1000 + e;  // no Windows counterpart: keep errno recoverable
  }
}
}  // namespace

int32_t LastError() {
  return MapErrno(errno);
}

Handle Open(const std::string& path, Access access, bool create, Lock lock, int32_t& err) {
  int flags = O_CLOEXEC;
  switch (access) {
    case Access::Read:
      flags |= O_RDONLY;
      break;
    case Access::Write:
      flags |= O_WRONLY;
      break;
    case Access::ReadWrite:
      flags |= O_RDWR;
      break;
  }
  if (create) flags |= O_CREAT | O_TRUNC;
  int fd;
  do {
    fd = ::open(path.c_str(), flags, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    err = MapErrno(errno);
    if (errno == ENOENT) {
      // Tell a missing folder (path not found) from a missing file, as Windows does.
      const size_t slash = path.find_last_of('/');
      struct stat parent;
      if (slash != std::string::npos && slash > 0 && ::stat(path.substr(0, slash).c_str(), &parent) != 0)
        err = 3;
    }
    return kNoHandle;
  }
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    // open() accepts a directory for reading; a file stream cannot use it.
    ::close(fd);
    err = MapErrno(EISDIR);
    return kNoHandle;
  }
  if (lock != Lock::None && ::flock(fd, (lock == Lock::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB) != 0) {
    err = MapErrno(errno);
    ::close(fd);
    return kNoHandle;
  }
  err = 0;
  return fd;
}

Handle CreateNew(const std::string& path, uint32_t mode, int32_t& err) {
  int fd;
  do {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    err = MapErrno(errno);
    return kNoHandle;
  }
  err = 0;
  return fd;
}

int32_t Close(Handle h) {
  if (h == kNoHandle) return 0;
  // The descriptor is gone after close even when it reports EINTR; never close twice.
  return ::close(static_cast<int>(h)) == 0 || errno == EINTR ? 0 : MapErrno(errno);
}

int64_t ReadSome(Handle h, void* buf, int64_t n, int32_t& err) {
  for (;;) {
    const ssize_t r = ::read(static_cast<int>(h), buf, static_cast<size_t>(n));
    if (r >= 0) {
      err = 0;
      return r;
    }
    if (errno != EINTR) {
      err = MapErrno(errno);
      return -1;
    }
  }
}

int64_t Read(Handle h, void* buf, int64_t n, int32_t& err) {
  auto* p = static_cast<char*>(buf);
  int64_t done = 0;
  while (done < n) {
    const ssize_t r = ::read(static_cast<int>(h), p + done, static_cast<size_t>(n - done));
    if (r < 0) {
      if (errno == EINTR) continue;
      err = MapErrno(errno);
      return done > 0 ? done : -1;
    }
    if (r == 0) break;
    done += r;
  }
  err = 0;
  return done;
}

int64_t Write(Handle h, const void* buf, int64_t n, int32_t& err) {
  const auto* p = static_cast<const char*>(buf);
  int64_t done = 0;
  while (done < n) {
    const ssize_t r = ::write(static_cast<int>(h), p + done, static_cast<size_t>(n - done));
    if (r < 0) {
      if (errno == EINTR) continue;
      err = MapErrno(errno);
      return done > 0 ? done : -1;
    }
    done += r;
  }
  err = 0;
  return done;
}

int64_t Seek(Handle h, int64_t offset, int origin, int32_t& err) {
  const int whence = origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : SEEK_END;
  const off_t r = ::lseek(static_cast<int>(h), static_cast<off_t>(offset), whence);
  if (r < 0) {
    err = MapErrno(errno);
    return -1;
  }
  err = 0;
  return r;
}

bool Truncate(Handle h, int64_t size, int32_t& err) {
  if (::ftruncate(static_cast<int>(h), static_cast<off_t>(size)) != 0) {
    err = MapErrno(errno);
    return false;
  }
  err = 0;
  return true;
}

int64_t FileSizeOf(Handle h, int32_t& err) {
  struct stat st;
  if (::fstat(static_cast<int>(h), &st) != 0) {
    err = MapErrno(errno);
    return -1;
  }
  err = 0;
  return st.st_size;
}

UnicodeString SystemErrorText(int32_t code) {
  switch (code) {
    case 0:
      return u"No error";
    case 2:
      return u"File not found";
    case 3:
      return u"Path not found";
    case 4:
      return u"Too many open files";
    case 5:
      return u"Access denied";
    case 6:
      return u"Invalid file handle";
    case 8:
      return u"Not enough memory";
    case 17:
      return u"Not the same device";
    case 19:
      return u"Read-only file system";
    case 32:
      return u"File in use by another process";
    case 80:
      return u"File exists";
    case 87:
      return u"Invalid parameter";
    case 112:
      return u"Disk full";
    case 131:
      return u"Seek out of range";
    case 132:
      return u"Cannot seek on a pipe or device";
    case 145:
      return u"Directory not empty";
    case 206:
      return u"File name too long";
    case 223:
      return u"File too large";
    case 336:
      return u"Is a directory";
    case 1295:
      return u"Disk quota exceeded";
    case 1921:
      return u"Too many levels of symbolic links";
    default:
      break;
  }
  if (code > 1000) {
    char buf[256] = {};
    // strerror_r returns the text (GNU) or fills the buffer (XSI); accept either.
    struct Pick {
      const char* buf;
      const char* operator()(int) const { return buf; }
      const char* operator()(const char* text) const { return text; }
    };
    return Utf8ToUnicode(Pick{buf}(::strerror_r(code - 1000, buf, sizeof buf)));
  }
  return u"Error " + Utf8ToUnicode(std::to_string(code));
}

}  // namespace zub::os
