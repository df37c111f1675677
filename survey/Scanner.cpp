#include "Scanner.h"

#include "LocalHostName.h"
#include "ParallelWalk.h"
#include "PosixDirectorySource.h"
#include "SequentialWalk.h"
#include "TreeBuilder.h"

#include <cstring>
#include <stdexcept>

Scanner::Scanner() : source(std::make_unique<PosixDirectorySource>()) {}

Scanner::~Scanner() = default;

ScanResult Scanner::ScanPath(const std::string& path, const std::string& rootName)
{
    control.Reset();
    ScanResult result;
    auto scanned = std::make_unique<DirTree>(rootName);
    if (Walk(path, *scanned, result) && !control.Stopped()) {
        scanned->SetHost(LocalHostName());
        result.tree = std::move(scanned);
        result.freeBytes = source->FreeBytes(path);
    } else if (!control.Stopped()) {
        result.error = RootError(path);
    }
    Finish(result);
    return result;
}

ScanResult Scanner::Read(const Reading& read)
{
    control.Reset();
    ScanResult result;
    auto imported = std::make_unique<DirTree>(std::string());
    TreeBuilder builder(*imported, largestKept);
    std::string rootPath;
    if (read(builder, control, rootPath, result.error) && !control.Stopped()) {
        imported->SetRootName(rootPath);
        result.tree = std::move(imported);
        result.problems = builder.TakeProblems();
        result.largest = builder.TakeLargest();
        result.savedRoot = rootPath;
    }
    Finish(result);
    return result;
}

// A cancelled scan has no tree and no reason; a finished one reports its
// final totals, so that the last figure shown is the whole tree's.
void Scanner::Finish(ScanResult& result)
{
    result.cancelled = control.Stopped();
    if (result.cancelled) {
        result.tree.reset();
        result.problems.clear();
        result.error.clear();
        return;
    }
    if (result.tree) {
        const DirTree::Node& root = result.tree->At(result.tree->Root());
        control.ReportFinal(root.diskBytes, root.apparentBytes);
    }
}

// Why a walk found nothing: the root could not be opened or read (the
// reason), or it holds nothing at all (no reason).
std::string Scanner::RootError(const std::string& path)
{
    EntryStat rootStat;
    int error = 0;
    const int root = source->OpenRoot(path, rootStat, error);
    if (root < 0)
        return "cannot read directory '" + path + "': " + std::strerror(error);
    Listing listing;
    source->Read(root, listing, control.StopFlag());
    source->Close(root);
    if (listing.error != 0 && listing.entries.empty())
        return "cannot read directory '" + path + "': " + std::strerror(listing.error);
    return {};
}

// One thread walks with a walk that hands its events to a tree builder; more
// threads fill the tree directly. Both give the same tree.
bool Scanner::Walk(const std::string& path, DirTree& into, ScanResult& found)
{
    try {
        if (threads == 1) {
            TreeBuilder builder(into, largestKept);
            SequentialWalk walk(*source, control);
            if (!walk.Run(path, builder))
                return false;
            found.problems = builder.TakeProblems();
            found.largest = builder.TakeLargest();
            return true;
        }
        ParallelWalk walk(*source, control, threads);
        walk.SetLargestKept(largestKept);
        if (!walk.Run(path, into))
            return false;
        found.problems = walk.TakeProblems();
        found.largest = walk.TakeLargest();
        return true;
    } catch (const std::exception&) { // out of memory, or more directories than a tree can hold
        return false;
    }
}
