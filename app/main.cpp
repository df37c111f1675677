#include "CommandLine.h"
#include "DisplayCheck.h"
#include "FinishOutput.h"
#include "ReportCommand.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const kAbout =
    "\n"
    "Shows how the bytes of a mounted file system divide among its directories.\n"
    "PATH names the file system that holds it; without it, the one holding the\n"
    "current directory.\n"
    "\n";

const char* const kNotes =
    "\n"
    "In the report, a control byte of a name (below 0x20, and 0x7f) is written\n"
    "as \\xhh with two lower-case hex digits, and a backslash as \\\\.\n"
    "\n"
    "Exit status: 0 when all went well; 1 when PATH cannot be read or is empty,\n"
    "a write fails, or the window cannot be opened; 2 for an invalid command line.\n";

int Report(const CommandLine& line)
{
    return RunReport(line.Operands("--report").front(), std::cout, std::cerr);
}

int Help(const CommandLine& line)
{
    std::cout << line.Usage() << kAbout << line.OptionList() << kNotes;
    return FinishOutput(std::cout, std::cerr, 0);
}

int Version(const CommandLine&)
{
    std::cout << "Kelmo 2.0\n";
    return FinishOutput(std::cout, std::cerr, 0);
}

// kelmo's options: a new one is a row here and its function above. The man
// page (docs/kelmo.1) describes each of them as well.
const std::vector<Option> kOptions{
    {"--report", "PATH", 1, 1,
     "print the figures of the directory PATH and the size of\neach of its sub-directories, without a window", Report},
    {"--help", "", 0, 0, "show this help", Help},
    {"--version", "", 0, 0, "show the version", Version},
};

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

} // namespace

int main(int argc, char** argv)
{
    const CommandLine line(std::vector<std::string>(argv + (argc > 0), argv + argc), kOptions);
    if (!line.Error().empty()) {
        std::cerr << "kelmo: " << line.Error() << '\n' << line.Usage() << "Try 'kelmo --help' for more.\n";
        // Started from a desktop there is no terminal to read this: where a
        // window can be opened, it shows its usage box too.
        return DisplayReachable() ? StartWindow(argv) : 2;
    }
    if (line.Command())
        return line.Command()->run(line);
    if (!DisplayReachable()) {
        std::cerr << kNoDisplayMessage << '\n';
        return 1;
    }
    return StartWindow(argv);
}
