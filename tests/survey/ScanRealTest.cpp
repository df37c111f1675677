#include "PosixDirectorySource.h"
#include "PrefetchingSource.h"
#include "ScannedSurvey.h"
#include "ScriptedDescriptors.h"
#include "SequentialWalk.h"
#include "TempTree.h"
#include "TreeBuilder.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <sstream>

namespace {

DirNode Find(const DirNode& node, const std::string& name)
{
    for (DirNode child = node.firstChild(); child; child = child.nextSibling())
        if (child.name() == name)
            return child;
    return {};
}

int CountChildren(const DirNode& node)
{
    int n = 0;
    for (DirNode child = node.firstChild(); child; child = child.nextSibling())
        ++n;
    return n;
}

// Every directory with both its sizes, depth-first in child order, paths
// relative to the root.
std::map<std::string, std::int64_t> DiskUsageByPath(const DirNode& node, const std::string& path = ".")
{
    std::map<std::string, std::int64_t> sizes{{path, node.diskBytes()}};
    for (DirNode child = node.firstChild(); child; child = child.nextSibling())
        sizes.merge(DiskUsageByPath(child, path + "/" + child.name()));
    return sizes;
}

std::string Dump(const DirNode& node)
{
    std::string text = node.name() + " " + std::to_string(node.diskBytes()) + " " + std::to_string(node.apparentBytes())
        + "\n";
    for (DirNode child = node.firstChild(); child; child = child.nextSibling())
        text += Dump(child);
    return text;
}

// The apparent size of a directory without the own sizes of the
// directories in it and below: what its files add up to.
std::int64_t FileBytes(const TempTree& tree, const DirNode& node, const std::string& relative = "")
{
    std::int64_t bytes = node.apparentBytes() - tree.Size(relative);
    for (DirNode child = node.firstChild(); child; child = child.nextSibling()) {
        const std::string below = relative.empty() ? child.name() : relative + "/" + child.name();
        bytes -= child.apparentBytes() - FileBytes(tree, child, below);
    }
    return bytes;
}

bool Scan(ScannedSurvey& survey, const TempTree& tree, int threads = 2)
{
    survey.scanner.SetThreads(threads);
    return survey.ScanPath(tree.Root(), "ROOT");
}

// A tree with what trips a walk up: files with several names in a directory
// and in its sub-directory listed earlier, across siblings and levels, deep
// chains, names with commas, newlines and bytes that are not UTF-8.
void BuildHostileTree(TempTree& tree)
{
    tree.File("a/inner/deep-name", 5000);
    tree.HardLink("a/inner/deep-name", "a/own-name");
    tree.File("b/x/y/z", 7000);
    tree.HardLink("a/inner/deep-name", "b/sibling-name");
    tree.HardLink("b/x/y/z", "z-at-root");
    std::string chain;
    for (int depth = 0; depth < 60; ++depth) {
        chain += "level/";
        tree.File(chain + "side/f", depth * 100 + 1);
    }
    tree.Sparse("sparse.img", 10LL << 30);
    tree.File("with,comma/f", 11);
    tree.File("new\nline/f", 13);
    tree.File(
        "\xff\xfe"
        "bad/f",
        17);
    tree.Symlink("link-to-dir", "a");
    for (int i = 0; i < 200; ++i)
        tree.Dir("wide/" + std::to_string(i));
}

} // namespace

TEST(ScanRealTree, ApparentSizesCountEveryFileOnceWithoutFollowingLinks)
{
    TempTree tree;
    tree.File("a.txt", 100);
    tree.File(".hidden", 7);
    tree.File(".git/objects/pack", 1000);
    tree.Dir("empty");
    tree.File("sub/x", 300);
    tree.Symlink("sub/link", "x");
    tree.Symlink("sub/todir", "../sub");
    tree.File("hard1", 50);
    tree.HardLink("hard1", "sub/hard2");
    tree.Sparse("sparse.img", 10LL << 30);

    ScannedSurvey survey;
    survey.SetSizeMode(SizeMode::Apparent);
    ASSERT_TRUE(Scan(survey, tree));
    const DirNode root = survey.Root();
    EXPECT_EQ(root.name(), "ROOT");
    const std::int64_t directories = tree.Size("") + tree.Size(".git") + tree.Size(".git/objects") + tree.Size("empty")
        + tree.Size("sub");
    EXPECT_EQ(root.bytes(), 100 + 7 + 1000 + 300 + 1 + 6 + 50 + (10LL << 30) + directories)
        << "directories count their own size, as du --apparent-size counts them";
    EXPECT_EQ(CountChildren(root), 3);
    EXPECT_EQ(Find(Find(root, ".git"), "objects").bytes(), 1000 + tree.Size(".git/objects"));
    EXPECT_EQ(Find(root, "empty").bytes(), tree.Size("empty"));
    EXPECT_EQ(CountChildren(Find(root, "sub")), 0) << "a symlink to a directory is not followed";
    EXPECT_EQ(Find(root, "sub").bytes(), 300 + 1 + 6 + tree.Size("sub")) << "hard1 is listed in the root first";
    EXPECT_GT(survey.GetFreeBytes(), 0);
    EXPECT_LT(root.diskBytes(), 1 << 20) << "the sparse file takes no room on the disk";
}

