#include "KelmoSplash.h"
#include "OwnerWindow.h"
#include "ScanProgressEvent.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

constexpr int ShortLinger = 30;
const QColor LightGrey(192, 192, 192);

std::map<QString, QRect> LabelPlaces(const KelmoSplash& splash)
{
    std::map<QString, QRect> places;
    for (const QLabel* label : splash.findChildren<QLabel*>())
        places[label->text()] = label->geometry();
    return places;
}

QLabel* LabelAt(const KelmoSplash& splash, const QRect& place)
{
    for (QLabel* label : splash.findChildren<QLabel*>())
        if (label->geometry() == place)
            return label;
    return nullptr;
}

QLabel* ProgressLabel(const KelmoSplash& splash)
{
    return LabelAt(splash, QRect(50, 180, 250, 25));
}

class KelmoSplashTest : public ::testing::Test {
protected:
    KelmoSplash* OpenProgress()
    {
        return new KelmoSplash(&owner, KelmoSplash::CreditCaption(), QStringLiteral("/home"));
    }
    KelmoSplash* OpenAbout() { return new KelmoSplash(&owner, QStringLiteral("About")); }

    void TearDown() override { RunDeferredDeletes(); }

    OwnerWindow owner;
};

TEST_F(KelmoSplashTest, FramesSwingFromOneToTwelveAndBack)
{
    QPointer<KelmoSplash> splash = OpenProgress();
    std::vector<int> frames;
    for (int frame = 0; frame < 24; ++frame) {
        splash->EvTimer();
        frames.push_back(splash->SliceCount());
    }

    const std::vector<int> swing{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 2};
    EXPECT_EQ(frames, swing);
    splash->Destroy(0);
}

TEST_F(KelmoSplashTest, ChartSquareStaysEmptyUntilTheFirstFrameShowsABlueDisc)
{
    QPointer<KelmoSplash> splash = OpenAbout();
    EXPECT_EQ(splash->grab().toImage().pixelColor(250, 70), LightGrey);

    splash->EvTimer();

    const QImage frame = splash->grab().toImage();
    EXPECT_EQ(frame.pixelColor(250, 70), QColor(0, 0, 255));
    EXPECT_EQ(frame.pixelColor(199, 70), LightGrey);
    splash->CmOk();
}

TEST_F(KelmoSplashTest, AnimationRunsOnItsHalfSecondTimer)
{
    QPointer<KelmoSplash> splash = OpenAbout();

    EXPECT_TRUE(WaitFor([&] { return splash->SliceCount() == 1; }));
    splash->CmOk();
}

TEST_F(KelmoSplashTest, ProgressFaceNamesTheDriveWithItsLabelsInPlace)
{
    QPointer<KelmoSplash> splash = OpenProgress();

    const std::map<QString, QRect> expected{
        {QStringLiteral("Interrogating Drive ..."), QRect(20, 20, 150, 25)},
        {QStringLiteral("/home"), QRect(20, 50, 150, 25)},
        {QStringLiteral("Disk Space Used (in bytes)"), QRect(20, 150, 250, 25)},
        {QString(), QRect(50, 180, 250, 25)},
    };
    EXPECT_EQ(LabelPlaces(*splash), expected);
    EXPECT_TRUE(splash->findChildren<QPushButton*>().isEmpty());
    EXPECT_FALSE(splash->IsAbout());
    EXPECT_EQ(splash->windowTitle(), KelmoSplash::CreditCaption());
    EXPECT_FALSE(splash->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    splash->Destroy(0);
}

TEST_F(KelmoSplashTest, BothFacesAreLightGrey320By240Centred)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint centred(screen.x() + (screen.width() - 320) / 2, screen.y() + (screen.height() - 240) / 2);
    for (KelmoSplash* splash : {OpenProgress(), OpenAbout()}) {
        EXPECT_EQ(splash->size(), QSize(320, 240));
        EXPECT_EQ(splash->pos(), centred);
        EXPECT_EQ(splash->grab().toImage().pixelColor(310, 5), LightGrey);
        splash->Destroy(0);
    }
}

