#pragma once

#include <QString>

#include <memory>

class QSettings;
class QWidget;

// What Kelmo remembers between runs, in one file: the main window's size
// and place, how it orders the key and how it writes sizes. Without a file
// nothing is kept.
class WindowSettings {
public:
    explicit WindowSettings(const QString& file = {});
    ~WindowSettings();

    void RestoreGeometry(QWidget& window) const;
    void SaveGeometry(const QWidget& window) const;
    bool SortBySize() const;
    void SetSortBySize(bool bySize) const;
    bool SizesInUnits() const;
    void SetSizesInUnits(bool inUnits) const;

private:
    bool Flag(const QString& key) const;
    void SetFlag(const QString& key, bool value) const;

    std::unique_ptr<QSettings> settings; // read once; null without a file
};
