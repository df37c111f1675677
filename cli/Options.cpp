#include "Options.h"

#include "KeepPolicy.h"
#include "ThreadCount.h"

#include <getopt.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace {

// Long options without a short name get ids above every character.
constexpr int kFirstLongId = 256;

const std::vector<OptionRow> kTable{
    {"report", 0, nullptr,
     "print the figures of PATH and the size of each of\n"
     "its sub-directories, without a window (with --import:\n"
     "those of the saved scan's root)"},
    {"export", 0, "FILE",
     "scan PATH and write it to FILE as a saved scan (- is\n"
     "standard output; FILE.zst is compressed with zstd)"},
    {"import", 0, "FILE",
     "read the saved scan FILE (also compressed with gzip\n"
     "or zstd; - is standard input) for the window or\n"
     "--report"},
    {"compare", 0, "OLD",
     "show what grew since OLD, a saved scan (with --report\n"
     "also a directory) or a recording of PATH's drive\n"
     "(@latest, @yesterday, @7d, @2026-12-01); the newer\n"
     "side is PATH (in the window by default the drive\n"
     "OLD was made of)"},
    {"record", 0, nullptr,
     "scan the drive that holds PATH (default: /) and keep\n"
     "the scan in the drive's history"},
    {"keep", 0, "RULES",
     "with --record: the recordings kept as they age\n"
     "(default: all:2d,daily:30d,weekly:1y,monthly:forever)"},
    {"history", 0, nullptr,
     "list the recordings of the drive that holds PATH\n"
     "(default: /): UTC time, used bytes, change"},
    {"apparent-size", 'a', nullptr,
     "count apparent sizes (the lengths of the files)\n"
     "instead of disk usage; in the window, key A switches"},
    {"bytes", 'b', nullptr, "apparent sizes in bytes, as du -b counts them"},
    {"depth", 'd', "N",
     "with --report: print the size of every directory N\n"
     "or fewer levels below PATH, deepest first, as du does"},
    {"max-depth", 0, "N", "like --depth, as du names it"},
    {"summarize", 's', nullptr, "with --report: --depth=0, the size of PATH alone"},
    {"largest", 0, "N",
     "with --report: print the N largest files of the scan,\n"
     "largest first, as lines of size, tab, path"},
    {"json", 0, nullptr,
     "with --report: write the figures and the sub-\n"
     "directories (with --depth the tree) as one JSON\n"
     "document"},
    {"sort", 0, "size|name",
     "with --report: sub-directories largest first, or by\n"
     "name in byte order (default: as the file system\n"
     "lists them)"},
    {"human-readable", 'h', nullptr, "with --report: sizes in powers of 1024 (1.5K 234M 2G)"},
    {"si", 0, nullptr, "like -h, but in powers of 1000"},
    {"null", '0', nullptr, "with --depth: end each line with NUL, not newline"},
    {"exclude", 0, "PATTERN",
     "skip the files and directories whose name or path\n"
     "matches the shell pattern PATTERN, as du does"},
    {"exclude-from", 'X', "FILE", "skip what matches any pattern in FILE (one a line)"},
    {"threads", 't', "N", "walk with N threads (default: 16)"},
    {"look", 0, "LOOK",
     "the window's look for this run: classic (Kelmo's own)\n"
     "or desktop (the desktop's style, colours and fonts);\n"
     "the window's View menu changes it for good"},
    {"one-file-system", 'x', nullptr, "accepted as du's: a scan never leaves PATH's drive"},
    {"help", 0, nullptr, "show this help and exit"},
    {"version", 0, nullptr, "show the version and exit"},
};

int IdOf(std::size_t row)
{
    return kTable[row].shortName ? kTable[row].shortName : kFirstLongId + static_cast<int>(row);
}

// The row getopt_long returned id for; null for a problem.
const OptionRow* RowOf(int id)
{
    for (std::size_t row = 0; row < kTable.size(); ++row)
        if (IdOf(row) == id)
            return &kTable[row];
    return nullptr;
}

std::string DashedName(const OptionRow& row)
{
    return std::string("--") + row.name;
}

const char* ActionOption(Action action)
{
    switch (action) {
    case Action::Report:
        return "--report";
    case Action::Export:
        return "--export";
    case Action::Record:
        return "--record";
    case Action::History:
        return "--history";
    case Action::Help:
        return "--help";
    case Action::Version:
        return "--version";
    case Action::Window:
        break;
    }
    return "";
}

