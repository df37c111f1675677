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
    std::cerr << "kelmo: cannot start " << gui << ": " << std::strerror(errno) << '\n';
    return 127;
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
        std::cerr << "kelmo: " << options.error << '\n' << UsageText() << "Try 'kelmo --help' for more information.\n";
        // Started from a desktop there is no terminal to read this: where a
        // window can be opened, it shows the usage too.
        return options.action == Action::Window && DisplayReachable() ? StartWindow(argv) : 2;
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
    // A path that cannot be read is said here and, where a window can be
    // opened, in the window too: started from a menu, nobody reads this.
    if (!options.path.empty() && !RootScannable(options.path, std::cerr))
        return DisplayReachable() ? StartWindow(argv) : 1;
    if (!options.importFile.empty() && options.importFile != "-" && access(options.importFile.c_str(), R_OK) != 0) {
        std::cerr << "kelmo: cannot access '" << EscapedName(options.importFile) << "': " << std::strerror(errno)
                  << '\n';
        return DisplayReachable() ? StartWindow(argv) : 1;
    }
    if (!DisplayReachable()) {
        std::cerr << kNoDisplayMessage << '\n';
        return 1;
    }
    return StartWindow(argv);
}
