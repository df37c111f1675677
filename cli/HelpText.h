#pragma once

#include <string>

// The texts kelmo prints for --help and --version, made from the table of
// options (see OptionTable).

// "Usage: kelmo [OPTION]... [PATH]" and the other forms, a line each.
std::string UsageText();
// The whole --help text: usage, every option, notes; lines of at most 80 columns.
std::string HelpText();
// The --version text: "Kelmo 2.0.0" and the licence.
std::string VersionText();
