#include "ExportCommand.h"

#include "FileInfo.h"
#include "FinishOutput.h"
#include "OutputFile.h"
#include "PosixDirectorySource.h"
#include "PrefetchingSource.h"
#include "ReportCommand.h"
#include "SavedScanWriter.h"
#include "SequentialWalk.h"

#include <cerrno>
#include <ctime>

int RunExport(const ExportOptions& options, std::ostream& err)
{
    const std::string root = FileInfo::CanonicalPath(options.path);
    if (root.empty()) {
        err << kNotAvailableMessage << '\n';
        return 1;
    }
    OutputFile output(options.file);
    if (!output.Open())
        return WriteFailed(errno, err);
    PosixDirectorySource disk;
    // The walk's own thread counts among the threads.
    PrefetchingSource source(disk, options.threads);
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
