#pragma once

#include "DrawPie.h"
#include "FormatBytes.h"
#include "OwnerInputBlock.h"

#include <QBasicTimer>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class ScanProgressEvent;

// The window with two faces: the scan-progress splash, which names the drive
// being scanned, shows the bytes found so far and lingers a few seconds after
// the scan; and the About box. Both animate a pie of equal slices and keep
// their owner from taking input while they are open. Both delete themselves
// when closed.
class KelmoSplash : public QWidget {
public:
    static constexpr int ProgramLinger = 3000; // milliseconds
    static constexpr int FramePeriod = 500;    // milliseconds
    static constexpr int MaxSlices = 12;

    // The progress face: caption is the credit caption, driveText the drive
    // being scanned, units those of the totals it will be sent. Shows at once.
    KelmoSplash(QWidget* owner, const QString& caption, const QString& driveText, SizeUnits units = SizeUnits::Bytes);
    // The About face. Shows at once.
    KelmoSplash(QWidget* owner, const QString& caption);

    // The program's copyright line: the title of the progress face and the
    // caption of the usage box.
    static QString CreditCaption();

    bool IsAbout() const { return titleLabel != nullptr; }
    int SliceCount() const { return sliceCount; }

    // Closes the window. The progress face first lingers lingerMs
    // milliseconds (returning at once, while the animation goes on and the
    // owner stays blocked), so the scan's last total can be read. The owner
    // gets back its input and the focus before the window goes.
    void Destroy(int lingerMs = ProgramLinger);
    // What a close request on the progress face does (the window manager's
    // close button, Alt+F4): the splash itself stays until Destroy.
    void SetCloseRequestHandler(std::function<void()> handler) { closeRequested = std::move(handler); }
    // Closes either face at once, cutting a running wait short: the owner is
    // going away.
    void Abandon();

    // One animation frame.
    void EvTimer();
    // Closes the About box at once.
    void CmOk();
    // Shows a formatted byte count in the progress face.
    void EvScanProgress(const ScanProgressEvent& event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void customEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    KelmoSplash(QWidget* owner, const QString& caption, Qt::WindowFlags closeControls);
    void BuildProgressFace(const QString& driveText, SizeUnits units);
    void BuildAboutFace();
    void SetupWindow();

    DrawPie pie;
    OwnerInputBlock ownerBlock;
    QBasicTimer frameTimer;
    QLabel* progressLabel = nullptr;
    QLabel* estimateLabel = nullptr; // how far a scan of a whole drive has come
    QLabel* titleLabel = nullptr;
    bool growing = true;
    int sliceCount = 0;
    bool closing = false;
    QBasicTimer lingerTimer;
    std::function<void()> closeRequested;
};
