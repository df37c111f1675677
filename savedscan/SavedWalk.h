#pragma once

#include "BlockField.h"
#include "DirectorySource.h"
#include "InfoBlock.h"
#include "Saturating.h"
#include "ScanControl.h"
#include "ScanEvents.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

// The walk a saved scan records, handed to a ScanEvents consumer one info
// block at a time (what the events say of an entry: see SavedScanReader.h).
// Keeps what the metadata block says, the device of each directory entered
// (an entry without dev is on its directory's) and the running total.
class SavedWalk {
public:
    static constexpr unsigned kCheckEvery = 1024;

    // Counts the files' bytes in counter and names the root in root.
    SavedWalk(ScanEvents& consumer, ScanControl& counter, std::string& root)
        : events(consumer), control(counter), rootPath(root)
    {
    }

    void SetMetadata(Field field, const Scalar& value)
    {
        switch (field) {
        case Field::Progname:
            gdu = value.type == Scalar::Text && value.length == 3 && std::memcmp(value.text, "gdu", 3) == 0;
            return;
        case Field::Timestamp: // a time that is no whole number of seconds stays unknown
            if (value.type == Scalar::Unsigned)
                timestamp = static_cast<std::int64_t>(
                    std::min<std::uint64_t>(value.number, std::numeric_limits<std::int64_t>::max()));
            return;
        case Field::Host:
            if (value.type == Scalar::Text)
                host.assign(value.text, value.length);
            return;
        default:
            return;
        }
    }
    void EndMetadata()
    {
        if (!host.empty())
            events.Host(host);
        events.ScanTime(timestamp);
    }

    // Directories entered and not left: none before the root, nor after it.
    std::size_t Depth() const { return devices.size(); }

    // Each of these returns false once the read is to stop.
    bool EnterDirectory(const InfoBlock& info)
    {
        const EntryStat stat = Stat(info, EntryKind::Directory);
        if (devices.empty())
            rootPath = info.name;
        events.EnterDirectory(info.name, stat);
        if (info.readError)
            events.Unreadable(0);
        devices.push_back(stat.device);
        return Checked();
    }

    // A directory that is excluded: named, never entered.
    bool ExcludedDirectory(const InfoBlock& info)
    {
        events.OtherFileSystem(info.name, Stat(info, EntryKind::Directory));
        return Checked();
    }

    bool File(const InfoBlock& info)
    {
        const EntryStat stat = Stat(info, info.notreg ? EntryKind::Other : EntryKind::File);
        if (info.excluded) {
            events.OtherFileSystem(info.name, stat);
            return Checked();
        }
        if (gdu && info.hlnkc && !info.hasNlink) { // gdu's later names: see SavedScanReader.h
            EntryStat name = stat;
            name.diskBytes = name.apparentBytes = 0;
            events.Files(info.name, name, 1);
            return Checked();
        }
        pendingDisk = AddSaturating(pendingDisk, stat.diskBytes);
        pendingApparent = AddSaturating(pendingApparent, stat.apparentBytes);
        if (info.hasFiles)
            events.Files(info.name, stat, info.files);
        else
            events.File(info.name, stat);
        return Checked();
    }

    bool LeaveDirectory()
    {
        events.LeaveDirectory();
        devices.pop_back();
        return Checked();
    }

    // Counts in control the bytes read since it was last told.
    void Flush()
    {
        if (pendingDisk != 0 || pendingApparent != 0)
            control.Count(pendingDisk, pendingApparent);
        pendingDisk = pendingApparent = 0;
    }
    bool Cancelled() const { return cancelled; }

private:
    EntryStat Stat(const InfoBlock& info, EntryKind kind) const
    {
        EntryStat stat;
        stat.kind = kind;
        stat.diskBytes = info.dsize;
        stat.apparentBytes = info.asize;
        stat.device = info.hasDev || devices.empty() ? info.dev : devices.back();
        stat.inode = info.ino;
        const bool linked = info.hasIno && (info.hlnkc || info.nlink > 1);
        stat.links = linked ? std::max<std::uint64_t>(info.nlink, 2) : 1;
        return stat;
    }

    // Every so many entries: the running total, and whether to stop.
    bool Checked()
    {
        if (++sinceCheck < kCheckEvery)
            return true;
        sinceCheck = 0;
        Flush();
        cancelled = control.Stopped();
        return !cancelled;
    }

    ScanEvents& events;
    ScanControl& control;
    std::string& rootPath;

    std::vector<std::uint64_t> devices; // of the directories entered and not left
    bool gdu = false;
    std::int64_t timestamp = 0; // of the metadata block; 0 when it has none
    std::string host;           // of the metadata block; empty when it has none

    std::int64_t pendingDisk = 0;
    std::int64_t pendingApparent = 0;
    unsigned sinceCheck = 0;
    bool cancelled = false;
};
