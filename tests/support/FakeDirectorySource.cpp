#include "FakeDirectorySource.h"

#include <cerrno>

FakeDirectorySource::FakeDirectorySource()
{
    Dir root;
    root.stat.kind = EntryKind::Directory;
    root.stat.device = kDevice;
    root.stat.inode = 1000;
    dirs.push_back(root);
}

int FakeDirectorySource::AddDir(int parent, const std::string& name, std::uint64_t device)
{
    const int index = static_cast<int>(dirs.size());
    Dir dir;
    dir.stat.kind = EntryKind::Directory;
    dir.stat.device = device;
    dir.stat.inode = 1000u + index;
    dir.stat.links = 2;
    dirs.push_back(dir);
    dirs[parent].entries.push_back({name, dir.stat, index});
    return index;
}

void FakeDirectorySource::AddFile(int dir, const std::string& name, std::int64_t size, std::uint64_t inode,
                                  std::uint64_t links, std::int64_t diskBytes)
{
    EntryStat stat;
    stat.apparentBytes = size;
    stat.diskBytes = diskBytes < 0 ? size : diskBytes;
    stat.device = kDevice;
    stat.inode = inode;
    stat.links = links;
    dirs[dir].entries.push_back({name, stat, -1});
}

int FakeDirectorySource::Open(int dir, int& error)
{
    if (dirs[dir].openError) {
        error = dirs[dir].openError;
        return -1;
    }
    ++openHandles;
    return dir;
}

int FakeDirectorySource::OpenRoot(const std::string&, EntryStat& root, int& error)
{
    root = dirs[0].stat;
    return Open(0, error);
}

int FakeDirectorySource::OpenChild(int parent, const char* name, int& error)
{
    for (const Entry& entry : dirs[parent].entries)
        if (entry.dir >= 0 && entry.name == name)
            return Open(entry.dir, error);
    error = ENOENT;
    return -1;
}

void FakeDirectorySource::Close(int dir)
{
    if (dir >= 0)
        --openHandles;
}

void FakeDirectorySource::Read(int dir, Listing& listing, const std::atomic<bool>& stop)
{
    listing.Clear();
    const Dir& read = dirs[dir];
    if (read.onRead)
        read.onRead(stop);
    if (read.silent)
        return;
    const std::size_t count = read.readError ? read.readable : read.entries.size();
    for (std::size_t i = 0; i < count; ++i) {
        const Entry& entry = read.entries[i];
        EntryStat stat = entry.stat;
        stat.mountRoot = entry.dir >= 0 && dirs[entry.dir].mountRoot;
        listing.Add(entry.name, stat);
    }
    listing.error = read.readError;
}
