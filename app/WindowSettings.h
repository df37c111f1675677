#pragma once

#include <QString>

class QWidget;

// What Kelmo remembers between runs, in one file: the main window's size
// and place, and how it orders the key. Without a file nothing is kept.
class WindowSettings {
public:
    explicit WindowSettings(QString file = {}) : file(std::move(file)) {}

    void RestoreGeometry(QWidget& window) const;
    void SaveGeometry(const QWidget& window) const;
    bool SortBySize() const;
    void SetSortBySize(bool bySize) const;

private:
    QString file;
};
