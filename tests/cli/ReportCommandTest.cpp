#include "FormatBytes.h"
#include "ReportCommand.h"
#include "TempTree.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <streambuf>

TEST(ReportCommand, PrintsTheRootReportThenEverySubDirectoryWhole)
{
    TempTree tree;
    tree.File("a,b/file", 1500);
    tree.File("top", 500);
    std::ostringstream out, err;
    ASSERT_EQ(RunReport(ParseOptions({"--report", "-a", tree.Root()}), out, err), 0);
    // Directories count their own size, as du --apparent-size counts them.
    const std::string sub = FormatBytes(1500 + tree.Size("a,b"));
    EXPECT_EQ(out.str(),
              "Dir Name     : " + tree.Root() + "\n"
              "Parent Name  : (n/a)\n\n% of Parent  : (n/a)\n"
              "Dir Space    : " + FormatBytes(2000 + tree.Size("a,b") + tree.Size("")) + "\n% of Total   : 100.00\n\n"
              "Num of Sub-Dir : 1\nSub-Dir Space  : " + sub + "\nFile Space     : " + FormatBytes(500 + tree.Size("")) + "\n"
              "Items Below    : 3 items\n"
              "a,b\t" + sub + "\n");
    EXPECT_TRUE(err.str().empty());
}

TEST(ReportCommand, AMissingPathOrAFileSaysWhyAsDuDoesAndAnEmptyDirectoryIsNotAvailable)
{
    TempTree tree;
    tree.Dir("empty");
    tree.File("file", 1);
    const std::vector<std::pair<std::string, std::string>> cases{
        {tree.Path("empty"), "kelmo: Selected Disk was Not Available or is Blank\n"},
        {tree.Path("missing"), "kelmo: cannot access '" + tree.Path("missing") + "': No such file or directory\n"},
        {tree.Path("file"), "kelmo: cannot read directory '" + tree.Path("file") + "': Not a directory\n"},
    };
    for (const auto& [path, message] : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunReport(ParseOptions({"--report", path}), out, err), 1);
        EXPECT_TRUE(out.str().empty());
        EXPECT_EQ(err.str(), message);
    }
}

TEST(ReportCommand, UnreadableDirectoriesAreNamedOnStandardErrorAndTheExitIsOne)
{
    TempTree tree;
    tree.File("open/f", 10);
    tree.File("locked/g", 20);
    ASSERT_EQ(chmod(tree.Root().c_str(), 0755), 0);
    ASSERT_EQ(chmod(tree.Path("locked").c_str(), 0), 0);
    const std::string openLine = "open\t" + FormatBytes(10 + tree.Size("open")) + "\n";
    const std::string lockedLine = "locked\t" + FormatBytes(tree.Size("locked")) + "\n";
    // Root reads every directory: the report runs as nobody, in a child.
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(99);
            std::ostringstream out;
            const int status = RunReport(ParseOptions({"--report", "-a", "-t1", tree.Root() + "/./"}), out, std::cerr);
            const bool listed = out.str().find(openLine) != std::string::npos
                && out.str().find(lockedLine) != std::string::npos;
            _exit(listed ? status : 98);
        },
        ::testing::ExitedWithCode(1), "kelmo: cannot read directory '.*/\\./locked': Permission denied\n")
        << "named below PATH as typed, as du names it";
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(99);
            std::ostringstream out;
            _exit(RunReport(ParseOptions({"--report", tree.Path("locked")}), out, std::cerr));
        },
        ::testing::ExitedWithCode(1), "^kelmo: cannot read directory '.*/locked': Permission denied\n$");
}

TEST(ReportCommand, ControlBytesAndBackslashesInNamesAreEscaped)
{
    TempTree tree;
    const std::string child = "c\\d\te\x7f\x1f\xff\xc3\xa9";
    tree.File("a\nb/" + child + "/file", 1000);
    std::ostringstream out, err;
    ASSERT_EQ(RunReport(ParseOptions({"--report", "-a", tree.Path("a\nb")}), out, err), 0);
    const std::string text = out.str();
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), "Dir Name     : " + tree.Root() + "/a\\x0ab\n");
    EXPECT_EQ(text.substr(text.rfind('\n', text.size() - 2) + 1),
              "c\\\\d\\x09e\\x7f\\x1f\xff\xc3\xa9\t" + FormatBytes(1000 + tree.Size("a\nb/" + child)) + "\n");
}

