#include "OwnerWindow.h"
#include "SmallButton.h"
#include "SmallWin.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(SmallButtonTest, StartsDisabledWithItsSmallBoldSerifFontInPlace)
{
    QWidget parent;
    SmallButton button(&parent, QStringLiteral("Back"), 10, 20, 45, 20);

    EXPECT_FALSE(button.isEnabled());
    EXPECT_EQ(button.geometry(), QRect(10, 20, 45, 20));
    EXPECT_EQ(QFontMetrics(button.font()).height(), 12) << "character cell";
    EXPECT_TRUE(button.font().bold());
    const QString family = QFontInfo(button.font()).family();
    EXPECT_TRUE(family == "Times New Roman" || family == "Liberation Serif") << family.toStdString();
}

class SmallWinTest : public ::testing::Test {
protected:
    // Opened as the main window opens it, at a line height of 16 pixels.
    SmallWin* Open(int textWidth, int lineFeeds)
    {
        QString text = QStringLiteral("first");
        for (int i = 0; i < lineFeeds; ++i)
            text += QStringLiteral("\nnext");
        auto* win = new SmallWin(&owner, QStringLiteral("Path"), textWidth);
        win->SetLineHeight(16);
        win->SetText(text);
        return win;
    }

    void TearDown() override { RunDeferredDeletes(); }

    OwnerWindow owner;
};

TEST_F(SmallWinTest, SizesToItsLinesUpTo300PixelsThenScrolls)
{
    struct Case {
        int textWidth, lineFeeds, textHeight;
        Qt::ScrollBarPolicy scrollBar;
    };
    for (const Case& c : {Case{300, 15, 288, Qt::ScrollBarAlwaysOff}, Case{500, 16, 300, Qt::ScrollBarAlwaysOn},
                          Case{500, 0, 48, Qt::ScrollBarAlwaysOff}}) {
        SmallWin* win = Open(c.textWidth, c.lineFeeds);
        const QSize size(c.textWidth + 65, c.textHeight + 20);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();

        EXPECT_EQ(win->size(), size) << c.lineFeeds;
        EXPECT_EQ(win->pos(),
                  screen.topLeft()
                      + QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2));
        EXPECT_EQ(win->TextBox().geometry(), QRect(55, 10, c.textWidth, c.textHeight));
        EXPECT_EQ(win->TextBox().verticalScrollBarPolicy(), c.scrollBar);
        EXPECT_EQ(win->TextBox().horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(win->TextBox().blockCount(), c.lineFeeds + 1) << "one line per line feed";
        win->close();
    }
}

// A key pressed where the window's focus is, the text box.
void PressInActiveWindow(SmallWin& win, Qt::Key key)
{
    ASSERT_TRUE(WaitFor([&] { return win.isActiveWindow(); }));
    QTest::keyClick(&win.TextBox(), key);
}

TEST_F(SmallWinTest, OwnerBlockedWhileOpenAndBackAfterOkCloseButtonEscOrEnter)
{
    const std::function<void(SmallWin&)> closers[] = {
        [](SmallWin& win) { QTest::mouseClick(&win.OkButton(), Qt::LeftButton); },
        [](SmallWin& win) { win.close(); },
        [](SmallWin& win) { PressInActiveWindow(win, Qt::Key_Escape); },
        [](SmallWin& win) { PressInActiveWindow(win, Qt::Key_Return); },
        [](SmallWin& win) { PressInActiveWindow(win, Qt::Key_Enter); },
    };
    for (const auto& closeWindow : closers) {
        QPointer<SmallWin> win = Open(300, 0);
        EXPECT_FALSE(owner.TakesClicks());
        EXPECT_TRUE(owner.isEnabled()) << "keeps its look";
        EXPECT_TRUE(win->isEnabled());
        EXPECT_TRUE(win->OkButton().isEnabled());
        EXPECT_EQ(win->OkButton().geometry(), QRect(5, 10, 45, 20));
        EXPECT_TRUE(win->TextBox().isReadOnly());
        EXPECT_EQ(win->TextBox().lineWrapMode(), QPlainTextEdit::NoWrap);

        closeWindow(*win);

        EXPECT_TRUE(owner.HasFocusBack());
        EXPECT_TRUE(owner.TakesClicks());
        RunDeferredDeletes();
        EXPECT_TRUE(win.isNull());
    }
}

} // namespace
