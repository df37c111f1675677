#pragma once

#include <string>

// kelmo's completion for the shell named ("bash", "zsh" or "fish"), made
// from its table of options: long and short options, a file after an option
// whose argument is a FILE, a directory for PATH. Empty for another shell.
std::string CompletionScript(const std::string& shell);
