#include "ScanJob.h"

#include "ImportFleet.h"
#include "ImportSavedScan.h"

#include <QMetaObject>

ScanJob::ScanJob(std::unique_ptr<Scanner> scan, Request request) : scanner(std::move(scan))
{
    thread = std::thread([this, request = std::move(request)] { Run(request); });
}

ScanJob::~ScanJob()
{
    Cancel();
    thread.join();
}

// The result is complete before the announcement is queued; a job deleted
// before the queue reaches it takes the announcement along.
void ScanJob::Run(const Request& request)
{
    if (!request.path.empty())
        result = scanner->ScanPath(request.path, request.rootName);
    else if (!request.fleet.empty())
        result = ImportFleet(*scanner, request.fleet);
    else
        result = ImportSavedScan(*scanner, request.file);
    QMetaObject::invokeMethod(
        this, [this] { emit Finished(); }, Qt::QueuedConnection);
}
