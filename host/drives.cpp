#include "host/drives.hpp"

#include <array>
#include <string_view>

#include "host/file_system.hpp"
#include "host/internal/os.hpp"

namespace zub {

namespace {

bool IsNetworkFileSystem(std::string_view type) {
  static constexpr std::array<std::string_view, 13> kNetwork = {"nfs",    "nfs4", "cifs", "smb3", "smbfs",
                                                                "ncpfs",  "afs",  "coda", "ceph", "glusterfs",
                                                                "lustre", "9p",   "davfs"};
  static constexpr std::array<std::string_view, 8> kFuseNetwork = {"sshfs",  "rclone", "s3fs",   "glusterfs",
                                                                   "cephfs", "ceph",   "davfs2", "gcsfuse"};
  for (std::string_view t : kNetwork)
    if (type == t) return true;
  if (type.substr(0, 5) == "fuse.")
    for (std::string_view t : kFuseNetwork)
      if (type.substr(5) == t) return true;
  return false;
}

}  // namespace

bool FindMount(const UnicodeString& Path, TMountEntry& Mount) {
  os::MountInfo m;
  int32_t err = 0;
  if (!os::MountOf(HostPath(Path), m, err)) return false;
  Mount.MountPoint = SystemNameToUnicode(m.mountPoint);
  Mount.FileSystem = SystemNameToUnicode(m.fsType);
  Mount.Source = SystemNameToUnicode(m.source);
  Mount.DeviceMajor = m.devMajor;
  Mount.DeviceMinor = m.devMinor;
  Mount.ReadOnly = m.readOnly;
  return true;
}

uint32_t GetDriveType(const UnicodeString& RootPath) {
  const std::string path = HostPath(RootPath);
  if (!os::Stat(path).directory) return DRIVE_NO_ROOT_DIR;
  os::MountInfo m;
  int32_t err = 0;
  if (!os::MountOf(path, m, err)) return DRIVE_UNKNOWN;
  if (m.fsType == "tmpfs" || m.fsType == "ramfs") return DRIVE_RAMDISK;
  if (IsNetworkFileSystem(m.fsType)) return DRIVE_REMOTE;
  if (m.fsType == "iso9660" || m.fsType == "udf") return DRIVE_CDROM;
  if (os::BlockDeviceRemovable(m.devMajor, m.devMinor) == 1) return DRIVE_REMOVABLE;
  return DRIVE_FIXED;
}

bool GetDiskFreeSpaceEx(const UnicodeString& Path, uint64_t& FreeBytesAvailable, uint64_t& TotalBytes) {
  bool readOnly = false;
  int32_t err = 0;
  return os::FileSystemSpace(HostPath(Path), FreeBytesAvailable, TotalBytes, readOnly, err);
}

bool IsReadOnlyFileSystem(const UnicodeString& Path) {
  uint64_t free = 0, total = 0;
  bool readOnly = false;
  int32_t err = 0;
  return os::FileSystemSpace(HostPath(Path), free, total, readOnly, err) && readOnly;
}

}  // namespace zub
