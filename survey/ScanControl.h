#pragma once

#include "DirTree.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>

// What a running scan shares with whoever waits for it, from any thread: a
// stop request, and the running byte totals of the files seen so far, which
// it reports through a callback at most once per report interval (10
// milliseconds unless set otherwise). A stop request holds for good: whoever
// wants to scan again after one takes a new ScanControl.
class ScanControl {
public:
    using Progress = std::function<void(std::int64_t diskBytes, std::int64_t apparentBytes)>;
    static constexpr std::chrono::milliseconds kReportInterval{10};

    // Clears the totals left from an earlier scan.
    void Reset();
    void SetReportInterval(std::chrono::nanoseconds interval) { reportInterval = interval.count(); }
    void Stop() { stop.store(true, std::memory_order_relaxed); }
    bool Stopped() const { return stop.load(std::memory_order_relaxed); }
    const std::atomic<bool>& StopFlag() const { return stop; }

    // The callback runs on the walking threads; it must be thread-safe.
    void SetProgress(Progress callback) { progress = std::move(callback); }
    // Adds the files of one directory, and reports when the last report is
    // old enough.
    void Count(std::int64_t diskBytes, std::int64_t apparentBytes);
    // Reports final totals, whatever the time.
    void ReportFinal(std::int64_t diskBytes, std::int64_t apparentBytes);

    std::int64_t Bytes(SizeMode mode) const
    {
        return (mode == SizeMode::DiskUsage ? disk : apparent).load(std::memory_order_relaxed);
    }

private:
    static std::int64_t Now();

    std::atomic<bool> stop{false};
    std::atomic<std::int64_t> disk{0};
    std::atomic<std::int64_t> apparent{0};
    std::atomic<std::int64_t> lastReport{0};
    std::int64_t reportInterval = std::chrono::nanoseconds(kReportInterval).count();
    Progress progress;
};
