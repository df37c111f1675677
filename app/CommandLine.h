#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CommandLine;

// One row of a program's table of options. An option with a run function is
// a command: it decides what the program does (a command line holds at most
// one), and run gives the exit status. An option without one tunes the
// command (a number of threads, say), which reads it through Has and Operands.
struct Option {
    const char* name;        // "--report"
    const char* operands;    // as the help names them: "PATH", "FILE [PATH]"; "" for none
    std::size_t minOperands;
    std::size_t maxOperands;
    const char* help;        // a "\n" continues it on another line
    int (*run)(const CommandLine& line);
};

// kelmo's arguments checked against a table of options. Operands follow
// their option and never begin with "-" (such a path is written ./-NAME),
// but "-" alone is one (standard input or output). An
// argument of no option is the path of the window, which takes at most one,
// naming something that exists, and none when a command is given. No
// argument may be empty and no option may be given twice.
class CommandLine {
public:
    // args: the arguments after the program's name; options must outlive this.
    CommandLine(const std::vector<std::string>& args, const std::vector<Option>& options);

    // Why the command line is invalid ("unknown option '--bogus'"); empty
    // when it is valid.
    const std::string& Error() const { return error; }
    // The command given; null when the command line asks for the window.
    const Option* Command() const { return command; }
    // Whether the named option was given (with its operands, if any).
    bool Has(const std::string& name) const { return Given(name) != nullptr; }
    // The operands given to the named option; none when it was not given.
    const std::vector<std::string>& Operands(const std::string& name) const;
    // The arguments of no option: the path the window opens.
    const std::vector<std::string>& WindowPaths() const { return paths; }

    // "Usage: kelmo [PATH]" and a line per command.
    std::string Usage() const;
    // Every option with its help, in table order.
    std::string OptionList() const;

private:
    struct Taken {
        const Option* option;
        std::vector<std::string> operands;
    };

    const Option* Find(const std::string& name) const;
    const Taken* Given(const std::string& name) const;
    std::string Check(const std::vector<std::string>& args);
    // Takes the option at args[i] and its operands, leaving i on the last one taken.
    std::string TakeOption(const std::vector<std::string>& args, std::size_t& i);
    std::string GiveCommandItsOperands();
    std::string CheckWindowPaths() const;

    const std::vector<Option>& options;
    std::vector<Taken> given;
    std::vector<std::string> paths;
    const Option* command = nullptr;
    std::string error;
};
