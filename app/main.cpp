#include "CommandLine.h"
#include "DisplayCheck.h"
#include "ExportCommand.h"
#include "FinishOutput.h"
#include "KelmoProject.h"
#include "ReportCommand.h"
#include "ThreadCount.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
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
    "Directories that cannot be read are named on standard error, and the\n"
    "figures are what could be read.\n"
    "\n"
    "A saved scan is the JSON export of ncdu (ncdu -o FILE), which gdu -o writes\n"
    "too; kelmo --export writes it, ncdu -f and gdu -f read what it writes.\n"
    "\n"
    "Exit status: 0 when all went well; 1 when PATH cannot be read or is empty,\n"
    "a directory below it could not be read, a saved scan cannot be read or is\n"
    "damaged, a write fails, or the window cannot be opened; 2 for an invalid\n"
    "command line.\n";

// The walking threads --threads asks for; 0 when not given, -1 when it is
// no number from 1 to 256.
int Threads(const CommandLine& line)
{
    return line.Has("--threads") ? ThreadCountOf(line.Operands("--threads").front()) : 0;
}

int Report(const CommandLine& line)
{
    ReportOptions options;
    if (line.Has("--import"))
        options.import = line.Operands("--import").front();
    else
        options.path = line.Operands("--report").front();
    options.threads = Threads(line);
    options.mode = line.Has("--apparent-size") ? SizeMode::Apparent : SizeMode::DiskUsage;
    return RunReport(options, std::cout, std::cerr);
}

int Export(const CommandLine& line)
{
    const std::vector<std::string>& operands = line.Operands("--export");
    ExportOptions options;
    options.file = operands.front();
    if (operands.size() > 1)
        options.path = operands.back();
    options.threads = Threads(line);
    return RunExport(options, std::cerr);
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
    {"--report", "PATH", 0, 1,
     "print the figures of the directory PATH and the size of\neach of its sub-directories, without a window;\n"
     "with --import, those of the saved scan's root instead", Report},
    {"--export", "FILE [PATH]", 1, 2,
     "scan the directory PATH (default: the current one) and\n"
     "write it to FILE as a saved scan; - is standard output", Export},
    {"--import", "FILE", 1, 1,
     "open the saved scan FILE (may be gzip-compressed; - is\n"
     "standard input) in the window, or give it to --report", nullptr},
    {"--apparent-size", "", 0, 0,
     "show apparent sizes (the sum of the files' lengths) instead of\n"
     "disk usage (the bytes files and directories take on the disk,\n"
     "as du counts them); in the window the key A switches", nullptr},
    {"--threads", "N", 1, 1, "walk with N threads (default: one per processor, 2 to 16)", nullptr},
    {"--help", "", 0, 0, "show this help", Help},
    {"--version", "", 0, 0, "show the version", Version},
};

// The window lives in kelmo-gui, so that the report, help and version never
// load the GUI libraries (which would more than double the report's memory).
// A kelmo with a kelmo-gui beside it (in the build tree) starts that one; an
// installed kelmo starts the one installed for it. It gets the arguments as
// they were typed.
std::string GuiProgram()
{
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        const std::string path(self, static_cast<std::size_t>(length));
        const std::string beside = path.substr(0, path.rfind('/') + 1) + "kelmo-gui";
        if (access(beside.c_str(), X_OK) == 0)
            return beside;
    }
    return KelmoProject::kInstalledGui;
}

int StartWindow(char** argv)
{
    std::string gui = GuiProgram();
    argv[0] = gui.data();
    execv(gui.c_str(), argv);
    std::cerr << "kelmo: cannot start " << gui << ": " << std::strerror(errno) << '\n';
    return 127;
}

// --import names a saved scan for --report, which then takes no PATH, or
// alone for the window, which kelmo-gui opens.
std::string ImportProblem(const CommandLine& line)
{
    const Option* command = line.Command();
    const bool reporting = command && command->run == Report;
    const bool importing = line.Has("--import");
    if (reporting && importing != line.Operands("--report").empty())
        return importing ? "--report takes no PATH with --import" : "--report needs PATH";
    if (!importing)
        return {};
    if (command && !reporting)
        return std::string(command->name) + " and --import exclude each other";
    if (!line.WindowPaths().empty())
        return "the window opens a saved scan or a path, not both";
    const std::string& file = line.Operands("--import").front();
    if (file != "-" && access(file.c_str(), F_OK) != 0)
        return "no such saved scan: '" + file + "'";
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    const CommandLine line(std::vector<std::string>(argv + (argc > 0), argv + argc), kOptions);
    std::string error = Threads(line) < 0 ? "--threads needs a number from 1 to 256" : line.Error();
    if (error.empty())
        error = ImportProblem(line);
    if (!error.empty()) {
        std::cerr << "kelmo: " << error << '\n' << line.Usage() << "Try 'kelmo --help' for more.\n";
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
