#include "files/drive_list.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

const char kMounts[] =
    "overlay / overlay rw,relatime,lowerdir=/a:/b 0 0\n"
    "proc /proc proc rw,nosuid 0 0\n"
    "tmpfs /dev tmpfs rw,nosuid,size=65536k 0 0\n"
    "sysfs /sys sysfs ro 0 0\n"
    "cgroup /sys/fs/cgroup cgroup2 ro 0 0\n"
    "/dev/sda1 /boot ext4 rw,relatime 0 0\n"
    "tmpfs /run tmpfs rw 0 0\n"
    "/dev/sdb1 /run/media/anna/KESTRIN vfat rw,nosuid 0 0\n"
    "/dev/sdc1 /media/anna/My\\040Stick fuseblk rw 0 0\n"
    "server:/export /mnt/share nfs4 rw 0 0\n"
    "/dev/sr0 /media/cdrom iso9660 ro 0 0\n"
    "tmpfs /tmp tmpfs rw 0 0\n"
    "/dev/loop3 /snap/core/1 squashfs ro 0 0\n"
    "broken-line-without-fields\n"
    "\n"
    "/dev/sdb1 /media/relative\\134name vfat rw 0 0\n";

TEST(DriveList, ParsesTheMountTableAndDecodesEscapes) {
  const auto m = ParseMountTable(kMounts);
  ASSERT_EQ(m.size(), 14u);
  EXPECT_EQ(m[0], (MountEntry{"overlay", "/", "overlay"}));
  EXPECT_EQ(m[8], (MountEntry{"/dev/sdc1", "/media/anna/My Stick", "fuseblk"}));
  EXPECT_EQ(m[13].mountPoint, "/media/relative\\name");
  // CR LF and a trailing line without newline.
  const auto m2 = ParseMountTable("a /x ext4 rw 0 0\r\nb /y vfat rw");
  ASSERT_EQ(m2.size(), 2u);
  EXPECT_EQ(m2[0].fsType, "ext4");
  EXPECT_EQ(m2[1].mountPoint, "/y");
  // A backslash not followed by three octal digits stays as it is.
  EXPECT_EQ(ParseMountTable("d /a\\9b x")[0].mountPoint, "/a\\9b");
  EXPECT_EQ(ParseMountTable("d /a\\04 x")[0].mountPoint, "/a\\04");
}

TEST(DriveList, ClassifiesMountsAndLeavesOutSystemOnes) {
  const auto probe = [](const std::string& dev) { return dev == "/dev/sdb1" || dev == "/dev/sdc1"; };
  const auto drives = DrivesFromMounts(ParseMountTable(kMounts), probe);
  std::vector<DriveInfo> expected = {
      {"/", "/", DriveKind::Fixed},
      {"/boot", "/boot/", DriveKind::Fixed},
      {"/run/media/anna/KESTRIN", "/run/media/anna/KESTRIN/", DriveKind::Removable},
      {"/media/anna/My Stick", "/media/anna/My Stick/", DriveKind::Removable},
      {"/mnt/share", "/mnt/share/", DriveKind::Remote},
      {"/media/cdrom", "/media/cdrom/", DriveKind::CdRom},
      {"/tmp", "/tmp/", DriveKind::Ram},
      {"/media/relative\\name", "/media/relative\\name/", DriveKind::Removable},
  };
  EXPECT_EQ(drives, expected);

  FakeDriveList fake(drives);
  const auto removable = RemovableDrives(fake);
  ASSERT_EQ(removable.size(), 3u);
  EXPECT_EQ(removable[0].name, "/run/media/anna/KESTRIN");
  EXPECT_EQ(DiskRowText(removable[1]), "Disk /media/anna/My Stick [сменный диск]");
}

TEST(DriveList, AMountPointMountedTwiceCountsOnceWithTheLaterMount) {
  const auto drives = DrivesFromMounts(
      ParseMountTable("/dev/sda1 /mnt ext4 rw\n/dev/sdb1 /data ext4 rw\n/dev/sdb1 /mnt vfat rw\n"),
      [](const std::string& dev) { return dev == "/dev/sdb1"; });
  ASSERT_EQ(drives.size(), 2u);
  EXPECT_EQ(drives[0], (DriveInfo{"/mnt", "/mnt/", DriveKind::Removable}));
  EXPECT_EQ(drives[1].name, "/data");
  // Without a probe nothing is removable.
  EXPECT_TRUE(RemovableDrives(FakeDriveList(DrivesFromMounts(ParseMountTable("/dev/sdb1 /m vfat"),
                                                             nullptr)))
                  .empty());
}

TEST(DriveList, WindowsStyleRowText) {
  EXPECT_EQ(DiskRowText({"E:", "E:\\", DriveKind::Removable}), "Disk E: [сменный диск]");
}

TEST(DriveList, SystemDrivesHaveRootsWithTrailingDelimiter) {
  // Whatever this machine mounts, every root ends with a delimiter and at
  // least the root filesystem is there.
  const auto drives = SystemDriveList().Drives();
  ASSERT_FALSE(drives.empty());
  for (const auto& d : drives) {
    ASSERT_FALSE(d.root.empty());
    EXPECT_TRUE(d.root.back() == '/' || d.root.back() == '\\') << d.root;
  }
}

}  // namespace
}  // namespace kestrin

#ifdef _WIN32
namespace kestrin {
namespace {

// The drives of the machine running the tests (Wine: C: and Z: at least).
TEST(DriveListWindows, OneDrivePerLetterInLetterOrder) {
  const auto drives = SystemDriveList().Drives();
  ASSERT_FALSE(drives.empty());
  char previous = 0;
  bool sawC = false;
  for (const auto& d : drives) {
    ASSERT_EQ(d.name.size(), 2u) << d.name;
    EXPECT_TRUE(d.name[0] >= 'A' && d.name[0] <= 'Z') << d.name;
    EXPECT_EQ(d.name[1], ':');
    EXPECT_EQ(d.root, d.name + "\\");
    EXPECT_GT(d.name[0], previous);
    previous = d.name[0];
    if (d.name == "C:") {
      sawC = true;
      EXPECT_EQ(d.kind, DriveKind::Fixed);
    }
  }
  EXPECT_TRUE(sawC);
  EXPECT_EQ(DiskRowText(drives.front()), "Disk " + drives.front().name + " [сменный диск]");
}

}  // namespace
}  // namespace kestrin
#endif
