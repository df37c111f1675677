#pragma once

#include "ScanControl.h"

#include <thread>

// A pipe whose far end compresses with zstd, on a thread of its own, what is
// written to it and writes that to a file descriptor: what writes a plain
// file writes a .zst file through it. A write of the compressed bytes that
// fails stops the scan; what is still written to the pipe is then dropped,
// so that the writer never waits.
class ZstdPipe {
public:
    explicit ZstdPipe(ScanControl& scanControl) : control(scanControl) {}
    // Finishes what was started.
    ~ZstdPipe();
    ZstdPipe(const ZstdPipe&) = delete;
    ZstdPipe& operator=(const ZstdPipe&) = delete;

    // Starts compressing into output, which stays the caller's; false, with
    // errno set, when the pipe or the thread cannot be made.
    bool Start(int output);
    // Where the plain bytes are written.
    int Input() const { return writeEnd; }
    // Closes the input and waits until the last compressed byte is written.
    // False when a write failed; Error() gives its errno value.
    bool Finish();
    int Error() const { return error; }

private:
    void Compress();
    void WriteOut(const char* bytes, std::size_t size);

    ScanControl& control;
    int output = -1;
    int readEnd = -1;
    int writeEnd = -1;
    int error = 0; // set by the compressing thread, read once it has ended
    std::thread compressor;
};
