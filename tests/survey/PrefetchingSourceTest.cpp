#include "FakeDirectorySource.h"
#include "LimitedThreads.h"
#include "PrefetchingSource.h"
#include "SequentialWalk.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

// Every event as a line of text.
class EventLog : public ScanEvents {
public:
    void EnterDirectory(std::string_view name, const EntryStat& dir) override
    {
        text += "enter " + std::string(name) + " " + std::to_string(dir.device) + "\n";
    }
    void File(std::string_view name, const EntryStat& file) override
    {
        text += "file " + std::string(name) + " " + std::to_string(file.apparentBytes) + "\n";
    }
    void OtherFileSystem(std::string_view name, const EntryStat&) override
    {
        text += "other " + std::string(name) + "\n";
    }
    void Unreadable(int error) override { text += "unreadable " + std::to_string(error) + "\n"; }
    void LeaveDirectory() override { text += "leave\n"; }

    std::string text;
};

// Wide and deep, with every way a directory can be left alone or fail.
void BuildTree(FakeDirectorySource& fake)
{
    for (int i = 0; i < 30; ++i) {
        const int dir = fake.AddDir(0, "wide" + std::to_string(i));
        fake.AddFile(dir, "f", i);
        int chain = dir;
        for (int depth = 0; depth < (i % 7) * 5; ++depth) {
            chain = fake.AddDir(chain, "d");
            fake.AddFile(fake.AddDir(chain, "side"), "g", depth);
        }
    }
    fake.AddFile(fake.AddDir(fake.AddDir(0, "usb", 2), "inside"), "elsewhere", 100);
    fake.MakeMountRoot(fake.AddDir(0, "bound"));
    fake.MakeUnopenable(fake.AddDir(0, "mounted-meanwhile"), EXDEV);
    fake.MakeUnopenable(fake.AddDir(fake.AddDir(0, "outer"), "locked"));
    const int broken = fake.AddDir(0, "broken");
    fake.AddFile(fake.AddDir(broken, "read"), "x", 5);
    fake.BreakListing(broken, EIO);
    fake.AddDir(broken, "never-listed");
    fake.MakeSilent(fake.AddDir(0, "silent"));
    fake.AddFile(0, "top", 7);
}

} // namespace

TEST(PrefetchingSource, AWalkGetsTheSameEventsAsFromTheSourceUnderneath)
{
    FakeDirectorySource fake;
    BuildTree(fake);
    ScanControl control;
    EventLog direct;
    ASSERT_TRUE(SequentialWalk(fake, control).Run("/fake", direct));
    for (int threads : {1, 2, 4}) {
        for (std::size_t lookahead : {1, 256}) {
            EventLog ahead;
            {
                PrefetchingSource source(fake, threads, lookahead);
                ASSERT_TRUE(SequentialWalk(source, control).Run("/fake", ahead));
            }
            EXPECT_EQ(ahead.text, direct.text) << threads << " threads, lookahead " << lookahead;
            EXPECT_EQ(fake.OpenHandles(), 0);
        }
    }
    for (int started : {0, 1}) {
        EventLog ahead;
        {
            PrefetchingSource source(fake, 4, 256, LimitedThreads(started));
            ASSERT_TRUE(SequentialWalk(source, control).Run("/fake", ahead));
        }
        EXPECT_EQ(ahead.text, direct.text) << "helpers that could not start: " << 3 - started;
    }
}

TEST(PrefetchingSource, AStoppedWalkLeavesNoHandleOpen)
{
    FakeDirectorySource fake;
    BuildTree(fake);
    ScanControl control;
    control.Reset();
    fake.OnRead(5, [&](const std::atomic<bool>&) { control.Stop(); });
    {
        PrefetchingSource source(fake, 3, 16);
        EventLog log;
        ASSERT_TRUE(SequentialWalk(source, control).Run("/fake", log));
        EXPECT_EQ(log.text.find("wide29"), std::string::npos) << "the walk went on";
    }
    EXPECT_EQ(fake.OpenHandles(), 0);
}
