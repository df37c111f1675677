#pragma once

#include <cstdint>
#include <string>

// An open directory. id is the source's own handle (a descriptor for the real
// file system); device and inode identify the directory.
struct DirHandle {
    int id = -1;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    bool IsOpen() const { return id >= 0; }
};

// One entry of a directory listing. name stays valid until the next call of
// Next; the other fields are filled by Examine.
struct DirEntry {
    const char* name = nullptr;
    bool isDirectory = false;
    std::int64_t size = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t links = 1;
};

// Where the scan reads directories from: the real file system, or a fake in
// tests for what a real one cannot be made to do.
class DirectorySource {
public:
    virtual ~DirectorySource() = default;

    // OpenRoot and OpenParent identify the directory they open; OpenChild
    // does not, since the listing that named the child already did.
    virtual DirHandle OpenRoot(const std::string& path) = 0;
    virtual DirHandle OpenChild(const DirHandle& parent, const char* name) = 0;
    // The directory that holds dir, reached through "..".
    virtual DirHandle OpenParent(const DirHandle& dir) = 0;
    // Fills in device and inode of an open directory; false on failure.
    virtual bool Identify(DirHandle& dir) = 0;
    virtual void Close(DirHandle& dir) = 0;

    // Delivers the entries of dir one by one in search order, "." and ".."
    // included; false once the listing is exhausted. One listing at a time,
    // always read to its end.
    virtual bool Next(const DirHandle& dir, DirEntry& entry) = 0;
    // Fills in type, size and identity of the entry Next delivered, without
    // following symbolic links; false when the entry has gone.
    virtual bool Examine(const DirHandle& dir, DirEntry& entry) = 0;

    // Space available to the user on dir's file system; -1 when unknown.
    virtual std::int64_t FreeBytes(const DirHandle& dir) = 0;
};
