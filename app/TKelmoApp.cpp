#include "TKelmoApp.h"

#include "KelmoProject.h"
#include "KelmoResources.h"
#include "KelmoSplash.h"
#include "TKelmoWindow.h"

#include <QStandardPaths>

namespace {

// QApplication keeps a reference to its argument count for its whole life.
int qtArgumentCount = 0;

int& ProgramNameOnly(int argc)
{
    qtArgumentCount = argc > 0 ? 1 : 0;
    return qtArgumentCount;
}

// The one setting Kelmo keeps: its window's size and place.
QString SettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/kelmo/kelmo.conf");
}

} // namespace

TKelmoApp::TKelmoApp(int argc, char** argv, Options commandLine)
    : QApplication(ProgramNameOnly(argc), argv), options(std::move(commandLine))
{
    setApplicationName(QStringLiteral("Kelmo"));
    // The Wayland app id, which desktops match with the desktop file.
    setDesktopFileName(QString::fromUtf8(KelmoProject::kAppId));
}

TKelmoApp::~TKelmoApp() = default;

void TKelmoApp::InitMainWindow()
{
    InitKelmoResources();
    mainWindow = std::make_unique<TKelmoWindow>(options, Drives::Probe(), KelmoSplash::ProgramLinger, SettingsFile());
}

// The window shows itself when its first scan is over; without one it
// shows now.
int TKelmoApp::Run()
{
    InitMainWindow();
    mainWindow->SetupWindow();
    if (mainWindow->CloseRequested())
        return mainWindow->ExitStatus();
    if (!mainWindow->Scanning())
        mainWindow->show();
    const int status = exec();
    return status != 0 ? status : mainWindow->ExitStatus();
}
