#pragma once

#include "ScanResult.h"
#include "Scanner.h"

#include <QObject>

#include <memory>
#include <string>
#include <thread>
#include <vector>

// One scan running on a thread of its own: a directory walked as a drive, or
// a saved scan read. It ends with one ScanResult, announced by Finished on
// the thread that made the job, through that thread's event queue. Nothing
// of the job's owner is touched from the scanning thread. A job that goes
// before it has finished is cancelled and waited for; its result is never
// announced.
class ScanJob : public QObject {
    Q_OBJECT

public:
    struct Request {
        std::string path;               // the directory to walk; empty to read file instead
        std::string rootName;           // the tree root's name for a walk
        std::string file;               // the saved scan to read ("-" is standard input)
        std::vector<std::string> fleet; // saved scans read as one tree instead, when given (see ImportFleet)
    };

    // Starts at once.
    ScanJob(std::unique_ptr<Scanner> scan, Request request);
    ~ScanJob() override;

    // Asks the scan to stop soon; it then ends with a cancelled result.
    void Cancel() { scanner->Cancel(); }
    // The running total, from the scan's own counters; safe at any time.
    std::int64_t ScannedBytes(SizeMode mode) const { return scanner->ScannedBytes(mode); }
    // The result, once Finished has been announced.
    ScanResult TakeResult() { return std::move(result); }

signals:
    void Finished();

private:
    void Run(const Request& request);

    std::unique_ptr<Scanner> scanner;
    ScanResult result;
    std::thread thread;
};
