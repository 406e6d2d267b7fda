#include "files/drive_list.h"

#include <algorithm>
#include <array>

#ifdef _WIN32
#include "files/windows_api.h"
#else
#include <filesystem>
#include <fstream>
#include <sstream>
#endif

namespace kestrin {

std::vector<DriveInfo> RemovableDrives(const DriveList& list) {
  std::vector<DriveInfo> out;
  for (auto& d : list.Drives())
    if (d.kind == DriveKind::Removable) out.push_back(d);
  return out;
}

std::string DiskRowText(const DriveInfo& drive) {
  return "Disk " + drive.name + " [сменный диск]";
}

namespace {

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// Mount table fields escape blanks, tabs, newlines and backslashes as \ooo.
std::string Unescape(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' &&
        field.size() - i >= 4 && IsOctal(field[i + 1]) && IsOctal(field[i + 2]) &&
        IsOctal(field[i + 3])) {
      const int v = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
      if (v <= 255) {
        out.push_back(static_cast<char>(v));
        i += 3;
        continue;
      }
    }
    out.push_back(field[i]);
  }
  return out;
}

// Splits at blanks and tabs, skipping empty fields.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> out;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    size_t j = i;
    while (j < line.size() && line[j] != ' ' && line[j] != '\t') ++j;
    if (j > i) out.push_back(line.substr(i, j - i));
    i = j;
  }
  return out;
}

bool OneOf(std::string_view value, std::initializer_list<std::string_view> set) {
  return std::find(set.begin(), set.end(), value) != set.end();
}

bool IsPseudoFs(std::string_view fs) {
  return OneOf(fs, {"proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "mqueue",
                    "securityfs", "debugfs", "tracefs", "pstore", "bpf", "configfs", "fusectl",
                    "hugetlbfs", "autofs", "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs",
                    "selinuxfs", "squashfs", "fuse.portal", "fuse.gvfsd-fuse", "nfsd"});
}

bool IsRemoteFs(std::string_view fs) {
  return OneOf(fs, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs", "9p", "afs",
                    "ceph", "glusterfs", "fuse.glusterfs", "davfs", "fuse.rclone", "ncpfs"});
}

bool IsUnder(std::string_view path, std::string_view top) {
  return path == top ||
         (path.size() > top.size() && path.substr(0, top.size()) == top && path[top.size()] == '/');
}

// Kernel and runtime mount points, never a place for configuration files;
// /run/media is where desktops mount removable disks.
bool IsSystemMountPoint(std::string_view mp) {
  if (IsUnder(mp, "/run/media")) return false;
  return IsUnder(mp, "/proc") || IsUnder(mp, "/sys") || IsUnder(mp, "/dev") ||
         IsUnder(mp, "/run") || IsUnder(mp, "/snap");
}

}  // namespace

std::vector<MountEntry> ParseMountTable(std::string_view text) {
  std::vector<MountEntry> out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto f = Fields(line);
    if (f.size() < 3 || f[0].front() == '#') continue;
    MountEntry e{Unescape(f[0]), Unescape(f[1]), Unescape(f[2])};
    if (e.mountPoint.empty() || e.mountPoint.front() != '/') continue;
    out.push_back(std::move(e));
  }
  return out;
}

std::vector<DriveInfo> DrivesFromMounts(const std::vector<MountEntry>& mounts,
                                        const RemovableProbe& isRemovable) {
  std::vector<DriveInfo> out;
  for (const auto& m : mounts) {
    if (IsPseudoFs(m.fsType) || IsSystemMountPoint(m.mountPoint)) continue;
    DriveInfo d;
    d.name = m.mountPoint;
    d.root = m.mountPoint.back() == '/' ? m.mountPoint : m.mountPoint + "/";
    if (IsRemoteFs(m.fsType)) {
      d.kind = DriveKind::Remote;
    } else if (OneOf(m.fsType, {"iso9660", "udf"})) {
      d.kind = DriveKind::CdRom;
    } else if (OneOf(m.fsType, {"tmpfs", "ramfs"})) {
      d.kind = DriveKind::Ram;
    } else if (m.device.rfind("/dev/", 0) == 0) {
      d.kind = isRemovable && isRemovable(m.device) ? DriveKind::Removable : DriveKind::Fixed;
    } else if (OneOf(m.fsType, {"overlay", "zfs", "btrfs", "xfs", "ext4", "ext3", "ext2"})) {
      d.kind = DriveKind::Fixed;
    } else {
      d.kind = DriveKind::Unknown;
    }
    auto same = std::find_if(out.begin(), out.end(),
                             [&](const DriveInfo& o) { return o.root == d.root; });
    if (same != out.end())
      *same = std::move(d);
    else
      out.push_back(std::move(d));
  }
  return out;
}

#ifdef _WIN32

std::vector<DriveInfo> SystemDriveList::Drives() const {
  std::vector<DriveInfo> out;
  const DWORD mask = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(mask & (1u << i))) continue;
    const wchar_t root[4] = {static_cast<wchar_t>(L'A' + i), L':', L'\\', 0};
    DriveInfo d;
    d.name = std::string(1, static_cast<char>('A' + i)) + ":";
    d.root = d.name + "\\";
    switch (GetDriveTypeW(root)) {
      case DRIVE_NO_ROOT_DIR: d.kind = DriveKind::NoRoot; break;
      case DRIVE_REMOVABLE: d.kind = DriveKind::Removable; break;
      case DRIVE_FIXED: d.kind = DriveKind::Fixed; break;
      case DRIVE_REMOTE: d.kind = DriveKind::Remote; break;
      case DRIVE_CDROM: d.kind = DriveKind::CdRom; break;
      case DRIVE_RAMDISK: d.kind = DriveKind::Ram; break;
      default: d.kind = DriveKind::Unknown; break;
    }
    out.push_back(std::move(d));
  }
  return out;
}

#else

namespace {

namespace fs = std::filesystem;

std::string ReadSmallFile(const fs::path& p) {
  std::ifstream in(p);
  std::string s;
  std::getline(in, s);
  return s;
}

// A block device is removable when its disk says so, or when it hangs off a
// USB controller (many USB sticks and card readers report removable = 0).
bool LinuxIsRemovable(const std::string& device) {
  std::error_code ec;
  const fs::path dev = fs::canonical(device, ec);
  if (ec) return false;
  const fs::path sys = fs::path("/sys/class/block") / dev.filename();
  const fs::path real = fs::canonical(sys, ec);
  if (ec) return false;
  fs::path disk = real;
  if (fs::exists(real / "partition", ec)) disk = real.parent_path();
  if (ReadSmallFile(disk / "removable") == "1") return true;
  return real.string().find("/usb") != std::string::npos;
}

}  // namespace

std::vector<DriveInfo> SystemDriveList::Drives() const {
  std::ifstream in("/proc/self/mounts");
  std::stringstream text;
  text << in.rdbuf();
  auto drives = DrivesFromMounts(ParseMountTable(text.str()), LinuxIsRemovable);
  // Bind mounts of single files (containers do that) are not folders.
  std::erase_if(drives, [](const DriveInfo& d) {
    std::error_code ec;
    return !fs::is_directory(d.root, ec);
  });
  return drives;
}

#endif

}  // namespace kestrin