TEST(ScanRealTree, DiskUsageOfEveryDirectoryIsWhatDuCounts)
{
    TempTree tree;
    BuildHostileTree(tree);
    FILE* du = popen(("du -x --block-size=1 '" + tree.Root() + "' 2>/dev/null").c_str(), "r");
    if (!du)
        GTEST_SKIP() << "du cannot be run";
    std::map<std::string, std::int64_t> duSizes;
    char line[8192];
    while (fgets(line, sizeof line, du)) {
        std::istringstream fields(line);
        std::int64_t size;
        std::string path;
        fields >> size;
        std::getline(fields >> std::ws, path);
        const bool oneLineName = path.rfind(tree.Root(), 0) == 0 && path.find("new") == std::string::npos;
        if (fields && oneLineName)
            duSizes["." + path.substr(tree.Root().size())] = size;
    }
    if (pclose(du) != 0 || duSizes.empty())
        GTEST_SKIP() << "du is not installed";
    ScannedSurvey survey;
    ASSERT_TRUE(Scan(survey, tree, 4));
    std::map<std::string, std::int64_t> ours = DiskUsageByPath(survey.Root());
    for (auto it = ours.begin(); it != ours.end();)
        it = duSizes.count(it->first) ? std::next(it) : ours.erase(it);
    EXPECT_EQ(ours, duSizes);
    EXPECT_GT(ours.size(), 250u);
}

TEST(ScanRealTree, OneThreadAndFourBuildTheSameTree)
{
    TempTree tree;
    BuildHostileTree(tree);
    ScannedSurvey one, four;
    ASSERT_TRUE(Scan(one, tree, 1));
    ASSERT_TRUE(Scan(four, tree, 4));
    EXPECT_EQ(Dump(one.Root()), Dump(four.Root()));
}

TEST(ScanRealTree, PathsFarDeeperThanPathMax)
{
    TempTree tree;
    const std::string level(40, 'd');
    std::string chain;
    for (int depth = 0; depth < 160; ++depth)
        chain += level + "/";
    std::string left = chain + "left/", right = chain + "right/";
    for (int depth = 0; depth < 20; ++depth) {
        left += level + "/";
        right += level + "/";
    }
    ASSERT_GT(left.size(), 6000u);
    tree.File(left + "f", 19);
    tree.File(right + "g", 23);
    tree.File(chain + "h", 29);
    tree.File("top", 1);

    for (int threads : {1, 3}) {
        ScannedSurvey survey;
        survey.SetSizeMode(SizeMode::Apparent);
        ASSERT_TRUE(Scan(survey, tree, threads));
        DirNode node = survey.Root();
        EXPECT_EQ(FileBytes(tree, node), 19 + 23 + 29 + 1);
        for (int depth = 0; depth < 160; ++depth) {
            node = Find(node, level);
            ASSERT_TRUE(node) << depth;
        }
        const std::string end = chain.substr(0, chain.size() - 1);
        EXPECT_EQ(FileBytes(tree, node, end), 19 + 23 + 29);
        EXPECT_EQ(FileBytes(tree, Find(node, "left"), end + "/left"), 19);
        EXPECT_EQ(FileBytes(tree, Find(node, "right"), end + "/right"), 23);
    }
}

