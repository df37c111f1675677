#pragma once

#include "Recording.h"

#include <QWidget>

#include <string>
#include <vector>

class HistoryChart;
class QLabel;
class QTreeWidget;

// A drive's history: the bytes each recording counted, as a line over time
// (HistoryChart), and the directories that grew most between the two
// recordings chosen on it, the last two at first. It reads only the index to
// open, and the two recordings chosen. It deletes itself once closed.
class HistoryWindow : public QWidget {
    Q_OBJECT

public:
    // recordings: of the drive's history folder, oldest first.
    HistoryWindow(QWidget* owner, const QString& driveName, std::string folder, std::vector<Recording> recordings);

    HistoryChart* Chart() const { return chart; }
    QTreeWidget* Growers() const { return growers; }
    QLabel* Heading() const { return heading; }

private:
    void ListGrowth(int from, int to);

    std::string folder;
    std::vector<Recording> recordings; // those whose bytes the index names
    HistoryChart* chart;
    QLabel* heading;
    QTreeWidget* growers;
};
