#include "LineBreaks.h"
#include "MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ShownBox {
    QWidget* owner;
    QString text;
    QString caption;
    MessageIcon icon;
};

TEST(MessageBoxesTest, ReplacedHandlerReceivesEveryBoxAndHandsBackThePrevious)
{
    std::vector<ShownBox> shown;
    QWidget owner;
    const MessageBoxHandler previous = SetMessageBoxHandler(
        [&](QWidget* o, const QString& text, const QString& caption, MessageIcon icon) {
            shown.push_back({o, text, caption, icon});
        });

    ShowMessageBox(&owner, QStringLiteral("Selected Disk was Not\rAvailable or is Blank"), QStringLiteral("Kelmo"),
                   MessageIcon::Information);
    ShowMessageBox(&owner, QStringLiteral("Sub-Directory Not Found"), QStringLiteral("System Error"),
                   MessageIcon::Stop);
    const MessageBoxHandler recorder = SetMessageBoxHandler(previous);

    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].owner, &owner);
    EXPECT_EQ(shown[0].text, QStringLiteral("Selected Disk was Not\rAvailable or is Blank"));
    EXPECT_EQ(shown[0].caption, QStringLiteral("Kelmo"));
    EXPECT_EQ(shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(shown[1].caption, QStringLiteral("System Error"));
    EXPECT_EQ(shown[1].icon, MessageIcon::Stop);
    ASSERT_TRUE(recorder);
    recorder(nullptr, QStringLiteral("usage"), QStringLiteral("caption"), MessageIcon::None);
    EXPECT_EQ(shown.size(), 3u);
}

TEST(MessageBoxesTest, RealBoxBreaksLinesAtCarriageReturnsAndOffersOnlyOk)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    QString caption;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        text = box->text();
        caption = box->windowTitle();
        buttons = box->standardButtons();
        box->accept();
    });

    ShowMessageBox(nullptr, QStringLiteral("Invalid command-line; Use:\r\n\r\n    kelmo <path>\rend"),
                   QStringLiteral("Kelmo"), MessageIcon::Stop);

    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(text, QStringLiteral("Invalid command-line; Use:\n\n    kelmo <path>\nend"));
    EXPECT_EQ(caption, QStringLiteral("Kelmo"));
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST(LineBreaksTest, LoneCarriageReturnAndPairBothBecomeOneLineFeed)
{
    EXPECT_EQ(WithPlainLineBreaks(QStringLiteral("a\rb\r\nc\nd")), QStringLiteral("a\nb\nc\nd"));
}

TEST(ProgramLookTest, FusionStyleWithLightGreyWindows)
{
    EnableProgramLook(*qApp);

    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(192, 192, 192));
}

} // namespace
