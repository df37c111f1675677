#pragma once

#include "OutputFile.h"
#include "ZstdPipe.h"

#include <string>

// The file a saved scan is written to, as OutputFile writes it, compressed
// with zstd when its name ends in ".zst". The export and "Save Scan As..."
// both write through it.
class SavedScanFile {
public:
    SavedScanFile(std::string file, ScanControl& control);

    // False when the file cannot be written; Error() and Problem() say why.
    bool Open();
    // Where the saved scan's text goes.
    int Descriptor() const;
    // The regular file being written, that a scan of its folder leaves out.
    bool Identity(dev_t& device, ino_t& inode) const { return output.Identity(device, inode); }
    // Makes what was written the file, once the writer has finished.
    bool Commit();

    int Error() const { return error; }
    const std::string& Problem() const { return problem; }

private:
    bool Fail(int errorNumber, std::string reason);

    OutputFile output;
    ZstdPipe zstd;
    bool compressed;
    int error = 0;
    std::string problem;
};
