#include "FakeDirectorySource.h"
#include "ImportSavedScan.h"
#include "PosixDirectorySource.h"
#include "SaveTree.h"
#include "SavedScanReader.h"
#include "SavedScanWriter.h"
#include "ScannedSurvey.h"
#include "SequentialWalk.h"
#include "TempTree.h"
#include "TreeBuilder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>
#include <zstd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <thread>

namespace {

std::string Write(const TempTree& tree, const std::string& name, const std::string& content)
{
    const std::string path = tree.Path(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

std::string WriteGzip(const TempTree& tree, const std::string& name, const std::string& content)
{
    const std::string path = tree.Path(name);
    gzFile file = gzopen(path.c_str(), "wb");
    gzwrite(file, content.data(), static_cast<unsigned>(content.size()));
    gzclose(file);
    return path;
}

// content in two zstd frames, as two files compressed apart and then joined.
std::string WriteZstd(const TempTree& tree, const std::string& name, const std::string& content)
{
    std::string packed;
    for (const std::string& half : {content.substr(0, content.size() / 2), content.substr(content.size() / 2)}) {
        std::string frame(ZSTD_compressBound(half.size()), '\0');
        frame.resize(ZSTD_compress(frame.data(), frame.size(), half.data(), half.size(), 3));
        packed += frame;
    }
    return Write(tree, name, packed);
}

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Each directory with both sizes and its items, "!" after one that could
// not be read, depth-first in child order.
std::string Dump(const DirNode& node, const std::string& indent = "")
{
    std::string text = indent + node.name() + " " + std::to_string(node.diskBytes()) + " "
        + std::to_string(node.apparentBytes()) + " " + std::to_string(node.items()) + (node.unreadable() ? "!" : "")
        + "\n";
    for (DirNode child = node.firstChild(); child; child = child.nextSibling())
        text += Dump(child, indent + " ");
    return text;
}

// What ncdu 1.x and 2.x and gdu write, with every variation a reader must
// take: an old minor version, unknown and extended fields, excluded entries
// of each kind (as files and, like ncdu 1.18's "othfs", as directories),
// hard links marked with hlnkc, nlink or both, a device change, a directory
// that could not be read, escapes, raw bytes, and elements after the root.
const std::string kSample = R"([1,0,{"progname":"ncdu","progver":"1.9","timestamp":1,"extra":{"nested":[1,{}]}},
[{"name":"/srv/data","asize":4096,"dsize":4096,"dev":1,"uid":0,"gid":0,"mode":16877,"mtime":1},
{"name":"plain","asize":100,"dsize":4096,"mtime":5,"future":[{"a":[]}],"unset":null},
{"name":"sym","asize":3,"notreg":true},
[{"name":"docs","asize":4096,"dsize":4096},
{"name":"one","asize":1000,"dsize":1024,"ino":7,"hlnkc":true,"nlink":3},
{"name":"two","asize":1000,"dsize":1024,"ino":7,"hlnkc":true,"nlink":3}],
[{"name":"usb","asize":4096,"dsize":4096,"dev":2},
{"name":"same-inode-other-device","asize":1000,"dsize":1024,"ino":7,"hlnkc":true}],
{"name":"three","asize":1000,"dsize":1024,"ino":7,"nlink":3},
[{"name":"locked","asize":4096,"dsize":4096,"read_error":true},{"name":"seen","asize":10,"dsize":512}],
[{"name":"mnt","dev":40,"excluded":"othfs"}],
[{"name":"proc","excluded":"otherfs"},{"name":"inside","asize":999}],
{"name":"kern","asize":7,"excluded":"kernfs"},
{"name":"build.o","asize":7,"excluded":"pattern"},
{"name":"fl","asize":7,"excluded":"frmlnk"},
{"name":"q\"b\\s\n\u00e9"},
[{"name":"raw)"
                            "\xff\xfe"
                            R"("},{"name":"f","asize":1}]
],
[9,{"after":"the root"}],"more"]
)";

// Directories count their own asize, 4096 each here.
const std::string kSampleTree =
    "/srv/data 23040 18498 13\n"
    " docs 5120 5096 2\n"
    " usb 5120 5096 1\n"
    " locked 4608 4106 1!\n"
    " raw\xff\xfe 0 1 1\n";

} // namespace

