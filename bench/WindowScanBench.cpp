// Times the window's scan of a directory posing as a drive, on the offscreen
// platform and without the splash's linger: from the start of the window's
// set-up (which scans the drive and builds the view) to its end. Prints the
// seconds.
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
    TKelmoApp app(1, argv);
    TKelmoWindow window({argv[1]}, {{"bench", argv[1], "ext4"}}, 0);
    const auto start = std::chrono::steady_clock::now();
    window.SetupWindow();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (!window.Survey().Root())
        return 1;
    std::printf("%.3f\n", took.count());
    return 0;
}
