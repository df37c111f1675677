#pragma once

#include <string>

// Shell commands for tests that check Kelmo against other tools.

// text as one word of a shell command, in single quotes.
std::string Quoted(const std::string& text);
// Whether the shell finds tool.
bool Installed(const std::string& tool);
// Runs command without input or output; true when it exits with 0.
bool Run(const std::string& command);
// What command writes on standard output.
std::string Output(const std::string& command);
