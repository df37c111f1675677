#include "TempTree.h"
#include "TrashMove.h"
#include "TrashRecord.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A temporary directory posing as a drive; the home trash is nowhere, so
// only the drive's own trash can be used.
class TrashMoveTest : public ::testing::Test {
protected:
    TrashMove Move(const std::string& below, std::vector<std::string> mounts = {}) const
    {
        return TrashMove(drive.Root(), below, TrashCan::Places{geteuid(), ""}, [mounts] { return mounts; });
    }
    std::string Trash(const std::string& relative) const
    {
        return drive.Path(".Trash-" + std::to_string(geteuid()) + "/" + relative);
    }

    TempTree drive;
};

// Runs check in a child process with a mount namespace of its own, where
// it may mount; returns what the child found wrong, or skips.
std::string InOwnMountNamespace(const std::function<std::string()>& check)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        std::string wrong;
        if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            wrong = "SKIP";
        else
            wrong = check();
        (void)!write(pipeFds[1], wrong.data(), wrong.size());
        _exit(0);
    }
    close(pipeFds[1]);
    std::string wrong;
    char buffer[256];
    for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        wrong.append(buffer, static_cast<std::size_t>(got));
    close(pipeFds[0]);
    waitpid(child, nullptr, 0);
    return wrong;
}

} // namespace

// The directory goes whole into the drive's own trash, made closed to
// everyone else, with a record that names it from the drive's top.
TEST_F(TrashMoveTest, MovesIntoTheDrivesOwnTrashWithARecord)
{
    drive.File("a/gone/x", 9000);
    TrashMove move = Move("a/gone");
    ASSERT_EQ(move.Check(), "");
    EXPECT_FALSE(fs::exists(Trash(""))) << "nothing is made before the question";
    ASSERT_EQ(move.Move(), "");
    EXPECT_FALSE(fs::exists(drive.Path("a/gone")));
    EXPECT_EQ(fs::file_size(Trash("files/gone/x")), 9000u);
    EXPECT_EQ(fs::status(Trash("")).permissions(), fs::perms::owner_all);
    EXPECT_EQ(move.TrashedPath(), Trash("files/gone"));
    const std::string record = ReadFile(Trash("info/gone.trashinfo"));
    EXPECT_EQ(record.substr(0, record.find("DeletionDate=")), "[Trash Info]\nPath=a/gone\n");
}

// A parent swapped for a link (or for another directory of the same name)
// between the question and the answer: the move refuses, and neither the
// directory nor the one the link leads to moves.
TEST_F(TrashMoveTest, AParentSwappedAfterTheCheckIsRefused)
{
    drive.File("user/junk/ssl/key", 10);
    drive.File("victim/ssl/cert", 20);
    for (const bool asLink : {true, false}) {
        TrashMove move = Move("user/junk/ssl");
        ASSERT_EQ(move.Check(), "");
        fs::rename(drive.Path("user/junk"), drive.Path("user/junk.old"));
        if (asLink)
            fs::create_directory_symlink("../victim", drive.Path("user/junk"));
        else
            drive.File("user/junk/ssl/other", 5);
        EXPECT_NE(move.Move(), "") << (asLink ? "link" : "directory");
        EXPECT_TRUE(fs::exists(drive.Path("victim/ssl/cert")));
        EXPECT_TRUE(fs::exists(drive.Path("user/junk.old/ssl/key")));
        EXPECT_FALSE(fs::exists(Trash("files/ssl")));
        EXPECT_FALSE(fs::exists(Trash("info/ssl.trashinfo")));
        fs::remove_all(drive.Path("user/junk"));
        fs::rename(drive.Path("user/junk.old"), drive.Path("user/junk"));
    }
}

