#pragma once

#include "DirectorySource.h"
#include "ScanControl.h"
#include "ScanEvents.h"
#include "ScanResult.h"

#include <functional>
#include <memory>
#include <string>

// Turns a directory (walked on its own file system) or a tree read from
// elsewhere (a saved scan) into a ScanResult. A scan runs on the calling
// thread, which may be any thread; Cancel and ScannedBytes are safe from
// every thread meanwhile.
class Scanner {
public:
    Scanner();
    ~Scanner();

    void SetSource(std::unique_ptr<DirectorySource> newSource) { source = std::move(newSource); }
    // 1 walks on the calling thread alone; 0 (the default) takes
    // WalkerCount's default.
    void SetThreads(int count) { threads = count; }
    // How many of the largest files a scan keeps (LargestFiles::kKept unless set).
    void SetLargestKept(std::size_t count) { largestKept = count; }
    // Called from the walking threads with the running totals, at most once
    // per report interval, and once more with the final totals of a scan
    // that ends with a tree.
    void SetProgress(ScanControl::Progress progress) { control.SetProgress(std::move(progress)); }
    void SetReportInterval(std::chrono::nanoseconds interval) { control.SetReportInterval(interval); }

    // Walks the directory at path; the tree's root is named rootName. No
    // tree when the directory cannot be opened or holds no entry at all.
    ScanResult ScanPath(const std::string& path, const std::string& rootName);
    // Hands events the tree it reads, in the order a walk meets it, counting
    // the files' bytes in control and stopping when control is stopped;
    // rootPath becomes the path the tree was read from. False when there is
    // no tree, with the reason in error (empty when it was stopped).
    using Reading =
        std::function<bool(ScanEvents& events, ScanControl& control, std::string& rootPath, std::string& error)>;
    // Builds the tree read, counted as a live scan of the same tree would
    // count it, with the progress and Cancel of a walk; the root is named by
    // the path it was read from, which savedRoot keeps too.
    ScanResult Read(const Reading& read);

    // Asks the running scan to stop soon; it then ends cancelled.
    void Cancel() { control.Stop(); }
    // The running total of the scan in the given size mode.
    std::int64_t ScannedBytes(SizeMode mode) const { return control.Bytes(mode); }

private:
    bool Walk(const std::string& path, DirTree& into, ScanResult& found);
    std::string RootError(const std::string& path);
    void Finish(ScanResult& result);

    std::unique_ptr<DirectorySource> source;
    ScanControl control;
    int threads = 0;
    std::size_t largestKept = LargestFiles::kKept;
};