// A name for a sub-directory made after s0, s1 and s2 that its directory
// lists before one of them; empty when this file system has none.
std::string NameListedBeforeAnotherSibling()
{
    TempTree probe;
    for (const char* sibling : {"s0", "s1", "s2"})
        probe.Dir(sibling);
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const std::string name(1, letter);
        probe.Dir(name);
        std::vector<std::string> order;
        if (DIR* dir = opendir(probe.Root().c_str())) {
            while (const dirent* entry = readdir(dir))
                order.push_back(entry->d_name);
            closedir(dir);
        }
        if (order.back() != name)
            return name;
        rmdir(probe.Path(name).c_str());
    }
    return {};
}

// Scans tree under a descriptor limit that cannot be raised again, with
// several numbers of threads and as the export walks; ends the process with
// 0 when every result is expected and complete.
[[noreturn]] void ScanUnderDescriptorLimit(const TempTree& tree, rlim_t limit, const std::string& expected)
{
    const struct rlimit low {
        limit, limit
    };
    if (setrlimit(RLIMIT_NOFILE, &low) != 0)
        _exit(2);
    bool same = true;
    for (int threads : {1, 2, 16}) {
        ScannedSurvey survey;
        const bool scanned = Scan(survey, tree, threads);
        const bool whole = scanned && Dump(survey.Root()) == expected && survey.GetScanProblems().empty();
        if (!whole)
            std::fprintf(stderr, "%d threads: scanned %d, problems %zu, error %d\n", threads, scanned,
                         survey.GetScanProblems().size(),
                         survey.GetScanProblems().empty() ? 0 : survey.GetScanProblems().front().error);
        same = same && whole;
    }
    PosixDirectorySource disk;
    PrefetchingSource readAhead(disk, 16);
    ScanControl control;
    DirTree exported("ROOT");
    TreeBuilder builder(exported);
    const bool walked = SequentialWalk(readAhead, control).Run(tree.Root(), builder);
    const std::vector<ScanProblem> exportProblems = builder.TakeProblems();
    const bool exportWhole = walked && Dump(DirNode(&exported, exported.Root())) == expected && exportProblems.empty();
    if (!exportWhole)
        std::fprintf(stderr, "export: walked %d, problems %zu, error %d\n", walked, exportProblems.size(),
                     exportProblems.empty() ? 0 : exportProblems.front().error);
    same = same && exportWhole;
    _exit(same ? 0 : 1);
}

TEST(ScanRealTree, FewDescriptorsChangeNoResultWhateverTheThreads)
{
    // Each level waits, open, for a sibling of the way down listed after it.
    const std::string way = NameListedBeforeAnotherSibling();
    if (way.empty())
        GTEST_SKIP() << "this file system lists the way down last: no level waits open";
    TempTree tree;
    constexpr int kDepth = 200;
    std::string chain;
    for (int depth = 0; depth < kDepth; ++depth) {
        for (const char* side : {"s0/f", "s1/f", "s2/f"})
            tree.File(chain + side, 1);
        chain += way + "/";
        tree.Dir(chain);
    }
    ScannedSurvey reference;
    ASSERT_TRUE(Scan(reference, tree, 1));
    ASSERT_EQ(FileBytes(tree, reference.Root()), 3 * kDepth);
    // Lowered in a process of its own: a lower hard limit is for good.
    EXPECT_EXIT(ScanUnderDescriptorLimit(tree, kDepth / 4, Dump(reference.Root())), ::testing::ExitedWithCode(0), "");
}

// What a walk of tree finds with its descriptors from calls, as the tree's
// dump and the errors of its problems: the parallel walk with threads, or
// the export's walk on one thread with threads reading ahead.
std::string WalkWith(DescriptorCalls& calls, const TempTree& tree, int threads, bool exportWalk)
{
    std::vector<ScanProblem> problems;
    std::string dump;
    if (exportWalk) {
        PosixDirectorySource disk(calls);
        PrefetchingSource readAhead(disk, threads);
        ScanControl control;
        DirTree exported("ROOT");
        TreeBuilder builder(exported);
        if (SequentialWalk(readAhead, control).Run(tree.Root(), builder))
            dump = Dump(DirNode(&exported, exported.Root()));
        problems = builder.TakeProblems();
    } else {
        ScannedSurvey survey;
        survey.scanner.SetSource(std::make_unique<PosixDirectorySource>(calls));
        if (Scan(survey, tree, threads))
            dump = Dump(survey.Root());
        problems = survey.GetScanProblems();
    }
    for (const ScanProblem& problem : problems)
        dump += "problem " + std::to_string(problem.error) + "\n";
    return dump;
}