TEST(SavedScan, ReadsWhatNcduAndGduWriteCountingAsALiveScan)
{
    TempTree files;
    ScannedSurvey survey;
    std::pair<std::int64_t, std::int64_t> reported;
    survey.scanner.SetProgress([&](std::int64_t disk, std::int64_t apparent) { reported = {disk, apparent}; });
    for (const std::string& path : {Write(files, "scan.json", kSample), WriteGzip(files, "scan.json.gz", kSample),
                                    WriteZstd(files, "scan.json.zst", kSample)}) {
        ASSERT_TRUE(survey.ImportScan(path)) << survey.error;
        EXPECT_EQ(Dump(survey.Root()), kSampleTree);
        EXPECT_EQ(survey.GetSavedRoot(), "/srv/data");
        EXPECT_EQ(survey.GetFreeBytes(), -1);
        EXPECT_EQ(reported, std::make_pair(std::int64_t{23040}, std::int64_t{18498}));
        ASSERT_EQ(survey.GetScanProblems().size(), 1u);
        EXPECT_EQ(survey.GetScanProblems()[0].path, "locked");
        EXPECT_EQ(survey.GetScanProblems()[0].error, 0);
    }
    EXPECT_FALSE(survey.ImportScan(Write(files, "bad.json", kSample.substr(0, 300))));
    EXPECT_EQ(survey.error, "Saved scan is damaged at byte 300: the file ends before the saved scan does");
    EXPECT_EQ(Dump(survey.Root()), kSampleTree) << "a failed import keeps the tree";
}

// gdu writes a hard-linked file's first name as a plain file and marks only
// the later ones, with ino and hlnkc but no nlink; ncdu marks every name.
// Either way the file counts once, where the writer met it first.
TEST(SavedScan, GduMarksOnlyTheLaterNamesOfAHardLinkedFile)
{
    const std::string tree = R"(,[{"name":"/g"},
[{"name":"a"},{"name":"first","asize":6,"dsize":4096}],
[{"name":"b"},{"name":"second","asize":6,"dsize":4096,"ino":9,"hlnkc":true},{"name":"third","asize":6,"dsize":4096,"ino":9,"hlnkc":true}]]])";
    TempTree files;
    ScannedSurvey survey;
    ASSERT_TRUE(survey.ImportScan(Write(files, "gdu.json", R"([1,2,{"progname":"gdu","progver":"5.22.0"})" + tree)));
    EXPECT_EQ(Dump(survey.Root()), "/g 4096 6 5\n a 4096 6 1\n b 0 0 2\n") << "each name is an item";
    ASSERT_TRUE(survey.ImportScan(Write(files, "old.json", R"([1,1,{"progname":"ncdu","progver":"1.15"})" + tree)));
    EXPECT_EQ(Dump(survey.Root()), "/g 8192 12 5\n a 4096 6 1\n b 4096 6 2\n") << "all names marked: the first counts";
}

namespace {

// Writes a string of 2 GiB into a pipe as long as its reader reads.
class EndlessString {
public:
    explicit EndlessString(const std::string& fifo) : writer([fifo] { Feed(fifo); }) {}
    ~EndlessString() { writer.join(); }

private:
    static void Feed(const std::string& fifo)
    {
        sigset_t pipeSignal;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr); // a gone reader fails the write instead
        const int fd = open(fifo.c_str(), O_WRONLY);
        const std::string start = R"([1,2,{},[{"name":")";
        const std::string chunk(1 << 20, 'a');
        bool writing = write(fd, start.data(), start.size()) > 0;
        for (int i = 0; writing && i < 2048; ++i)
            writing = write(fd, chunk.data(), chunk.size()) > 0;
        close(fd);
    }

    std::thread writer;
};

} // namespace

