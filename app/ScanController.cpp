#include "ScanController.h"

#include "FormatBytes.h"
#include "KelmoSplash.h"
#include "ScanProgressEvent.h"

#include <QCoreApplication>

ScanController::ScanController(QWidget* owner, int lingerMs, ModeOfTotals shownMode, ResultHandler finished)
    : QObject(owner), owner(owner), lingerMs(lingerMs), shownMode(std::move(shownMode)), finished(std::move(finished)),
      makeScanner([] { return std::make_unique<Scanner>(); })
{
    progressTimer.setInterval(kProgressIntervalMs);
    connect(&progressTimer, &QTimer::timeout, this, &ScanController::RelayProgress);
}

ScanController::~ScanController() = default;

void ScanController::Start(ScanJob::Request request, const QString& splashText, std::function<void()> closeRequest)
{
    splash = new KelmoSplash(owner, KelmoSplash::CreditCaption(), splashText);
    splash->SetCloseRequestHandler(std::move(closeRequest));
    job = std::make_unique<ScanJob>(makeScanner(), std::move(request));
    connect(job.get(), &ScanJob::Finished, this, &ScanController::OnJobFinished);
    progressTimer.start();
}

void ScanController::Stop()
{
    progressTimer.stop();
    job.reset();
    EndSplash();
}

void ScanController::RelayProgress()
{
    if (job)
        EvScanProgress(job->ScannedBytes(shownMode()));
}

void ScanController::OnJobFinished()
{
    progressTimer.stop();
    ScanResult result = job->TakeResult();
    // The job has announced its end; it goes once this handler is done.
    job.release()->deleteLater();
    finished(std::move(result));
}

void ScanController::EndSplash(std::int64_t totalBytes)
{
    if (!splash)
        return;
    EvScanProgress(totalBytes);
    splash->setFocus();
    splash->Destroy(lingerMs);
}

void ScanController::EndSplash()
{
    if (splash)
        splash->Abandon();
}

void ScanController::EvScanProgress(std::int64_t scannedBytes)
{
    if (splash)
        QCoreApplication::postEvent(splash, new ScanProgressEvent(QString::fromStdString(FormatBytes(scannedBytes))));
}
