#include "CommandLine.h"

#include "Drives.h"

#include <algorithm>

namespace {

// "-" alone is an operand: standard input or output.
bool IsOption(const std::string& argument)
{
    return argument.size() > 1 && argument[0] == '-';
}

std::string Synopsis(const Option& option)
{
    return *option.operands ? std::string(option.name) + " " + option.operands : std::string(option.name);
}

} // namespace

CommandLine::CommandLine(const std::vector<std::string>& args, const std::vector<Option>& table)
    : options(table)
{
    error = Check(args);
}

const Option* CommandLine::Find(const std::string& name) const
{
    const auto found = std::find_if(options.begin(), options.end(),
                                    [&](const Option& option) { return name == option.name; });
    return found == options.end() ? nullptr : &*found;
}

std::string CommandLine::Check(const std::vector<std::string>& args)
{
    if (std::any_of(args.begin(), args.end(), [](const std::string& argument) { return argument.empty(); }))
        return "empty argument";
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!IsOption(args[i])) {
            paths.push_back(args[i]);
            continue;
        }
        const std::string problem = TakeOption(args, i);
        if (!problem.empty())
            return problem;
    }
    if (command)
        return GiveCommandItsOperands();
    return CheckWindowPaths();
}

std::string CommandLine::TakeOption(const std::vector<std::string>& args, std::size_t& i)
{
    const Option* option = Find(args[i]);
    if (!option)
        return "unknown option '" + args[i] + "'";
    const std::string name = option->name;
    if (Has(name))
        return name + " given twice";
    if (option->run && command)
        return std::string(command->name) + " and " + name + " exclude each other";
    Taken taken{option, {}};
    while (taken.operands.size() < option->maxOperands && i + 1 < args.size() && !IsOption(args[i + 1]))
        taken.operands.push_back(args[++i]);
    // A command may also take its operands after other options.
    if (!option->run && taken.operands.size() < option->minOperands)
        return name + " needs " + option->operands;
    if (option->run)
        command = option;
    given.push_back(std::move(taken));
    return {};
}

// A command may also take its operands after other options.
std::string CommandLine::GiveCommandItsOperands()
{
    std::vector<std::string>& operands = std::find_if(given.begin(), given.end(), [this](const Taken& taken) {
                                             return taken.option == command;
                                         })->operands;
    for (const std::string& path : paths) {
        if (operands.size() == command->maxOperands)
            return "'" + path + "' is no operand of " + command->name;
        operands.push_back(path);
    }
    paths.clear();
    if (operands.size() < command->minOperands)
        return std::string(command->name) + " needs " + command->operands;
    return {};
}

std::string CommandLine::CheckWindowPaths() const
{
    if (paths.size() > 1)
        return "the window opens one path, not " + std::to_string(paths.size());
    if (paths.size() == 1 && Drives::CanonicalPath(paths.front()).empty())
        return "no such path: '" + paths.front() + "'";
    return {};
}

const CommandLine::Taken* CommandLine::Given(const std::string& name) const
{
    const auto found = std::find_if(given.begin(), given.end(),
                                    [&](const Taken& taken) { return name == taken.option->name; });
    return found == given.end() ? nullptr : &*found;
}

const std::vector<std::string>& CommandLine::Operands(const std::string& name) const
{
    static const std::vector<std::string> none;
    const Taken* taken = Given(name);
    return taken ? taken->operands : none;
}

std::string CommandLine::Usage() const
{
    const bool tunable = std::any_of(options.begin(), options.end(), [](const Option& option) { return !option.run; });
    const std::string prefix = tunable ? "kelmo [OPTION]... " : "kelmo ";
    std::string text = "Usage: " + prefix + "[PATH]\n";
    for (const Option& option : options)
        if (option.run)
            text += "       " + prefix + Synopsis(option) + "\n";
    return text;
}

std::string CommandLine::OptionList() const
{
    std::size_t width = 0;
    for (const Option& option : options)
        width = std::max(width, Synopsis(option).size());
    const std::string indent(width + 4, ' ');
    std::string text;
    for (const Option& option : options) {
        const std::string synopsis = Synopsis(option);
        text += "  " + synopsis + std::string(width - synopsis.size() + 2, ' ');
        for (const char* c = option.help; *c; ++c)
            text += *c == '\n' ? "\n" + indent : std::string(1, *c);
        text += '\n';
    }
    return text;
}
