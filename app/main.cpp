#include "ReportCommand.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const kHelp =
    "Usage: kelmo [PATH]\n"
    "       kelmo --report PATH\n"
    "\n"
    "Shows how the bytes of a mounted file system divide among its directories.\n"
    "PATH names the file system that holds it; without it, the one holding the\n"
    "current directory.\n"
    "\n"
    "  --report PATH  print the figures of the directory PATH and the size of\n"
    "                 each of its sub-directories, without a window\n"
    "  --help         show this help\n"
    "  --version      show the version\n";

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
    if (args.size() == 2 && args[0] == "--report")
        return RunReport(args[1], std::cout, std::cerr);
    std::cerr << kHelp;
    return 2;
}
