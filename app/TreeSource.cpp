#include "TreeSource.h"

#include "PosixDirectorySource.h"

TreeSource TreeSource::Drive(int index, std::string mountPoint)
{
    return TreeSource(Kind::Drive, index, std::move(mountPoint));
}

TreeSource TreeSource::SavedScan(std::string file)
{
    return TreeSource(Kind::SavedScan, -1, std::move(file));
}

bool TreeSource::operator==(const TreeSource& other) const
{
    return kind == other.kind && driveIndex == other.driveIndex && where == other.where;
}

ScanJob::Request TreeSource::Request() const
{
    ScanJob::Request request;
    if (kind == Kind::Drive)
        request.path = request.rootName = where;
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
