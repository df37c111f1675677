#include "FakeDirectorySource.h"

FakeDirectorySource::FakeDirectorySource()
{
    dirs.push_back({-1, kDevice, {}});
}

int FakeDirectorySource::AddDir(int parent, const std::string& name, std::uint64_t device)
{
    const int index = static_cast<int>(dirs.size());
    dirs.push_back({parent, device, {}});
    dirs[parent].entries.push_back({name, true, 4096, device, 1000u + index, 2, index});
    return index;
}

void FakeDirectorySource::AddFile(int dir, const std::string& name, std::int64_t size, std::uint64_t inode,
                                  std::uint64_t links)
{
    dirs[dir].entries.push_back({name, false, size, kDevice, inode, links, -1});
}

DirHandle FakeDirectorySource::Handle(int index)
{
    if (index < 0 || dirs[index].unopenable)
        return {};
    dirs[index].cursor = 0;
    return {index, dirs[index].device, 1000u + index};
}

DirHandle FakeDirectorySource::OpenRoot(const std::string&)
{
    return Handle(0);
}

DirHandle FakeDirectorySource::OpenChild(const DirHandle& parent, const char* name)
{
    for (const Entry& entry : dirs[parent.id].entries)
        if (entry.isDirectory && entry.name == name)
            return Handle(entry.dir);
    return {};
}

DirHandle FakeDirectorySource::OpenParent(const DirHandle& dir)
{
    return Handle(dirs[dir.id].parent);
}

bool FakeDirectorySource::Identify(DirHandle& dir)
{
    dir.device = dirs[dir.id].device;
    dir.inode = 1000u + dir.id;
    return true;
}

void FakeDirectorySource::Close(DirHandle& dir)
{
    dir.id = -1;
}

bool FakeDirectorySource::Next(const DirHandle& dir, DirEntry& entry)
{
    Dir& d = dirs[dir.id];
    if (d.silent)
        return false;
    const std::size_t position = d.cursor++;
    if (position < 2) {
        current = {position == 0 ? "." : "..", true, 4096, d.device, 0, 2, -1};
    } else if (position - 2 < d.entries.size()) {
        current = d.entries[position - 2];
    } else {
        return false;
    }
    entry.name = current.name.c_str();
    log.push_back("next " + current.name);
    return true;
}

bool FakeDirectorySource::Examine(const DirHandle&, DirEntry& entry)
{
    log.push_back("examine " + current.name);
    entry.isDirectory = current.isDirectory;
    entry.size = current.size;
    entry.device = current.device;
    entry.inode = current.inode;
    entry.links = current.links;
    return true;
}
