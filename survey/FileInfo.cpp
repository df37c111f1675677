#include "FileInfo.h"

#include "FormatBytes.h"
#include "PosixDirectorySource.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Ancestors of the directory being read keep their descriptors open up to
// this depth; deeper ones are closed and reopened through "..", so a tree of
// any depth needs a bounded number of descriptors.
constexpr std::size_t kOpenAncestorLimit = 128;

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

bool IsDirectory(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool SameDevice(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev;
}

// A share in percent, or "0.0" when there is nothing to share.
std::string Percent(std::int64_t part, std::int64_t whole, const char* lineEnd)
{
    if (whole == 0)
        return std::string("0.0") + lineEnd;
    const long double share = static_cast<long double>(part) / static_cast<long double>(whole) * 100.0L;
    char text[64];
    std::snprintf(text, sizeof text, "%3.2f%s", static_cast<double>(share), lineEnd);
    return text;
}

} // namespace

std::string FileInfo::CanonicalPath(const std::string& path)
{
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved)
        return {};
    std::string canonical = resolved;
    std::free(resolved);
    return canonical;
}

std::vector<MountEntry> FileInfo::ProbeDrives()
{
    return MountTable::Drives(MountTable::ReadSystemTable(), IsDirectory);
}

FileInfo::FileInfo() : FileInfo(ProbeDrives()) {}

FileInfo::FileInfo(std::vector<MountEntry> probedDrives)
    : source(std::make_unique<PosixDirectorySource>()), drives(std::move(probedDrives))
{
}

int FileInfo::DriveOfPath(const std::string& path) const
{
    const std::string canonical = CanonicalPath(path);
    if (canonical.empty())
        return -1;
    const int index = MountTable::LongestContaining(drives, canonical);
    if (index < 0 || !SameDevice(canonical, drives[index].mountPoint))
        return -1;
    return index;
}

int FileInfo::CurrentDrive() const
{
    return DriveOfPath(".");
}

bool FileInfo::ScanDrive(int index, bool postProgress)
{
    if (index < 0 || index >= static_cast<int>(drives.size())) {
        StartScan();
        return false;
    }
    const std::string& mountPoint = drives[index].mountPoint;
    return ScanPath(mountPoint, mountPoint, postProgress);
}

bool FileInfo::ScanPath(const std::string& path, const std::string& rootName, bool postProgress)
{
    StartScan();
    DirHandle rootHandle = source->OpenRoot(path);
    if (!rootHandle.IsOpen())
        return false;
    scanDevice = rootHandle.device;
    auto newRoot = std::make_unique<DirNode>(rootName, nullptr);
    // Reading the root is the probe: a root that holds nothing is blank.
    if (ReadEntries(rootHandle, *newRoot, postProgress) == 0) {
        source->Close(rootHandle);
        return false;
    }
    freeBytes = source->FreeBytes(rootHandle);
    current = nullptr;
    root = std::move(newRoot);
    Walk(rootHandle, *root, postProgress);
    if (stopRequested)
        return false;
    if (postProgress && progress)
        progress(root->bytes);
    return true;
}

void FileInfo::StartScan()
{
    freeBytes = -1;
    scannedBytes = reportedBytes = 0;
    stopRequested = false;
    linkedInodes.clear();
}

int FileInfo::ReadEntries(const DirHandle& dir, DirNode& node, bool postProgress)
{
    int delivered = 0;
    DirNode* last = nullptr;
    DirEntry entry;
    while (!stopRequested && source->Next(dir, entry)) {
        if (pump)
            pump();
        if (IsDotOrDotDot(entry.name))
            continue;
        ++delivered;
        if (!source->Examine(dir, entry))
            continue; // gone since the listing named it
        if (entry.isDirectory) {
            if (entry.device != scanDevice)
                continue; // another file system mounted here
            auto child = std::make_unique<DirNode>(entry.name, &node);
            DirNode* added = child.get();
            (last ? last->nextSibling : node.firstChild) = std::move(child);
            last = added;
        } else if (CountsOnce(entry)) {
            node.bytes += entry.size;
            if (postProgress)
                CountProgress(entry.size);
        }
    }
    return delivered;
}

