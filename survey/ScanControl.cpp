#include "ScanControl.h"

#include "Saturating.h"

namespace {

void AddTo(std::atomic<std::int64_t>& total, std::int64_t bytes)
{
    std::int64_t seen = total.load(std::memory_order_relaxed);
    while (!total.compare_exchange_weak(seen, AddSaturating(seen, bytes), std::memory_order_relaxed)) {
    }
}

} // namespace

std::int64_t ScanControl::Now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void ScanControl::Reset()
{
    disk = 0;
    apparent = 0;
    lastReport = Now();
}

void ScanControl::Count(std::int64_t diskBytes, std::int64_t apparentBytes)
{
    AddTo(disk, diskBytes);
    AddTo(apparent, apparentBytes);
    if (!progress)
        return;
    const std::int64_t now = Now();
    std::int64_t last = lastReport.load(std::memory_order_relaxed);
    // One thread wins the right to report for this interval.
    if (now - last >= reportInterval && lastReport.compare_exchange_strong(last, now, std::memory_order_relaxed))
        progress(Bytes(SizeMode::DiskUsage), Bytes(SizeMode::Apparent));
}

void ScanControl::ReportFinal(std::int64_t diskBytes, std::int64_t apparentBytes)
{
    disk = diskBytes;
    apparent = apparentBytes;
    if (progress)
        progress(diskBytes, apparentBytes);
}
