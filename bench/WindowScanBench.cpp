// Times the window's scan of a directory posing as a drive, on the offscreen
// platform and without the splash's linger: from the start of the window's
// set-up (which starts the scan) to the view built from its result. Prints
// the seconds.
#include "TKelmoApp.h"
#include "TKelmoWindow.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: window-scan-bench DIRECTORY\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Options options;
    options.path = argv[1];
    TKelmoApp app(1, argv, options);
    TKelmoWindow window(options, Drives({{"bench", argv[1], "ext4"}}), 0);
    const auto start = std::chrono::steady_clock::now();
    window.SetupWindow();
    while (window.Scanning())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (!window.Survey().Root())
        return 1;
    std::printf("%.3f\n", took.count());
    return 0;
}
