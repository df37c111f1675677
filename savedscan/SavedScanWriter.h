#pragma once

#include "ScanControl.h"
#include "ScanEvents.h"
#include "ScanProblem.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Writes the events of a walk as a saved scan: the JSON export of ncdu,
// major version 1, minor version 2, which ncdu -f and gdu -f read back. It
// writes as the walk goes, through a buffer, and keeps nothing of a file.
//
// Every entry carries its name (raw bytes; '"', '\' and control bytes
// 0x7f escaped, as ncdu does) and its sizes, asize (the length) and dsize (the blocks), for
// directories as well; dev stands on the root and wherever a device differs
// from the directory above. A file with several names carries ino, hlnkc
// and nlink on each of them; an entry that is neither a regular file nor a
// directory, notreg; a directory of another file system, its name and
// excluded "otherfs"; a directory that could not be read, read_error; an
// entry that sums several files, files (a field of Kelmo's own, which ncdu
// and gdu pass over).
class SavedScanWriter : public ScanEvents {
public:
    static constexpr std::size_t kBufferBytes = 1 << 20;

    // Writes to descriptor, which stays the caller's. A write that fails
    // stops the walk through scanControl. The metadata block names host, the
    // machine scanned (a field of Kelmo's own, which ncdu and gdu pass
    // over), unless it is empty.
    SavedScanWriter(int descriptor, std::string_view progver, std::int64_t timestamp, ScanControl& scanControl,
                    std::string_view host = {});

    // The file with this device and inode (the one being written, when it
    // lies in the tree) is left out.
    void LeaveOut(std::uint64_t device, std::uint64_t inode)
    {
        leftOutDevice = device;
        leftOutInode = inode;
    }

    void EnterDirectory(std::string_view name, const EntryStat& dir) override;
    void File(std::string_view name, const EntryStat& file) override;
    void Files(std::string_view name, const EntryStat& sizes, std::int64_t count) override;
    void OtherFileSystem(std::string_view name, const EntryStat& dir) override;
    void Unreadable(int error) override;
    void LeaveDirectory() override;

    // Writes what is still buffered. False when any write failed, with the
    // errno value in Error().
    bool Finish();
    int Error() const { return error; }
    // The directories that could not be read, or not whole, as the walk met
    // them, with their paths below the root.
    std::vector<ScanProblem> TakeProblems() { return std::move(problems); }

private:
    void BeginEntry(const char* opening, std::string_view name, std::uint64_t device);
    void Sizes(const EntryStat& stat);
    void Number(const char* field, std::uint64_t value);
    void CloseInfo();
    void EndEntry();
    void WriteOut();

    const int fd;
    ScanControl& control;
    std::string out;
    bool infoOpen = false;              // a directory's info block waits for read_error
    std::vector<std::uint64_t> devices; // of the directories entered and not left
    std::string path;                   // of the directory entered last, below the root
    std::vector<std::size_t> pathLengths;
    std::vector<ScanProblem> problems;
    int error = 0;
    std::uint64_t leftOutDevice = 0;
    std::uint64_t leftOutInode = 0; // no file has inode 0
};
