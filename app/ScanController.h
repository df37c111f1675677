#pragma once

#include "FormatBytes.h"
#include "ProgressEstimate.h"
#include "ScanJob.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>

class KelmoSplash;
class QWidget;

// Runs a window's scans, one at a time: the progress splash while a scan
// runs, its running total relayed to the splash on a timer, and the result
// handed to the window on the window's own thread.
class ScanController : public QObject {
    Q_OBJECT

public:
    static constexpr int kProgressIntervalMs = 50;
    using ScannerFactory = std::function<std::unique_ptr<Scanner>()>;
    using ResultHandler = std::function<void(ScanResult result)>;
    // The size mode and the units of the running total the splash shows.
    using ModeOfTotals = std::function<std::pair<SizeMode, SizeUnits>()>;

    // owner: the window the splash blocks; lingerMs: how long the splash
    // stays after a scan that found a tree; shownMode: how the splash shows
    // the running total; closeRequest: what a close request on a splash does.
    ScanController(QWidget* owner, int lingerMs, ModeOfTotals shownMode, std::function<void()> closeRequest);
    ~ScanController() override;

    // Tests replace the scanner (a fake file system) and the progress interval.
    void SetScannerFactory(ScannerFactory factory) { makeScanner = std::move(factory); }
    void SetProgressInterval(int milliseconds) { progressTimer.setInterval(milliseconds); }

    // Opens the splash naming splashText and starts the scan; finished gets
    // its result, on the owner's thread. The splash shows how far the scan
    // has come when it is expected to count about expected bytes (a whole
    // drive's used space).
    void Start(ScanJob::Request request, const QString& splashText, ResultHandler finished,
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

signals:
    // A scan started or ended (after its result was handed on).
    void RunningChanged();

private:
    void RelayProgress();
    void OnJobFinished();

    QWidget* owner;
    int lingerMs;
    ModeOfTotals shownMode;
    std::function<void()> closeRequest;
    ResultHandler finished; // of the running scan
    ScannerFactory makeScanner;
    std::unique_ptr<ScanJob> job;
    QPointer<KelmoSplash> splash;
    QTimer progressTimer;
    ProgressEstimate estimate;
    QElapsedTimer clock;
};
