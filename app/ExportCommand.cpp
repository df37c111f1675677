#include "ExportCommand.h"

#include "Drives.h"
#include "Scanner.h"
#include "FinishOutput.h"
#include "OutputFile.h"
#include "PosixDirectorySource.h"
#include "PrefetchingSource.h"
#include "ReportCommand.h"
#include "SavedScanWriter.h"
#include "SequentialWalk.h"

#include <cerrno>
#include <cstring>
#include <ctime>

int RunExport(const Options& options, std::ostream& err)
{
    const std::string root = Drives::CanonicalPath(options.path.empty() ? "." : options.path);
    if (root.empty()) {
        err << kNotAvailableMessage << '\n';
        return 1;
    }
    OutputFile output(options.exportFile);
    if (!output.Open())
        return CannotWrite(options.exportFile, errno, output.Problem(), err);
    PosixDirectorySource disk;
    // The walk's own thread counts among the threads.
    PrefetchingSource source(disk, options.threads);
    ScanControl control;
    control.Reset();
    SavedScanWriter writer(output.Descriptor(), KELMO_VERSION, std::time(nullptr), control);
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
    if (!output.Commit())
        return CannotWrite(options.exportFile, errno, output.Problem(), err);
    const std::vector<ScanProblem> problems = writer.TakeProblems();
    NameUnreadable(root, problems, err);
    return problems.empty() ? 0 : 1;
}
