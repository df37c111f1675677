#include "FileInfo.h"

#include "FormatBytes.h"
#include "ParallelWalk.h"
#include "PosixDirectorySource.h"
#include "Saturating.h"
#include "SavedScanReader.h"
#include "SequentialWalk.h"
#include "TreeBuilder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

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

FileInfo::~FileInfo() = default;

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

void FileInfo::SetSizeMode(SizeMode newMode)
{
    mode = newMode;
    if (tree)
        tree->SetMode(mode);
}

bool FileInfo::ScanDrive(int index, bool postProgress)
{
    if (index < 0 || index >= static_cast<int>(drives.size())) {
        freeBytes = -1;
        control.Reset();
        return false;
    }
    const std::string& mountPoint = drives[index].mountPoint;
    return ScanPath(mountPoint, mountPoint, postProgress);
}

bool FileInfo::ScanPath(const std::string& path, const std::string& rootName, bool postProgress)
{
    freeBytes = -1;
    control.Reset();
    auto scanned = std::make_unique<DirTree>(rootName);
    std::vector<ScanProblem> found;
    if (!Walk(path, *scanned, found) || control.Stopped())
        return false;
    freeBytes = source->FreeBytes(path);
    problems = std::move(found);
    savedRoot.clear();
    Adopt(std::move(scanned), postProgress);
    return true;
}

bool FileInfo::ImportScan(const std::string& file, std::string& error)
{
    control.Reset();
    auto imported = std::make_unique<DirTree>(std::string());
    TreeBuilder builder(*imported);
    SavedScanReader reader(builder, control);
    try {
        if (!reader.Read(file, error))
            return false;
    } catch (const std::exception& failure) { // out of memory, or more directories than a tree can hold
        error = "Saved scan is too large to be shown: " + std::string(failure.what());
        return false;
    }
    if (control.Stopped())
        return false;
    imported->SetRootName(reader.RootPath());
    freeBytes = -1;
    problems = builder.TakeProblems();
    savedRoot = reader.RootPath();
    Adopt(std::move(imported), true);
    return true;
}

void FileInfo::Adopt(std::unique_ptr<DirTree> fresh, bool postProgress)
{
    tree = std::move(fresh);
    tree->SetMode(mode);
    current = DirNode();
    const DirNode root = Root();
    if (postProgress)
        control.ReportFinal(root.diskBytes(), root.apparentBytes());
}

// One thread walks with a walk that hands its events to a tree builder; more
// threads fill the tree directly. Both give the same tree.
bool FileInfo::Walk(const std::string& path, DirTree& into, std::vector<ScanProblem>& found)
{
    try {
        if (threads == 1) {
            TreeBuilder builder(into);
            SequentialWalk walk(*source, control);
            if (!walk.Run(path, builder))
                return false;
            found = builder.TakeProblems();
            return true;
        }
        ParallelWalk walk(*source, control, threads);
        if (!walk.Run(path, into))
            return false;
        found = walk.TakeProblems();
        return true;
    } catch (const std::exception&) { // out of memory, or more directories than a tree can hold
        return false;
    }
}

std::unique_ptr<ChildList> FileInfo::BuildChildList()
{
    if (!current)
        current = Root();
    if (!current || !current.firstChild())
        return nullptr;
    auto list = std::make_unique<ChildList>();
    for (DirNode child = current.firstChild(); child; child = child.nextSibling()) {
        list->names.push_back(child.name());
        list->sizes.push_back(child.bytes());
    }
    return list;
}

std::string FileInfo::BuildDirReport(const DirNode& node) const
{
    const DirNode parent = node.parent();
    int subDirs = 0;
    std::int64_t subDirBytes = 0;
    for (DirNode child = node.firstChild(); child; child = child.nextSibling()) {
        ++subDirs;
        subDirBytes = AddSaturating(subDirBytes, child.bytes());
    }
    const std::int64_t totalBytes = tree ? Root().bytes() : node.bytes();

    std::string text = "Dir Name     : " + node.name() + "\r\n";
    text += "Parent Name  : ";
    if (parent)
        text += parent.name() + "\r\n\r\n" + "% of Parent  : " + Percent(node.bytes(), parent.bytes(), "\r\n");
    else
        text += "(n/a)\r\n\r\n% of Parent  : (n/a)\r\n";
    text += "Dir Space    : " + FormatBytes(node.bytes()) + "\r\n";
    text += "% of Total   : " + Percent(node.bytes(), totalBytes, "\r\n\r\n");
    text += "Num of Sub-Dir : " + std::to_string(subDirs) + "\r\n";
    text += "Sub-Dir Space  : " + FormatBytes(subDirBytes) + "\r\n";
    // Saturated totals can leave the files a share below zero.
    text += "File Space     : " + FormatBytes(std::max<std::int64_t>(node.bytes() - subDirBytes, 0)) + "\r\n";
    return text;
}
