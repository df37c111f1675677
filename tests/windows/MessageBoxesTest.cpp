#include "MessageBoxes.h"
#include "ProgramLook.h"
#include "QtTestSupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(MessageBoxesTest, ReplacedHandlerReceivesEveryBoxAndHandsBackThePrevious)
{
    QWidget owner;
    std::vector<std::string> shown;
    const MessageBoxHandler previous = SetMessageBoxHandler(
        [&](QWidget* o, const QString& text, const QString& caption, MessageIcon icon) {
            shown.push_back((o == &owner ? "owned " : "unowned ") + std::to_string(static_cast<int>(icon)) + " "
                            + (caption + "|" + text).toStdString());
        });

    ShowMessageBox(&owner, "Sub-Directory Not Found", "System Error", MessageIcon::Stop);
    const MessageBoxHandler recorder = SetMessageBoxHandler(previous);
    recorder(nullptr, "Selected Disk was Not\nAvailable or is Blank", "Kelmo", MessageIcon::Information);

    EXPECT_EQ(shown,
              std::vector<std::string>({"owned 1 System Error|Sub-Directory Not Found",
                                        "unowned 0 Kelmo|Selected Disk was Not\nAvailable or is Blank"}));
}

TEST(MessageBoxesTest, RealBoxBreaksLinesAtCarriageReturnsAndOffersOnlyOk)
{
    QString seen;
    QTimer::singleShot(0, [&] {
        QMessageBox* box = ShownMessageBox();
        ASSERT_NE(box, nullptr);
        seen = box->windowTitle() + "|" + box->text();
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        box->accept();
    });

    ShowMessageBox(nullptr, "Invalid command-line; Use:\n\n    kelmo <path>\nend", "Kelmo", MessageIcon::Stop);

    EXPECT_EQ(seen, QStringLiteral("Kelmo|Invalid command-line; Use:\n\n    kelmo <path>\nend"));
}

TEST(MessageBoxesTest, ProgramLookIsFusionWithLightGreyWindows)
{
    EnableProgramLook(*qApp);

    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(192, 192, 192));
}

} // namespace
