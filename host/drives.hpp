// Drives and the storage behind a folder: which kind of drive holds it, the space left
// there, and whether its file system is mounted read-only.
//
// On POSIX a folder's drive is its mount: the entry of /proc/self/mountinfo whose mount
// point is the folder or its nearest parent (links resolved; among mounts on one point the
// one in sight, whose device is the folder's). Its file-system type and block device give
// the Windows drive type:
//   6 RAM disk   tmpfs, ramfs
//   4 remote     nfs, nfs4, cifs, smb3, smbfs, ncpfs, afs, coda, ceph, glusterfs, lustre,
//                9p, davfs and the FUSE network file systems (fuse.sshfs, fuse.rclone, ...)
//   5 CD-ROM     iso9660, udf
//   2 removable  a block device whose /sys/class/block/DEV/removable is 1 (for a
//                partition: its disk's)
//   3 fixed      every other file system (ext4, xfs, btrfs, overlay, proc, ...)
//   1 no root    the folder does not exist
//   0 unknown    the mount table cannot be read or names no mount for the folder
#pragma once

#include <cstdint>

#include "host/unicode.hpp"

namespace zub {

inline constexpr uint32_t DRIVE_UNKNOWN = 0;
inline constexpr uint32_t DRIVE_NO_ROOT_DIR = 1;
inline constexpr uint32_t DRIVE_REMOVABLE = 2;
inline constexpr uint32_t DRIVE_FIXED = 3;
inline constexpr uint32_t DRIVE_REMOTE = 4;
inline constexpr uint32_t DRIVE_CDROM = 5;
inline constexpr uint32_t DRIVE_RAMDISK = 6;

// What the system says of the mount that holds a folder.
struct TMountEntry {
  UnicodeString MountPoint;  // native, links resolved
  UnicodeString FileSystem;  // "ext4", "tmpfs", "fuse.sshfs", ...
  UnicodeString Source;      // "/dev/vda1", "server:/export", "tmpfs", ...
  uint32_t DeviceMajor = 0;  // 0 for file systems without a block device
  uint32_t DeviceMinor = 0;
  bool ReadOnly = false;  // mounted read-only
};

// The mount holding Path (Windows-style or native, see HostPath); false when Path does not
// exist or the mount table names none for it.
bool FindMount(const UnicodeString& Path, TMountEntry& Mount);
// The drive type of the folder RootPath, by the table above.
uint32_t GetDriveType(const UnicodeString& RootPath);
// The bytes the caller may still write on the file system holding Path (what a user
// without the reserve of the superuser gets: statvfs's f_bavail x f_frsize) and its size.
// False when Path cannot be reached.
bool GetDiskFreeSpaceEx(const UnicodeString& Path, uint64_t& FreeBytesAvailable, uint64_t& TotalBytes);
// True when the file system holding Path is mounted read-only; false when it is writable
// or Path cannot be reached.
bool IsReadOnlyFileSystem(const UnicodeString& Path);

}  // namespace zub
