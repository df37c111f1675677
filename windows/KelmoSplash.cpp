#include "KelmoSplash.h"

#include "AuxiliaryWindow.h"
#include "KelmoProject.h"
#include "ProgramFonts.h"
#include "ProgramLook.h"
#include "QPainterPieCanvas.h"
#include "ScanProgressEvent.h"
#include "TextFitting.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <climits>
#include <vector>

namespace {

constexpr int Width = 320;
constexpr int Height = 240;
constexpr int OkId = 1;
constexpr std::int64_t SliceValue = 10;
// The chart's square, right and bottom exclusive.
constexpr int ChartLeft = 200;
constexpr int ChartTop = 20;
constexpr int ChartRight = 300;
constexpr int ChartBottom = 120;

// Both faces are dialogs: X11 window managers learn the owner of dialogs only.
constexpr Qt::WindowFlags TitleOnly = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
constexpr Qt::WindowFlags TitleAndClose = TitleOnly | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// The desktop look's title is the desktop's face at the title's size.
QFont TitleFont(Look look)
{
    QFont font = look == Look::Classic ? SerifFont() : QApplication::font();
    font.setBold(true);
    return FontWithAverageWidth(FontWithCellHeight(font, 55), 25);
}

} // namespace

KelmoSplash::KelmoSplash(QWidget* owner, const QString& caption, Qt::WindowFlags closeControls)
    : QWidget(owner, Qt::Dialog | closeControls), ownerBlock(owner, this)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    setFixedSize(Width, Height);
    CentreOnScreen(*this);
    PaintProgramBackground(*this);
    pie.SetBounds(ChartLeft, ChartTop, ChartRight, ChartBottom);
}

KelmoSplash::KelmoSplash(QWidget* owner, const QString& caption, const QString& driveText, SizeUnits units)
    : KelmoSplash(owner, caption, TitleOnly)
{
    BuildProgressFace(driveText, units);
    SetupWindow();
}

KelmoSplash::KelmoSplash(QWidget* owner, const QString& caption) : KelmoSplash(owner, caption, TitleAndClose)
{
    BuildAboutFace();
    SetupWindow();
}

QString KelmoSplash::CreditCaption()
{
    return QString::fromUtf8(KelmoProject::kCopyright);
}

void KelmoSplash::BuildProgressFace(const QString& driveText, SizeUnits units)
{
    AddLabel(*this, QCoreApplication::translate("KelmoSplash", "Interrogating Drive ..."), 20, 20, 150, 25);
    QLabel* drive = AddLabel(*this, QString(), 20, 50, 150, 25);
    drive->setText(ElidedInMiddle(driveText, QFontMetricsF(drive->font()), drive->width()));
    drive->setAccessibleName(driveText); // whole, where the label may cut it
    const QString totalHeading = units == SizeUnits::Bytes
        ? QCoreApplication::translate("KelmoSplash", "Disk Space Used (in bytes)")
        : QCoreApplication::translate("KelmoSplash", "Disk Space Used");
    AddLabel(*this, totalHeading, 20, 150, 250, 25);
    progressLabel = AddLabel(*this, QString(), 50, 180, 250, 25);
    estimateLabel = AddLabel(*this, QString(), 50, 205, 250, 25);
}

void KelmoSplash::BuildAboutFace()
{
    titleLabel = AddLabel(*this, QStringLiteral("Kelmo"), 10, 10, 150, 50);
    FollowProgramLook(*titleLabel, [this](Look look) { titleLabel->setFont(TitleFont(look)); });
    AddLabel(*this, QCoreApplication::translate("KelmoSplash", "Disk usage at a glance"), 10, 65, 150, 25);
    AddLabel(*this, QCoreApplication::translate("KelmoSplash", "Revision 2.0 - %1 bit").arg(sizeof(void*) * CHAR_BIT),
             20, 110, 150, 16);
    AddLabel(*this, QStringLiteral("Kelmo Software"), 20, 125, 150, 25);
    AddLabel(*this, QStringLiteral("Copyright (c) 1996"), 20, 150, 150, 25);
    AddLabel(*this, QCoreApplication::translate("KelmoSplash", "All rights reserved"), 20, 175, 150, 25);
    auto* ok = new QPushButton(QCoreApplication::translate("KelmoSplash", "OK"), this);
    ok->setObjectName(QStringLiteral("button%1").arg(OkId));
    ok->setAutoDefault(false);
    ok->setAccessibleDescription(QCoreApplication::translate("KelmoSplash", "Closes the window"));
    ok->setGeometry(220, 170, 75, 50);
    connect(ok, &QPushButton::clicked, this, [this] { CmOk(); });
    AddCloseKeys(*this, *ok);
}

void KelmoSplash::SetupWindow()
{
    frameTimer.start(FramePeriod, this);
    show();
    activateWindow();
}

void KelmoSplash::EvTimer()
{
    if (sliceCount == MaxSlices)
        growing = false;
    else if (sliceCount == 1)
        growing = true;
    sliceCount += growing ? 1 : -1;
    pie.SetValues(std::vector<std::int64_t>(static_cast<std::size_t>(sliceCount), SliceValue));
    update(ChartLeft, ChartTop, ChartRight - ChartLeft, ChartBottom - ChartTop);
}

void KelmoSplash::CmOk()
{
    close();
}

void KelmoSplash::EvScanProgress(const ScanProgressEvent& event)
{
    if (progressLabel)
        progressLabel->setText(event.Text());
    if (estimateLabel)
        estimateLabel->setText(event.Estimate());
}

void KelmoSplash::Destroy(int lingerMs)
{
    if (IsAbout() || lingerMs <= 0) {
        Abandon();
        return;
    }
    lingerTimer.start(lingerMs, this);
}

void KelmoSplash::Abandon()
{
    closing = true;
    lingerTimer.stop();
    close();
}

void KelmoSplash::paintEvent(QPaintEvent*)
{
    // Nothing shows in the chart's square before the first frame.
    if (sliceCount == 0)
        return;
    QPainter painter(this);
    QPainterPieCanvas canvas(painter, palette().color(QPalette::WindowText));
    pie.Draw(canvas);
}

void KelmoSplash::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == frameTimer.timerId())
        EvTimer();
    else if (event->timerId() == lingerTimer.timerId())
        Abandon();
    else
        QWidget::timerEvent(event);
}

void KelmoSplash::customEvent(QEvent* event)
{
    if (event->type() == ScanProgressEvent::EventType)
        EvScanProgress(static_cast<const ScanProgressEvent&>(*event));
    else
        QWidget::customEvent(event);
}

void KelmoSplash::closeEvent(QCloseEvent* event)
{
    // The progress face goes only through Destroy, once the scan is over;
    // a request to close it goes to whoever runs the scan.
    if (!IsAbout() && !closing) {
        if (closeRequested)
            closeRequested(); // which may abandon the splash at once
        if (!closing) {
            event->ignore();
            return;
        }
    }
    frameTimer.stop();
    ownerBlock.Release();
    event->accept();
}
