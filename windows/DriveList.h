#pragma once

#include <QComboBox>

// The drop-down list of drives. Choosing a drive starts a scan that may take
// minutes, so a drive is chosen only by a click in the open list or by Enter
// there: the wheel passes over the closed list, and the arrow keys open it
// instead of moving to the next drive.
class DriveList : public QComboBox {
public:
    explicit DriveList(QWidget* parent) : QComboBox(parent) {}

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
