#include "CompletionScript.h"

#include "Options.h"

#include <vector>

namespace {

bool TakesFile(const OptionSpec& spec)
{
    return spec.argument && std::string(spec.argument) == "FILE";
}

// Patterns and the help may be given more than once.
bool Repeatable(const OptionSpec& spec)
{
    return std::string(spec.name).rfind("exclude", 0) == 0;
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
    for (const OptionSpec& spec : OptionTable()) {
        words.push_back(std::string("--") + spec.name);
        if (!spec.argument)
            continue;
        std::vector<std::string>& options = TakesFile(spec) ? fileOptions : otherArgumentOptions;
        options.push_back(words.back());
        if (spec.shortName)
            options.push_back(std::string("-") + spec.shortName);
    }
    return "# bash completion for kelmo, made from its table of options\n"
           "_kelmo()\n"
           "{\n"
           "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
           "    # --option=VALUE: the shell splits the word at '='.\n"
           "    if [[ $cur == = ]]; then cur=; fi\n"
           "    if [[ $prev == = && $COMP_CWORD -gt 1 ]]; then prev=${COMP_WORDS[COMP_CWORD-2]}; fi\n"
           "    case $prev in\n"
           "        " + Joined(fileOptions, "|") + ") COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n"
           "        " + Joined(otherArgumentOptions, "|") + ") COMPREPLY=(); return ;;\n"
           "    esac\n"
           "    if [[ $cur == -* ]]; then\n"
           "        COMPREPLY=($(compgen -W '" + Joined(words, " ") + "' -- \"$cur\"))\n"
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

// One _arguments spec: '(-t --threads)'{-t+,--threads=}'[help]:N: '
std::string ZshSpec(const OptionSpec& spec)
{
    const std::string name = std::string("--") + spec.name;
    const std::string longForm = name + (spec.argument ? "=" : "");
    std::string text = Repeatable(spec) ? "'*'" : "";
    if (spec.shortName) {
        const std::string letter = std::string("-") + spec.shortName;
        text += (Repeatable(spec) ? "" : "'(" + letter + " " + name + ")'") + "{" + letter + (spec.argument ? "+" : "") + ","
            + longForm + "}";
    } else {
        text += "'" + longForm + "'";
    }
    text += "'[" + OneLine(spec.help, ZshEscape) + "]";
    if (spec.argument)
        text += std::string(":") + spec.argument + ":" + (TakesFile(spec) ? "_files" : " ");
    return text + "'";
}

std::string Zsh()
{
    std::string text = "#compdef kelmo\n"
                       "# zsh completion for kelmo, made from its table of options\n"
                       "_arguments -s -S \\\n";
    for (const OptionSpec& spec : OptionTable())
        text += "  " + ZshSpec(spec) + " \\\n";
    return text + "  '1:directory:_directories'\n";
}

std::string FishEscape(char c)
{
    return c == '\'' || c == '\\' ? std::string("\\") + c : std::string(1, c);
}

std::string Fish()
{
    std::string text = "# fish completion for kelmo, made from its table of options\n"
                        "complete -c kelmo -f -a '(__fish_complete_directories)'\n";
    for (const OptionSpec& spec : OptionTable()) {
        text += "complete -c kelmo";
        if (spec.shortName)
            text += std::string(" -s ") + spec.shortName;
        text += std::string(" -l ") + spec.name;
        if (spec.argument)
            text += TakesFile(spec) ? " -r -F" : " -x";
        text += " -d '" + OneLine(spec.help, FishEscape) + "'\n";
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
