#include "CommandLine.h"
#include "TempTree.h"

#include <gtest/gtest.h>

namespace {

int Run(const CommandLine&)
{
    return 0;
}

// A command with an optional operand and an option that tunes the command,
// besides the kinds kelmo has today.
const std::vector<Option> kOptions{
    {"--report", "PATH", 1, 1, "print the report\nof PATH", Run},
    {"--export", "FILE [PATH]", 1, 2, "save a scan", Run},
    {"--help", "", 0, 0, "show this help", Run},
    {"--threads", "N", 1, 1, "scan with N threads", nullptr},
};

} // namespace

TEST(CommandLine, RejectsUnknownOptionsWrongCountsEmptyAndMissingPaths)
{
    TempTree tree;
    tree.Dir("a");
    tree.Dir("b");
    const std::vector<std::vector<std::string>> invalid{
        {"--bogus"}, {"-reverse"}, {"--"}, {"-"}, {""}, {"--report", ""}, {"--help", "extra"},
        {"--report"}, {"--report", "x", "y"}, {"--report", "--help"}, {"--help", "--report", "x"},
        {"--export"}, {"--export", "f", "p", "q"}, {"--threads"}, {"--threads", "2", "--threads", "3"},
        {tree.Path("a"), tree.Path("b")}, {tree.Path("missing")}, {"--report", "x", tree.Path("a")}};
    for (const auto& args : invalid)
        EXPECT_FALSE(CommandLine(args, kOptions).Error().empty()) << ::testing::PrintToString(args);
    EXPECT_EQ(CommandLine({"--bogus"}, kOptions).Error(), "unknown option '--bogus'");
    EXPECT_EQ(CommandLine({"--report"}, kOptions).Error(), "--report needs PATH");
}

TEST(CommandLine, CommandsTakeTheirOperandsAndTuningOptionsCombine)
{
    TempTree tree;
    tree.Dir("a");
    const CommandLine window({"--threads", "4", tree.Path("a")}, kOptions);
    EXPECT_EQ(window.Error(), "");
    EXPECT_EQ(window.Command(), nullptr);
    EXPECT_EQ(window.Operands("--threads"), std::vector<std::string>{"4"});
    EXPECT_FALSE(window.Has("--report"));
    EXPECT_TRUE(CommandLine({"--help"}, kOptions).Has("--help"));

    const CommandLine report({"--report", "missing", "--threads", "2"}, kOptions);
    EXPECT_EQ(report.Error(), "");
    ASSERT_NE(report.Command(), nullptr);
    EXPECT_STREQ(report.Command()->name, "--report");
    EXPECT_EQ(report.Operands("--report"), std::vector<std::string>{"missing"});
    EXPECT_EQ(CommandLine({"--report", "--threads", "2", "p"}, kOptions).Operands("--report"),
              std::vector<std::string>{"p"});

    EXPECT_EQ(CommandLine({"--export", "f"}, kOptions).Operands("--export"), std::vector<std::string>{"f"});
    EXPECT_EQ(CommandLine({"--export", "f", "p"}, kOptions).Operands("--export"),
              (std::vector<std::string>{"f", "p"}));
    EXPECT_EQ(CommandLine({"--export", "-", "p"}, kOptions).Operands("--export"),
              (std::vector<std::string>{"-", "p"})) << "- alone is standard output, an operand";
    EXPECT_EQ(CommandLine({}, kOptions).Error(), "");
}

TEST(CommandLine, UsageAndOptionListComeFromTheTable)
{
    const CommandLine line({}, kOptions);
    EXPECT_EQ(line.Usage(), "Usage: kelmo [OPTION]... [PATH]\n"
                            "       kelmo [OPTION]... --report PATH\n"
                            "       kelmo [OPTION]... --export FILE [PATH]\n"
                            "       kelmo [OPTION]... --help\n");
    EXPECT_EQ(line.OptionList(), "  --report PATH         print the report\n"
                                 "                        of PATH\n"
                                 "  --export FILE [PATH]  save a scan\n"
                                 "  --help                show this help\n"
                                 "  --threads N           scan with N threads\n");
}
