#include "Options.h"

#include "KeepPolicy.h"
#include "MomentName.h"
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

int IdOf(std::size_t row)
{
    return OptionTable()[row].shortName ? OptionTable()[row].shortName : kFirstLongId + static_cast<int>(row);
}

// The row getopt_long returned id for; null for a problem.
const OptionRow* RowOf(int id)
{
    for (std::size_t row = 0; row < OptionTable().size(); ++row)
        if (IdOf(row) == id)
            return &OptionTable()[row];
    return nullptr;
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
    void TakeOperand(const std::string& operand);
    void ShareOperands();
    std::string Check() const;

    std::vector<std::string> words;
    std::vector<char*> argv;
    std::vector<std::string> operands;
    // With --import, the operands after --compare are scans of the older
    // side, the others of the newer one.
    std::vector<std::string> importOperands;
    std::vector<std::string> compareOperands;
    bool afterCompare = false; // of --import and --compare, --compare came last
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
    // Operands come back in order as 1, so that each follows its option;
    // a missing argument returns ':', not '?'.
    std::string shortOptions = "-:";
    for (std::size_t index = 0; index < OptionTable().size(); ++index) {
        const OptionRow& row = OptionTable()[index];
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
        if (result == 1) {
            TakeOperand(optarg);
            continue;
        }
        const OptionRow* row = RowOf(result);
        const std::string problem = row ? Apply(*row, optarg ? optarg : "") : ProblemOf(result);
        if (!problem.empty()) {
            options.error = problem;
            return;
        }
    }
    // Those after "--".
    for (auto operand = argv.begin() + optind; operand != argv.end() - 1; ++operand)
        TakeOperand(*operand);
    ShareOperands();
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
    const auto matches = std::count_if(OptionTable().begin(), OptionTable().end(), [&](const OptionRow& row) {
        return DashedName(row).compare(0, given.size(), given) == 0;
    });
    return matches > 1 ? "option '" + given + "' is ambiguous" : "unrecognized option '" + given + "'";
}

void Parser::TakeOperand(const std::string& operand)
{
    operands.push_back(operand);
    (afterCompare ? compareOperands : importOperands).push_back(operand);
}

// With --import every operand is a saved scan: none is left for PATH.
void Parser::ShareOperands()
{
    if (options.importFiles.empty())
        return;
    options.importFiles.insert(options.importFiles.end(), importOperands.begin(), importOperands.end());
    options.compareFiles.insert(options.compareFiles.end(), compareOperands.begin(), compareOperands.end());
    options.fleet = options.importFiles.size() > 1 || options.compareFiles.size() > 1;
    operands.clear();
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
    if (name == "import") {
        options.importFiles = {argument};
        afterCompare = false;
    } else if (name == "compare") {
        options.compareFiles = {argument};
        afterCompare = true;
    } else if (name == "keep") {
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
    const bool imports = !options.importFiles.empty();
    const bool compares = !options.compareFiles.empty();
    const std::size_t paths = scans && !imports ? 1 : 0;
    if (operands.size() > paths)
        return "extra operand '" + operands[paths] + "'";
    if (imports && action != Action::Report && action != Action::Window)
        return std::string("--import and ") + ActionOption(action) + " exclude each other";
    if (!options.keep.empty() && action != Action::Record)
        return "--keep goes with --record";
    if (compares && action != Action::Report && action != Action::Window)
        return "--compare goes with --report or the window";
    if (imports && std::any_of(options.compareFiles.begin(), options.compareFiles.end(), MomentName::IsMoment))
        return "--compare @MOMENT names a recording of PATH's drive, not with --import";
    if (action == Action::Report && compares && options.compareFiles.front() == "-" && paths == 1
        && operands.front() == "-")
        return "standard input cannot be read twice (--compare - and -)";
    const auto standardInputs = std::count(options.importFiles.begin(), options.importFiles.end(), "-")
        + std::count(options.compareFiles.begin(), options.compareFiles.end(), "-");
    if (standardInputs > 1)
        return "standard input cannot be read twice (- given " + std::to_string(standardInputs) + " times)";
    if (imports && !options.excludes.empty())
        return "--exclude applies to a scan, not to a saved scan";
    if (action != Action::Report && options.depth >= 0)
        return DashedName(*depthRow) + " goes with --report";
    if (action != Action::Report && action != Action::History && options.human != HumanSizes::No)
        return "-h and --si go with --report or --history";
    if (options.largest > 0 && (action != Action::Report || compares))
        return "--largest goes with --report, without --compare";
    if ((options.json || options.order != ChildOrder::Listing)
        && (action != Action::Report || compares || options.largest > 0))
        return "--json and --sort go with --report, without --compare or --largest";
    if (options.json && (options.human != HumanSizes::No || options.lineEnd == '\0'))
        return "--json writes bytes, without -h, --si or -0";
    if (options.look != WindowLook::Remembered && action != Action::Window)
        return "--look goes with the window";
    if (options.depth < 0 && options.lineEnd == '\0')
        return "-0 goes with --depth";
    return {};
}

} // namespace

Options ParseOptions(const std::vector<std::string>& args)
{
    return Parser(args).Take();
}
