#pragma once

#include <string>

// Where a command writes a file. A regular file, or one that does not exist
// yet, is written under a temporary name in its folder, which takes the
// file's name only once it is whole, so that a failed write never leaves a
// half-written file behind nor spoils the one that was there; a symbolic
// link keeps pointing at it. Anything else (standard output for "-", a
// device such as /dev/null, a pipe) is written as it is, never replaced.
class OutputFile {
public:
    explicit OutputFile(std::string path) : path(std::move(path)) {}
    // Removes the temporary file unless it was committed.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False, with errno set, when the file cannot be made or opened.
    bool Open();
    int Descriptor() const { return fd; }
    // Closes the file and gives it its name; false, with errno set, when
    // that fails.
    bool Commit();

private:
    bool OpenTemporary(const std::string& target);

    std::string path;
    std::string target;    // the regular file the temporary one replaces
    std::string temporary; // empty when written as it is, and once committed
    int fd = -1;
};
