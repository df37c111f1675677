#include "HelpText.h"
#include "Options.h"
#include "TempTree.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

TEST(Options, FollowGnuConventions)
{
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--threads=4", "--report", "dir"},
                                               {"--threads", "4", "dir", "--rep"},
                                               {"-t4", "--report", "dir"},
                                               {"dir", "-t", "4", "--report"}}) {
        const Options options = ParseOptions(args);
        EXPECT_EQ(options.error, "") << ::testing::PrintToString(args);
        EXPECT_EQ(options.action, Action::Report);
        EXPECT_EQ(options.threads, 4);
        EXPECT_EQ(options.path, "dir");
    }
    const Options dashed = ParseOptions({"-a", "--", "-dir"});
    EXPECT_EQ(dashed.error, "");
    EXPECT_EQ(dashed.action, Action::Window);
    EXPECT_EQ(dashed.mode, SizeMode::Apparent);
    EXPECT_EQ(dashed.path, "-dir") << "-- ends the options";

    const Options clustered = ParseOptions({"--report", "-ah0d2", "--exclude=*.o", "--exclude", "tmp"});
    EXPECT_EQ(clustered.error, "");
    EXPECT_EQ(clustered.mode, SizeMode::Apparent);
    EXPECT_EQ(clustered.human, HumanSizes::Binary);
    EXPECT_EQ(clustered.lineEnd, '\0');
    EXPECT_EQ(clustered.depth, 2);
    EXPECT_EQ(clustered.excludes, (std::vector<std::string>{"*.o", "tmp"}));
    EXPECT_EQ(clustered.path, "");

    const Options exported = ParseOptions({"--export", "-", "--import=x"});
    EXPECT_EQ(exported.exportFile, "-") << "- alone is standard output, an argument";
    EXPECT_EQ(exported.error, "--import and --export exclude each other");
}

// With --import every operand is a saved scan of the side whose option came
// last before it; without, the operand after --compare stays PATH.
TEST(Options, SeveralSavedScansJoinTheImportOrCompareBeforeThem)
{
    const Options fleets = ParseOptions({"--import", "a1", "b1", "--report", "c1", "--compare", "a0", "--import=d1",
                                         "e1", "--compare=a0", "--", "-b0"});
    EXPECT_EQ(fleets.error, "");
    EXPECT_EQ(fleets.importFiles, (std::vector<std::string>{"d1", "b1", "c1", "e1"}));
    EXPECT_EQ(fleets.compareFiles, (std::vector<std::string>{"a0", "-b0"}));
    EXPECT_EQ(fleets.path, "");
    EXPECT_TRUE(fleets.fleet);

    const Options pair = ParseOptions({"--import", "new", "--compare", "old"});
    EXPECT_EQ(pair.error, "");
    EXPECT_FALSE(pair.fleet) << "one saved scan against another is no fleet";
    EXPECT_TRUE(ParseOptions({"--import", "new", "--compare", "old1", "old2"}).fleet);

    const Options live = ParseOptions({"--report", "--compare", "old", "dir"});
    EXPECT_EQ(live.compareFiles, (std::vector<std::string>{"old"}));
    EXPECT_EQ(live.path, "dir");
    EXPECT_FALSE(live.fleet);
}

TEST(Options, ARepeatedOptionTakesItsLastValue)
{
    const Options options = ParseOptions({"--threads", "4", "--threads", "5", "--si", "-h", "--report", "--report"});
    EXPECT_EQ(options.error, "");
    EXPECT_EQ(options.threads, 5);
    EXPECT_EQ(options.human, HumanSizes::Binary);
}

