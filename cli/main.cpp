#include "CompareReport.h"
#include "DisplayCheck.h"
#include "EscapedName.h"
#include "ExportCommand.h"
#include "FinishOutput.h"
#include "HelpText.h"
#include "HistoryCommand.h"
#include "KelmoProject.h"
#include "MomentName.h"
#include "Options.h"
#include "RecordCommand.h"
#include "ReportCommand.h"
#include "ScanSetup.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>

#include <iostream>
#include <string>
#include <vector>

namespace {

// The window lives in kelmo-gui, so that the report, help and version never
// load the GUI libraries (which would more than double the report's memory).
// A kelmo with a kelmo-gui beside it (in the build tree) starts that one; an
// installed kelmo starts the one installed for it. It gets the arguments as
// they were typed.
std::string GuiBesideThisProgram()
{
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return {};
    const std::string path(self, static_cast<std::size_t>(length));
    const std::string beside = path.substr(0, path.rfind('/') + 1) + "kelmo-gui";
    return access(beside.c_str(), X_OK) == 0 ? beside : std::string();
}

int StartWindow(char** argv)
{
    std::string beside = GuiBesideThisProgram();
    char* gui = beside.empty() ? const_cast<char*>(KelmoProject::kInstalledGui) : beside.data();
    argv[0] = gui;
    execv(gui, argv);
    std::cerr << "kelmo: cannot open the window: " << gui << ": " << std::strerror(errno)
              << " (install the package kelmo, or use --report)\n";
    return 1;
}

// The drive whose history --record and --history keep: the one holding PATH, / by default.
bool HistoryDrive(const Options& options, MountEntry& drive)
{
    const std::string path = options.path.empty() ? "/" : options.path;
    return RootScannable(path, std::cerr) && DriveHolding(path, drive, std::cerr);
}

// The report's comparison with a moment of the history ("@7d") compares with
// the recording it names, of the drive that holds PATH.
int RunComparison(Options options)
{
    if (MomentName::IsMoment(options.compareFiles.front())) {
        MountEntry drive;
        std::string problem;
        if (!DriveHolding(PathToScan(options), drive, std::cerr))
            return 1;
        options.compareFiles = {SavedScanNamed(options.compareFiles.front(), drive, std::time(nullptr), problem)};
        if (options.compareFiles.front().empty()) {
            std::cerr << "kelmo: " << problem << '\n';
            return 1;
        }
    }
    return RunCompareReport(options, std::cout, std::cerr);
}

int Print(const std::string& text)
{
    std::cout << text;
    return FinishOutput(std::cout, std::cerr, 0);
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = ParseOptions(std::vector<std::string>(argv + (argc > 0), argv + argc));
    if (!options.error.empty()) {
        // Never the window: a script must not wait on a usage box. (The
        // desktop starts kelmo-gui itself, which shows one.)
        std::cerr << "kelmo: " << options.error << '\n' << UsageText() << "Try 'kelmo --help' for more information.\n";
        return 2;
    }
    switch (options.action) {
    case Action::Help:
        return Print(HelpText());
    case Action::Version:
        return Print(VersionText());
    case Action::Report:
        return options.compareFiles.empty() ? RunReport(options, std::cout, std::cerr) : RunComparison(options);
    case Action::Export:
        return RunExport(options, std::cerr);
    case Action::Record: {
        MountEntry drive;
        return HistoryDrive(options, drive) ? RunRecord(options, drive, std::time(nullptr), std::cerr) : 1;
    }
    case Action::History: {
        MountEntry drive;
        return HistoryDrive(options, drive) ? RunHistory(options, drive, std::cout, std::cerr) : 1;
    }
    case Action::Window:
        break;
    }
    // A path that cannot be read is said here and, where a window can be
    // opened, in the window too: started from a menu, nobody reads this.
    if (!options.path.empty() && !RootScannable(options.path, std::cerr))
        return DisplayReachable() ? StartWindow(argv) : 1;
    SayLinkFollowed(options.path, std::cerr);
    for (const std::string& file : options.importFiles)
        if (file != "-" && access(file.c_str(), R_OK) != 0) {
            std::cerr << "kelmo: cannot access '" << EscapedName(file) << "': " << std::strerror(errno) << '\n';
            return DisplayReachable() ? StartWindow(argv) : 1;
        }
    if (!DisplayReachable()) {
        std::cerr << kNoDisplayMessage << '\n';
        return 1;
    }
    return StartWindow(argv);
}
