#include "SequentialWalk.h"

#include "Saturating.h"

#include <cerrno>

bool SequentialWalk::Run(const std::string& path, ScanEvents& events)
{
    EntryStat rootStat;
    int error = 0;
    Level root{source.OpenRoot(path, rootStat, error), {}};
    if (root.handle < 0)
        return false;
    source.Read(root.handle, root.listing, control.StopFlag());
    if (root.listing.Blank()) {
        source.Close(root.handle);
        return false;
    }
    rootDevice = rootStat.device;
    events.EnterDirectory(path, rootStat);
    if (root.listing.error)
        events.Unreadable(root.listing.error);
    Survey(root);
    levels.clear();
    levels.push_back(std::move(root));
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next == level.listing.entries.size() || control.Stopped()) {
            source.Close(level.handle);
            levels.pop_back();
            events.LeaveDirectory();
            continue;
        }
        const Listing::Entry& entry = level.listing.entries[level.next++];
        const std::string_view name = level.listing.NameView(entry);
        if (!entry.stat.IsOn(rootDevice))
            events.OtherFileSystem(name, entry.stat);
        else if (entry.stat.kind != EntryKind::Directory)
            events.File(name, entry.stat);
        else
            Descend(level, entry, events);
    }
    return true;
}

// Enters one sub-directory. The parent's handle is given up as soon as its
// last sub-directory is open, so a long chain holds few descriptors.
void SequentialWalk::Descend(Level& level, const Listing::Entry& entry, ScanEvents& events)
{
    int error = 0;
    Level child{source.OpenChild(level.handle, level.listing.Name(entry), error), {}};
    if (--level.directoriesLeft == 0) {
        source.Close(level.handle);
        level.handle = -1;
    }
    const std::string_view name = level.listing.NameView(entry);
    if (child.handle < 0 && error == EXDEV) { // mounted since the listing was read
        events.OtherFileSystem(name, entry.stat);
        return;
    }
    events.EnterDirectory(name, entry.stat);
    if (child.handle < 0) {
        events.Unreadable(error);
        events.LeaveDirectory();
        return;
    }
    source.Read(child.handle, child.listing, control.StopFlag());
    if (child.listing.error)
        events.Unreadable(child.listing.error);
    Survey(child);
    levels.push_back(std::move(child)); // level is not used after this
}

// One look at a level's listing: the sub-directories it will enter, and its
// files' bytes for the running total.
void SequentialWalk::Survey(Level& level)
{
    std::int64_t disk = 0, apparent = 0;
    for (const Listing::Entry& entry : level.listing.entries) {
        if (entry.stat.kind == EntryKind::Directory) {
            level.directoriesLeft += entry.stat.IsDirectoryOf(rootDevice);
            continue;
        }
        if (!entry.stat.IsOn(rootDevice))
            continue;
        disk = AddSaturating(disk, entry.stat.diskBytes);
        apparent = AddSaturating(apparent, entry.stat.apparentBytes);
    }
    control.Count(disk, apparent);
}
