// POSIX directory, attribute and time primitives for the host layer.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "host/internal/os.hpp"

namespace zub::os {

EntryInfo Stat(const std::string& path) {
  EntryInfo info;
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return info;
  info.symlink = S_ISLNK(st.st_mode);
  if (info.symlink && ::stat(path.c_str(), &st) != 0) {
    info.exists = true;  // a dangling link is an entry of its own
    return info;
  }
  info.exists = true;
  info.directory = S_ISDIR(st.st_mode);
  info.regular = S_ISREG(st.st_mode);
  info.readOnly = (st.st_mode & S_IWUSR) == 0;
  info.size = info.directory ? 0 : st.st_size;
  info.mtimeSec = st.st_mtim.tv_sec;
  info.mtimeNsec = static_cast<int32_t>(st.st_mtim.tv_nsec);
  return info;
}

bool ListDirectory(const std::string& path, std::vector<std::string>& names, int32_t& err) {
  DIR* d = ::opendir(path.empty() ? "." : path.c_str());
  if (d == nullptr) {
    err = LastError();
    return false;
  }
  while (const dirent* e = ::readdir(d)) {
    const std::string n = e->d_name;
    if (n != "." && n != "..") names.push_back(n);
  }
  ::closedir(d);
  err = 0;
  return true;
}

namespace {
bool Check(int rc, int32_t& err) {
  err = rc == 0 ? 0 : LastError();
  return rc == 0;
}
}  // namespace

bool MakeDirectory(const std::string& path, int32_t& err) {
  return Check(::mkdir(path.c_str(), 0777), err);
}
bool RemoveDirectory(const std::string& path, int32_t& err) {
  return Check(::rmdir(path.c_str()), err);
}

bool RemoveFile(const std::string& path, int32_t& err) {
  struct stat st;
  if (::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    // Directories are removed with RemoveDirectory. POSIX lets unlink() answer EPERM here;
    // say what it is, as Linux does.
    errno = EISDIR;
    err = LastError();
    return false;
  }
  return Check(::unlink(path.c_str()), err);
}

bool RenameEntry(const std::string& from, const std::string& to, int32_t& err) {
  // Like the Windows call: an existing target is not replaced.
  struct stat st;
  if (from != to && ::lstat(to.c_str(), &st) == 0) {
    err = 80;
    return false;
  }
  return Check(::rename(from.c_str(), to.c_str()), err);
}

bool ReplaceEntry(const std::string& from, const std::string& to, int32_t& err) {
  return Check(::rename(from.c_str(), to.c_str()), err);
}

bool CreateNewFile(const std::string& path, const std::string& model, int32_t& err) {
  struct stat st;
  const bool modelled = !model.empty() && ::stat(model.c_str(), &st) == 0 && S_ISREG(st.st_mode);
  const Handle h = CreateNew(path, modelled ? (st.st_mode & 07777) : 0666, err);
  if (h == kNoHandle) return false;
  // The umask may have taken bits the model has.
  if (modelled) ::fchmod(static_cast<int>(h), st.st_mode & 07777);
  err = Close(h);
  return err == 0;
}

bool SetReadOnly(const std::string& path, bool readOnly, int32_t& err) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) {
    err = LastError();
    return false;
  }
  mode_t mode = st.st_mode & 07777;
  mode = readOnly ? (mode & ~(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
  return Check(::chmod(path.c_str(), mode), err);
}

bool SetModificationTime(const std::string& path, int64_t sec, int32_t nsec, int32_t& err) {
  struct timespec times[2];
  times[0].tv_sec = 0;
  times[0].tv_nsec = UTIME_OMIT;
  times[1].tv_sec = static_cast<time_t>(sec);
  times[1].tv_nsec = nsec;
  return Check(::utimensat(AT_FDCWD, path.c_str(), times, 0), err);
}

}  // namespace zub::os
