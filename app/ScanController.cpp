#include "ScanController.h"

#include "KelmoSplash.h"
#include "LocalNumbers.h"
#include "ScanProgressEvent.h"
#include "TranslatedWords.h"

#include <QCoreApplication>

namespace {

QString FormattedBytes(std::int64_t bytes, SizeUnits units)
{
    return LocalSize(bytes, units);
}

} // namespace

ScanController::ScanController(QWidget* window, int splashLingerMs, ModeOfTotals modeOfTotals,
                               std::function<void()> onCloseRequest)
    : QObject(window),
      owner(window),
      lingerMs(splashLingerMs),
      shownMode(std::move(modeOfTotals)),
      closeRequest(std::move(onCloseRequest)),
      makeScanner([] { return std::make_unique<Scanner>(); })
{
    progressTimer.setInterval(kProgressIntervalMs);
    connect(&progressTimer, &QTimer::timeout, this, &ScanController::RelayProgress);
}

ScanController::~ScanController() = default;

void ScanController::Start(ScanJob::Request request, const QString& splashText, ResultHandler whenFinished,
                           const ProgressEstimate& expected)
{
    finished = std::move(whenFinished);
    estimate = expected;
    clock.start();
    splash = new KelmoSplash(owner, KelmoSplash::CreditCaption(), splashText, shownMode().second);
    splash->SetCloseRequestHandler(closeRequest);
    job = std::make_unique<ScanJob>(makeScanner(), std::move(request));
    connect(job.get(), &ScanJob::Finished, this, &ScanController::OnJobFinished);
    progressTimer.start();
    emit RunningChanged();
}

void ScanController::Stop()
{
    progressTimer.stop();
    job.reset();
    finished = {};
    EndSplash();
    emit RunningChanged();
}

// The share is judged by disk usage, which the used space counts, whatever
// the size mode shown.
void ScanController::RelayProgress()
{
    if (!job || !splash)
        return;
    const std::string share = estimate.Text(job->ScannedBytes(SizeMode::DiskUsage), clock.elapsed() / 1000.0,
                                            TranslatedProgressWords());
    const auto [mode, units] = shownMode();
    QCoreApplication::postEvent(
        splash, new ScanProgressEvent(FormattedBytes(job->ScannedBytes(mode), units), QString::fromStdString(share)));
}

void ScanController::OnJobFinished()
{
    progressTimer.stop();
    ScanResult result = job->TakeResult();
    // The job has announced its end; it goes once this handler is done.
    job.release()->deleteLater();
    std::exchange(finished, {})(std::move(result));
    emit RunningChanged();
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
        QCoreApplication::postEvent(splash, new ScanProgressEvent(FormattedBytes(scannedBytes, shownMode().second)));
}
