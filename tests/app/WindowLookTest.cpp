#include "TKelmoWindow.h"

#include "ChartView.h"
#include "KelmoSplash.h"
#include "KeyBoxDelegate.h"
#include "MessageBoxes.h"
#include "ProgramLook.h"
#include "QtTestSupport.h"
#include "SmallWin.h"
#include "TempTree.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// WCAG 2's relative luminance and contrast ratio.
double Luminance(const QColor& color)
{
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.red()) + 0.7152 * linear(color.green()) + 0.0722 * linear(color.blue());
}

double Contrast(const QColor& one, const QColor& other)
{
    const double first = Luminance(one);
    const double second = Luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor MostCommonColor(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    return QColor(std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                      return a.second < b.second;
                  })->first);
}

// The contrast of the text drawn in area: the background is the area's most
// common colour, the ink the colour that stands out most from it (the core
// of a stroke, where smoothing leaves the text's own colour).
double TextContrast(const QImage& image, const QRect& area)
{
    const QColor background = MostCommonColor(image, area);
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, Contrast(background, QColor(image.pixel(x, y))));
    return best;
}

double TextContrast(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    return TextContrast(image, image.rect());
}

// Breeze Dark's colours, with a selection dark enough for white text.
QPalette DarkPalette()
{
    QPalette dark(QColor(49, 54, 59), QColor(49, 54, 59));
    for (const QPalette::ColorRole text :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        dark.setColor(text, QColor(252, 252, 252));
    dark.setColor(QPalette::Base, QColor(35, 38, 41));
    dark.setColor(QPalette::Highlight, QColor(30, 100, 150));
    return dark;
}

class WindowLookTest : public ::testing::Test {
protected:
    WindowLookTest()
    {
        previousHandler = SetMessageBoxHandler([](QWidget*, const QString& text, const QString&, MessageIcon) {
            ADD_FAILURE() << "unexpected box: " << text.toStdString();
        });
        tree.File("music/f", 30000);
        tree.File("photos/f", 20000);
        tree.File("videos/f", 10000);
    }
    ~WindowLookTest() override
    {
        window.reset();
        RunDeferredDeletes();
        EnableProgramLook(*qApp, Look::Classic);
        SetMessageBoxHandler(previousHandler);
    }

    TKelmoWindow& Start(std::vector<std::string> args)
    {
        args.push_back(tree.Root());
        window = std::make_unique<TKelmoWindow>(ParseOptions(args), Drives({{"test", tree.Root(), "ext4"}}), 0,
                                                QString::fromStdString(config.Path("kelmo/kelmo.conf")));
        window->SetupWindow();
        EXPECT_TRUE(WaitFor([this] { return !window->Scanning(); }));
        window->show();
        QCoreApplication::processEvents();
        return *window;
    }
    void Run(Command command)
    {
        window->Commands().Trigger(command);
        QCoreApplication::processEvents();
    }
    template <typename Window>
    static Window* Shown()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* shown = dynamic_cast<Window*>(widget); shown && shown->isVisible())
                return shown;
        return nullptr;
    }
    // The first pixel of the pie's square down its middle: its outline.
    QColor PieOutline() const
    {
        ChartView& chart = *window->Chart();
        const QImage image = chart.grab().toImage();
        const QColor background = chart.palette().color(QPalette::Window);
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(image.width() / 2, y) != background)
                return image.pixelColor(image.width() / 2, y);
        return background;
    }
    // The swatch's frame, at its top-left corner, in the key's first entry.
    QColor SwatchFrame() const
    {
        KeyBox& key = *window->Legend();
        const QRect entry = key.visualRect(key.model()->index(0, 0));
        return key.viewport()->grab().toImage().pixelColor(entry.left() + KeyBoxDelegate::SwatchMargin,
                                                           entry.top() + KeyBoxDelegate::SwatchMargin);
    }

    TempTree tree, config;
    std::unique_ptr<TKelmoWindow> window;
    MessageBoxHandler previousHandler;
};