// Lines of file, without trailing blanks; empty lines are no patterns.
bool ReadPatterns(const std::string& file, std::vector<std::string>& patterns)
{
    std::ifstream in(file);
    if (!in)
        return false;
    for (std::string line; std::getline(in, line);) {
        line.erase(line.find_last_not_of(" \t\r\v\f") + 1);
        if (!line.empty())
            patterns.push_back(line);
    }
    return !in.bad();
}

// A number from 0 to INT_MAX, or -1.
int DepthOf(const std::string& text)
{
    char* end = nullptr;
    errno = 0;
    const long depth = std::strtol(text.c_str(), &end, 10);
    const bool valid = !text.empty() && *end == '\0' && errno == 0 && depth >= 0 && depth <= INT_MAX;
    return valid ? static_cast<int>(depth) : -1;
}

// Remembered for a name that is neither look's.
WindowLook LookNamed(const std::string& name)
{
    if (name == "classic")
        return WindowLook::Classic;
    return name == "desktop" ? WindowLook::Desktop : WindowLook::Remembered;
}

class Parser {
public:
    explicit Parser(const std::vector<std::string>& args);
    Options Take() { return std::move(options); }

private:
    void Parse();
    std::string Apply(const OptionRow& row, const std::string& argument);
    std::string SetAction(Action action);
    int SetDepth(const OptionRow& row, int depth);
    bool SetOrder(const std::string& word);
    std::string ProblemOf(int result) const;
    std::string Check() const;

    std::vector<std::string> words;
    std::vector<char*> argv;
    std::vector<std::string> operands;
    Options options;
    const OptionRow* depthRow = nullptr; // the option that set the depth, as the problems name it
};

Parser::Parser(const std::vector<std::string>& args) : words(args)
{
    words.insert(words.begin(), "kelmo");
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    if (std::any_of(args.begin(), args.end(), [](const std::string& arg) { return arg.empty(); }))
        options.error = "empty argument";
    else
        Parse();
}

void Parser::Parse()
{
    std::vector<option> longOptions;
    std::string shortOptions = ":"; // a missing argument returns ':', not '?'
    for (std::size_t index = 0; index < kTable.size(); ++index) {
        const OptionRow& row = kTable[index];
        longOptions.push_back({row.name, row.argument ? required_argument : no_argument, nullptr, IdOf(index)});
        if (row.shortName)
            shortOptions += std::string(1, row.shortName) + (row.argument ? ":" : "");
    }
    longOptions.push_back({nullptr, 0, nullptr, 0});

    optind = 0; // starts getopt afresh, also after an earlier parse
    opterr = 0; // the problems are said here, once
    const int argc = static_cast<int>(words.size());
    for (int result;
         (result = getopt_long(argc, argv.data(), shortOptions.c_str(), longOptions.data(), nullptr)) != -1;) {
        const OptionRow* row = RowOf(result);
        const std::string problem = row ? Apply(*row, optarg ? optarg : "") : ProblemOf(result);
        if (!problem.empty()) {
            options.error = problem;
            return;
        }
    }
    // getopt_long has moved the operands behind the options.
    operands.assign(argv.begin() + optind, argv.end() - 1);
    options.error = Check();
    if (options.error.empty() && !operands.empty())
        options.path = operands.front();
}

// Why getopt_long refused the argument it returned result for. An unknown
// letter is named alone: within a cluster ("-sh") getopt_long leaves optind
// on the cluster until its last letter, so the word before it says nothing.
// An unknown long option leaves optopt 0; any other refusal is of a known
// option, after which optind has passed the word that names it.
std::string Parser::ProblemOf(int result) const
{
    const std::string letter(1, static_cast<char>(optopt));
    if (optopt != 0 && !RowOf(optopt))
        return "invalid option -- '" + letter + "'";
    const std::string word = words[static_cast<std::size_t>(optind - 1)];
    if (word.compare(0, 2, "--") != 0)
        return "option requires an argument -- '" + letter + "'";
    const std::string given = word.substr(0, word.find('='));
    if (result == ':')
        return "option '" + given + "' requires an argument";
    if (optopt != 0)
        return "option '" + given + "' doesn't allow an argument";
    const auto matches = std::count_if(kTable.begin(), kTable.end(), [&](const OptionRow& row) {
        return DashedName(row).compare(0, given.size(), given) == 0;
    });
    return matches > 1 ? "option '" + given + "' is ambiguous" : "unrecognized option '" + given + "'";
}