bool FileInfo::CountsOnce(const DirEntry& entry)
{
    return entry.links <= 1 || linkedInodes.insert(entry.inode).second;
}

void FileInfo::CountProgress(std::int64_t size)
{
    scannedBytes += size;
    if (scannedBytes > reportedBytes + kProgressStep) {
        if (progress)
            progress(scannedBytes);
        reportedBytes = scannedBytes;
    }
}

// Depth-first over the children ReadEntries found, with an explicit stack so
// that depth costs heap, not call stack. A directory's total is final when it
// leaves the stack and is then added to its parent's.
void FileInfo::Walk(const DirHandle& rootHandle, DirNode& rootNode, bool postProgress)
{
    std::vector<Frame> stack{{&rootNode, rootNode.firstChild.get(), rootHandle}};
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (DirNode* child = stopRequested ? nullptr : top.nextChild) {
            top.nextChild = child->nextSibling.get();
            DirHandle handle = source->OpenChild(top.handle, child->name.c_str());
            if (!handle.IsOpen())
                continue; // unreadable or vanished: counts as empty
            ReadEntries(handle, *child, postProgress);
            if (stack.size() >= kOpenAncestorLimit)
                GiveUpDescriptor(top.handle);
            stack.push_back({child, child->firstChild.get(), handle});
        } else {
            Frame done = top;
            stack.pop_back();
            if (!stack.empty())
                ReturnToParent(stack.back(), done);
            source->Close(done.handle);
        }
    }
}

// Remembers who the directory is, so that reopening it through ".." later
// can tell whether it is still the same directory.
void FileInfo::GiveUpDescriptor(DirHandle& dir)
{
    if (!source->Identify(dir))
        dir.device = dir.inode = 0;
    source->Close(dir);
}

void FileInfo::ReturnToParent(Frame& parent, const Frame& done)
{
    parent.node->bytes += done.node->bytes;
    if (parent.handle.IsOpen())
        return;
    DirHandle reopened = source->OpenParent(done.handle);
    if (reopened.IsOpen() && reopened.device == parent.handle.device && reopened.inode == parent.handle.inode) {
        parent.handle = reopened;
        return;
    }
    // The parent was moved away while we were below it: what is left of it
    // cannot be reached safely.
    source->Close(reopened);
    parent.nextChild = nullptr;
}

std::unique_ptr<ChildList> FileInfo::BuildChildList()
{
    if (!current)
        current = root.get();
    if (!current || !current->firstChild)
        return nullptr;
    auto list = std::make_unique<ChildList>();
    for (const DirNode* child = current->firstChild.get(); child; child = child->nextSibling.get()) {
        list->names.push_back(child->name);
        list->sizes.push_back(child->bytes);
    }
    return list;
}

std::string FileInfo::BuildDirReport(const DirNode& node) const
{
    const DirNode* parent = node.parent;
    int subDirs = 0;
    std::int64_t subDirBytes = 0;
    for (const DirNode* child = node.firstChild.get(); child; child = child->nextSibling.get()) {
        ++subDirs;
        subDirBytes += child->bytes;
    }
    const std::int64_t totalBytes = root ? root->bytes : node.bytes;

    std::string text = "Dir Name     : " + node.name + "\r\n";
    text += "Parent Name  : ";
    if (parent)
        text += parent->name + "\r\n\r\n" + "% of Parent  : " + Percent(node.bytes, parent->bytes, "\r\n");
    else
        text += "(n/a)\r\n\r\n% of Parent  : (n/a)\r\n";
    text += "Dir Space    : " + FormatBytes(node.bytes) + "\r\n";
    text += "% of Total   : " + Percent(node.bytes, totalBytes, "\r\n\r\n");
    text += "Num of Sub-Dir : " + std::to_string(subDirs) + "\r\n";
    text += "Sub-Dir Space  : " + FormatBytes(subDirBytes) + "\r\n";
    text += "File Space     : " + FormatBytes(node.bytes - subDirBytes) + "\r\n";
    return text;
}
