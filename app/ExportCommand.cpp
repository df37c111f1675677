#include "ExportCommand.h"

#include "Drives.h"
#include "Scanner.h"
#include "FinishOutput.h"
#include "OutputFile.h"
#include "PrefetchingSource.h"
#include "ReportCommand.h"
#include "ScanSetup.h"
#include "SavedScanWriter.h"
#include "SequentialWalk.h"
#include "ZstdPipe.h"

#include <cerrno>
#include <cstring>
#include <ctime>

namespace {

// A FILE named *.zst is written compressed with zstd.
bool IsZstdFile(const std::string& file)
{
    const std::string suffix = ".zst";
    return file.size() > suffix.size() && file.compare(file.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

int RunExport(const Options& options, std::ostream& err)
{
    if (!RootScannable(PathToScan(options), err))
        return 1;
    const std::string root = Drives::CanonicalPath(PathToScan(options));
    OutputFile output(options.exportFile);
    if (!output.Open())
        return CannotWrite(options.exportFile, errno, output.Problem(), err);
    const ExcludingSource* excluding = nullptr;
    const std::unique_ptr<DirectorySource> disk = ScanSource(options, excluding);
    // The walk's own thread counts among the threads.
    PrefetchingSource source(*disk, options.threads);
    ScanControl control;
    control.Reset();
    ZstdPipe zstd(control);
    const bool compressed = IsZstdFile(options.exportFile);
    if (compressed && !zstd.Start(output.Descriptor()))
        return CannotWrite(options.exportFile, errno, std::strerror(errno), err);
    SavedScanWriter writer(compressed ? zstd.Input() : output.Descriptor(), KELMO_VERSION, std::time(nullptr),
                           control);
    dev_t device = 0;
    ino_t inode = 0;
    if (output.Identity(device, inode))
        writer.LeaveOut(device, inode);
    // Nested JSON needs each directory whole before the next: one thread
    // walks, in the order the file is written, and the others read ahead.
    SequentialWalk walk(source, control);
    if (!walk.Run(root, writer)) {
        err << kNotAvailableMessage << '\n';
        return 1;
    }
    if (!writer.Finish())
        return CannotWrite(options.exportFile, writer.Error(), std::strerror(writer.Error()), err);
    if (compressed && !zstd.Finish())
        return CannotWrite(options.exportFile, zstd.Error(), std::strerror(zstd.Error()), err);
    if (!output.Commit())
        return CannotWrite(options.exportFile, errno, output.Problem(), err);
    const std::vector<ScanProblem> problems = writer.TakeProblems();
    NameUnreadable(root, problems, err);
    return problems.empty() ? 0 : 1;
}