TEST(SavedScan, DamagedInputGivesOneMessageWithItsOffset)
{
    const std::string root = R"([1,2,{},[{"name":"/"},)";
    std::string deep = root;
    for (int i = 0; i < 100000; ++i)
        deep += R"([{"name":"d"},)";
    const struct {
        std::string input;
        std::string message;
    } cases[] = {
        {"", "0: the file is empty"},
        {"garbage", "0: invalid value"},
        {R"([1,2,{},[{"name":"/"},{"name":"f"}])", "35: the file ends before the saved scan does"},
        {R"([2,0,{},[{"name":"/"}]])", "1: major version 2 is not supported, only 1"},
        {R"({"name":"/"})", "0: not a saved scan: it does not begin with '['"},
        {R"([1,2,{},{"name":"/"}])", "8: the root is a file, not a directory"},
        {R"([1,2,{}])", "7: the saved scan ends before its root directory"},
        {root + R"({"name":"f","asize":-1}]])", "42: asize must be a whole number from 0 to 9223372036854775807"},
        {root + R"({"name":"f","dsize":1180591620717411303424}]])",
         "42: dsize must be a whole number from 0 to 9223372036854775807"},
        {root + R"({"name":"f","ino":"7"}]])", "43: ino must be a whole number from 0 to 18446744073709551615"},
        {root + R"({"name":"f\q"}]])", "32: invalid escape character in string"},
        {root + R"({"asize":1}]])", "32: a file without a name"},
        {root + R"([[]]]])", "23: a directory begins with an array instead of its info block"},
        {root + R"(7]])", "22: a directory holds a value that is neither a file nor a directory"},
        {deep, "458733: nested more than 32768 levels deep"},
        // Names no file system allows, which would forge other paths.
        {root + R"([{"name":".."}]]])", "35: an entry named '..'"},
        {root + R"([{"name":"."},{"name":"f"}]]])", "34: an entry named '.'"},
        {root + R"({"name":""}]])", "32: an entry with an empty name"},
        {root + R"({"name":"tmp/x"}]])", "37: a name that holds '/'"},
        {root + R"([{"name":"tmp\u00009\t/etc"}]]])", "49: a name that holds a NUL byte"},
        {R"([1,2,{},[{"name":"/srv\u0000"}]])", "29: a name that holds a NUL byte"},
    };
    TempTree files;
    for (const auto& bad : cases) {
        DirTree tree("");
        TreeBuilder builder(tree);
        ScanControl control;
        SavedScanReader reader(builder, control);
        std::string error;
        EXPECT_FALSE(reader.Read(Write(files, "bad.json", bad.input), error));
        EXPECT_EQ(error, "Saved scan is damaged at byte " + bad.message) << bad.input.substr(0, 80);
    }

    // zstd as gzip (see CompressedInputInMembersOrCutShort).
    const std::string zstd = Contents(WriteZstd(files, "good.zst", cases[2].input));
    std::string flipped = zstd;
    flipped[flipped.size() / 2] ^= 0x55;
    const std::pair<std::string, std::string> compressed[] = {
        {zstd.substr(0, zstd.size() - 3), "the compressed data ends early"},
        {flipped, "the compressed data is damaged ("},
    };
    for (const auto& [input, message] : compressed) {
        ScannedSurvey survey;
        EXPECT_FALSE(survey.ImportScan(Write(files, "bad.packed", input)));
        EXPECT_NE(survey.error.find(message), std::string::npos) << survey.error;
    }

    // A string of 2 GiB is refused once it passes the bound, long before its end.
    const std::string fifo = files.Path("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EndlessString string(fifo);
    ScannedSurvey survey;
    EXPECT_FALSE(survey.ImportScan(fifo));
    EXPECT_EQ(survey.error.substr(0, 30), "Saved scan is damaged at byte ");
    EXPECT_LT(std::stoll(survey.error.substr(30)), 2 * SavedScanReader::kMaxStringBytes);
    EXPECT_EQ(survey.error.substr(survey.error.find(':')), ": a string longer than 2 MiB");
}

namespace {

// Stops the reading after a number of files.
class StoppingBuilder : public TreeBuilder {
public:
    StoppingBuilder(DirTree& into, ScanControl& scanControl, int files)
        : TreeBuilder(into), control(scanControl), left(files)
    {
    }
    void File(std::string_view name, const EntryStat& file) override
    {
        TreeBuilder::File(name, file);
        if (--left == 0)
            control.Stop();
    }

private:
    ScanControl& control;
    int left;
};

} // namespace

TEST(SavedScan, ReadingCountsTheBytesAndStopsWhenAsked)
{
    std::string scan = R"([1,2,{},[{"name":"/"})";
    for (int i = 0; i < 5000; ++i)
        scan += R"(,{"name":"f","asize":3,"dsize":4096})";
    scan += "]]";
    TempTree files;
    const std::string path = Write(files, "scan.json", scan);
    for (int stopAfter : {-1, 2000}) {
        DirTree tree("");
        ScanControl control;
        control.Reset();
        StoppingBuilder builder(tree, control, stopAfter);
        SavedScanReader reader(builder, control);
        std::string error = "not cleared";
        EXPECT_EQ(reader.Read(path, error), stopAfter < 0);
        EXPECT_EQ(error, "");
        const std::int64_t counted = control.Bytes(SizeMode::Apparent);
        if (stopAfter < 0) {
            EXPECT_EQ(counted, 5000 * 3);
            EXPECT_EQ(control.Bytes(SizeMode::DiskUsage), 5000 * 4096);
        } else {
            EXPECT_GE(counted, stopAfter * 3 / 2) << "the running total is counted on the way";
            EXPECT_LT(counted, 5000 * 3);
        }
    }
}

// The window cancels an import through the scanner it runs on, which may
// be before the reading has begun.
TEST(SavedScan, AnImportEndsCancelledWhenItsScannerIsCancelled)
{
    TempTree files;
    Scanner scanner;
    scanner.Cancel();
    const ScanResult result = ImportSavedScan(scanner, Write(files, "scan.json", kSample));
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.Scanned());
    EXPECT_EQ(result.error, "");
}

