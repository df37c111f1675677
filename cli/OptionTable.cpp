#include "OptionTable.h"

namespace {

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
     "--report; several FILEs (--import a b c) are shown\n"
     "as one tree, a directory HOST:ROOT for each"},
    {"compare", 0, "OLD",
     "show what grew since OLD, a saved scan (with --report\n"
     "also a directory) or a recording of PATH's drive\n"
     "(@latest, @yesterday, @7d, @2026-12-01); the newer\n"
     "side is PATH (in the window by default the drive\n"
     "OLD was made of), or --import's saved scans, which\n"
     "several OLDs match by host and root"},
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

} // namespace

const std::vector<OptionRow>& OptionTable()
{
    return kTable;
}

std::string DashedName(const OptionRow& row)
{
    return std::string("--") + row.name;
}
