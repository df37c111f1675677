#pragma once

#include <cstdint>
#include <string>

// The words of the estimate, "{}" standing for the number: English by
// default; the window passes its language's.
struct ProgressWords {
    std::string share = "{} %";
    std::string secondsLeft = "about {} s left";
    std::string minutesLeft = "about {} min left";
};

// How far a scan of a whole drive has come, judged by the drive's used space.
// Hard links, other mounts and files that change while the walk runs keep
// the scanned total from meeting the used space exactly, so the share stays
// below 100 % until the scan ends and the time left is "about".
class ProgressEstimate {
public:
    // expectedBytes: the drive's used space; 0 or less when it is not known.
    explicit ProgressEstimate(std::int64_t expectedBytes = 0) : expected(expectedBytes) {}

    bool Known() const { return expected > 0; }
    // "37 %, about 12 s left" after elapsedSeconds of scanning; empty when
    // the used space is not known or nothing has been counted yet.
    std::string Text(std::int64_t scannedBytes, double elapsedSeconds, const ProgressWords& words = {}) const;

private:
    std::int64_t expected;
};