TEST(ReportCommand, ASavedScanIsReportedByItsRootAndItsUnreadableDirectoriesAreNamed)
{
    TempTree files;
    const std::string scan = files.Path("scan.json");
    std::ofstream(scan) << R"([1,2,{},[{"name":"/srv/a\tb","dsize":4096},{"name":"f","asize":5,"dsize":4096},)"
                        << R"([{"name":"locked","dsize":4096,"read_error":true}]]])";
    std::ostringstream out, err;
    EXPECT_EQ(RunReport(ParseOptions({"--report", "--import", scan}), out, err), 0) << "the saved scan was read whole";
    EXPECT_EQ(out.str().substr(0, out.str().find('\n')), "Dir Name     : /srv/a\\x09b");
    EXPECT_EQ(out.str().substr(out.str().rfind('\n', out.str().size() - 2) + 1), "locked\t4,096\n");
    EXPECT_EQ(err.str(), "kelmo: directory '/srv/a\\x09b/locked' could not be read when the scan was saved\n");

    std::ostringstream none, why;
    EXPECT_EQ(RunReport(ParseOptions({"--report", "--import", files.Path("missing.json")}), none, why), 1);
    EXPECT_EQ(why.str(),
              "kelmo: Cannot read saved scan '" + files.Path("missing.json") + "': No such file or directory\n");
}

namespace {

// A stream whose every write fails with the given error, as stdout does on a
// full disk or a closed pipe.
class FailingBuffer : public std::streambuf {
public:
    explicit FailingBuffer(int code) : error(code) {}

protected:
    int overflow(int) override
    {
        errno = error;
        return traits_type::eof();
    }

private:
    int error;
};

} // namespace

TEST(ReportCommand, FailedWriteIsAnErrorButAClosedPipeEndsQuietly)
{
    TempTree tree;
    tree.File("sub/file", 10);
    FailingBuffer full(ENOSPC), closedPipe(EPIPE);
    std::ostream toFullDisk(&full), toClosedPipe(&closedPipe);
    std::ostringstream fullErr, pipeErr;
    EXPECT_EQ(RunReport(ParseOptions({"--report", tree.Root()}), toFullDisk, fullErr), 1);
    EXPECT_EQ(fullErr.str(), "kelmo: write error: No space left on device\n");
    EXPECT_EQ(RunReport(ParseOptions({"--report", tree.Root()}), toClosedPipe, pipeErr), 1);
    EXPECT_EQ(pipeErr.str(), "");
}

namespace {

// What the shell command writes to standard output.
std::string Output(const std::string& command)
{
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    if (pipe)
        pclose(pipe);
    return text;
}

std::string DepthReport(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    std::vector<std::string> line{"--report"};
    line.insert(line.end(), args.begin(), args.end());
    RunReport(ParseOptions(line), out, err);
    return out.str() + err.str();
}

} // namespace

// du lists a directory's entries in the order the file system gives them, as
// the walk does; both count a file with several names once, where they meet it first.
TEST(ReportCommand, DepthLinesAndExclusionsAreDus)
{
    if (Output("command -v du").empty())
        GTEST_SKIP() << "du is not installed";
    TempTree tree;
    for (int i = 0; i < 40; ++i)
        tree.File("d" + std::to_string(i % 5) + "/s" + std::to_string(i % 3) + "/n a" + std::to_string(i % 7) + "/f"
                      + std::to_string(i) + (i % 4 ? ".o" : ".c"),
                  i * 977);
    tree.File("d1/tmp/cache/x", 70000);
    tree.Dir("d2/empty");
    tree.HardLink("d1/tmp/cache/x", "d3/link");
    tree.File("top", 5);
    const std::string root = tree.Root() + "//"; // du names the root "ROOT/"
    using Patterns = std::vector<std::string>;
    for (const Patterns& patterns :
         {Patterns{}, Patterns{"*.o"}, Patterns{"n a1", "tmp/cache"}, Patterns{"d1/tmp", "s?"}})
        for (const std::string depth : {"0", "1", "3"})
            for (const std::string threads : {"-t1", "-t4"}) {
                std::vector<std::string> args{"-d", depth, threads, root};
                std::string du = "du -x --block-size=1 --max-depth=" + depth + " '" + root + "'";
                for (const std::string& pattern : patterns) {
                    args.push_back("--exclude=" + pattern);
                    du += " '--exclude=" + pattern + "'";
                }
                EXPECT_EQ(DepthReport(args), Output(du)) << du << " " << threads;
            }
    const std::string rootName = tree.Root().substr(tree.Root().rfind('/') + 1);
    EXPECT_EQ(DepthReport({"-d1", "--exclude=" + rootName, tree.Root()}),
              Output("du -x --block-size=1 -d1 --exclude='" + rootName + "' '" + tree.Root() + "'"))
        << "du leaves out a root that a pattern matches";
    EXPECT_NE(DepthReport({"--exclude=*.o", root}).find("\nExcluded       : 30\n"), std::string::npos)
        << "every file but the ten .c ones";
    EXPECT_EQ(DepthReport({"-d0", "-0", "-h", tree.Root()}), Output("du -x -h -s -0 '" + tree.Root() + "'"));
}

