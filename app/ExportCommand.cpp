#include "ExportCommand.h"

#include "FileInfo.h"
#include "FinishOutput.h"
#include "OutputFile.h"
#include "PrefetchingSource.h"
#include "ReportCommand.h"
#include "ScanSetup.h"
#include "SavedScanWriter.h"
#include "SequentialWalk.h"

#include <cerrno>
#include <ctime>

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
    SavedScanWriter writer(output.Descriptor(), KELMO_VERSION, std::time(nullptr), control);
    // Nested JSON needs each directory whole before the next: one thread
    // walks, in the order the file is written, and the others read ahead.
    SequentialWalk walk(source, control);
    if (!walk.Run(root, writer)) {
        err << kNotAvailableMessage << '\n';
        return 1;
    }
    if (!writer.Finish())
        return WriteFailed(writer.Error(), err);
    if (!output.Commit())
        return WriteFailed(errno, err);
    const std::vector<ScanProblem> problems = writer.TakeProblems();
    NameUnreadable(root, problems, err);
    return problems.empty() ? 0 : 1;
}
