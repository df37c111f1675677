#pragma once

#include "ChildList.h"
#include "DirNode.h"
#include "DirTree.h"
#include "DirectorySource.h"
#include "MountTable.h"
#include "ScanControl.h"
#include "ScanProblem.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The survey of one drive: its directory tree, the directory on display, its
// free space, and the list of drives the machine offers.
class FileInfo {
public:
    using Progress = ScanControl::Progress;

    // The absolute path without links, "." or ".."; empty when it does not exist.
    static std::string CanonicalPath(const std::string& path);
    // The drives of the system's mount table.
    static std::vector<MountEntry> ProbeDrives();

    // Probes the drives of the system's mount table.
    FileInfo();
    // Uses the given drives (tests, and the report, which needs none).
    explicit FileInfo(std::vector<MountEntry> drives);
    ~FileInfo();

    void SetSource(std::unique_ptr<DirectorySource> newSource) { source = std::move(newSource); }
    // Called from the walking threads with the running totals, at most every
    // 10 milliseconds, and once more with the final totals.
    void SetProgress(Progress progress) { control.SetProgress(std::move(progress)); }
    // 1 walks on the calling thread alone; 0 chooses for the disk.
    void SetThreads(int count) { threads = count; }

    const std::vector<MountEntry>& GetDrives() const { return drives; }
    // The drive that holds path (the longest mount point containing it, on
    // the same device); -1 when no drive does or the path does not exist.
    int DriveOfPath(const std::string& path) const;
    // The drive that holds the current working directory.
    int CurrentDrive() const;

    void SetDrive(int index) { drive = index; }
    int GetDrive() const { return drive; }
    std::int64_t GetFreeBytes() const { return freeBytes; }
    // The running total of the scan, in the size mode shown; safe from any thread.
    std::int64_t GetScannedBytes() const { return control.Bytes(mode); }

    // Which size the tree shows; a change needs no rescan.
    void SetSizeMode(SizeMode newMode);
    SizeMode GetSizeMode() const { return mode; }

    // Scans the whole drive into a new tree. False, with the old tree kept,
    // when the drive's root cannot be opened or holds no entry at all, or
    // when the scan was cancelled. May run on another thread than the one
    // that owns the survey, which meanwhile only cancels or reads the total.
    bool ScanDrive(int index, bool postProgress);
    // Scans the directory at path as a drive whose root is named rootName.
    bool ScanPath(const std::string& path, const std::string& rootName, bool postProgress);
    // Asks the running scan to stop soon; it then returns false. Safe from
    // any thread.
    void CancelScan() { control.Stop(); }
    // Reads a saved scan (ncdu's JSON export, also gzip-compressed; "-" is
    // standard input) into a new tree, counted as a live scan of the same
    // tree would count it, whose root is named by the saved root's path; the
    // free space becomes unknown. False, with the old tree kept, when the
    // file cannot be read or is damaged (error says why, in one line) or
    // when the import was cancelled (error empty). The running totals come
    // through the progress callback; threads as for ScanDrive.
    bool ImportScan(const std::string& file, std::string& error);
    // The saved root's path when the tree came from a saved scan; empty
    // after a live scan.
    const std::string& GetSavedRoot() const { return savedRoot; }
    // Names the root of the tree on display otherwise than the scan did.
    void SetRootName(std::string name)
    {
        if (tree)
            tree->SetRootName(std::move(name));
    }
    // The directories the last scan could not read, or not whole, in the
    // order a walk meets them; those a saved scan marks have error 0.
    const std::vector<ScanProblem>& GetScanProblems() const { return problems; }

    DirNode Root() const { return tree ? DirNode(tree.get(), tree->Root()) : DirNode(); }
    // Null until the first BuildChildList after a scan, which makes it the root.
    DirNode GetCurrentDir() const { return current; }
    bool HasParentDir() const { return current && current.parent(); }
    // A null node makes the root current.
    void SetCurrentDir(DirNode node) { current = node; }
    void GoToParentDir() { current = current ? current.parent() : DirNode(); }
    // The sub-directories of the current directory; null when it has none.
    std::unique_ptr<ChildList> BuildChildList();

    // The "Sub-Directory Information" text of node, lines ending in "\r\n".
    std::string BuildDirReport(const DirNode& node) const;

private:
    bool Walk(const std::string& path, DirTree& into, std::vector<ScanProblem>& found);
    void Adopt(std::unique_ptr<DirTree> fresh, bool postProgress);

    std::unique_ptr<DirectorySource> source;
    ScanControl control;
    std::vector<MountEntry> drives;
    int threads = 0;
    SizeMode mode = SizeMode::DiskUsage;

    std::unique_ptr<DirTree> tree;
    DirNode current;
    std::vector<ScanProblem> problems;
    std::string savedRoot;
    std::int64_t freeBytes = -1;
    int drive = -1;
};
