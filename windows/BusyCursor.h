#pragma once

#include <QCursor>
#include <QGuiApplication>

// Shows the busy cursor while the window's thread reads the disk for a
// moment (a directory's files, or its links), so the pause is not taken for
// a hang.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
