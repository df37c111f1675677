#include "TreeSource.h"

#include "ImportFleet.h"
#include "PosixDirectorySource.h"

#include <algorithm>

TreeSource TreeSource::Drive(int index, std::string mountPoint)
{
    return TreeSource(Kind::Drive, index, std::move(mountPoint));
}

TreeSource TreeSource::SavedScan(std::string file)
{
    return TreeSource(Kind::SavedScan, -1, std::move(file));
}

TreeSource TreeSource::Fleet(std::vector<std::string> files)
{
    std::string name = FleetRootName(files.size());
    return TreeSource(Kind::SavedScan, -1, std::move(name), std::move(files));
}

bool TreeSource::operator==(const TreeSource& other) const
{
    return kind == other.kind && driveIndex == other.driveIndex && where == other.where && fleet == other.fleet;
}

bool TreeSource::CanReadOnlyOnce() const
{
    return kind == Kind::SavedScan && (where == "-" || std::find(fleet.begin(), fleet.end(), "-") != fleet.end());
}

ScanJob::Request TreeSource::Request() const
{
    ScanJob::Request request;
    if (kind == Kind::Drive)
        request.path = request.rootName = where;
    else if (IsFleet())
        request.fleet = fleet;
    else if (kind == Kind::SavedScan)
        request.file = where;
    return request;
}

std::unique_ptr<DirectorySource> TreeSource::Disk() const
{
    if (!IsLiveDisk())
        return nullptr;
    return std::make_unique<PosixDirectorySource>();
}
