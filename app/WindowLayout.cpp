#include "WindowLayout.h"

#include <algorithm>

WindowLayout::WindowLayout(QSize client)
{
    const QSize size = client.expandedTo(kFirstSize);
    const int w = size.width();
    const int h = size.height();
    const int below = h - kFirstSize.height(); // what the bottom rows move down by
    const int half = w / 2;
    // The pie's square is at most the left half wide and leaves the rows
    // under it their room.
    const int side = std::min(half, h - 136);
    chartBounds = QRect(QPoint(20, 20), QPoint(20 + half - 1, 20 + side - 1));
    topButton = QRect(18, 5, 45, 20);
    backButton = QRect(73, 5, 45, 20);

    const int columnLeft = half + 53;            // 370 at the first size
    const int columnWidth = w - 14 - columnLeft; // 250 at the first size
    drivesHeading = QRect(columnLeft, 20, columnWidth, 25);
    driveList = QRect(columnLeft, 50, columnWidth, 0);
    unreadableLabel = QRect(columnLeft, 78, columnWidth, 20);
    keyHeading = QRect(columnLeft, 100, columnWidth, 25);
    legend = QRect(columnLeft, 130, columnWidth, h - 203);

    freeSpaceLabel = QRect(20, 350 + below, 250, 20);
    pathButton = QRect(20, 372 + below, 45, 20);
    pathLabel = QRect(70, 375 + below, 330 + std::max(0, columnLeft - 370), 20);
    exitButton = QRect(18, 400 + below, 80, 20);
    // Wide enough for the copyright line, centred where the classic label stood.
    creditLabel = QRect(210 + (w - kFirstSize.width()) / 2, 415 + below, 240, 25);
    updateButton = QRect(w - 174, 400 + below, 80, 20);
    aboutButton = QRect(w - 94, 400 + below, 80, 20);
}