std::string Parser::SetAction(Action action)
{
    if (options.action != Action::Window && options.action != action)
        return std::string(ActionOption(options.action)) + " and " + ActionOption(action) + " exclude each other";
    options.action = action;
    return {};
}

int Parser::SetDepth(const OptionRow& row, int depth)
{
    depthRow = &row;
    return options.depth = depth;
}

bool Parser::SetOrder(const std::string& word)
{
    options.order = word == "size" ? ChildOrder::LargestFirst : ChildOrder::ByName;
    return word == "size" || word == "name";
}

std::string Parser::Apply(const OptionRow& row, const std::string& argument)
{
    const std::string name = row.name;
    if (name == "report")
        return SetAction(Action::Report);
    if (name == "export") {
        options.exportFile = argument;
        return SetAction(Action::Export);
    }
    if (name == "record")
        return SetAction(Action::Record);
    if (name == "history")
        return SetAction(Action::History);
    if (name == "help")
        return SetAction(Action::Help);
    if (name == "version")
        return SetAction(Action::Version);
    if (name == "import")
        options.importFile = argument;
    else if (name == "compare")
        options.compareFile = argument;
    else if (name == "keep") {
        KeepPolicy unused;
        std::string problem;
        options.keep = argument;
        if (!KeepPolicy::Parse(argument, unused, problem))
            return problem;
    } else if (name == "apparent-size")
        options.mode = SizeMode::Apparent;
    else if (name == "bytes") {
        options.mode = SizeMode::Apparent;
        options.human = HumanSizes::No;
    } else if (name == "human-readable")
        options.human = HumanSizes::Binary;
    else if (name == "si")
        options.human = HumanSizes::Decimal;
    else if (name == "json")
        options.json = true;
    else if (name == "sort" && !SetOrder(argument))
        return "invalid sort '" + argument + "' (size or name)";
    else if (name == "null")
        options.lineEnd = '\0';
    else if (name == "exclude")
        options.excludes.push_back(argument);
    else if (name == "exclude-from" && !ReadPatterns(argument, options.excludes))
        return "cannot read '" + argument + "': " + std::strerror(errno);
    else if (name == "threads" && (options.threads = ThreadCountOf(argument)) < 0)
        return "invalid number of threads '" + argument + "' (from 1 to 256)";
    else if (name == "look" && (options.look = LookNamed(argument)) == WindowLook::Remembered)
        return "invalid look '" + argument + "' (classic or desktop)";
    else if (name == "summarize")
        SetDepth(row, 0);
    else if ((name == "depth" || name == "max-depth") && SetDepth(row, DepthOf(argument)) < 0)
        return "invalid depth '" + argument + "'";
    else if (name == "largest" && (options.largest = DepthOf(argument)) <= 0)
        return "invalid number of files '" + argument + "'";
    return {};
}

// What holds for the options together.
std::string Parser::Check() const
{
    const Action action = options.action;
    const bool scans = action == Action::Window || action == Action::Report || action == Action::Export
        || action == Action::Record || action == Action::History;
    const std::size_t paths = scans && options.importFile.empty() ? 1 : 0;
    if (operands.size() > paths)
        return "extra operand '" + operands[paths] + "'";
    if (!options.importFile.empty() && action != Action::Report && action != Action::Window)
        return std::string("--import and ") + ActionOption(action) + " exclude each other";
    if (!options.keep.empty() && action != Action::Record)
        return "--keep goes with --record";
    if (!options.compareFile.empty() && action != Action::Report && action != Action::Window)
        return "--compare goes with --report or the window";
    if (!options.compareFile.empty() && !options.importFile.empty())
        return "--compare takes the newer side as PATH, not --import";
    if (action == Action::Report && options.compareFile == "-" && paths == 1 && operands.front() == "-")
        return "standard input cannot be read twice (--compare - and -)";
    if (!options.importFile.empty() && !options.excludes.empty())
        return "--exclude applies to a scan, not to a saved scan";
    if (action != Action::Report && options.depth >= 0)
        return DashedName(*depthRow) + " goes with --report";
    if (action != Action::Report && action != Action::History && options.human != HumanSizes::No)
        return "-h and --si go with --report or --history";
    if (options.largest > 0 && (action != Action::Report || !options.compareFile.empty()))
        return "--largest goes with --report, without --compare";
    if ((options.json || options.order != ChildOrder::Listing)
        && (action != Action::Report || !options.compareFile.empty() || options.largest > 0))
        return "--json and --sort go with --report, without --compare or --largest";
    if (options.json && (options.human != HumanSizes::No || options.lineEnd == '\0'))
        return "--json writes bytes, without -h, --si or -0";
    if (options.look != WindowLook::Remembered && action != Action::Window)
        return "--look goes with the window";
    if (options.depth < 0 && options.lineEnd == '\0')
        return "-0 goes with --depth";
    return {};
}

