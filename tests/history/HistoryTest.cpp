#include "CalendarDay.h"
#include "HistoryFolder.h"
#include "HistoryLock.h"
#include "KeepPolicy.h"
#include "MomentName.h"
#include "RecordingName.h"
#include "TempTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>

namespace {

std::int64_t At(const std::string& day, int hour = 0, int minute = 0)
{
    CalendarDay parsed;
    EXPECT_TRUE(CalendarDay::Parse(day, parsed)) << day;
    return parsed.Start() + hour * 3600 + minute * 60;
}

std::vector<Recording> RecordingsAt(const std::vector<std::int64_t>& times)
{
    std::vector<Recording> recordings;
    for (std::int64_t time : times)
        recordings.push_back({time, RecordingName::For(time), -1});
    return recordings;
}

} // namespace

TEST(RecordingName, NamesSortAsTimesAndReadBack)
{
    const std::int64_t time = At("2026-12-09", 7, 26) + 5;
    EXPECT_EQ(RecordingName::For(time), "20261209T072605Z.json.zst");
    std::int64_t back = 0;
    ASSERT_TRUE(RecordingName::Parse("20261209T072605Z.json.zst", back));
    EXPECT_EQ(back, time);
    for (const char* other : {"index", ".lock", "20261209T072605Z.json", "20261232T000000Z.json.zst",
                              "20260229T000000Z.json.zst", "20261209T246000Z.json.zst", "2026120xT072605Z.json.zst"})
        EXPECT_FALSE(RecordingName::Parse(other, back)) << other;
}

std::vector<std::int64_t> Thinned(const KeepPolicy& policy, const std::vector<std::int64_t>& times, std::int64_t now)
{
    std::vector<std::int64_t> kept;
    const std::vector<std::size_t> removed = policy.ToRemove(times, now);
    for (std::size_t i = 0; i < times.size(); ++i)
        if (!std::binary_search(removed.begin(), removed.end(), i))
            kept.push_back(times[i]);
    return kept;
}

// Thinned after every daily recording for a year, as the timer does, the
// history keeps the same recordings as one thinning at the end would: the
// last two days whole, one a day back to 30 days, then the newest of each
// week and of each month.
TEST(KeepPolicy, DailyRecordingsThinnedEveryDayKeepTheTiers)
{
    const KeepPolicy policy;
    std::vector<std::int64_t> all, kept;
    const std::int64_t first = At("2026-01-01", 3, 10);
    std::int64_t now = first;
    for (int day = 0; day < 365; ++day) {
        now = first + day * CalendarDay::kSecondsPerDay;
        for (std::int64_t time : day % 10 == 0 ? std::vector<std::int64_t>{now - 3600, now} : std::vector{now}) {
            all.push_back(time); // every tenth day, one more by hand
            kept.push_back(time);
        }
        kept = Thinned(policy, kept, now);
    }
    EXPECT_EQ(kept, Thinned(policy, all, now));
    int young = 0, monthOld = 0, older = 0;
    for (std::int64_t time : kept) {
        const std::int64_t age = now - time;
        (age < 2 * CalendarDay::kSecondsPerDay ? young : age < 30 * CalendarDay::kSecondsPerDay ? monthOld : older)++;
    }
    EXPECT_EQ(young, 2);
    EXPECT_EQ(monthOld, 28);
    // 47 or 48 weeks, and at most 12 month ends that are no week's end.
    EXPECT_GE(older, 47);
    EXPECT_LE(older, 60);
}

TEST(KeepPolicy, RulesAreReadOrRefused)
{
    KeepPolicy policy;
    std::string error;
    ASSERT_TRUE(KeepPolicy::Parse("all:36h", policy, error)) << error;
    const std::int64_t now = At("2026-12-09", 12);
    // Only the "all" tier: what is older than 36 hours goes, but the newest stays.
    EXPECT_EQ(policy.ToRemove({now - 3600, now - 40 * 3600, now - 30 * 3600}, now), std::vector<std::size_t>{1});
    EXPECT_EQ(policy.ToRemove({now - 400 * 86400}, now), std::vector<std::size_t>{});
    for (const char* bad : {"hourly:2d", "daily", "daily:2x", "daily:-2d", "all:2d,weekly:"})
        EXPECT_FALSE(KeepPolicy::Parse(bad, policy, error)) << bad;
}

