#include "ExportCommand.h"

#include "Drives.h"
#include "EscapedName.h"
#include "FinishOutput.h"
#include "LocalHostName.h"
#include "PrefetchingSource.h"
#include "ReportCommand.h"
#include "SavedScanFile.h"
#include "SavedScanWriter.h"
#include "ScanSetup.h"
#include "Scanner.h"
#include "SequentialWalk.h"

#include <cerrno>
#include <cstring>
#include <ctime>

namespace {

// How a saved scan names a symbolic link given as PATH: by its folder's
// canonical path and its own name.
std::string LinkRootPath(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    std::string root = Drives::CanonicalPath(slash == std::string::npos ? "." : path.substr(0, slash + 1));
    AppendName(root, path.substr(slash + 1));
    return root;
}

} // namespace

int RunExport(const Options& options, std::ostream& err)
{
    const std::string path = PathToScan(options);
    // A symbolic link given as PATH counts as the link, as du counts it: a
    // root with the link's sizes that holds nothing.
    EntryStat link;
    const bool linkRoot = NamesLink(path, link);
    if (!linkRoot && !RootScannable(path, err))
        return 1;
    const std::string root = linkRoot ? LinkRootPath(path) : Drives::CanonicalPath(path);
    ScanControl control;
    control.Reset();
    SavedScanFile output(options.exportFile, control);
    if (!output.Open())
        return CannotWrite(options.exportFile, output.Error(), output.Problem(), err);
    const ExcludingSource* excluding = nullptr;
    const std::unique_ptr<DirectorySource> disk = ScanSource(options, excluding);
    // The walk's own thread counts among the threads.
    PrefetchingSource source(*disk, options.threads);
    SavedScanWriter writer(output.Descriptor(), KELMO_VERSION, std::time(nullptr), control, LocalHostName());
    dev_t device = 0;
    ino_t inode = 0;
    if (output.Identity(device, inode))
        writer.LeaveOut(device, inode);
    // Nested JSON needs each directory whole before the next: one thread
    // walks, in the order the file is written, and the others read ahead.
    SequentialWalk walk(source, control);
    if (linkRoot) {
        writer.EnterDirectory(root, link);
        writer.LeaveDirectory();
    } else if (!walk.Run(root, writer)) {
        if (walk.RootError() != 0)
            err << "kelmo: cannot read directory '" << EscapedName(root) << "': " << std::strerror(walk.RootError())
                << '\n';
        else
            err << kNotAvailableMessage << '\n';
        return 1;
    }
    if (!writer.Finish())
        return CannotWrite(options.exportFile, writer.Error(), std::strerror(writer.Error()), err);
    if (!output.Commit())
        return CannotWrite(options.exportFile, output.Error(), output.Problem(), err);
    const std::vector<ScanProblem> problems = writer.TakeProblems();
    NameUnreadable(DuRootPath(path), problems, err);
    return problems.empty() ? 0 : 1;
}
