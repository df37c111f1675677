#include "ScanJob.h"

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
    result = request.path.empty() ? ImportSavedScan(*scanner, request.file)
                                  : scanner->ScanPath(request.path, request.rootName);
    QMetaObject::invokeMethod(
        this, [this] { emit Finished(); }, Qt::QueuedConnection);
}
