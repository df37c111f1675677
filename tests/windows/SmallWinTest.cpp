#include "OwnerWindow.h"
#include "SmallButton.h"
#include "SmallWin.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString TextWithLineFeeds(int count)
{
    QString text = QStringLiteral("Sub-Directory Information");
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("\r\nline %1").arg(i);
    return text;
}

class SmallWinTest : public ::testing::Test {
protected:
    // Opened as the main window opens it, at a line height of 16 pixels.
    SmallWin* Open(int textWidth, const QString& text)
    {
        auto* win = new SmallWin(&owner, QStringLiteral("Path"), textWidth);
        win->SetLineHeight(16);
        win->SetText(text);
        return win;
    }

    void TearDown() override { RunDeferredDeletes(); }

    OwnerWindow owner;
};

TEST(SmallButtonTest, StartsDisabledWithItsSmallBoldSerifFontInPlace)
{
    QWidget parent;
    SmallButton button(&parent, 402, QStringLiteral("Back"), 10, 20, 45, 20);

    EXPECT_FALSE(button.isEnabled());
    EXPECT_EQ(button.Id(), 402);
    EXPECT_EQ(button.text(), QStringLiteral("Back"));
    EXPECT_EQ(button.geometry(), QRect(10, 20, 45, 20));
    EXPECT_EQ(button.font().pixelSize(), 12);
    EXPECT_TRUE(button.font().bold());
    const QString family = QFontInfo(button.font()).family();
    EXPECT_TRUE(family == QStringLiteral("Times New Roman") || family == QStringLiteral("Liberation Serif"))
        << family.toStdString();
}

TEST_F(SmallWinTest, FifteenLineFeedsFitWithoutScrollBar)
{
    SmallWin* win = Open(300, TextWithLineFeeds(15));

    EXPECT_EQ(win->size(), QSize(365, 18 * 16 + 20));
    EXPECT_EQ(win->TextBox().geometry(), QRect(55, 10, 300, 288));
    EXPECT_EQ(win->TextBox().verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(SmallWinTest, SixteenLineFeedsAreCutTo300WithScrollBar)
{
    SmallWin* win = Open(500, TextWithLineFeeds(16));

    EXPECT_EQ(win->size(), QSize(565, 320));
    EXPECT_EQ(win->TextBox().geometry(), QRect(55, 10, 500, 300));
    EXPECT_EQ(win->TextBox().verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(SmallWinTest, OneLineGetsThreeLineHeightsCentredWithOkInTheCorner)
{
    SmallWin* win = Open(500, QStringLiteral("/home/alice/src/"));

    EXPECT_EQ(win->size(), QSize(565, 68));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(win->pos(), QPoint(screen.x() + (screen.width() - 565) / 2, screen.y() + (screen.height() - 68) / 2));
    EXPECT_EQ(win->OkButton().geometry(), QRect(5, 10, 45, 20));
    EXPECT_EQ(win->OkButton().Id(), SmallWin::OkId);
    EXPECT_TRUE(win->OkButton().isEnabled());
    EXPECT_EQ(win->windowTitle(), QStringLiteral("Path"));
    EXPECT_EQ(win->palette().color(QPalette::Window), QColor(192, 192, 192));
}

TEST_F(SmallWinTest, ShowsTheTextReadOnlyWithCarriageReturnLineFeedAsOneBreak)
{
    SmallWin* win = Open(300, QStringLiteral("Size : 1,234,567\r\nSub-Directories : 3"));

    EXPECT_EQ(win->TextBox().toPlainText(), QStringLiteral("Size : 1,234,567\nSub-Directories : 3"));
    EXPECT_EQ(win->TextBox().blockCount(), 2);
    EXPECT_TRUE(win->TextBox().isReadOnly());
    EXPECT_EQ(win->TextBox().lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(win->TextBox().objectName(), QStringLiteral("textBox407"));
}

TEST_F(SmallWinTest, OwnerBlockedWhileOpenAndBackAfterOk)
{
    QPointer<SmallWin> win = Open(300, QStringLiteral("text"));
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_TRUE(win->isEnabled());
    EXPECT_TRUE(win->isVisible());

    QTest::mouseClick(&win->OkButton(), Qt::LeftButton);

    EXPECT_TRUE(owner.HasFocusBack());
    RunDeferredDeletes();
    EXPECT_TRUE(win.isNull());
}

TEST_F(SmallWinTest, OwnerBackAfterTheWindowsCloseButton)
{
    QPointer<SmallWin> win = Open(300, QStringLiteral("text"));
    EXPECT_FALSE(owner.isEnabled());

    EXPECT_TRUE(win->close());

    EXPECT_TRUE(owner.HasFocusBack());
    RunDeferredDeletes();
    EXPECT_TRUE(win.isNull());
}

} // namespace
