#include "ScanSetup.h"

#include "DescribeEntry.h"
#include "Drives.h"
#include "EscapedName.h"
#include "PosixDirectorySource.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

std::string PathToScan(const Options& options)
{
    return options.path.empty() ? "." : options.path;
}

std::string DuRootPath(std::string path)
{
    while (path.size() > 1 && path.back() == '/' && path[path.size() - 2] == '/')
        path.pop_back();
    return path;
}

void AppendName(std::string& path, const std::string& name)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    path += name;
}

bool NamesLink(const std::string& path, EntryStat& link)
{
    return !path.empty() && path.back() != '/' && Describe(AT_FDCWD, path.c_str(), kStatFlags, link)
        && link.kind == EntryKind::Symlink;
}

void SayLinkFollowed(const std::string& path, std::ostream& err)
{
    EntryStat link;
    if (NamesLink(path, link))
        err << "kelmo: '" << EscapedName(path) << "' is a symbolic link: showing the directory it names, '"
            << EscapedName(Drives::CanonicalPath(path)) << "'\n";
}

std::string RootProblem(const std::string& path)
{
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return "cannot access '" + EscapedName(path) + "': " + std::strerror(errno);
    DIR* dir = S_ISDIR(status.st_mode) ? opendir(path.c_str()) : nullptr;
    if (!dir)
        return "cannot read directory '" + EscapedName(path)
            + "': " + std::strerror(S_ISDIR(status.st_mode) ? errno : ENOTDIR);
    closedir(dir);
    return {};
}

bool RootScannable(const std::string& path, std::ostream& err)
{
    const std::string problem = RootProblem(path);
    if (!problem.empty())
        err << "kelmo: " << problem << '\n';
    return problem.empty();
}

std::unique_ptr<DirectorySource> ScanSource(const Options& options, const ExcludingSource*& excluding)
{
    auto disk = std::make_unique<PosixDirectorySource>();
    excluding = nullptr;
    if (options.excludes.empty())
        return disk;
    auto filtered = std::make_unique<ExcludingSource>(std::move(disk), options.excludes);
    excluding = filtered.get();
    return filtered;
}

std::unique_ptr<Scanner> ScannerFor(const Options& options, const ExcludingSource** excluding)
{
    auto scanner = std::make_unique<Scanner>();
    if (options.threads > 0)
        scanner->SetThreads(options.threads);
    if (options.largest > 0)
        scanner->SetLargestKept(static_cast<std::size_t>(options.largest));
    const ExcludingSource* filter = nullptr;
    scanner->SetSource(ScanSource(options, filter));
    if (excluding)
        *excluding = filter;
    return scanner;
}
