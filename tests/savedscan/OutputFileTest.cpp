#include "ExportCommand.h"
#include "OutputFile.h"
#include "TempTree.h"
#include "TemporaryName.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

// Where an export writes, as a hostile user, a signal or a shell redirect
// would test it.

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const std::string& path, const std::string& text, mode_t mode = 0644)
{
    std::ofstream(path, std::ios::binary) << text;
    chmod(path.c_str(), mode);
}

bool IsScan(const std::string& text)
{
    return text.rfind("[1,2,{\"progname\":\"kelmo\"", 0) == 0 && text.size() > 2
        && text.substr(text.size() - 2) == "]\n";
}

int Export(const std::string& file, const std::string& path, std::string* message = nullptr)
{
    std::ostringstream err;
    Options options;
    options.action = Action::Export;
    options.exportFile = file;
    options.path = path;
    options.threads = 1;
    const int status = RunExport(options, err);
    if (message)
        *message = err.str();
    return status;
}

std::vector<std::string> Names(const std::string& dir)
{
    std::vector<std::string> names;
    if (DIR* listing = opendir(dir.c_str())) {
        while (const dirent* entry = readdir(listing))
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                names.push_back(entry->d_name);
        closedir(listing);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Runs body in a child process as nobody; its exit status.
template <typename Body>
int AsNobody(Body body)
{
    const pid_t child = fork();
    if (child == 0) {
        const bool dropped = setgroups(0, nullptr) == 0 && setresgid(kNogroup, kNogroup, kNogroup) == 0
            && setresuid(kNobody, kNobody, kNobody) == 0;
        _exit(dropped ? body() : 99);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

#define SKIP_UNLESS_ROOT() \
    if (geteuid() != 0) \
    GTEST_SKIP() << "needs root, to act as a second user"

struct Shared {
    TempTree tree;
    std::string scanned = tree.Path("scanned");
    std::string shared = tree.Path("shared");
    std::string victim = tree.Path("victim");

    Shared()
    {
        tree.File("scanned/f", 100);
        tree.Dir("shared");
        chmod(shared.c_str(), 01777);
        Write(victim, "secret", 0600);
    }
};

} // namespace

TEST(OutputFile, RefusesWhatAnotherUserPlantedInASharedDirectory)
{
    SKIP_UNLESS_ROOT();
    Shared place;
    const std::string planted = place.shared + "/scan.json";
    ASSERT_EQ(symlink(place.victim.c_str(), planted.c_str()), 0);
    ASSERT_EQ(lchown(planted.c_str(), kNobody, kNogroup), 0);
    std::string message;
    EXPECT_EQ(Export(planted, place.scanned, &message), 1);
    EXPECT_EQ(message,
              "kelmo: cannot write '" + planted
                  + "': not following a symbolic link that another user owns in a shared directory\n");
    // Through a link in a folder on the way, too.
    const std::string plantedFolder = place.shared + "/folder";
    ASSERT_EQ(symlink(place.tree.Root().c_str(), plantedFolder.c_str()), 0);
    ASSERT_EQ(lchown(plantedFolder.c_str(), kNobody, kNogroup), 0);
    EXPECT_EQ(Export(plantedFolder + "/victim", place.scanned), 1);
    // A plain file of theirs is no more ours to fill.
    unlink(planted.c_str());
    Write(planted, "theirs");
    ASSERT_EQ(chown(planted.c_str(), kNobody, kNogroup), 0);
    EXPECT_EQ(Export(planted, place.scanned), 1);
    EXPECT_EQ(Contents(planted), "theirs");
    EXPECT_EQ(Contents(place.victim), "secret");

    // Nor is a file of the caller's that has another name there: anyone may
    // have made it (where hard links to others' files are allowed).
    unlink(planted.c_str());
    ASSERT_EQ(link(place.victim.c_str(), planted.c_str()), 0);
    EXPECT_EQ(Export(planted, place.scanned), 0);
    EXPECT_EQ(Contents(place.victim), "secret");
    EXPECT_TRUE(IsScan(Contents(planted)));

    // A link of the caller's own is followed.
    unlink(planted.c_str());
    ASSERT_EQ(symlink(place.victim.c_str(), planted.c_str()), 0);
    EXPECT_EQ(Export(planted, place.scanned), 0);
    EXPECT_TRUE(IsScan(Contents(place.victim)));
}

TEST(OutputFile, ALinkSwappedInDuringTheExportNeverReachesTheVictim)
{
    SKIP_UNLESS_ROOT();
    Shared place;
    const std::string name = place.shared + "/scan.json";
    const std::string link = place.shared + "/link";
    const std::string file = place.shared + "/file";
    std::atomic<bool> done{false};
    std::thread swapper([&] {
        for (bool toLink = true; !done; toLink = !toLink) {
            if (toLink) {
                symlink(place.victim.c_str(), link.c_str());
                lchown(link.c_str(), kNobody, kNogroup);
                rename(link.c_str(), name.c_str());
            } else {
                Write(file, "mine");
                chown(file.c_str(), kNobody, kNogroup);
                rename(file.c_str(), name.c_str());
            }
        }
    });
    for (int run = 0; run < 200; ++run)
        Export(name, place.scanned);
    done = true;
    swapper.join();
    EXPECT_EQ(Contents(place.victim), "secret");
    struct stat st {};
    ASSERT_EQ(stat(place.victim.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(st.st_uid, 0u);
}

TEST(OutputFile, AReplacedFileKeepsItsOwnerModeAndAttributes)
{
    SKIP_UNLESS_ROOT();
    TempTree tree;
    tree.File("scanned/f", 100);
    const std::string scan = tree.Path("scan.json");
    Write(scan, "old", 0640);
    ASSERT_EQ(chown(scan.c_str(), kNobody, kNogroup), 0);
    // An ACL that lets user 1 read: owner rw, user 1 r, group r, mask r, others none.
    const unsigned char acl[] = {2,    0, 0, 0,                          // version
                                 1,    0, 6, 0, 0xff, 0xff, 0xff, 0xff,  // owner
                                 2,    0, 4, 0, 1,    0,    0,    0,     // user 1
                                 4,    0, 4, 0, 0xff, 0xff, 0xff, 0xff,  // group
                                 0x10, 0, 4, 0, 0xff, 0xff, 0xff, 0xff,  // mask
                                 0x20, 0, 0, 0, 0xff, 0xff, 0xff, 0xff}; // others
    const bool hasAcl = setxattr(scan.c_str(), "system.posix_acl_access", acl, sizeof acl, 0) == 0;
    const bool hasUser = setxattr(scan.c_str(), "user.origin", "kept", 4, 0) == 0;
    struct stat before {};
    ASSERT_EQ(stat(scan.c_str(), &before), 0);

    ASSERT_EQ(Export(scan, tree.Path("scanned")), 0);
    struct stat after {};
    ASSERT_EQ(stat(scan.c_str(), &after), 0);
    EXPECT_TRUE(IsScan(Contents(scan)));
    EXPECT_NE(after.st_ino, before.st_ino) << "replaced, not written in place";
    EXPECT_EQ(after.st_uid, kNobody);
    EXPECT_EQ(after.st_gid, kNogroup);
    EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
    char value[64] = {};
    if (hasAcl) {
        EXPECT_EQ(getxattr(scan.c_str(), "system.posix_acl_access", value, sizeof value),
                  static_cast<ssize_t>(sizeof acl));
    }
    if (hasUser) {
        EXPECT_EQ(getxattr(scan.c_str(), "user.origin", value, sizeof value), 4);
    }
    if (!hasAcl || !hasUser)
        GTEST_SKIP() << "the file system keeps no ACLs or user attributes";
}

TEST(OutputFile, AFileWithOtherNamesIsWrittenInPlace)
{
    TempTree tree;
    tree.File("scanned/f", 100);
    const std::string scan = tree.Path("scan.json");
    const std::string other = tree.Path("other-name.json");
    Write(scan, "old");
    ASSERT_EQ(link(scan.c_str(), other.c_str()), 0);
    ASSERT_EQ(Export(scan, tree.Path("scanned")), 0);
    EXPECT_TRUE(IsScan(Contents(other)));
    EXPECT_EQ(Contents(other), Contents(scan));
}

TEST(OutputFile, AnOpenDescriptorIsWrittenThroughAsItIs)
{
    TempTree tree;
    tree.File("scanned/f", 100);
    const std::string log = tree.Path("log");
    Write(log, "before\n");
    const int appending = open(log.c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(appending, 0);
    // As `{ kelmo --export /dev/stdout D; echo after; } >>log` runs it.
    fflush(stdout);
    const int savedOut = dup(STDOUT_FILENO);
    dup2(appending, STDOUT_FILENO);
    const int status = Export("/dev/stdout", tree.Path("scanned"));
    const ssize_t written = write(STDOUT_FILENO, "after\n", 6);
    dup2(savedOut, STDOUT_FILENO);
    close(savedOut);
    ASSERT_EQ(status, 0);
    ASSERT_EQ(written, 6);
    EXPECT_EQ(Export("/proc/self/fd/" + std::to_string(appending), tree.Path("scanned")), 0);
    EXPECT_EQ(Export("/dev/fd/" + std::to_string(appending), tree.Path("scanned")), 0);
    close(appending);
    const std::string text = Contents(log);
    EXPECT_EQ(text.rfind("before\n[1,2,", 0), 0u) << text.substr(0, 40);
    EXPECT_NE(text.find("]\nafter\n[1,2,"), std::string::npos);
    std::size_t scans = 0;
    for (std::size_t at = text.find("[1,2,"); at != std::string::npos; at = text.find("[1,2,", at + 1))
        ++scans;
    EXPECT_EQ(scans, 3u);
}

TEST(OutputFile, LeavesNoTemporaryNameOnAnyWayOut)
{
    TempTree tree;
    tree.File("scanned/f", 100);
    const std::string scanned = tree.Path("scanned");
    {
        OutputFile output(scanned + "/new.json");
        ASSERT_TRUE(output.Open());
        ASSERT_EQ(write(output.Descriptor(), "x", 1), 1);
        EXPECT_EQ(Names(scanned), std::vector<std::string>{"f"}) << "the file being written has no name";
    }
    EXPECT_EQ(Names(scanned), std::vector<std::string>{"f"}) << "a file never committed is gone";

    // An export into the tree it scans does not list its own file.
    ASSERT_EQ(Export(scanned + "/scan.json", scanned), 0);
    EXPECT_EQ(Contents(scanned + "/scan.json").find("scan.json"), std::string::npos);

    // Where a named temporary file is needed, a signal that ends the
    // program removes it first.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        const pid_t child = fork();
        if (child == 0) {
            const int dir = open(scanned.c_str(), O_PATH | O_DIRECTORY);
            std::string temporary;
            const int fd = TemporaryName::Create(dir, "scan.json", temporary, [](int in, const char* name) {
                return openat(in, name, O_WRONLY | O_CREAT | O_EXCL, 0600);
            });
            if (fd < 0 || faccessat(dir, temporary.c_str(), F_OK, 0) != 0)
                _exit(1);
            raise(signal);
            _exit(2);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "status " << status;
        EXPECT_EQ(Names(scanned), (std::vector<std::string>{"f", "scan.json"})) << "signal " << signal;
    }
}

TEST(OutputFile, WriteErrorsNameTheFile)
{
    TempTree tree;
    tree.File("scanned/f", 100);
    std::string message;
    EXPECT_EQ(Export(tree.Path("missing/scan.json"), tree.Path("scanned"), &message), 1);
    EXPECT_EQ(message, "kelmo: cannot write '" + tree.Path("missing/scan.json") + "': No such file or directory\n");
}

TEST(OutputFile, AsAUserAWritableFileInAReadOnlyDirectoryIsWrittenInPlace)
{
    SKIP_UNLESS_ROOT();
    TempTree tree;
    tree.File("scanned/f", 100);
    chmod(tree.Root().c_str(), 0755);
    tree.Dir("locked");
    const std::string scan = tree.Path("locked/scan.json");
    Write(scan, "old", 0644);
    chown(scan.c_str(), kNobody, kNogroup);
    chown(tree.Path("locked").c_str(), kNobody, kNogroup);
    chmod(tree.Path("locked").c_str(), 0555);
    EXPECT_EQ(AsNobody([&] { return Export(scan, tree.Path("scanned")); }), 0);
    EXPECT_TRUE(IsScan(Contents(scan)));

    // A file of another user cannot be replaced with its owner kept.
    const std::string theirs = tree.Path("open/theirs.json");
    tree.Dir("open");
    chown(tree.Path("open").c_str(), kNobody, kNogroup);
    Write(theirs, "root's", 0666);
    EXPECT_EQ(AsNobody([&] {
                  std::string message;
                  return Export(theirs, tree.Path("scanned"), &message) == 1
                          && message.find("cannot give the new file the owner and group of the old one")
                              != std::string::npos
                      ? 0
                      : 1;
              }),
              0);
    EXPECT_EQ(Contents(theirs), "root's");
}
