// What a person waits for on a wide directory, in the real window on the
// offscreen platform over a real temporary tree: the time from the
// double-click on its legend entry to the painted window (median and worst of
// the rounds), the time a move of the chart's markers takes to paint, and the
// heap the view of 100,000 sub-directories takes (in use after going in, less
// in use before), and the time the rings take to lay out and draw that
// directory.
#include "ChartView.h"
#include "KeyBox.h"
#include "RingsView.h"
#include "TKelmoWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <malloc.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kSubDirectories = 100000;
constexpr int kRounds = 7;

// root/wide/d000000 ... d099999, removed again when the object goes.
class WideTree {
public:
    WideTree()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kelmo-nav-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        root = pattern;
        const std::string wide = root + "/wide";
        mkdir(wide.c_str(), 0755);
        char name[16];
        for (int i = 0; i < kSubDirectories; ++i) {
            std::snprintf(name, sizeof name, "/d%06d", i);
            mkdir((wide + name).c_str(), 0755);
        }
    }
    ~WideTree() { std::filesystem::remove_all(root); }

    std::string root;
};

// Counts the chart's paints once the main window's legend shows rows entries.
class PaintWatch : public QObject {
public:
    PaintWatch(TKelmoWindow& watched) : window(watched) { window.Chart()->installEventFilter(this); }

    int rows = -1;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && window.Legend() && window.Legend()->Count() == rows)
            ++paints;
        return false;
    }

private:
    TKelmoWindow& window;
};

// Milliseconds until the main window has painted with a legend of rows
// entries, counted from clock's start.
double UntilPainted(PaintWatch& watch, int rows, const QElapsedTimer& clock)
{
    watch.rows = rows;
    const int before = watch.paints;
    while (watch.paints == before)
        QCoreApplication::processEvents();
    return clock.nsecsElapsed() / 1e6;
}

std::size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void DoubleClickFirstEntry(KeyBox& legend)
{
    const QPoint point = legend.EntryRect(0).center();
    QTest::mouseClick(legend.viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(legend.viewport(), Qt::LeftButton, {}, point);
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const WideTree tree;

    Options options;
    options.path = tree.root;
    TKelmoWindow window(options, Drives({{"bench", tree.root, "ext4"}}), 0);
    window.SetupWindow();
    while (window.Scanning())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!window.Survey().Root()) {
        std::fprintf(stderr, "navigation bench: cannot scan %s\n", tree.root.c_str());
        return 1;
    }
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    PaintWatch watch(window);

    std::vector<double> navigation, marker, memory;
    for (int round = 0; round < kRounds; ++round) {
        QCoreApplication::processEvents();
        const std::size_t heapBefore = HeapInUse();
        QElapsedTimer clock;
        clock.start();
        DoubleClickFirstEntry(*window.Legend());
        navigation.push_back(UntilPainted(watch, kSubDirectories, clock));
        memory.push_back((static_cast<double>(HeapInUse()) - heapBefore) / 1e6);

        for (int selected : {kSubDirectories / 3, kSubDirectories / 2}) {
            clock.restart();
            window.Legend()->SetSelectedIndex(selected);
            marker.push_back(UntilPainted(watch, kSubDirectories, clock));
        }
        window.CmBack();
        UntilPainted(watch, 1, clock);
    }
    QElapsedTimer goingIn;
    goingIn.start();
    DoubleClickFirstEntry(*window.Legend());
    UntilPainted(watch, kSubDirectories, goingIn);
    std::vector<double> rings;
    for (int round = 0; round < kRounds; ++round) {
        RingsView view(&window);
        QElapsedTimer clock;
        clock.start();
        view.Place(QRect(20, 20, 317, 433));
        view.ShowDirectory({window.State().CurrentDir(), window.State().Children()});
        view.grab();
        rings.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("%-30s %14s %14s %14s %13s\n", "navigation", "open median ms", "open worst ms", "marker med ms",
                "view heap MB");
    std::printf("%-30s %14.1f %14.1f %14.2f %13.1f\n", "100,000 sub-directories", Median(navigation),
                *std::max_element(navigation.begin(), navigation.end()), Median(marker), Median(memory));
    std::printf("%-30s %14.1f %14.1f\n", "rings: lay out and draw ms", Median(rings),
                *std::max_element(rings.begin(), rings.end()));
    return 0;
}
