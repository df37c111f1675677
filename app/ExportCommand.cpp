#include "ExportCommand.h"

#include "FileInfo.h"
#include "FinishOutput.h"
#include "OutputFile.h"
#include "PrefetchingSource.h"
#include "ReportCommand.h"
#include "ScanSetup.h"
#include "SavedScanWriter.h"
#include "SequentialWalk.h"
#include "ZstdPipe.h"

#include <cerrno>
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
    const std::string root = FileInfo::CanonicalPath(PathToScan(options));
    OutputFile output(options.exportFile);
    if (!output.Open())
        return WriteFailed(errno, err);
    const ExcludingSource* excluding = nullptr;
    const std::unique_ptr<DirectorySource> disk = ScanSource(options, excluding);
    // The walk's own thread counts among the threads.
    PrefetchingSource source(*disk, (options.threads > 0 ? options.threads : FileInfo::DefaultThreads()) - 1);
    ScanControl control;
    control.Reset();
    ZstdPipe zstd(control);
    const bool compressed = IsZstdFile(options.exportFile);
    if (compressed && !zstd.Start(output.Descriptor()))
        return WriteFailed(errno, err);
    SavedScanWriter writer(compressed ? zstd.Input() : output.Descriptor(), KELMO_VERSION, std::time(nullptr),
                           control);
    // Nested JSON needs each directory whole before the next: one thread
    // walks, in the order the file is written, and the others read ahead.
    SequentialWalk walk(source, control);
    if (!walk.Run(root, writer)) {
        err << kNotAvailableMessage << '\n';
        return 1;
    }
    if (!writer.Finish())
        return WriteFailed(writer.Error(), err);
    if (compressed && !zstd.Finish())
        return WriteFailed(zstd.Error(), err);
    if (!output.Commit())
        return WriteFailed(errno, err);
    const std::vector<ScanProblem> problems = writer.TakeProblems();
    NameUnreadable(root, problems, err);
    return problems.empty() ? 0 : 1;
}
