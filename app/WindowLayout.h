#pragma once

#include <QRect>
#include <QSize>

// Where the main window's parts stand for a client area of a given size. At
// the first size, 634 x 453, every part has its classic place; a larger
// window gives the pie the largest square its left half allows, widens and
// lengthens the drive list and the legend, and keeps the right column at the
// right edge and the bottom row at the bottom edge.
struct WindowLayout {
    static constexpr QSize kFirstSize{634, 453};

    explicit WindowLayout(QSize client);

    QRect chartBounds; // the rectangle the pie's square is fitted into
    QRect topButton;
    QRect backButton;
    QRect drivesHeading;
    QRect driveList;       // its height is the list's own
    QRect unreadableLabel; // under the drive list: what its scan could not read
    QRect keyHeading;
    QRect legend;
    QRect freeSpaceLabel;
    QRect pathButton;
    QRect pathLabel;
    QRect exitButton;
    QRect creditLabel;
    QRect updateButton;
    QRect aboutButton;
};
