#include "MountTable.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const char* const kDesktop =
    "/dev/nvme0n1p2 / ext4 rw,relatime 0 0\n"
    "proc /proc proc rw,nosuid 0 0\n"
    "sysfs /sys sysfs rw 0 0\n"
    "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
    "tmpfs /run tmpfs rw 0 0\n"
    "tmpfs /run/user/1000 tmpfs rw 0 0\n"
    "/dev/nvme0n1p1 /boot/efi vfat rw 0 0\n"
    "/dev/nvme0n1p3 /home ext4 rw 0 0\n"
    "/dev/loop3 /snap/core22/1033 squashfs ro 0 0\n"
    "/dev/sdb1 /media/alice/USB\\040STICK vfat rw 0 0\n"
    "tmpfs /tmp tmpfs rw 0 0\n"
    "server:/export /mnt/nfs nfs4 rw 0 0\n"
    "/dev/sdc1 /run/media/alice/DISK exfat rw 0 0\n";

std::vector<std::string> MountPoints(const std::vector<MountEntry>& drives)
{
    std::vector<std::string> points;
    for (const MountEntry& drive : drives)
        points.push_back(drive.mountPoint);
    return points;
}

std::vector<MountEntry> Parse(const std::string& table)
{
    std::istringstream stream(table);
    return MountTable::Parse(stream);
}

} // namespace

TEST(MountTable, DesktopDrivesAreTheUserDataFileSystems)
{
    const auto drives = MountTable::Drives(Parse(kDesktop), [](const std::string&) { return true; });
    EXPECT_EQ(MountPoints(drives),
              (std::vector<std::string>{"/", "/boot/efi", "/home", "/media/alice/USB STICK", "/tmp", "/mnt/nfs",
                                        "/run/media/alice/DISK"}));
    EXPECT_EQ(drives[3].device, "/dev/sdb1");
    EXPECT_EQ(drives[3].fsType, "vfat");
}

TEST(MountTable, ContainerOverlayRootAndMissingRoot)
{
    const auto container = MountTable::Drives(Parse("overlay / overlay rw 0 0\nproc /proc proc rw 0 0\n"),
                                              [](const std::string&) { return true; });
    EXPECT_EQ(MountPoints(container), (std::vector<std::string>{"/"}));
    EXPECT_EQ(container[0].fsType, "overlay");

    const auto chroot = MountTable::Drives(Parse("/dev/sda1 /data xfs rw 0 0\n"),
                                           [](const std::string&) { return true; });
    EXPECT_EQ(MountPoints(chroot), (std::vector<std::string>{"/", "/data"}));
}

TEST(MountTable, LaterMountHidesEarlierAndFilesAreNoDrives)
{
    const auto drives = MountTable::Drives(
        Parse("/dev/sda1 / ext4 rw 0 0\n/dev/sda2 /data ext4 rw 0 0\nproc /data proc rw 0 0\n"
              "/dev/sda3 /etc/resolv.conf ext4 rw 0 0\n"),
        [](const std::string& path) { return path != "/etc/resolv.conf"; });
    EXPECT_EQ(MountPoints(drives), (std::vector<std::string>{"/"}));

    const auto stacked = MountTable::Drives(
        Parse("/dev/sda2 /data ext4 rw 0 0\n/dev/sdb1 /media ext4 rw 0 0\n/dev/sdc1 /data xfs rw 0 0\n"),
        [](const std::string&) { return true; });
    EXPECT_EQ(MountPoints(stacked), (std::vector<std::string>{"/", "/media", "/data"}));
    EXPECT_EQ(stacked[2].device, "/dev/sdc1");
}

TEST(MountTable, LongestMountPointHoldsThePath)
{
    const auto drives = MountTable::Drives(Parse(kDesktop), [](const std::string&) { return true; });
    EXPECT_EQ(drives[MountTable::LongestContaining(drives, "/home/alice/src")].mountPoint, "/home");
    EXPECT_EQ(drives[MountTable::LongestContaining(drives, "/home")].mountPoint, "/home");
    EXPECT_EQ(drives[MountTable::LongestContaining(drives, "/homework")].mountPoint, "/");
    EXPECT_EQ(drives[MountTable::LongestContaining(drives, "/media/alice/USB STICK/x")].mountPoint,
              "/media/alice/USB STICK");
    EXPECT_EQ(MountTable::LongestContaining(drives, "relative"), -1);
}