TEST(ScanRealTree, AWalkShortOfDescriptorsEndsWholeOrSaysWhy)
{
    TempTree tree;
    std::string chain;
    for (int depth = 0; depth < 40; ++depth) {
        for (const char* side : {"s0/f", "s1/f", "s2/f"})
            tree.File(chain + side, 1);
        chain += "d/";
        tree.Dir(chain);
    }
    ScannedSurvey reference;
    ASSERT_TRUE(Scan(reference, tree, 1));
    constexpr std::size_t kRoomy = 1000;
    for (bool exportWalk : {false, true})
        for (int threads : {1, 2, 16}) {
            // A sub-directory needs its parent's descriptor and its own: two
            // are enough for any depth and any number of threads.
            for (std::size_t limit : {2, 3, 5}) {
                ScriptedDescriptors calls(limit, kRoomy);
                EXPECT_EQ(WalkWith(calls, tree, threads, exportWalk), Dump(reference.Root()))
                    << limit << " descriptors, " << threads << " threads, export " << exportWalk;
            }
            // One is not: every sub-directory of the root is unreadable, and
            // the walk says so rather than give its one back and try again.
            ScriptedDescriptors one(1, kRoomy);
            const std::string found = WalkWith(one, tree, threads, exportWalk);
            EXPECT_NE(found.find("problem " + std::to_string(EMFILE)), std::string::npos) << found;
            EXPECT_EQ(found.find("problem " + std::to_string(ECANCELED)), std::string::npos) << found;
        }
}

TEST(ScanRealTree, AnOpenRefusedWhileAnotherCallClosesOneTriesAgain)
{
    TempTree tree;
    tree.Dir("a");
    tree.Dir("b");
    ScriptedDescriptors calls(2, 1000);
    PosixDirectorySource source(calls);
    EntryStat rootStat;
    int error = 0;
    const int root = source.OpenRoot(tree.Root(), rootStat, error);
    const int a = source.OpenChild(root, "a", error);
    ASSERT_GE(a, 0);
    // The only other descriptor is closed while the open of b is refused:
    // with no call left running, there is room all the same.
    calls.WhenRefused([&] { source.Close(a); });
    const int b = source.OpenChild(root, "b", error);
    EXPECT_GE(b, 0) << std::strerror(error);
    source.Close(b);
    source.Close(root);
    EXPECT_EQ(calls.Held(), 0u);
}

TEST(ScanRealTree, RootsThatAreAvailableOrBlank)
{
    ScannedSurvey survey;
    survey.SetSizeMode(SizeMode::Apparent);
    std::int64_t oneFileBytes = 0;
    {
        TempTree oneFile;
        oneFile.File("only", 4242);
        ASSERT_TRUE(Scan(survey, oneFile));
        EXPECT_EQ(FileBytes(oneFile, survey.Root()), 4242);
        EXPECT_FALSE(survey.Root().firstChild());
        oneFileBytes = survey.Root().bytes();
    }
    {
        TempTree blank;
        EXPECT_FALSE(Scan(survey, blank));
        EXPECT_EQ(survey.Root().bytes(), oneFileBytes) << "the old tree stays";
        EXPECT_FALSE(survey.ScanPath(blank.Path("missing"), "x"));
        blank.File("plain", 1);
        EXPECT_FALSE(survey.ScanPath(blank.Path("plain"), "x")) << "a file is no directory";
    }
    {
        TempTree dirsOnly;
        dirsOnly.Dir("alice");
        dirsOnly.File("bob/notes", 5);
        ASSERT_TRUE(Scan(survey, dirsOnly));
        EXPECT_EQ(FileBytes(dirsOnly, survey.Root()), 5);
    }
}