// Each option du also has, given to both: -s, -x, -b, --max-depth, -h, --si;
// a symbolic link given as PATH counts as the link, unless a '/' follows it.
TEST(ReportCommand, DusOwnOptionsGiveDusLines)
{
    if (Output("command -v du").empty())
        GTEST_SKIP() << "du is not installed";
    TempTree tree;
    tree.File("d/a/f", 5000);
    tree.File("d/b/c/g", 123456);
    tree.Symlink("d/b/to-a", "../a");
    tree.Symlink("slink", "d/b");
    const std::string d = tree.Path("d"), link = tree.Path("slink");
    using Args = std::vector<std::string>;
    for (const Args& args : {Args{"-s", d}, Args{"-sh", d}, Args{"-sb", d}, Args{"--max-depth=1", d}, Args{"-xd1", d},
                             Args{"-b", "-d2", d}, Args{"--si", "-s", "-b", d}, Args{"-d3", link},
                             Args{"-s", "-b", link}, Args{"-sh", link}, Args{"-d3", link + "/"}}) {
        std::string du = "du --block-size=1"; // Kelmo's unit, which a later -h, --si or -b overrides
        for (const std::string& arg : args)
            du += " '" + arg + "'";
        EXPECT_EQ(DepthReport(args), Output(du)) << du;
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunReport(ParseOptions({"--report", link}), out, err), 0);
    EXPECT_EQ(out.str().substr(0, out.str().find('\n')), "Dir Name     : " + tree.Path("d/b"));
    EXPECT_EQ(err.str(),
              "kelmo: '" + link + "' is a symbolic link: showing the directory it names, '" + tree.Path("d/b") + "'\n");
}

TEST(ReportCommand, ADirectoryWhoseEntriesAreAllExcludedIsReportedAsDuReportsIt)
{
    if (Output("command -v du").empty())
        GTEST_SKIP() << "du is not installed";
    TempTree tree;
    tree.File("a.o", 5000);
    tree.File("b.o", 70000);
    for (const std::string threads : {"-t1", "-t4"}) {
        EXPECT_EQ(DepthReport({"-s", "--exclude=*.o", threads, tree.Root()}),
                  Output("du -x -s --block-size=1 --exclude='*.o' '" + tree.Root() + "'"))
            << threads;
        std::ostringstream out, err;
        EXPECT_EQ(RunReport(ParseOptions({"--report", "--exclude=*.o", threads, tree.Root()}), out, err), 0);
        EXPECT_NE(out.str().find("\nExcluded       : 2\n"), std::string::npos) << out.str() << err.str();
    }
}

namespace {

// The first field of each line of text with a tab, or the second field
// (the path) when second is set.
std::vector<std::string> Fields(const std::string& text, bool second)
{
    std::vector<std::string> fields;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (const std::size_t tab = line.find('\t'); tab != std::string::npos)
            fields.push_back(second ? line.substr(tab + 1) : line.substr(0, tab));
    return fields;
}

// The "name" fields of a JSON report, in the order written.
std::vector<std::string> JsonNames(const std::string& json)
{
    std::vector<std::string> names;
    const std::string key = "\"name\":\"";
    for (std::size_t at = json.find(key); at != std::string::npos; at = json.find(key, at + 1))
        names.push_back(json.substr(at + key.size(), json.find('"', at + key.size()) - at - key.size()));
    return names;
}

} // namespace

// Largest first (apparent sizes): b, then a (its z before its y), then C.
TEST(ReportCommand, SortOrdersTheSubDirectoryLinesDusLinesAndTheJsonChildren)
{
    TempTree tree;
    tree.File("a/y/f", 1000);
    tree.File("a/z/f", 3000);
    tree.File("b/f", 50000);
    tree.File("C/f", 100);
    const std::string root = tree.Root();
    using Names = std::vector<std::string>;
    EXPECT_EQ(Fields(DepthReport({"-a", "--sort=size", root}), false), (Names{"b", "a", "C"}));
    EXPECT_EQ(Fields(DepthReport({"-a", "--sort=name", root}), false), (Names{"C", "a", "b"})) << "byte order";
    EXPECT_EQ(Fields(DepthReport({"-a", "-d2", "--sort=name", root}), true),
              (Names{root + "/C", root + "/a/y", root + "/a/z", root + "/a", root + "/b", root}))
        << "du's order, each level sorted";
    EXPECT_EQ(Fields(DepthReport({"-a", "-d2", "--sort=size", root}), true),
              (Names{root + "/b", root + "/a/z", root + "/a/y", root + "/a", root + "/C", root}));
    EXPECT_EQ(JsonNames(DepthReport({"--json", "-a", "-d2", "--sort=size", root})), (Names{"b", "a", "z", "y", "C"}));
    EXPECT_EQ(JsonNames(DepthReport({"--json", "-d2", "--sort=name", root})), (Names{"C", "a", "y", "z", "b"}));
}