TEST(Options, InvalidCommandLinesSayWhy)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--bogus"}, "unrecognized option '--bogus'"},
        {{"--ex=x"}, "option '--ex' is ambiguous"},
        {{"--threads"}, "option '--threads' requires an argument"},
        {{"-t"}, "option requires an argument -- 't'"},
        {{"--help=x"}, "option '--help' doesn't allow an argument"},
        {{"-reverse"}, "invalid option -- 'r'"},
        {{"a", "b"}, "extra operand 'b'"},
        {{"--help", "a"}, "extra operand 'a'"},
        {{"--import", "f", "--compare", "@7d"},
         "--compare @MOMENT names a recording of PATH's drive, not with --import"},
        {{"--import", "-", "g", "--compare", "-"}, "standard input cannot be read twice (- given 2 times)"},
        {{"--report", "--export", "f"}, "--report and --export exclude each other"},
        {{"--threads", "0"}, "invalid number of threads '0' (from 1 to 256)"},
        {{"-t", "4x"}, "invalid number of threads '4x' (from 1 to 256)"},
        {{"--report", "-d", "-1"}, "invalid depth '-1'"},
        {{"-d", "1"}, "--depth goes with --report"},
        {{"-h"}, "-h and --si go with --report or --history"},
        {{"--report", "-0"}, "-0 goes with --depth"},
        {{"--report", "--largest", "0"}, "invalid number of files '0'"},
        {{"--largest", "3"}, "--largest goes with --report, without --compare"},
        {{"--import", "f", "--exclude", "x"}, "--exclude applies to a scan, not to a saved scan"},
        {{"--report", ""}, "empty argument"},
        // Within a cluster the letter that is wrong is named, not the word before.
        {{"--report", "-B1"}, "invalid option -- 'B'"},
        {{"--threads=4", "-sz", "d"}, "invalid option -- 'z'"},
        {{"--report", "-xd"}, "option requires an argument -- 'd'"},
        {{"-s", "d"}, "--summarize goes with --report"},
        {{"--max-depth=1"}, "--max-depth goes with --report"},
        {{"--report", "--max-depth", "x"}, "invalid depth 'x'"},
        {{"--report", "--compare", "-", "-"}, "standard input cannot be read twice (--compare - and -)"},
        {{"--report", "--sort=date"}, "invalid sort 'date' (size or name)"},
        {{"--sort=size"}, "--json and --sort go with --report, without --compare or --largest"},
        {{"--report", "--json", "--compare", "o"},
         "--json and --sort go with --report, without --compare or --largest"},
        {{"--report", "--json", "-h"}, "--json writes bytes, without -h, --si or -0"},
        {{"--look=dark"}, "invalid look 'dark' (classic or desktop)"},
        {{"--report", "--look=desktop"}, "--look goes with the window"},
    };
    for (const auto& [args, error] : cases)
        EXPECT_EQ(ParseOptions(args).error, error) << ::testing::PrintToString(args);
}

TEST(Options, DusOptionsMeanWhatTheyMeanToDu)
{
    const struct {
        std::vector<std::string> args;
        int depth;
        SizeMode mode;
        HumanSizes human;
    } cases[] = {
        {{"--report", "-sh", "d"}, 0, SizeMode::DiskUsage, HumanSizes::Binary},
        {{"--report", "-xd1", "d"}, 1, SizeMode::DiskUsage, HumanSizes::No},
        {{"--threads=4", "-sx", "--report", "d"}, 0, SizeMode::DiskUsage, HumanSizes::No},
        {{"--report", "--max-depth=2", "--one-file-system", "d"}, 2, SizeMode::DiskUsage, HumanSizes::No},
        {{"--report", "-s", "--max-depth", "3", "d"}, 3, SizeMode::DiskUsage, HumanSizes::No},
        {{"--report", "-hb", "d"}, -1, SizeMode::Apparent, HumanSizes::No},
        {{"--report", "--bytes", "--si", "d"}, -1, SizeMode::Apparent, HumanSizes::Decimal},
    };
    for (const auto& wanted : cases) {
        const Options options = ParseOptions(wanted.args);
        EXPECT_EQ(options.error, "") << ::testing::PrintToString(wanted.args);
        EXPECT_EQ(options.path, "d");
        EXPECT_EQ(options.depth, wanted.depth) << ::testing::PrintToString(wanted.args);
        EXPECT_EQ(options.mode, wanted.mode) << ::testing::PrintToString(wanted.args);
        EXPECT_EQ(options.human, wanted.human) << ::testing::PrintToString(wanted.args);
    }
}

TEST(Options, ExcludeFromReadsAPatternALine)
{
    TempTree files;
    std::ofstream(files.Path("patterns")) << "*.o\n\nbuild/tmp  \r\n";
    const Options options = ParseOptions({"--exclude=a", "-X", files.Path("patterns")});
    EXPECT_EQ(options.error, "");
    EXPECT_EQ(options.excludes, (std::vector<std::string>{"a", "*.o", "build/tmp"}));
    EXPECT_EQ(ParseOptions({"--exclude-from", files.Path("missing")}).error,
              "cannot read '" + files.Path("missing") + "': No such file or directory");
}

TEST(Options, HelpFitsEightyColumnsAndNamesEveryOption)
{
    const std::string help = HelpText();
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 80u) << line;
    for (const OptionRow& row : OptionTable())
        EXPECT_NE(help.find(std::string("--") + row.name), std::string::npos) << row.name;
    EXPECT_EQ(VersionText().substr(0, VersionText().find('\n')), "Kelmo " KELMO_VERSION);
}