TEST_F(KelmoSplashTest, ProgressLabelShowsThePostedCount)
{
    QPointer<KelmoSplash> splash = OpenProgress();

    QCoreApplication::postEvent(splash, new ScanProgressEvent(QStringLiteral("1,234,567")));
    QCoreApplication::sendPostedEvents(splash, ScanProgressEvent::EventType);

    EXPECT_EQ(ProgressLabel(*splash)->text(), QStringLiteral("1,234,567"));
    splash->Destroy(0);
}

TEST_F(KelmoSplashTest, UserCannotCloseTheProgressFace)
{
    QPointer<KelmoSplash> splash = OpenProgress();

    EXPECT_FALSE(splash->close());

    EXPECT_TRUE(splash->isVisible());
    EXPECT_FALSE(owner.isEnabled());
    splash->Destroy(0);
}

TEST_F(KelmoSplashTest, ClosingWaitShowsTheLastCountThenGivesTheOwnerBack)
{
    QPointer<KelmoSplash> splash = OpenProgress();
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_TRUE(splash->isEnabled());
    QLabel* progress = ProgressLabel(*splash);
    QString shownDuringWait;
    bool ownerBlockedDuringWait = false;
    QTimer::singleShot(ShortLinger / 2, [&] {
        shownDuringWait = progress->text();
        ownerBlockedDuringWait = !owner.isEnabled();
    });

    QCoreApplication::postEvent(splash, new ScanProgressEvent(QStringLiteral("2,000,000")));
    splash->Destroy(ShortLinger);

    EXPECT_EQ(shownDuringWait, QStringLiteral("2,000,000"));
    EXPECT_TRUE(ownerBlockedDuringWait);
    EXPECT_TRUE(owner.HasFocusBack());
    RunDeferredDeletes();
    EXPECT_TRUE(splash.isNull());
}

TEST_F(KelmoSplashTest, AboutFaceShowsTitleRevisionAndCredits)
{
    QPointer<KelmoSplash> splash = OpenAbout();
    const std::map<QString, QRect> places = LabelPlaces(*splash);

    EXPECT_EQ(places.size(), 6u);
    EXPECT_EQ(places.at(QStringLiteral("Kelmo")), QRect(10, 10, 150, 50));
    EXPECT_EQ(places.at(QStringLiteral("Revision 2.0 - 32 bit")), QRect(20, 110, 150, 16));
    for (const QRect& creditLine : {QRect(10, 65, 150, 25), QRect(20, 125, 150, 25), QRect(20, 150, 150, 25),
                                    QRect(20, 175, 150, 25)})
        EXPECT_NE(LabelAt(*splash, creditLine), nullptr);
    const QFont title = LabelAt(*splash, QRect(10, 10, 150, 50))->font();
    EXPECT_TRUE(title.bold());
    EXPECT_LE(QFontMetrics(title).height(), 55);
    EXPECT_GE(QFontMetrics(title).height(), 50);
    EXPECT_TRUE(splash->IsAbout());
    EXPECT_EQ(splash->windowTitle(), QStringLiteral("About"));
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    splash->CmOk();
}

TEST_F(KelmoSplashTest, AboutOkClosesAtOnceAndGivesTheOwnerBack)
{
    QPointer<KelmoSplash> splash = OpenAbout();
    EXPECT_FALSE(owner.isEnabled());
    auto* ok = splash->findChild<QPushButton*>(QStringLiteral("button1"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->geometry(), QRect(220, 170, 75, 50));
    EXPECT_FALSE(ok->isDefault());

    QTest::mouseClick(ok, Qt::LeftButton);

    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(owner.HasFocusBack());
}

TEST_F(KelmoSplashTest, AboutCloseBoxGivesTheOwnerBack)
{
    QPointer<KelmoSplash> splash = OpenAbout();

    EXPECT_TRUE(splash->close());

    EXPECT_TRUE(owner.HasFocusBack());
}

TEST(KelmoSplashCredit, NamesProductYearAndMaker)
{
    EXPECT_EQ(KelmoSplash::CreditCaption(), QStringLiteral("Kelmo (c) 1996 Kelmo Software"));
}

} // namespace