TEST(MomentName, NamesTheRecordingAPersonMeans)
{
    // Recordings at 15:00 on 1, 6 and 8 December and at 03:00 on the 9th.
    const std::vector<Recording> recordings = RecordingsAt(
        {At("2026-12-01", 15), At("2026-12-06", 15), At("2026-12-08", 15), At("2026-12-09", 3)});
    const std::int64_t now = At("2026-12-09", 10);
    std::string problem;
    EXPECT_EQ(MomentName::Resolve("@latest", recordings, now, problem), 3);
    // Yesterday's recording, although it is less than 24 hours old.
    EXPECT_EQ(MomentName::Resolve("@yesterday", recordings, now, problem), 2);
    EXPECT_EQ(MomentName::Resolve("@1d", recordings, now, problem), 1);
    EXPECT_EQ(MomentName::Resolve("@3d", recordings, now, problem), 0);
    EXPECT_EQ(MomentName::Resolve("@2026-12-07", recordings, now, problem), 1);
    EXPECT_EQ(MomentName::Resolve("@2026-12-08", recordings, now, problem), 2);
    EXPECT_EQ(MomentName::Resolve("@30d", recordings, now, problem), -1);
    EXPECT_EQ(problem, "no recording at least 30d old");
    EXPECT_EQ(MomentName::Resolve("@2026-11-30", recordings, now, problem), -1);
    EXPECT_EQ(MomentName::Resolve("@latest", {}, now, problem), -1);
    EXPECT_EQ(problem, "no recording yet");
    EXPECT_EQ(MomentName::Resolve("@lastweek", recordings, now, problem), -1);
    EXPECT_EQ(problem, "'@lastweek' names no moment (@latest, @yesterday, @7d or @2026-12-01)");
}

TEST(HistoryFolder, ListsRecordingsWithTheirIndexedSizes)
{
    TempTree temp;
    const HistoryFolder folder(temp.Path("state/kelmo/history/mount-%2F"));
    std::string problem;
    ASSERT_TRUE(folder.Make(problem)) << problem;
    const std::vector<Recording> made = RecordingsAt({At("2026-12-08", 3), At("2026-12-09", 3), At("2026-12-07", 3)});
    for (const Recording& recording : made)
        temp.File("state/kelmo/history/mount-%2F/" + recording.fileName, 10);
    temp.File("state/kelmo/history/mount-%2F/notes.txt", 1);
    ASSERT_TRUE(folder.Index({made[0].time, made[0].fileName, 500}, problem)) << problem;
    ASSERT_TRUE(folder.Index({made[1].time, made[1].fileName, 700}, problem)) << problem;

    std::vector<Recording> listed = folder.Recordings();
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0].fileName, made[2].fileName);
    EXPECT_EQ(listed[0].usedBytes, -1); // the index lacks it: still listed
    EXPECT_EQ(listed[1].usedBytes, 500);
    EXPECT_EQ(listed[2].usedBytes, 700);

    ASSERT_TRUE(folder.Remove(listed[1], problem)) << problem;
    listed = folder.Recordings();
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[1].usedBytes, 700);
    std::ifstream index(folder.Path() + "/index");
    std::string text((std::istreambuf_iterator<char>(index)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, made[1].fileName + "\t700\n");
}

TEST(HistoryFolder, ARecordingTheIndexLacksIsIndexedFromItself)
{
    TempTree temp;
    const HistoryFolder folder(temp.Path("history"));
    std::string problem;
    ASSERT_TRUE(folder.Make(problem)) << problem;
    const std::vector<Recording> made = RecordingsAt({At("2026-12-08", 3), At("2026-12-09", 3)});
    temp.File("history/" + made[0].fileName, 10);
    ASSERT_TRUE(folder.Index({made[0].time, made[0].fileName, 500}, problem)) << problem;
    std::ofstream(folder.Path() + "/" + made[1].fileName)
        << R"([1,2,{"progname":"kelmo","timestamp":1},[{"name":"/","asize":4096,"dsize":4096},)"
        << R"({"name":"f","asize":5000,"dsize":8192}]])";

    ASSERT_TRUE(folder.IndexMissing(problem)) << problem;
    const std::vector<Recording> listed = folder.Recordings();
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].usedBytes, 500);
    EXPECT_EQ(listed[1].usedBytes, 4096 + 8192);
}

TEST(HistoryFolder, DrivesAreNamedByUuidElseByMountPoint)
{
    TempTree temp;
    temp.File("dev/sdz1", 0);
    temp.Symlink("by-uuid/5f3a-11", "../dev/sdz1");
    temp.Symlink("by-uuid/other", "../dev/nothing");
    EXPECT_EQ(HistoryFolder::DriveFolderName({temp.Path("dev/sdz1"), temp.Root(), "ext4"}, temp.Path("by-uuid")),
              "uuid-5f3a-11");
    EXPECT_EQ(HistoryFolder::DriveFolderName({"tmpfs", "/srv/my data", "tmpfs"}, temp.Path("by-uuid")),
              "mount-%2Fsrv%2Fmy%20data");
}

TEST(HistoryLock, OneRecordingOfADriveAtATime)
{
    TempTree temp;
    auto first = std::make_unique<HistoryLock>(temp.Root());
    EXPECT_TRUE(first->Held());
    EXPECT_FALSE(HistoryLock(temp.Root()).Held());
    first.reset();
    EXPECT_TRUE(HistoryLock(temp.Root()).Held());
}