// The desktop look takes every colour from the palette: light text on a dark
// window nowhere meets a light grey of the program's own, and black, the
// classic look's outlines and swatch frames, would vanish on it.
TEST_F(WindowLookTest, OnADarkDesktopEveryTextReadsAndTheClassicLookIsUnchanged)
{
    Start({});
    ASSERT_EQ(ProgramLookInUse(), Look::Classic);
    const QImage classic = window->grab().toImage();
    EXPECT_EQ(classic.pixelColor(5, 5), QColor(192, 192, 192)) << "the light grey window";
    EXPECT_EQ(PieOutline(), QColor(Qt::black));
    EXPECT_EQ(SwatchFrame(), QColor(Qt::black));
    EXPECT_EQ(window->KeyLabel()->grab().toImage().pixelColor(0, 0), QColor(192, 192, 192));

    SetDesktopLook({QStringLiteral("Fusion"), DarkPalette()});
    EnableProgramLook(*qApp, Look::Desktop);
    EnableProgramLook(*qApp, Look::Classic);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->grab().toImage(), classic) << "back to the classic look, while the window is open";

    EnableProgramLook(*qApp, Look::Desktop);
    QCoreApplication::processEvents();
    window->Legend()->SetSelectedIndex(1);
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            EXPECT_GE(TextContrast(*label), 4.5) << label->text().toStdString();
        }
    }
    // A disabled button's text is dimmed on purpose, as the desktop dims it.
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->isEnabled()) {
            EXPECT_GE(TextContrast(*button), 4.5) << button->text().toStdString();
        }
    }
    EXPECT_GE(TextContrast(*window->DriveList()), 4.5);
    KeyBox& key = *window->Legend();
    const QImage entries = key.viewport()->grab().toImage();
    for (int entry : {0, 1}) {
        const QRect band = key.visualRect(key.model()->index(entry, 0)).adjusted(KeyBoxDelegate::TextBandLeft, 0, 0, 0);
        EXPECT_GE(TextContrast(entries, band), 4.5) << "entry " << entry << (entry == 1 ? ", selected" : "");
    }
    const QColor window_ = DarkPalette().color(QPalette::Window);
    EXPECT_GE(Contrast(PieOutline(), window_), 3.0) << "the slices keep their outline";
    EXPECT_GE(Contrast(SwatchFrame(), DarkPalette().color(QPalette::Base)), 3.0) << "and the swatches their frame";

    Run(Command::RootInfo);
    ASSERT_NE(Shown<SmallWin>(), nullptr);
    EXPECT_GE(TextContrast(*Shown<SmallWin>()->findChild<QPlainTextEdit*>()->viewport()), 4.5) << "the info window";
    Shown<SmallWin>()->close();
    Run(Command::About);
    ASSERT_NE(Shown<KelmoSplash>(), nullptr);
    for (QLabel* label : Shown<KelmoSplash>()->findChildren<QLabel*>())
        EXPECT_GE(TextContrast(*label), 4.5) << "About: " << label->text().toStdString();
    Shown<KelmoSplash>()->close();
    RunDeferredDeletes();
}

// The command line's look is for its run; the menu's is remembered.
TEST_F(WindowLookTest, TheLookChosenIsKeptAndTheCommandLineWinsForItsRun)
{
    SetDesktopLook({QStringLiteral("Fusion"), DarkPalette()});
    Start({"--look=desktop"});
    EXPECT_EQ(ProgramLookInUse(), Look::Desktop);
    EXPECT_TRUE(window->Commands().Action(Command::DesktopLook)->isChecked());
    window.reset();
    Start({});
    EXPECT_EQ(ProgramLookInUse(), Look::Classic) << "--look is not remembered";

    Run(Command::DesktopLook);
    EXPECT_EQ(ProgramLookInUse(), Look::Desktop);
    EXPECT_EQ(window->palette().color(QPalette::Window), DarkPalette().color(QPalette::Window));
    EXPECT_TRUE(window->Commands().Action(Command::DesktopLook)->isChecked());
    EXPECT_FALSE(window->Commands().Action(Command::ClassicLook)->isChecked());
    window.reset();
    EnableProgramLook(*qApp, Look::Classic);
    Start({});
    EXPECT_EQ(ProgramLookInUse(), Look::Desktop) << "the menu's choice is";
    window.reset();
    Start({"--look=classic"});
    EXPECT_EQ(ProgramLookInUse(), Look::Classic);
    window.reset();
    Start({});
    EXPECT_EQ(ProgramLookInUse(), Look::Desktop) << "and stays after a run with another --look";
}

} // namespace
