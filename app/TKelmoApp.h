#pragma once

#include "Options.h"
#include "ProgramLanguage.h"

#include <QApplication>

#include <memory>

class TKelmoWindow;

// The application: creates the main window (which sets the program's look),
// starts its first scan and runs the event loop.
class TKelmoApp : public QApplication {
public:
    // Qt is shown the program's name alone: every argument is Kelmo's, so
    // that "-reverse" or "-style" reach the usage check instead of Qt.
    TKelmoApp(int argc, char** argv, Options options);
    ~TKelmoApp() override;

    // Returns the event loop's result, the program's exit status.
    int Run();

private:
    void InitMainWindow();

    Options options;
    ProgramLanguage language; // the person's, from the locale
    std::unique_ptr<TKelmoWindow> mainWindow;
};