namespace {

DirNode RootOf(const DirTree& tree)
{
    return DirNode(&tree, tree.Root());
}

std::vector<std::string> Paths(const std::vector<ScanProblem>& problems)
{
    std::vector<std::string> paths;
    for (const ScanProblem& problem : problems)
        paths.push_back(problem.path);
    return paths;
}

} // namespace

TEST(SavedScan, WhatTheWriterWritesReadsBackAsTheWalkSawIt)
{
    FakeDirectorySource fake;
    const int odd = fake.AddDir(0, "a \"quoted\" \\ name\n\x01\x1f\x7f\xff\xc3\xa9");
    fake.AddFile(odd, "big", 5'000'000'000LL, 0, 1, 4096);
    fake.AddFile(fake.AddDir(odd, "inner"), "linked", 500, 77, 3);
    fake.AddFile(odd, "linked-again", 500, 77, 3);
    const int locked = fake.AddDir(0, "locked");
    fake.AddFile(locked, "behind-permissions", 100);
    fake.MakeUnopenable(locked);
    const int broken = fake.AddDir(0, "broken");
    fake.AddFile(broken, "read", 5);
    fake.BreakListing(broken, EIO);
    fake.AddFile(broken, "lost", 9);
    fake.AddFile(fake.AddDir(0, "usb", 2), "elsewhere", 100);
    fake.MakeMountRoot(fake.AddDir(0, "bound"));
    fake.AddFile(0, "top", 7);

    ScanControl control;
    DirTree walked("/fake");
    TreeBuilder direct(walked);
    ASSERT_TRUE(SequentialWalk(fake, control).Run("/fake", direct));

    TempTree files;
    const std::string path = files.Path("scan.json");
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT, 0600);
    SavedScanWriter writer(fd, "2.0.0", 1, control);
    ASSERT_TRUE(SequentialWalk(fake, control).Run("/fake", writer));
    EXPECT_TRUE(writer.Finish());
    close(fd);
    DirTree read("");
    TreeBuilder builder(read);
    SavedScanReader reader(builder, control);
    std::string error;
    ASSERT_TRUE(reader.Read(path, error)) << error;
    read.SetRootName(reader.RootPath());

    EXPECT_EQ(Dump(RootOf(read)), Dump(RootOf(walked)));
    const std::vector<ScanProblem> walkProblems = direct.TakeProblems();
    EXPECT_EQ(Paths(builder.TakeProblems()), Paths(walkProblems));
    const std::vector<ScanProblem> writerProblems = writer.TakeProblems();
    EXPECT_EQ(Paths(writerProblems), Paths(walkProblems));
    EXPECT_EQ(writerProblems.at(1).error, EIO);
    std::ifstream text(path);
    const std::string json((std::istreambuf_iterator<char>(text)), std::istreambuf_iterator<char>());
    EXPECT_EQ(json.rfind(R"([1,2,{"progname":"kelmo","progver":"2.0.0","timestamp":1},)", 0), 0u);
    EXPECT_NE(json.find(R"({"name":"usb","excluded":"otherfs"})"), std::string::npos);
}

