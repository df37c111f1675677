#pragma once

#include <string>
#include <vector>

// One row of the table of options, which the parser, the help and the shell
// completions are all made from.
struct OptionRow {
    const char* name;     // "threads", for --threads
    char shortName;       // 't' for -t; 0 for none
    const char* argument; // "N", as the help names it ("size|name": one of those words); nullptr for none
    const char* help;     // a "\n" continues it on another line
};

// Every option, in the order the help lists them.
const std::vector<OptionRow>& OptionTable();
// "--threads" for the row of threads.
std::string DashedName(const OptionRow& row);
