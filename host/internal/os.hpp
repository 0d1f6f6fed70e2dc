// The operating-system primitives the host layer is built on. One implementation per
// platform (host/posix/ now); nothing outside host/ includes this header.
//
// Paths given here are already in the system's form (UTF-8 on POSIX); failures return an
// error code in the Windows numbering (2 file not found, 5 access denied, ...) through `err`.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "host/unicode.hpp"

namespace zub::os {

using Handle = intptr_t;
inline constexpr Handle kNoHandle = -1;

enum class Access : uint8_t { Read, Write, ReadWrite };
enum class Lock : uint8_t { None, Shared, Exclusive };

// Opens (create: creates or truncates) a file. Returns kNoHandle and sets err on failure.
Handle Open(const std::string& path, Access access, bool create, Lock lock, int32_t& err);
// 0, or the error the system reports for the close (a write it could not complete).
int32_t Close(Handle h);
// Transfers up to n bytes, going on until n have moved or the end of the file; returns the
// count (0 at the end of a file), or -1 with err set.
int64_t Read(Handle h, void* buf, int64_t n, int32_t& err);
// One read of up to n bytes: what the system has ready (a pipe's bytes as they come), at
// least one byte unless at the end. Returns the count, or -1 with err set.
int64_t ReadSome(Handle h, void* buf, int64_t n, int32_t& err);
int64_t Write(Handle h, const void* buf, int64_t n, int32_t& err);
// origin: 0 from the start, 1 from the current position, 2 from the end. -1 on failure.
int64_t Seek(Handle h, int64_t offset, int origin, int32_t& err);
bool Truncate(Handle h, int64_t size, int32_t& err);
int64_t FileSizeOf(Handle h, int32_t& err);

// Error code of the last failed system call.
int32_t LastError();

// English text of an error code ("File not found", ...).
UnicodeString SystemErrorText(int32_t code);

// What the file system says of one entry.
struct EntryInfo {
  bool exists = false;
  bool directory = false;
  bool regular = false;  // a plain file (not a device, pipe or directory)
  bool readOnly = false;
  bool symlink = false;
  int64_t size = 0;
  int64_t mtimeSec = 0;  // seconds since 1970-01-01 UTC
  int32_t mtimeNsec = 0;
};
EntryInfo Stat(const std::string& path);
// Names in a directory (without "." and ".."); false with err when it cannot be read.
bool ListDirectory(const std::string& path, std::vector<std::string>& names, int32_t& err);
bool MakeDirectory(const std::string& path, int32_t& err);
bool RemoveDirectory(const std::string& path, int32_t& err);
bool RemoveFile(const std::string& path, int32_t& err);
bool RenameEntry(const std::string& from, const std::string& to, int32_t& err);
// Renames from to to, replacing an existing to in one step.
bool ReplaceEntry(const std::string& from, const std::string& to, int32_t& err);
// Creates path as a new empty file (CreateNew) and closes it. It gets the permission bits
// of model when that names a file (whatever the umask), else the default ones.
bool CreateNewFile(const std::string& path, const std::string& model, int32_t& err);
bool SetReadOnly(const std::string& path, bool readOnly, int32_t& err);
bool SetModificationTime(const std::string& path, int64_t sec, int32_t nsec, int32_t& err);

// Offset of local time from UTC in seconds at the given UTC instant.
int64_t LocalTimeOffset(int64_t utcSec);
// Current time: seconds and nanoseconds since 1970-01-01 UTC.
void CurrentTime(int64_t& sec, int32_t& nsec);

// Decimal and thousands separators of the user's locale as configured in the environment
// (LC_ALL, LC_NUMERIC, LANG), without changing the process locale. Falls back to "." and ",".
void LocaleSeparators(Char& decimal, Char& thousands);

// Reads a number in the C locale's form ("1.5e3") as a long double, correctly rounded;
// out-of-range values give +-HUGE_VALL or 0.
long double ParseLongDouble(const std::string& text);

// Locale-independent full case mapping of one UTF-16 unit (BMP only).
Char UpperChar(Char c);
Char LowerChar(Char c);

// The process's current directory; false with err when it cannot be read.
bool CurrentDirectory(std::string& dir, int32_t& err);
// Device and inode of the entry a path names (links followed); false when it does not exist.
bool FileIdentity(const std::string& path, uint64_t& device, uint64_t& inode);
// Copies up to n bytes from in at inOffset to out at outOffset inside the system
// (copy_file_range), leaving both handles' file offsets alone. Returns the bytes copied
// (0 at the end of in), -1 with err for a failure, or -2 when the system cannot copy
// between these two files itself (the caller then copies through a buffer).
int64_t CopyRange(Handle in, int64_t inOffset, Handle out, int64_t outOffset, int64_t n, int32_t& err);
// "NAME=value" entries of the process environment, in its order.
std::vector<std::string> EnvironmentEntries();
// Fills buf with bytes from the system's cryptographic generator; false when it cannot.
bool SecureRandomBytes(void* buf, size_t n);

// The target text of a symbolic link; false with err when path is no link.
bool ReadLink(const std::string& path, std::string& target, int32_t& err);
// Creates the symbolic link path holding target; false with err on failure.
bool MakeLink(const std::string& target, const std::string& path, int32_t& err);

// Names in a directory (without "." and ".."), each with its kind as the listing tells it
// ('d' folder, 'l' symbolic link, 'f' anything else); an entry whose kind the listing does
// not tell is looked up. False with err when the directory cannot be read.
bool ListDirectoryKinds(const std::string& path, std::vector<std::pair<std::string, char>>& entries,
                        int32_t& err);

// Creates path as a new file for writing with the given permission bits (before the
// umask), never opening an existing entry: a name that exists, a dangling link included,
// fails with 80. Returns kNoHandle and sets err on failure.
Handle CreateNew(const std::string& path, uint32_t mode, int32_t& err);

// One mounted file system, as the mount table describes it.
struct MountInfo {
  std::string mountPoint;  // absolute, links resolved
  std::string fsType;      // "ext4", "tmpfs", "fuse.sshfs", ...
  std::string source;      // "/dev/vda1", "server:/export", "tmpfs", ...
  uint32_t devMajor = 0;
  uint32_t devMinor = 0;
  bool readOnly = false;  // mounted read-only, or its file system is
};
// The mounts of the process in the order they were made; false with err when the mount
// table cannot be read.
bool ReadMounts(std::vector<MountInfo>& mounts, int32_t& err);
// The mount that holds path (links resolved), the one in sight: of the mounts whose mount
// point is path or one of its parents, those on path's device first, then the longest
// mount point, then the last made. False with err when path does not exist or no mount
// holds it.
bool MountOf(const std::string& path, MountInfo& mount, int32_t& err);
// 1 when the block device is removable (a partition: when its disk is), 0 when it is not,
// -1 when the system does not say (no such block device).
int BlockDeviceRemovable(uint32_t devMajor, uint32_t devMinor);
// Space of the file system holding path: the bytes the caller may still use, the total
// and whether it is mounted read-only. False with err on failure.
bool FileSystemSpace(const std::string& path, uint64_t& freeForCaller, uint64_t& total, bool& readOnly,
                     int32_t& err);
// path with every link and "." or ".." resolved; false with err when it does not exist.
bool RealPath(const std::string& path, std::string& resolved, int32_t& err);

// Milliseconds of the monotonic clock: counted from an arbitrary start (the system's boot),
// never set back, not wrapping.
uint64_t MonotonicMilliseconds();

// The calling thread's affinity mask, as the bytes the system keeps it in (large enough for
// every processor the system can have); false when it cannot be read.
bool ThreadAffinity(std::vector<unsigned char>& mask);
// Puts back a mask that ThreadAffinity read; false when the system refuses it.
bool SetThreadAffinity(const std::vector<unsigned char>& mask);
// The number of processors in a mask that ThreadAffinity read.
int32_t AffinityCount(const std::vector<unsigned char>& mask);
// Restricts the calling thread to the processor it runs on now; false when the system refuses.
bool PinThreadToCurrentProcessor();
// The processors online, for when the affinity mask cannot be read; at least 1.
int32_t OnlineProcessorCount();

// How the system schedules the calling thread: its policy (with its flags), its real-time
// priority and its nice level.
struct ThreadScheduling {
  int32_t policy = 0;
  int32_t priority = 0;
  int32_t nice = 0;
};
// False when the system does not tell.
bool SaveThreadScheduling(ThreadScheduling& s);
// Raises the calling thread, scheduled as `current`, as far as the process may: 2 real-time
// scheduling at the highest priority allowed, 1 the lowest nice level allowed (when it is
// below the current one), 0 not at all.
int32_t RaiseThreadScheduling(const ThreadScheduling& current);
// Puts back what SaveThreadScheduling read; false when the system refuses a part of it (the
// other part is still put back).
bool RestoreThreadScheduling(const ThreadScheduling& s);

}  // namespace zub::os