std::string Synopsis(const OptionRow& row)
{
    std::string text = row.shortName ? std::string("-") + row.shortName + ", " : "    ";
    text += DashedName(row);
    if (row.argument)
        text += std::string("=") + row.argument;
    return text;
}

std::string OptionList()
{
    std::size_t width = 0;
    for (const OptionRow& row : kTable)
        width = std::max(width, Synopsis(row).size());
    const std::string indent(width + 4, ' ');
    std::string text;
    for (const OptionRow& row : kTable) {
        const std::string synopsis = Synopsis(row);
        text += "  " + synopsis + std::string(width - synopsis.size() + 2, ' ');
        for (const char* c = row.help; *c; ++c)
            text += *c == '\n' ? "\n" + indent : std::string(1, *c);
        text += '\n';
    }
    return text;
}

const char* const kAbout =
    "Shows how the bytes of a directory divide among its sub-directories, on one\n"
    "file system. Without PATH: the file system of the current directory in the\n"
    "window, and the current directory for --report and --export.\n"
    "\n";

const char* const kNotes =
    "\n"
    "Unlike du: -a is --apparent-size, not --all; -t is --threads, not --threshold.\n"
    "\n"
    "In the report, a control byte of a name (below 0x20, and 0x7f) is written\n"
    "as \\xhh with two lower-case hex digits, and a backslash as \\\\.\n"
    "\n"
    "The JSON report names a name that is not UTF-8 in a \"name_bytes\" field\n"
    "(a path in \"path_bytes\"), its bytes in base64, beside a \"name\" that\n"
    "shows each byte that is not UTF-8 as U+FFFD; kelmo(1) describes it.\n"
    "\n"
    "Directories that cannot be read are named on standard error, and the\n"
    "figures are what could be read.\n"
    "\n"
    "A saved scan is the JSON export of ncdu (ncdu -o FILE), which gdu -o writes\n"
    "too; kelmo --export writes it, ncdu -f and gdu -f read what it writes.\n"
    "\n"
    "The recordings of --record are kept in $XDG_STATE_HOME/kelmo/history (for\n"
    "root /var/lib/kelmo/history; $KELMO_HISTORY_DIR when set), a folder a drive;\n"
    "their days and times are UTC's.\n"
    "\n"
    "Exit status: 0 when all went well; 1 when PATH cannot be read or is empty,\n"
    "a directory below it could not be read, a saved scan cannot be read or is\n"
    "damaged, a write fails, or the window cannot be opened; 2 for an invalid\n"
    "command line.\n";

} // namespace

const std::vector<OptionRow>& OptionTable()
{
    return kTable;
}

Options ParseOptions(const std::vector<std::string>& args)
{
    return Parser(args).Take();
}

std::string UsageText()
{
    return "Usage: kelmo [OPTION]... [PATH]\n"
           "  or:  kelmo [OPTION]... --report [PATH]\n"
           "  or:  kelmo [OPTION]... --report --import FILE\n"
           "  or:  kelmo [OPTION]... --report --compare OLD [PATH]\n"
           "  or:  kelmo [OPTION]... --export FILE [PATH]\n"
           "  or:  kelmo [OPTION]... --record [PATH]\n"
           "  or:  kelmo [OPTION]... --history [PATH]\n"
           "  or:  kelmo [OPTION]... --import FILE\n"
           "  or:  kelmo [OPTION]... --compare OLD [PATH]\n";
}

std::string HelpText()
{
    return UsageText() + kAbout + OptionList() + kNotes;
}

std::string VersionText()
{
    return "Kelmo " KELMO_VERSION
           "\n"
           "Copyright 2026 The Kelmo developers. MIT licence.\n";
}