// Another user's .Trash-UID, open to all or with its files leading
// elsewhere, is never used: the check says why and nothing lands there.
TEST_F(TrashMoveTest, APlantedDriveTrashIsRefused)
{
    drive.File("d/f", 10);
    drive.Dir("theirs");
    drive.Dir(".Trash-" + std::to_string(geteuid()));
    fs::permissions(Trash(""), fs::perms::all);
    std::string why = Move("d").Check();
    EXPECT_NE(why.find("open to other users (mode 0777)"), std::string::npos) << why;
    EXPECT_NE(why.find("nothing was moved"), std::string::npos) << why;

    fs::permissions(Trash(""), fs::perms::owner_all);
    fs::create_directory_symlink(drive.Path("theirs"), Trash("files"));
    TrashMove move = Move("d");
    why = move.Check();
    EXPECT_NE(why.find("files, which is a symbolic link"), std::string::npos) << why;
    EXPECT_NE(move.Move(), "");
    EXPECT_TRUE(fs::is_empty(drive.Path("theirs")));
    EXPECT_TRUE(fs::exists(drive.Path("d/f")));

    if (geteuid() != 0)
        GTEST_SKIP() << "giving the trash to another user needs root";
    fs::remove(Trash("files"));
    ASSERT_EQ(chown(Trash("").c_str(), 12345, 12345), 0);
    why = Move("d").Check();
    EXPECT_NE(why.find("belongs to another user"), std::string::npos) << why;
}

// A name holding a newline and "%" gives one valid record line, percent-
// encoded; a second entry of the same name gets a name of its own.
TEST_F(TrashMoveTest, RecordsAreEncodedAndNamesMadeUnique)
{
    const std::string odd = "a\nb%c d\xe9";
    drive.File("one/" + odd + "/f", 10);
    drive.File("two/" + odd + "/g", 10);
    for (const std::string parent : {"one/", "two/"}) {
        TrashMove move = Move(parent + odd);
        ASSERT_EQ(move.Check(), "");
        ASSERT_EQ(move.Move(), "");
    }
    EXPECT_TRUE(fs::exists(Trash("files/" + odd + "/f")));
    EXPECT_TRUE(fs::exists(Trash("files/" + odd + ".2/g")));
    const std::string record = ReadFile(Trash("info/" + odd + ".2.trashinfo"));
    EXPECT_EQ(record.substr(0, record.find("DeletionDate=")), "[Trash Info]\nPath=two/a%0Ab%25c%20d%E9\n");
    EXPECT_EQ(std::count(record.begin(), record.end(), '\n'), 3);
    EXPECT_EQ(PercentEncoded("/x/Path=/etc/y\n"), "/x/Path%3D/etc/y%0A");
}

// The drive's trash itself is not offered, and a directory holding a mount
// does not go.
TEST_F(TrashMoveTest, TrashesAndMountsStay)
{
    drive.File(".Trash-0/files/x/f", 10);
    drive.File("m/inner/f", 10);
    fs::permissions(drive.Path(".Trash-0"), fs::perms::owner_all);
    EXPECT_NE(Move(".Trash-0").Check(), "");
    EXPECT_NE(Move(".Trash-0/files/x").Check(), "");
    const std::string mountPoint = drive.Path("m/inner");
    EXPECT_EQ(Move("m", {"/", drive.Path("m") + "x"}).Check(), "");
    EXPECT_EQ(Move("m", {"/", mountPoint}).Check(), "It holds the mount point " + mountPoint + ": nothing was moved");
}

// With a real mount in a namespace of the test's own: a directory holding a
// tmpfs stays, and a read-only drive says so plainly.
TEST_F(TrashMoveTest, RealMountsAndReadOnlyDrives)
{
    drive.Dir("usb");
    const std::string usb = drive.Path("usb");
    const std::string wrong = InOwnMountNamespace([&]() -> std::string {
        if (mount("tmpfs", usb.c_str(), "tmpfs", 0, nullptr) != 0 || mkdir((usb + "/d").c_str(), 0755) != 0
            || mkdir((usb + "/d/mnt").c_str(), 0755) != 0
            || mount("tmpfs", (usb + "/d/mnt").c_str(), "tmpfs", 0, nullptr) != 0)
            return "SKIP";
        TrashMove holding(usb, "d", TrashCan::Places{geteuid(), ""}, TrashMove::SystemMounts());
        const std::string held = holding.Check();
        if (held != "It holds the mount point " + usb + "/d/mnt: nothing was moved")
            return "mount inside: " + held;
        if (umount((usb + "/d/mnt").c_str()) != 0
            || mount(nullptr, usb.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            return "SKIP";
        TrashMove readOnly(usb, "d", TrashCan::Places{geteuid(), ""}, TrashMove::SystemMounts());
        const std::string why = readOnly.Check();
        return why == "The drive is read-only: nothing was moved" ? "" : "read-only: " + why;
    });
    if (wrong == "SKIP")
        GTEST_SKIP() << "needs root and a mount namespace of its own";
    EXPECT_EQ(wrong, "");
}
