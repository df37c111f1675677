#include "CompletionScript.h"

#include "Options.h"

#include <algorithm>
#include <vector>

namespace {

// A saved scan, a file of patterns, or OLD: a saved scan or a directory.
bool TakesFile(const OptionRow& row)
{
    return row.argument && (std::string(row.argument) == "FILE" || std::string(row.argument) == "OLD");
}

// The words an argument written as "size|name" may be, separated by
// spaces; empty for an argument that is not such a choice.
std::string Choices(const OptionRow& row)
{
    std::string words = row.argument ? row.argument : "";
    if (words.find('|') == std::string::npos)
        return {};
    std::replace(words.begin(), words.end(), '|', ' ');
    return words;
}

// Patterns and the help may be given more than once.
bool Repeatable(const OptionRow& row)
{
    return std::string(row.name).rfind("exclude", 0) == 0;
}

// The help on one line, with each character in escapes replaced as escape says.
std::string OneLine(const char* help, std::string (*escape)(char))
{
    std::string text;
    for (const char* c = help; *c; ++c)
        text += *c == '\n' ? std::string(" ") : escape(*c);
    return text;
}

std::string Joined(const std::vector<std::string>& parts, const char* separator)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : separator) + part;
    return text;
}

std::string Bash()
{
    std::vector<std::string> words;
    std::vector<std::string> fileOptions;
    std::vector<std::string> otherArgumentOptions;
    std::string choiceCases;
    for (const OptionRow& row : OptionTable()) {
        words.push_back(std::string("--") + row.name);
        const std::string choices = Choices(row);
        if (!choices.empty())
            choiceCases += "        " + words.back() + ") COMPREPLY=($(compgen -W '" + choices
                + "' -- \"$cur\")); return ;;\n";
        if (!row.argument || !choices.empty())
            continue;
        std::vector<std::string>& options = TakesFile(row) ? fileOptions : otherArgumentOptions;
        options.push_back(words.back());
        if (row.shortName)
            options.push_back(std::string("-") + row.shortName);
    }
    return "# bash completion for kelmo, made from its table of options\n"
           "_kelmo()\n"
           "{\n"
           "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
           "    # --option=VALUE: the shell splits the word at '='.\n"
           "    if [[ $cur == = ]]; then cur=; fi\n"
           "    if [[ $prev == = && $COMP_CWORD -gt 1 ]]; then prev=${COMP_WORDS[COMP_CWORD-2]}; fi\n"
           "    case $prev in\n" + choiceCases +
           "        " + Joined(fileOptions, "|") + ") COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n"
           "        " + Joined(otherArgumentOptions, "|") + ") COMPREPLY=(); return ;;\n"
           "    esac\n"
           "    # With --import every operand is a saved scan, else it is PATH.\n"
           "    local word imports=\n"
           "    for word in \"${COMP_WORDS[@]}\"; do [[ $word == --import ]] && imports=1; done\n"
           "    if [[ $cur == -* ]]; then\n"
           "        COMPREPLY=($(compgen -W '" + Joined(words, " ") + "' -- \"$cur\"))\n"
           "    elif [[ $imports ]]; then\n"
           "        COMPREPLY=($(compgen -f -- \"$cur\"))\n"
           "    else\n"
           "        COMPREPLY=($(compgen -d -- \"$cur\"))\n"
           "    fi\n"
           "}\n"
           "complete -o filenames -F _kelmo kelmo\n";
}

std::string ZshEscape(char c)
{
    switch (c) {
    case '\'':
        return "'\\''";
    case '[':
    case ']':
    case ':':
    case '\\':
        return std::string("\\") + c;
    default:
        return std::string(1, c);
    }
}

// One _arguments entry: '(-t --threads)'{-t+,--threads=}'[help]:N: '
std::string ZshArgument(const OptionRow& row)
{
    const std::string name = std::string("--") + row.name;
    const std::string longForm = name + (row.argument ? "=" : "");
    std::string text = Repeatable(row) ? "'*'" : "";
    if (row.shortName) {
        const std::string letter = std::string("-") + row.shortName;
        text += (Repeatable(row) ? "" : "'(" + letter + " " + name + ")'") + "{" + letter + (row.argument ? "+" : "")
            + "," + longForm + "}";
    } else {
        text += "'" + longForm + "'";
    }
    text += "'[" + OneLine(row.help, ZshEscape) + "]";
    if (row.argument)
        text += std::string(":") + row.argument + ":"
            + (TakesFile(row)             ? "_files"
                   : Choices(row).empty() ? " "
                                          : "(" + Choices(row) + ")");
    return text + "'";
}

std::string Zsh()
{
    std::string text =
        "#compdef kelmo\n"
        "# zsh completion for kelmo, made from its table of options\n"
        "_arguments -s -S \\\n";
    for (const OptionRow& row : OptionTable())
        text += "  " + ZshArgument(row) + " \\\n";
    // With --import every operand is a saved scan, else the one is PATH.
    return text
        + "  '*:directory or saved scan:{ if (( ${words[(I)--import*]} )); then _files; else _directories; fi }'\n";
}

std::string FishEscape(char c)
{
    return c == '\'' || c == '\\' ? std::string("\\") + c : std::string(1, c);
}

std::string Fish()
{
    std::string text =
        "# fish completion for kelmo, made from its table of options\n"
        "complete -c kelmo -f -a '(__fish_complete_directories)'\n"
        "# With --import every operand is a saved scan.\n"
        "complete -c kelmo -n '__fish_contains_opt import' -F\n";
    for (const OptionRow& row : OptionTable()) {
        text += "complete -c kelmo";
        if (row.shortName)
            text += std::string(" -s ") + row.shortName;
        text += std::string(" -l ") + row.name;
        if (row.argument)
            text += TakesFile(row) ? " -r -F" : " -x";
        if (!Choices(row).empty())
            text += " -a '" + Choices(row) + "'";
        text += " -d '" + OneLine(row.help, FishEscape) + "'\n";
    }
    return text;
}

} // namespace

std::string CompletionScript(const std::string& shell)
{
    if (shell == "bash")
        return Bash();
    if (shell == "zsh")
        return Zsh();
    if (shell == "fish")
        return Fish();
    return {};
}
