#pragma once

#include <QApplication>

#include <memory>
#include <string>
#include <vector>

class TKelmoWindow;

// The application: sets the program's look once, creates the main window,
// runs its start-up (which scans the first drive) and then the event loop.
class TKelmoApp : public QApplication {
public:
    // Qt is shown the program's name alone: every argument is Kelmo's, so
    // that "-reverse" or "-style" reach the usage check instead of Qt.
    TKelmoApp(int argc, char** argv);
    ~TKelmoApp() override;

    // The arguments after the program's name, as they were given.
    const std::vector<std::string>& CommandLine() const { return cmdLine; }

    // Returns the event loop's result, the program's exit status.
    int Run();

private:
    void InitMainWindow();

    std::vector<std::string> cmdLine;
    std::unique_ptr<TKelmoWindow> mainWindow;
};
