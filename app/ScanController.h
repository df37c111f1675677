#pragma once

#include "ProgressEstimate.h"
#include "ScanJob.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class KelmoSplash;
class QWidget;

// Runs a window's scans, one at a time: the progress splash while a scan
// runs, its running total relayed to the splash on a timer, and the result
// handed to the window on the window's own thread.
class ScanController : public QObject {
public:
    static constexpr int kProgressIntervalMs = 50;
    using ScannerFactory = std::function<std::unique_ptr<Scanner>()>;
    using ResultHandler = std::function<void(ScanResult result)>;
    using ModeOfTotals = std::function<SizeMode()>;

    // owner: the window the splash blocks; lingerMs: how long the splash
    // stays after a scan that found a tree; shownMode: the size mode whose
    // running total the splash shows; finished: gets each scan's result.
    ScanController(QWidget* owner, int lingerMs, ModeOfTotals shownMode, ResultHandler finished);
    ~ScanController() override;

    // Tests replace the scanner (a fake file system) and the progress interval.
    void SetScannerFactory(ScannerFactory factory) { makeScanner = std::move(factory); }
    void SetProgressInterval(int milliseconds) { progressTimer.setInterval(milliseconds); }

    // Opens the splash naming splashText and starts the scan. A close
    // request on the splash calls closeRequest. The splash shows how far the
    // scan has come when it is expected to count about expected bytes (a
    // whole drive's used space).
    void Start(ScanJob::Request request, const QString& splashText, std::function<void()> closeRequest,
               const ProgressEstimate& expected = ProgressEstimate());
    bool Running() const { return job != nullptr; }
    // Stops a running scan and waits for it; the splash goes at once.
    void Stop();
    // After a result has been shown: the splash shows totalBytes and
    // lingers; with no total (a failed scan) it goes at once, so that a
    // message box is not hidden behind it.
    void EndSplash(std::int64_t totalBytes);
    void EndSplash();

    // Shows a running total in the splash.
    void EvScanProgress(std::int64_t scannedBytes);

private:
    void RelayProgress();
    void OnJobFinished();

    QWidget* owner;
    int lingerMs;
    ModeOfTotals shownMode;
    ResultHandler finished;
    ScannerFactory makeScanner;
    std::unique_ptr<ScanJob> job;
    QPointer<KelmoSplash> splash;
    QTimer progressTimer;
    ProgressEstimate estimate;
    QElapsedTimer clock;
};
