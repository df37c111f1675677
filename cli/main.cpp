#include "CompareReport.h"
#include "DisplayCheck.h"
#include "EscapedName.h"
#include "ExportCommand.h"
#include "FinishOutput.h"
#include "KelmoProject.h"
#include "Options.h"
#include "ReportCommand.h"
#include "ScanSetup.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

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
        return options.compareFile.empty() ? RunReport(options, std::cout, std::cerr)
                                           : RunCompareReport(options, std::cout, std::cerr);
    case Action::Export:
        return RunExport(options, std::cerr);
    case Action::Window:
        break;
    }
    if (!options.path.empty() && !RootScannable(options.path, std::cerr))
        return 1;
    SayLinkFollowed(options.path, std::cerr);
    if (!options.importFile.empty() && options.importFile != "-" && access(options.importFile.c_str(), R_OK) != 0) {
        std::cerr << "kelmo: cannot access '" << EscapedName(options.importFile) << "': " << std::strerror(errno)
                  << '\n';
        return 1;
    }
    if (!DisplayReachable()) {
        std::cerr << kNoDisplayMessage << '\n';
        return 1;
    }
    return StartWindow(argv);
}
