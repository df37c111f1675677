#pragma once

#include "UniqueFd.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <string>

// Where a command writes a file, so that neither a failure nor another user
// can turn the write against the person who runs it.
//
// - "-", /dev/stdout, /dev/stderr, /dev/fd/N and /proc/self/fd/N are written
//   through the descriptor already open, as a shell redirect set it up (a
//   file opened to append keeps being appended to).
// - The path is followed one name at a time from directory descriptors
//   (see OutputLocation): a symbolic link another user planted in a shared
//   directory is refused, and no name is looked up twice.
// - A new file, or a regular file with one name, is written as an unnamed
//   file in its directory (or, where the file system has none, a hidden
//   ".NAME.XXXXXX" that a fatal signal removes) which takes the name only
//   once it is whole; a file replaced so keeps its owner, group, mode and
//   extended attributes (its ACL among them), or the write is refused.
// - A regular file with other names (but in a shared directory, where
//   anyone may have made them), one in a directory where no file can be
//   made, a pipe or a device is written in place, as a redirect would.
class OutputFile {
public:
    explicit OutputFile(std::string destination) : path(std::move(destination)) {}
    // Removes what is not committed.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False, with the reason in Problem(), when the file cannot be written.
    bool Open();
    int Descriptor() const { return fd; }
    // Makes what was written the file; false, with the reason in Problem()
    // and errno, when that fails.
    bool Commit();
    const std::string& Problem() const { return problem; }

    // The regular file being written, that a scan of its folder should
    // leave out; false when it is no regular file.
    bool Identity(dev_t& device, ino_t& inode) const;

private:
    enum class Way { AsItIs, Unnamed, Named };

    bool Borrow(int descriptor);
    bool WriteInPlace(bool truncate);
    bool MakeTemporary();
    bool KeepAttributes();
    bool CommitUnnamed();
    bool CommitNamed();
    bool Fail(int error);
    bool Fail(std::string reason);

    std::string path;
    UniqueFd directory;
    std::string name;
    UniqueFd replaced; // the entry the new file takes the place of
    struct stat replacedStat {};
    std::string temporary; // the hidden name, while there is one
    Way way = Way::AsItIs;
    int fd = -1;
    bool ownsFd = false;
    std::string problem;
};
