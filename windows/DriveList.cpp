#include "DriveList.h"

#include <QKeyEvent>
#include <QWheelEvent>

void DriveList::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

void DriveList::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        showPopup();
        return;
    default:
        QComboBox::keyPressEvent(event);
    }
}
