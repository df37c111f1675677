#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class EntryKind : std::uint8_t { Directory, File, Symlink, Other };

// What the scan needs to know of one entry, as lstat-like facts.
struct EntryStat {
    EntryKind kind = EntryKind::File;
    bool mountRoot = false;     // a mount of its own, maybe of the same device
    std::int64_t diskBytes = 0; // blocks the entry occupies, in bytes
    std::int64_t apparentBytes = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t links = 1;

    // A file that other names share: counted once per scan.
    bool IsLinked() const { return kind != EntryKind::Directory && links > 1; }
    // On the file system on fileSystem, and no mount of its own (a file
    // bind-mounted from elsewhere is one): what a walk of it counts.
    bool IsOn(std::uint64_t fileSystem) const { return device == fileSystem && !mountRoot; }
    // A directory a walk of the file system on fileSystem enters.
    bool IsDirectoryOf(std::uint64_t fileSystem) const { return kind == EntryKind::Directory && IsOn(fileSystem); }
};

// The entries of one directory in listing order, "." and ".." left out.
class Listing {
public:
    struct Entry {
        EntryStat stat;
        std::uint32_t nameOffset;
        std::uint32_t nameLength;
    };

    void Clear()
    {
        entries.clear();
        names.clear();
        error = 0;
        leftOut = 0;
    }
    void Add(std::string_view name, const EntryStat& stat)
    {
        entries.push_back({stat, static_cast<std::uint32_t>(names.size()), static_cast<std::uint32_t>(name.size())});
        names.append(name);
        names.push_back('\0');
    }
    // NUL-terminated, for the system calls that take a name.
    const char* Name(const Entry& entry) const { return names.data() + entry.nameOffset; }
    std::string_view NameView(const Entry& entry) const { return {Name(entry), entry.nameLength}; }
    // Nothing at all in the directory: none listed, and none left out by a
    // source that filters (a directory of excluded files is not blank).
    bool Blank() const { return entries.empty() && leftOut == 0; }

    std::vector<Entry> entries;
    std::string names;
    int error = 0;           // errno when the directory could not be read whole
    std::size_t leftOut = 0; // entries a filtering source took out of the listing
};

// Where the scan reads directories from: the real file system, or a fake in
// tests for what a real one cannot be made to do. Handles are the source's
// own (descriptors for the real file system). A source is shared by the
// walking threads, so everything here must be safe to call concurrently.
class DirectorySource {
public:
    virtual ~DirectorySource() = default;

    // Opens the directory at path and describes it; -1 and an errno value
    // in error when it cannot be opened.
    virtual int OpenRoot(const std::string& path, EntryStat& root, int& error) = 0;
    // Opens a sub-directory that parent's listing named, never following a
    // symbolic link nor crossing into another mount (error is then EXDEV).
    virtual int OpenChild(int parent, const char* name, int& error) = 0;
    virtual void Close(int dir) = 0;
    // Lists and describes every entry of dir; gives up early once stop is set.
    virtual void Read(int dir, Listing& listing, const std::atomic<bool>& stop) = 0;

    // Space available to the user on path's file system; -1 when unknown.
    virtual std::int64_t FreeBytes(const std::string& path) = 0;
};