TEST(ScanRealTree, BindMountsInsideTheTreeAreNotCrossed)
{
    TempTree tree;
    tree.File("src/data", 100000);
    tree.Dir("t/m");
    tree.Dir("t/self");
    if (mount(tree.Path("src").c_str(), tree.Path("t/m").c_str(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "cannot bind-mount here: " << std::strerror(errno);
    const bool selfBound = mount(tree.Root().c_str(), tree.Path("t/self").c_str(), nullptr, MS_BIND, nullptr) == 0;
    ScannedSurvey survey;
    survey.SetSizeMode(SizeMode::Apparent);
    const bool scanned = Scan(survey, tree, 2);
    umount2(tree.Path("t/m").c_str(), MNT_DETACH);
    if (selfBound)
        umount2(tree.Path("t/self").c_str(), MNT_DETACH);
    ASSERT_TRUE(scanned);
    EXPECT_EQ(FileBytes(tree, survey.Root()), 100000);
    EXPECT_EQ(FileBytes(tree, Find(survey.Root(), "t"), "t"), 0);
    EXPECT_EQ(CountChildren(Find(survey.Root(), "t")), 0);
}

// Mounts made by a test, undone however the test ends.
class Mounts {
public:
    ~Mounts()
    {
        for (auto at = made.rbegin(); at != made.rend(); ++at)
            umount2(at->c_str(), MNT_DETACH);
    }
    bool Mount(const std::string& source, const std::string& target, const char* type, unsigned long flags)
    {
        if (mount(source.c_str(), target.c_str(), type, flags, nullptr) != 0)
            return false;
        made.push_back(target);
        return true;
    }

private:
    std::vector<std::string> made;
};

TEST(ScanRealTree, AFileBoundFromAnotherFileSystemCountsNothing)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting needs root";
    TempTree tree;
    tree.Dir("other");
    tree.File("kept", 10);
    tree.File("bound", 0);
    Mounts mounts;
    if (!mounts.Mount("kelmo-test", tree.Path("other"), "tmpfs", 0))
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    tree.File("other/big", 1000000);
    ASSERT_TRUE(mounts.Mount(tree.Path("other/big"), tree.Path("bound"), nullptr, MS_BIND));
    for (int threads : {1, 4}) {
        ScannedSurvey survey;
        ASSERT_TRUE(Scan(survey, tree, threads));
        EXPECT_EQ(FileBytes(tree, survey.Root()), 10) << threads << " threads";
        EXPECT_LT(survey.Root().diskBytes(), 1000000) << threads << " threads";
    }
}

TEST(ScanRealTree, ApparentSizesAreWhatDuCountsWithApparentSizes)
{
    TempTree tree;
    tree.File("a/b/c", 12345);
    tree.File("a/.hidden", 3);
    tree.Dir("empty");
    tree.Symlink("a/link", "b/c");
    tree.Sparse("sparse.img", 1LL << 30);
    for (int i = 0; i < 300; ++i)
        tree.File("wide/" + std::to_string(i), i);
    FILE* du = popen(("du -sxb '" + tree.Root() + "' 2>/dev/null").c_str(), "r");
    long long duBytes = -1;
    const bool read = du && std::fscanf(du, "%lld", &duBytes) == 1;
    if (!du || pclose(du) != 0 || !read)
        GTEST_SKIP() << "du is not installed";
    for (int threads : {1, 4}) {
        ScannedSurvey survey;
        ASSERT_TRUE(Scan(survey, tree, threads));
        EXPECT_EQ(survey.Root().apparentBytes(), duBytes) << threads << " threads";
    }
}

TEST(ScanRealTree, TwoFilesOfTheLargestSizeSaturateTheTotal)
{
    // tmpfs takes files of 2^63-1 bytes, and any user can make them there.
    char pattern[] = "/dev/shm/kelmo-huge-XXXXXX";
    if (!mkdtemp(pattern))
        GTEST_SKIP() << "no writable /dev/shm";
    const std::string root = pattern;
    bool made = true;
    for (const char* name : {"/a", "/b"}) {
        FILE* file = std::fopen((root + name).c_str(), "w");
        made = made && file && truncate((root + name).c_str(), std::numeric_limits<std::int64_t>::max()) == 0;
        if (file)
            std::fclose(file);
    }
    ScannedSurvey survey;
    survey.SetSizeMode(SizeMode::Apparent);
    const bool scanned = made && survey.ScanPath(root, "ROOT");
    std::remove((root + "/a").c_str());
    std::remove((root + "/b").c_str());
    rmdir(root.c_str());
    if (!made)
        GTEST_SKIP() << "this file system refuses files of 2^63-1 bytes";
    ASSERT_TRUE(scanned);
    EXPECT_EQ(survey.Root().bytes(), std::numeric_limits<std::int64_t>::max());
}
