#include "CompareReport.h"
#include "DisplayCheck.h"
#include "ExportCommand.h"
#include "FinishOutput.h"
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

// The window lives in kelmo-gui beside this program, so that the report,
// help and version never load the GUI libraries (which would more than
// double the report's memory). It gets the arguments as they were typed.
int StartWindow(char** argv)
{
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string gui = "kelmo-gui";
    if (length > 0) {
        const std::string path(self, static_cast<std::size_t>(length));
        gui = path.substr(0, path.rfind('/') + 1) + gui;
    }
    argv[0] = gui.data();
    execv(gui.c_str(), argv);
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
    if (!options.path.empty() && !RootScannable(options.path, std::cerr))
        return 1;
    if (!options.importFile.empty() && options.importFile != "-" && access(options.importFile.c_str(), R_OK) != 0) {
        std::cerr << "kelmo: cannot access '" << EscapedName(options.importFile) << "': " << std::strerror(errno) << '\n';
        return 1;
    }
    if (!DisplayReachable()) {
        std::cerr << kNoDisplayMessage << '\n';
        return 1;
    }
    return StartWindow(argv);
}
