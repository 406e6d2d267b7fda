#pragma once
// Drives of the computer, behind a small interface so that dialogs can be
// tested over fake drives. Qt-free. Names and roots are UTF-8.
//
// Windows: one drive per letter (name "E:", root "E:\").
// Linux: one drive per mounted filesystem (name and root = the mount point,
// root with a trailing "/"); removable when the backing disk says so in
// /sys/block/<disk>/removable or sits on USB.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kestrin {

enum class DriveKind { NoRoot, Removable, Fixed, Remote, CdRom, Ram, Unknown };

struct DriveInfo {
  std::string name;
  std::string root;  // with a trailing delimiter
  DriveKind kind = DriveKind::Unknown;
  bool operator==(const DriveInfo&) const = default;
};

class DriveList {
 public:
  virtual ~DriveList() = default;
  // Every drive in display order (Windows: by letter), NoRoot ones included.
  virtual std::vector<DriveInfo> Drives() const = 0;
};

// The drives of this computer.
class SystemDriveList : public DriveList {
 public:
  std::vector<DriveInfo> Drives() const override;
};

// Fixed drives for tests.
class FakeDriveList : public DriveList {
 public:
  FakeDriveList() = default;
  explicit FakeDriveList(std::vector<DriveInfo> drives) : drives_(std::move(drives)) {}
  std::vector<DriveInfo> Drives() const override { return drives_; }
  void SetDrives(std::vector<DriveInfo> drives) { drives_ = std::move(drives); }

 private:
  std::vector<DriveInfo> drives_;
};

// The removable drives of a list, in its order.
std::vector<DriveInfo> RemovableDrives(const DriveList& list);

// One line of a mount table (/proc/self/mounts), octal escapes decoded.
struct MountEntry {
  std::string device;
  std::string mountPoint;
  std::string fsType;
  bool operator==(const MountEntry&) const = default;
};

// Parses a mount table; malformed lines are skipped.
std::vector<MountEntry> ParseMountTable(std::string_view text);

// Whether the block device (for example "/dev/sdb1") sits on a removable disk.
using RemovableProbe = std::function<bool(const std::string& device)>;

// The drives of a mount table: pseudo filesystems and system mount points are
// left out, a mount point mounted twice counts once (the later mount wins, in
// the place of the first), and the kind follows the filesystem type and the
// probe.
std::vector<DriveInfo> DrivesFromMounts(const std::vector<MountEntry>& mounts,
                                        const RemovableProbe& isRemovable);

// The text of a disk row of the drive chooser (UTF-8): "Disk E: [сменный диск]".
std::string DiskRowText(const DriveInfo& drive);

}  // namespace kestrin
