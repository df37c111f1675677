#include "HelpText.h"

#include "OptionTable.h"

#include <algorithm>

namespace {

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
    for (const OptionRow& row : OptionTable())
        width = std::max(width, Synopsis(row).size());
    const std::string indent(width + 4, ' ');
    std::string text;
    for (const OptionRow& row : OptionTable()) {
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
    "With --import, every operand is one more saved scan, of --import's side or,\n"
    "after --compare, of the older one: kelmo --import a1 b1 --compare a0 b0\n"
    "shows what grew on each machine. A scan is named by the host it records\n"
    "(else by its file's name) and its root; Save Scan As refuses such a tree.\n"
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

std::string UsageText()
{
    return "Usage: kelmo [OPTION]... [PATH]\n"
           "  or:  kelmo [OPTION]... --report [PATH]\n"
           "  or:  kelmo [OPTION]... --report --import FILE...\n"
           "  or:  kelmo [OPTION]... --report --compare OLD [PATH]\n"
           "  or:  kelmo [OPTION]... --export FILE [PATH]\n"
           "  or:  kelmo [OPTION]... --record [PATH]\n"
           "  or:  kelmo [OPTION]... --history [PATH]\n"
           "  or:  kelmo [OPTION]... --import FILE... [--compare OLD...]\n"
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
