// Times reading a generated mount table of 10,000, 30,000 and 100,000 lines,
// the size of machines with thousands of container and snap mounts: parsing,
// choosing the drives and finding the drive of a path.
#include "MountTable.h"

#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>

namespace {

// Every tenth mount point is mounted over again later (a stacked bind
// mount), so the hiding of earlier mounts has work to do.
std::string GeneratedTable(int lines)
{
    std::ostringstream table;
    table << "/dev/sda1 / ext4 rw 0 0\n";
    for (int i = 1; i < lines; ++i) {
        switch (i % 5) {
        case 0:
            table << "/dev/loop" << i << " /snap/app" << i << "/1 squashfs ro 0 0\n";
            break;
        case 1:
            table << "overlay /var/lib/docker/overlay2/" << i << "/merged overlay rw 0 0\n";
            break;
        case 2:
            table << "tmpfs /run/user/" << i << " tmpfs rw 0 0\n";
            break;
        case 3:
            table << "/dev/sdb1 /srv/bind/" << (i % 10 == 3 ? i - 10 : i) << " ext4 rw 0 0\n";
            break;
        default:
            table << "nsfs /run/netns/" << i << " nsfs rw 0 0\n";
            break;
        }
    }
    return table.str();
}

struct Reading {
    double seconds;
    std::size_t drives;
    int driveOfPath;
};

Reading Read(const std::string& text)
{
    const auto start = std::chrono::steady_clock::now();
    std::istringstream table(text);
    const auto drives = MountTable::Drives(MountTable::Parse(table), [](const std::string&) { return true; });
    const int driveOfPath = MountTable::LongestContaining(drives, "/srv/bind/8/deep/folder");
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), drives.size(), driveOfPath};
}

} // namespace

int main()
{
    std::printf("%-22s %10s %10s %12s\n", "mount table lines", "seconds", "drives", "drive of path");
    for (int lines : {10000, 30000, 100000}) {
        const Reading reading = Read(GeneratedTable(lines));
        std::printf("%-22d %10.3f %10zu %12d\n", lines, reading.seconds, reading.drives, reading.driveOfPath);
    }
    return 0;
}
