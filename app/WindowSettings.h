#pragma once

#include <QString>

class QWidget;

// What Kelmo remembers between runs, in one file: the main window's size
// and place, how it orders the key and how it writes sizes. Without a file nothing is kept.
class WindowSettings {
public:
    explicit WindowSettings(QString file = {}) : file(std::move(file)) {}

    void RestoreGeometry(QWidget& window) const;
    void SaveGeometry(const QWidget& window) const;
    bool SortBySize() const;
    void SetSortBySize(bool bySize) const;
    bool SizesInUnits() const;
    void SetSizesInUnits(bool inUnits) const;

private:
    QString file;
};
