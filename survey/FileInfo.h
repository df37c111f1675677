#pragma once

#include "ChildList.h"
#include "DirNode.h"
#include "DirectorySource.h"
#include "MountTable.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

// The survey of one drive: its directory tree, the directory on display, its
// free space, and the list of drives the machine offers.
class FileInfo {
public:
    // Called once per directory entry, before the entry is examined, so a
    // window can keep its events flowing during a scan.
    using Pump = std::function<void()>;
    // Called with the running byte total as a scan advances.
    using Progress = std::function<void(std::int64_t scannedBytes)>;

    static constexpr std::int64_t kProgressStep = 1000000;

    // The absolute path without links, "." or ".."; empty when it does not exist.
    static std::string CanonicalPath(const std::string& path);
    // The drives of the system's mount table.
    static std::vector<MountEntry> ProbeDrives();

    // Probes the drives of the system's mount table.
    FileInfo();
    // Uses the given drives (tests, and the report, which needs none).
    explicit FileInfo(std::vector<MountEntry> drives);

    void SetSource(std::unique_ptr<DirectorySource> newSource) { source = std::move(newSource); }
    void SetPump(Pump newPump) { pump = std::move(newPump); }
    void SetProgress(Progress newProgress) { progress = std::move(newProgress); }

    const std::vector<MountEntry>& GetDrives() const { return drives; }
    // The drive that holds path (the longest mount point containing it, on
    // the same device); -1 when no drive does or the path does not exist.
    int DriveOfPath(const std::string& path) const;
    // The drive that holds the current working directory.
    int CurrentDrive() const;

    void SetDrive(int index) { drive = index; }
    int GetDrive() const { return drive; }
    std::int64_t GetFreeBytes() const { return freeBytes; }
    std::int64_t GetScannedBytes() const { return scannedBytes; }

    // Scans the whole drive into a new tree. False, with the old tree kept,
    // when the drive's root cannot be opened or holds no entry at all.
    bool ScanDrive(int index, bool postProgress);
    // Scans the directory at path as a drive whose root is named rootName.
    bool ScanPath(const std::string& path, const std::string& rootName, bool postProgress);
    // Asks the running scan to stop at its next entry; it then returns false.
    // Safe to call from any thread, and from the scan's own pump.
    void CancelScan() { stopRequested = true; }

    const DirNode* Root() const { return root.get(); }
    DirNode* GetCurrentDir() const { return current; }
    bool HasParentDir() const { return current && current->parent; }
    // Null makes the root current.
    void SetCurrentDir(DirNode* node) { current = node; }
    void GoToParentDir() { current = current ? current->parent : nullptr; }
    // The sub-directories of the current directory; null when it has none.
    std::unique_ptr<ChildList> BuildChildList();

    // The "Sub-Directory Information" text of node, lines ending in "\r\n".
    std::string BuildDirReport(const DirNode& node) const;

private:
    struct Frame {
        DirNode* node;
        DirNode* nextChild;
        DirHandle handle;
    };

    void StartScan();
    int ReadEntries(const DirHandle& dir, DirNode& node, bool postProgress);
    void Walk(const DirHandle& rootHandle, DirNode& rootNode, bool postProgress);
    void GiveUpDescriptor(DirHandle& dir);
    void ReturnToParent(Frame& parent, const Frame& done);
    bool CountsOnce(const DirEntry& entry);
    void CountProgress(std::int64_t size);

    std::unique_ptr<DirectorySource> source;
    Pump pump;
    Progress progress;
    std::vector<MountEntry> drives;

    DirNode* current = nullptr;
    std::unique_ptr<DirNode> root;
    std::int64_t freeBytes = -1;
    std::int64_t scannedBytes = 0;
    std::int64_t reportedBytes = 0;
    int drive = -1;

    std::atomic<bool> stopRequested{false};
    std::uint64_t scanDevice = 0;
    std::unordered_set<std::uint64_t> linkedInodes;
};
