#pragma once

#include "DirTree.h"
#include "DirectorySource.h"
#include "LargestFiles.h"
#include "ScanControl.h"
#include "ScanProblem.h"
#include "ThreadStarter.h"

#include <string>
#include <vector>

// Walks one file system on several threads straight into a DirTree. The
// tree comes out the same as one thread walking depth-first in listing order
// would build it, whatever the number of threads and their timing: each
// directory's children are placed in listing order by the thread that reads
// it, files with several names are credited after the walk, and the totals
// are summed up the tree at the end. The calling thread walks too; a thread
// that cannot be started leaves the walk to those that could.
class ParallelWalk {
public:
    // threadCount 0 takes the default (see WalkerCount).
    ParallelWalk(DirectorySource& directories, ScanControl& scanControl, int threadCount,
                 ThreadStarter starter = StartThread)
        : source(directories), control(scanControl), threads(threadCount), start(std::move(starter))
    {
    }

    // False when the root cannot be opened or lists nothing at all, when a
    // stop was requested, or when the tree could not hold the file system.
    bool Run(const std::string& path, DirTree& tree);
    std::vector<ScanProblem> TakeProblems() { return std::move(problems); }
    // How many of the largest files the walk keeps; and those it found,
    // with their paths below the root.
    void SetLargestKept(std::size_t count) { largestKept = count; }
    LargestFiles TakeLargest() { return std::move(largest); }

private:
    class Walker;
    struct Shared;

    static void Join(Shared& shared);

    DirectorySource& source;
    ScanControl& control;
    int threads;
    ThreadStarter start;
    std::vector<ScanProblem> problems;
    std::size_t largestKept = LargestFiles::kKept;
    LargestFiles largest;
};