TEST(SavedScan, AFailedWriteStopsTheWalkAndSaysWhy)
{
    const int full = open("/dev/full", O_WRONLY);
    if (full < 0)
        GTEST_SKIP() << "no /dev/full";
    FakeDirectorySource fake;
    for (int i = 0; i < 30000; ++i)
        fake.AddFile(fake.AddDir(0, "directory-" + std::to_string(i)), "file", 1);
    ScanControl control;
    control.Reset();
    SavedScanWriter writer(full, "2.0.0", 1, control);
    ASSERT_TRUE(SequentialWalk(fake, control).Run("/fake", writer));
    EXPECT_TRUE(control.Stopped());
    EXPECT_FALSE(writer.Finish());
    EXPECT_EQ(writer.Error(), ENOSPC);
    close(full);
}

TEST(SavedScan, CompressedInputInMembersOrCutShort)
{
    const std::string scan = R"([1,2,{},[{"name":"/r"},{"name":"f","asize":3}]])";
    TempTree files;
    // Two gzip members, one after the other, as `cat a.gz b.gz` makes.
    const std::string first = WriteGzip(files, "a.gz", scan.substr(0, 20));
    const std::string second = WriteGzip(files, "b.gz", scan.substr(20));
    std::ifstream a(first, std::ios::binary), b(second, std::ios::binary);
    const std::string both = std::string(std::istreambuf_iterator<char>(a), {})
        + std::string(std::istreambuf_iterator<char>(b), {});
    std::string cut = both;
    cut.resize(both.size() - 12);
    std::string flipped = both;
    flipped[both.size() - 20] ^= 0x55;
    const struct {
        std::string bytes;
        std::string error;
    } cases[] = {
        {both, ""},
        {cut, ": the compressed data ends early"},
        {flipped, ": the compressed data is damaged ("},
    };
    for (const auto& input : cases) {
        DirTree tree("");
        TreeBuilder builder(tree);
        ScanControl control;
        SavedScanReader reader(builder, control);
        std::string error;
        EXPECT_EQ(reader.Read(Write(files, "scan.gz", input.bytes), error), input.error.empty());
        if (!input.error.empty()) {
            EXPECT_EQ(error.rfind("Saved scan is damaged at byte ", 0), 0u) << error;
            EXPECT_NE(error.find(input.error), std::string::npos) << error;
        }
    }
}

TEST(SavedScan, StoppingEndsAReadThatWaitsOnAPipeNobodyWritesTo)
{
    TempTree files;
    const std::string fifo = files.Path("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    DirTree tree("");
    TreeBuilder builder(tree);
    ScanControl control;
    control.Reset();
    SavedScanReader reader(builder, control);
    std::string error = "not cleared";
    std::future<bool> read = std::async(std::launch::async, [&] { return reader.Read(fifo, error); });
    control.Stop();
    if (read.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
        // A writer that comes and goes lets the read end, and the test with it.
        close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
        FAIL() << "stopping did not end the read";
    }
    EXPECT_FALSE(read.get());
    EXPECT_EQ(error, "");
}

namespace {

// What `find DIR -mindepth 1 | wc -l` counts for each directory, by a walk
// of its own.
void CountLikeFind(const std::filesystem::path& dir, const std::string& below,
                   std::map<std::string, std::int64_t>& counts)
{
    std::int64_t& count = counts[below];
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        ++count;
        if (entry.is_directory() && !entry.is_symlink()) {
            const std::string name = entry.path().filename().string();
            const std::string path = below.empty() ? name : below + "/" + name;
            CountLikeFind(entry.path(), path, counts);
            count += counts[path];
        }
    }
}

void CollectItems(const DirNode& node, const std::string& below, std::map<std::string, std::int64_t>& counts)
{
    counts[below] = node.items();
    for (DirNode child = node.firstChild(); child; child = child.nextSibling())
        CollectItems(child, below.empty() ? child.name() : below + "/" + child.name(), counts);
}

std::map<std::string, std::int64_t> ItemsOf(const DirNode& root)
{
    std::map<std::string, std::int64_t> counts;
    CollectItems(root, "", counts);
    return counts;
}

} // namespace

