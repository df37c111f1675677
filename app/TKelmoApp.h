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
    TKelmoApp(int& argc, char** argv);
    ~TKelmoApp() override;

    // Returns the event loop's result, the program's exit status.
    int Run(std::vector<std::string> cmdLine);

private:
    void InitMainWindow(std::vector<std::string> cmdLine);

    std::unique_ptr<TKelmoWindow> mainWindow;
};
