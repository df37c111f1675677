#pragma once

#include "ChildOrder.h"
#include "DirTree.h"
#include "OptionTable.h"

#include <string>
#include <vector>

// What a command line asks kelmo (and kelmo-gui) to do.
enum class Action { Window, Report, Export, Record, History, Help, Version };

// How the report writes sizes: as it always does, or as du -h (powers of
// 1024) or du --si (powers of 1000) writes them.
enum class HumanSizes { No, Binary, Decimal };

// The window's look: the one it remembers, or --look's.
enum class WindowLook { Remembered, Classic, Desktop };

// A command line, parsed.
struct Options {
    Action action = Action::Window;
    std::string path; // the PATH operand; empty when none was given
    // --import FILE ("-" = standard input); several: a fleet, shown as one tree. Empty when not given.
    std::vector<std::string> importFiles;
    std::string exportFile; // --export FILE ("-" = standard output)
    // --compare OLD: a saved scan, a directory or a moment ("@7d"); with
    // --import, several saved scans. Empty when not given.
    std::vector<std::string> compareFiles;
    // The saved scans are read as a fleet, even one: each side of a
    // comparison is, when either is a fleet, so that scans match by name.
    bool fleet = false;
    std::string keep; // --keep RULES for --record; empty for the default
    int threads = 0;  // 0 = the walk's default
    SizeMode mode = SizeMode::DiskUsage;
    std::vector<std::string> excludes; // --exclude and --exclude-from patterns
    int depth = -1;                    // --depth N: the report's du-like lines; -1 when not given
    int largest = 0;                   // --largest N: the report lists the N largest files; 0 when not given
    HumanSizes human = HumanSizes::No;
    ChildOrder order = ChildOrder::Listing; // --sort: the order of the report's sub-directories
    bool json = false;                      // --json: the report as one JSON document
    char lineEnd = '\n';                    // -0: '\0'
    WindowLook look = WindowLook::Remembered;
    std::string error; // why the command line is invalid; empty when valid
};

// Parses the arguments after the program's name, with GNU's conventions:
// "--threads=4" or "--threads 4", "-t4" or "-t 4", unambiguous abbreviations
// of long options, options and the PATH in any order, "--" ending the options.
// An option given twice takes its last value. Reads the --exclude-from files.
// With --import there is no PATH: each operand is one more saved scan of the
// --import or --compare before it ("--import a b --compare c d"), of
// --import when neither is.
Options ParseOptions(const std::vector<std::string>& args);