// Empty files and empty directories, hard links (an item per name), a
// symbolic link to a directory (an item, not followed), files deep down.
TEST(SavedScan, ItemsAreWhatFindCountsLiveAndThroughEitherSavedScan)
{
    TempTree tree, files;
    tree.File("docs/a", 10);
    tree.File("docs/empty", 0);
    tree.File("docs/deep/er/still", 3);
    tree.Dir("docs/deep/void");
    tree.HardLink("docs/a", "docs/deep/a-again");
    tree.HardLink("docs/a", "a-at-root");
    tree.Symlink("to-docs", "docs");
    tree.File("only-empty/x", 0);
    tree.File("only-empty/y", 0);
    std::map<std::string, std::int64_t> truth;
    CountLikeFind(tree.Root(), "", truth);
    ASSERT_EQ(truth[""], 13);

    ScannedSurvey survey;
    for (const int threads : {1, 4}) {
        survey.scanner.SetThreads(threads);
        ASSERT_TRUE(survey.ScanPath(tree.Root(), tree.Root()));
        EXPECT_EQ(ItemsOf(survey.Root()), truth) << threads << " threads";
    }
    std::string problem;
    ASSERT_TRUE(SaveTree(*survey.Root().owner(), files.Path("saved.json"), problem)) << problem;

    ScanControl control;
    control.Reset();
    const int fd = open(files.Path("export.json").c_str(), O_WRONLY | O_CREAT, 0600);
    SavedScanWriter writer(fd, "2.0.0", 1, control);
    PosixDirectorySource disk;
    ASSERT_TRUE(SequentialWalk(disk, control).Run(tree.Root(), writer));
    EXPECT_TRUE(writer.Finish());
    close(fd);

    for (const std::string scan : {"saved.json", "export.json"}) {
        ASSERT_TRUE(survey.ImportScan(files.Path(scan))) << survey.error;
        EXPECT_EQ(ItemsOf(survey.Root()), truth) << scan;
    }
    // A scan saved before directories kept their items: its entry for a
    // directory's own files counts as one.
    ASSERT_TRUE(survey.ImportScan(
        Write(files, "old.json",
              R"json([1,2,{"progname":"kelmo"},[{"name":"/r"},[{"name":"d"},{"name":"(files)","asize":9}]]])json")));
    EXPECT_EQ(Dump(survey.Root()), "/r 0 9 2\n d 0 9 1\n");
}

TEST(SavedScan, UnreadableMarksSurviveSavingAndReading)
{
    ScannedSurvey survey;
    auto fake = std::make_unique<FakeDirectorySource>();
    const int locked = fake->AddDir(fake->AddDir(0, "home"), "locked");
    fake->AddFile(locked, "behind-permissions", 100);
    fake->MakeUnopenable(locked);
    const int broken = fake->AddDir(0, "broken");
    fake->AddFile(broken, "read", 5);
    fake->BreakListing(broken, EIO);
    fake->AddFile(broken, "lost", 9);
    fake->AddFile(fake->AddDir(0, "fine"), "f", 1);
    survey.scanner.SetSource(std::move(fake));
    ASSERT_TRUE(survey.ScanPath("/fake", "/fake"));
    const std::string walked = Dump(survey.Root());
    ASSERT_EQ(walked, "/fake 6 6 6\n home 0 0 1\n  locked 0 0 0!\n broken 5 5 1!\n fine 1 1 1\n");
    const DirNode home = survey.Root().firstChild();
    EXPECT_EQ(home.firstChild().readError(), EACCES);
    EXPECT_EQ(home.nextSibling().readError(), EIO);

    TempTree files;
    std::string problem;
    ASSERT_TRUE(SaveTree(*survey.Root().owner(), files.Path("saved.json"), problem)) << problem;
    const std::string json = Contents(files.Path("saved.json"));
    EXPECT_NE(json.find(R"({"name":"locked","read_error":true})"), std::string::npos) << json;
    ASSERT_TRUE(survey.ImportScan(files.Path("saved.json"))) << survey.error;
    EXPECT_EQ(Dump(survey.Root()), walked);
    EXPECT_EQ(Paths(survey.GetScanProblems()), (std::vector<std::string>{"home/locked", "broken"}));
    EXPECT_EQ(survey.Root().firstChild().firstChild().readError(), 0) << "a saved scan keeps no reason";
}
