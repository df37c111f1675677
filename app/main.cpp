#include "ReportCommand.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const kHelp =
    "Usage: kelmo [--apparent-size] [--threads N] [PATH]\n"
    "       kelmo --report [--apparent-size] [--threads N] PATH\n"
    "\n"
    "Shows how the bytes of a mounted file system divide among its directories.\n"
    "PATH names the file system that holds it; without it, the one holding the\n"
    "current directory.\n"
    "\n"
    "Sizes are disk usage by default: the bytes the files and directories take\n"
    "on the disk, as du counts them (a sparse file counts only its data).\n"
    "\n"
    "  --report PATH    print the figures of the directory PATH and the size of\n"
    "                   each of its sub-directories, without a window\n"
    "  --apparent-size  show apparent sizes instead: the sum of the files' lengths\n"
    "                   (in the window, the key A switches between the two)\n"
    "  --threads N      walk with N threads (default: one per processor, 2 to 16)\n"
    "  --help           show this help\n"
    "  --version        show the version\n";

// --report [--apparent-size] [--threads N] PATH, options in any order.
bool ParseReport(const std::vector<std::string>& args, ReportOptions& options)
{
    bool havePath = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--apparent-size") {
            options.mode = SizeMode::Apparent;
        } else if (args[i] == "--threads" && i + 1 < args.size()) {
            char* end = nullptr;
            const long count = std::strtol(args[++i].c_str(), &end, 10);
            if (*end != '\0' || count < 1 || count > 256)
                return false;
            options.threads = static_cast<int>(count);
        } else if (!havePath) {
            options.path = args[i];
            havePath = true;
        } else {
            return false;
        }
    }
    return havePath;
}

// The window lives in kelmo-gui beside this program, so that the report,
// help and version never load the GUI libraries (which would more than
// double the report's memory).
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
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--help") {
        std::cout << kHelp;
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "Kelmo 2.0\n";
        return 0;
    }
    if (!args.empty() && args[0] == "--report") {
        ReportOptions options;
        if (ParseReport(args, options))
            return RunReport(options, std::cout, std::cerr);
        std::cerr << kHelp;
        return 2;
    }
    return StartWindow(argv);
}
