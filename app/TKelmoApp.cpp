#include "TKelmoApp.h"

#include "KelmoResources.h"
#include "KelmoSplash.h"
#include "MessageBoxes.h"
#include "TKelmoWindow.h"

TKelmoApp::TKelmoApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Kelmo"));
}

TKelmoApp::~TKelmoApp() = default;

void TKelmoApp::InitMainWindow(std::vector<std::string> cmdLine)
{
    EnableProgramLook(*this);
    InitKelmoResources();
    mainWindow = std::make_unique<TKelmoWindow>(std::move(cmdLine), FileInfo::ProbeDrives(),
                                                KelmoSplash::ProgramLinger);
}

int TKelmoApp::Run(std::vector<std::string> cmdLine)
{
    InitMainWindow(std::move(cmdLine));
    mainWindow->SetupWindow();
    // Closed during the first scan or its wait: nothing is left to show.
    if (mainWindow->CloseRequested())
        return 0;
    mainWindow->show();
    return exec();
}
