#include "SavedScanFile.h"

#include <cerrno>
#include <cstring>

namespace {

bool IsZstdFile(const std::string& file)
{
    const std::string suffix = ".zst";
    return file.size() > suffix.size() && file.compare(file.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

SavedScanFile::SavedScanFile(std::string file, ScanControl& control)
    : output(file), zstd(control), compressed(IsZstdFile(file))
{
}

bool SavedScanFile::Open()
{
    if (!output.Open())
        return Fail(errno, output.Problem());
    if (compressed && !zstd.Start(output.Descriptor()))
        return Fail(errno, std::strerror(errno));
    return true;
}

int SavedScanFile::Descriptor() const
{
    return compressed ? zstd.Input() : output.Descriptor();
}

bool SavedScanFile::Commit()
{
    if (compressed && !zstd.Finish())
        return Fail(zstd.Error(), std::strerror(zstd.Error()));
    if (!output.Commit())
        return Fail(errno, output.Problem());
    return true;
}

bool SavedScanFile::Fail(int errorNumber, std::string reason)
{
    error = errorNumber;
    problem = std::move(reason);
    return false;
}
