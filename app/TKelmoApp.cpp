#include "TKelmoApp.h"

#include "KelmoResources.h"
#include "KelmoSplash.h"
#include "MessageBoxes.h"
#include "TKelmoWindow.h"

namespace {

// QApplication keeps a reference to its argument count for its whole life.
int qtArgumentCount = 0;

int& ProgramNameOnly(int argc)
{
    qtArgumentCount = argc > 0 ? 1 : 0;
    return qtArgumentCount;
}

} // namespace

TKelmoApp::TKelmoApp(int argc, char** argv)
    : QApplication(ProgramNameOnly(argc), argv), cmdLine(argv + (argc > 0), argv + argc)
{
    setApplicationName(QStringLiteral("Kelmo"));
}

TKelmoApp::~TKelmoApp() = default;

void TKelmoApp::InitMainWindow()
{
    EnableProgramLook(*this);
    InitKelmoResources();
    mainWindow = std::make_unique<TKelmoWindow>(cmdLine, FileInfo::ProbeDrives(), KelmoSplash::ProgramLinger);
}

int TKelmoApp::Run()
{
    InitMainWindow();
    mainWindow->SetupWindow();
    // Closed during the first scan or its wait: nothing is left to show.
    if (mainWindow->CloseRequested())
        return 0;
    mainWindow->show();
    return exec();
}
