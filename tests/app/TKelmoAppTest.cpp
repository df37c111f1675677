#include "TKelmoApp.h"

#include "KelmoProject.h"

#include <gtest/gtest.h>

#include <string>

// Every argument is Kelmo's to check: Qt's own options ("-reverse",
// "-style") must reach the usage check instead of changing the program.
TEST(TKelmoApp, QtTakesNoOptionFromTheCommandLine)
{
    std::string program = "kelmo-gui", reverse = "-reverse", style = "-style", windows = "windows";
    char* argv[] = {program.data(), reverse.data(), style.data(), windows.data(), nullptr};
    TKelmoApp app(4, argv, ParseOptions({"-reverse", "-style", "windows"}));
    EXPECT_FALSE(app.isRightToLeft());
    EXPECT_EQ(app.arguments(), QStringList{"kelmo-gui"});
    EXPECT_EQ(QGuiApplication::desktopFileName(), KelmoProject::kAppId) << "the Wayland app id names the desktop file";
}
