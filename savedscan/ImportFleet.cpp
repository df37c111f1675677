#include "ImportFleet.h"

#include "ImportSavedScan.h"

#include <algorithm>
#include <set>
#include <unordered_map>

namespace {

// One scan handed on to the fleet's tree a level down: its root named for
// the fleet, and the device of each file with several names made the
// scan's own, so that equal inode numbers of two machines never count as
// one file.
class ScanInFleet : public ScanEvents {
public:
    ScanInFleet(ScanEvents& fleetEvents, std::set<std::string>& namesTaken, std::uint64_t& devicesGiven,
                std::string name)
        : events(fleetEvents), taken(namesTaken), lastDevice(devicesGiven), fileName(std::move(name))
    {
    }

    void ScanTime(std::int64_t seconds) override { time = seconds; }
    void Host(std::string_view name) override { host = name; }
    void EnterDirectory(std::string_view name, const EntryStat& dir) override
    {
        events.EnterDirectory(depth++ == 0 ? RootName(std::string(name)) : name, dir);
    }
    void File(std::string_view name, const EntryStat& file) override { events.File(name, Own(file)); }
    void Files(std::string_view name, const EntryStat& sizes, std::int64_t count) override
    {
        events.Files(name, sizes, count);
    }
    void OtherFileSystem(std::string_view name, const EntryStat& dir) override { events.OtherFileSystem(name, dir); }
    void Unreadable(int error) override { events.Unreadable(error); }
    void LeaveDirectory() override
    {
        --depth;
        events.LeaveDirectory();
    }

    std::int64_t Time() const { return time; }

private:
    std::string RootName(const std::string& rootPath)
    {
        const std::string name = FleetScanName(host.empty() ? fileName.substr(fileName.rfind('/') + 1) : host,
                                               rootPath);
        std::string unique = name;
        for (int again = 2; !taken.insert(unique).second; ++again)
            unique = name + " (" + std::to_string(again) + ")";
        return unique;
    }

    EntryStat Own(const EntryStat& stat)
    {
        if (!stat.IsLinked())
            return stat;
        EntryStat own = stat;
        const auto device = devices.try_emplace(stat.device, lastDevice + 1);
        if (device.second)
            ++lastDevice;
        own.device = device.first->second;
        return own;
    }

    ScanEvents& events;
    std::set<std::string>& taken;
    std::uint64_t& lastDevice;
    std::string fileName;
    std::string host;
    std::int64_t time = 0;
    std::size_t depth = 0;
    std::unordered_map<std::uint64_t, std::uint64_t> devices; // the scan's own to the fleet's
};

} // namespace

std::string FleetScanName(const std::string& host, const std::string& rootPath)
{
    return host + ":" + rootPath;
}

std::string FleetRootName(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " saved scan" : " saved scans");
}

ScanResult ImportFleet(Scanner& scanner, const std::vector<std::string>& files)
{
    return scanner.Read([&files](ScanEvents& events, ScanControl& control, std::string& rootPath, std::string& error) {
        rootPath = FleetRootName(files.size());
        EntryStat root;
        root.kind = EntryKind::Directory;
        events.EnterDirectory(rootPath, root);
        std::set<std::string> taken;
        std::uint64_t lastDevice = 0;
        std::int64_t oldest = 0;
        for (const std::string& file : files) {
            ScanInFleet scan(events, taken, lastDevice, file);
            std::string scanRoot;
            if (!ReadSavedScan(file, scan, control, scanRoot, error)) {
                if (!error.empty() && error.find("'" + file + "'") == std::string::npos)
                    error = "'" + file + "': " + error;
                return false;
            }
            if (scan.Time() > 0)
                oldest = oldest > 0 ? std::min(oldest, scan.Time()) : scan.Time();
        }
        events.LeaveDirectory();
        events.ScanTime(oldest);
        return true;
    });
}
