#pragma once

#include <string>

// Where a command writes a file: standard output for "-"; otherwise a new
// file under a temporary name in the folder of path, which takes path's
// name only once it is whole, so that a failed write never leaves a
// half-written file behind nor spoils the one that was there.
class OutputFile {
public:
    explicit OutputFile(std::string path) : path(std::move(path)) {}
    // Removes the temporary file unless it was committed.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False, with errno set, when the temporary file cannot be made.
    bool Open();
    int Descriptor() const { return fd; }
    // Closes the file and gives it its name; false, with errno set, when
    // that fails.
    bool Commit();

private:
    std::string path;
    std::string temporary; // empty for standard output and once committed
    int fd = -1;
};
