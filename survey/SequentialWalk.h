#pragma once

#include "DirectorySource.h"
#include "ScanControl.h"
#include "ScanEvents.h"

#include <string>
#include <vector>

// Walks one file system on the calling thread, depth-first in listing order,
// and hands what it meets to a ScanEvents consumer as it goes.
class SequentialWalk {
public:
    SequentialWalk(DirectorySource& directories, ScanControl& scanControl) : source(directories), control(scanControl)
    {
    }

    // False, with no event delivered, when the root cannot be opened or
    // lists nothing at all. A stop request ends the walk early, with every
    // directory entered also left.
    bool Run(const std::string& path, ScanEvents& events);
    // Why Run found nothing: the errno value of the root's opening or
    // reading, or 0 when it holds nothing at all.
    int RootError() const { return rootError; }

private:
    struct Level {
        int handle;
        Listing listing;
        std::size_t next = 0;
        std::size_t directoriesLeft = 0; // the handle closes once the last is open
    };

    void Descend(Level& level, const Listing::Entry& entry, ScanEvents& events);
    void Survey(Level& level);

    DirectorySource& source;
    ScanControl& control;
    std::uint64_t rootDevice = 0;
    int rootError = 0;
    std::vector<Level> levels;
};
