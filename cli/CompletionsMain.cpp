// kelmo-completions SHELL FILE: writes kelmo's completion for SHELL (bash,
// zsh or fish) to FILE. The build runs it; it is not installed.
#include "CompletionScript.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    const std::string script = argc == 3 ? CompletionScript(argv[1]) : std::string();
    if (script.empty()) {
        std::cerr << "usage: kelmo-completions bash|zsh|fish FILE\n";
        return 2;
    }
    std::ofstream(argv[2]) << script;
    return 0;
}
