#include "KelmoSplash.h"
#include "OwnerWindow.h"
#include "QtTestSupport.h"
#include "ScanProgressEvent.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const QColor LightGrey(192, 192, 192);

// "x,y wxh text" of every label, in the order they were made.
std::vector<std::string> Labels(const KelmoSplash& splash)
{
    std::vector<std::string> labels;
    for (const QLabel* label : splash.findChildren<QLabel*>()) {
        const QRect r = label->geometry();
        labels.push_back(QStringLiteral("%1,%2 %3x%4 %5")
                             .arg(r.x())
                             .arg(r.y())
                             .arg(r.width())
                             .arg(r.height())
                             .arg(label->text())
                             .toStdString());
    }
    return labels;
}

class KelmoSplashTest : public ::testing::Test {
protected:
    KelmoSplash* OpenProgress() { return new KelmoSplash(&owner, KelmoSplash::CreditCaption(), "/home"); }
    KelmoSplash* OpenAbout() { return new KelmoSplash(&owner, QStringLiteral("About")); }

    void ExpectLightGrey320By240Centred(KelmoSplash& splash)
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_EQ(splash.pos(), screen.topLeft() + QPoint((screen.width() - 320) / 2, (screen.height() - 240) / 2));
        EXPECT_EQ(splash.size(), QSize(320, 240));
        EXPECT_EQ(splash.grab().toImage().pixelColor(310, 5), LightGrey);
    }

    void TearDown() override { RunDeferredDeletes(); }

    OwnerWindow owner;
};

TEST_F(KelmoSplashTest, FramesSwingFromOneToTwelveAndBackStartingWithABlueDisc)
{
    QPointer<KelmoSplash> splash = OpenAbout();
    EXPECT_EQ(splash->grab().toImage().pixelColor(250, 70), LightGrey);
    std::vector<int> frames;
    for (int frame = 0; frame < 24; ++frame) {
        splash->EvTimer();
        frames.push_back(splash->SliceCount());
        if (frame == 0) {
            EXPECT_EQ(splash->grab().toImage().pixelColor(250, 70), QColor(0, 0, 255));
        }
    }

    EXPECT_EQ(frames, std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 2}));
    EXPECT_TRUE(WaitFor([&] { return splash->SliceCount() == 3; })) << "the frame timer runs";
    splash->CmOk();
}

TEST_F(KelmoSplashTest, ProgressFaceNamesTheDriveAndShowsThePostedCount)
{
    QPointer<KelmoSplash> splash = OpenProgress();
    QCoreApplication::postEvent(
        splash, new ScanProgressEvent(QStringLiteral("1,234,567"), QStringLiteral("37 %, about 12 s left")));
    QCoreApplication::sendPostedEvents(splash, ScanProgressEvent::EventType);

    EXPECT_EQ(Labels(*splash),
              std::vector<std::string>({"20,20 150x25 Interrogating Drive ...", "20,50 150x25 /home",
                                        "20,150 250x25 Disk Space Used (in bytes)", "50,180 250x25 1,234,567",
                                        "50,205 250x25 37 %, about 12 s left"}));
    EXPECT_EQ(splash->windowTitle(), QStringLiteral("Copyright 2026 The Kelmo developers"));
    EXPECT_FALSE(splash->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    ExpectLightGrey320By240Centred(*splash);
    splash->Destroy(0);
}

TEST_F(KelmoSplashTest, ProgressFaceStaysUntilItsWaitEndsThenGivesTheOwnerBack)
{
    QPointer<KelmoSplash> splash = OpenProgress();
    bool closeAsked = false;
    splash->SetCloseRequestHandler([&] { closeAsked = true; });
    EXPECT_FALSE(splash->close());
    EXPECT_TRUE(closeAsked) << "a close request goes to whoever runs the scan";
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->isEnabled());
    const QLabel* progress = splash->findChildren<QLabel*>().at(3);

    QCoreApplication::postEvent(splash, new ScanProgressEvent(QStringLiteral("2,000,000")));
    splash->Destroy(30);
    QCoreApplication::sendPostedEvents(splash, ScanProgressEvent::EventType);
    EXPECT_EQ(progress->text(), QStringLiteral("2,000,000")) << "the last total arrives during the wait";
    EXPECT_FALSE(owner.TakesClicks()) << "the owner stays blocked while the splash lingers";
    EXPECT_TRUE(splash->isVisible());

    ASSERT_TRUE(WaitFor([&] { return owner.HasFocusBack(); }));
    RunDeferredDeletes();
    EXPECT_TRUE(splash.isNull());
}

TEST_F(KelmoSplashTest, ALongDriveNameLosesItsMiddleAndUnitsDropTheBytes)
{
    const QString path = QStringLiteral("/mnt/sandbox/projects/weights/checkpoints/model_t");
    QPointer<KelmoSplash> splash = new KelmoSplash(&owner, KelmoSplash::CreditCaption(), path, SizeUnits::Binary);
    EXPECT_EQ(splash->findChildren<QLabel*>().at(2)->text(), QStringLiteral("Disk Space Used"));
    const QLabel* drive = splash->findChildren<QLabel*>().at(1);
    EXPECT_TRUE(drive->text().startsWith(QStringLiteral("/mnt/sand"))) << drive->text().toStdString();
    EXPECT_TRUE(drive->text().contains(QStringLiteral("..."))) << drive->text().toStdString();
    EXPECT_TRUE(drive->text().endsWith(QStringLiteral("model_t"))) << drive->text().toStdString();
    EXPECT_LE(drive->fontMetrics().horizontalAdvance(drive->text()), drive->width());
    splash->Abandon();
}

TEST_F(KelmoSplashTest, AboutFaceShowsTitleRevisionAndCredits)
{
    QPointer<KelmoSplash> splash = OpenAbout();

    EXPECT_EQ(
        Labels(*splash),
        std::vector<std::string>(
            {"10,10 150x50 Kelmo", "10,65 150x25 Disk usage at a glance",
             sizeof(void*) == 8 ? "20,110 150x16 Revision 2.0 - 64 bit" : "20,110 150x16 Revision 2.0 - 32 bit",
             "20,125 150x25 Kelmo Software", "20,150 150x25 Copyright (c) 1996", "20,175 150x25 All rights reserved"}));
    const QFont title = splash->findChildren<QLabel*>().first()->font();
    EXPECT_TRUE(title.bold());
    EXPECT_GE(QFontMetrics(title).height(), 50);
    EXPECT_LE(QFontMetrics(title).height(), 55);
    EXPECT_EQ(QFontMetrics(title).averageCharWidth(), 25);
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    ExpectLightGrey320By240Centred(*splash);
    splash->CmOk();
}

TEST_F(KelmoSplashTest, AboutOkCloseBoxEscOrEnterClosesAtOnceAndGivesTheOwnerBack)
{
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        QPointer<KelmoSplash> splash = OpenAbout();
        ASSERT_TRUE(WaitFor([&] { return splash->isActiveWindow(); }));
        QTest::keyClick(splash, key);
        EXPECT_TRUE(splash.isNull() || !splash->isVisible()) << key;
        EXPECT_TRUE(owner.HasFocusBack());
    }
    for (bool byOk : {true, false}) {
        QPointer<KelmoSplash> splash = OpenAbout();
        EXPECT_FALSE(owner.TakesClicks());
        auto* ok = splash->findChild<QPushButton*>(QStringLiteral("button1"));
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->geometry(), QRect(220, 170, 75, 50));

        if (byOk)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            splash->close();

        EXPECT_FALSE(splash->isVisible());
        EXPECT_TRUE(owner.HasFocusBack());
    }
}

} // namespace
