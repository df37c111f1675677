#pragma once

#include "ProgramLook.h"

#include <QString>
#include <QVariant>

#include <memory>

class QSettings;
class QWidget;

// What Kelmo remembers between runs, in one file: the main window's size
// and place, how it orders the key and how it writes sizes, which picture
// of the directory it shows and its look. Without a file
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
    // The picture of the directory (its row's name; empty when none was
    // chosen) and its depth (0 for the picture's own).
    QString View() const;
    void SetView(const QString& name) const;
    int ViewDepth() const;
    void SetViewDepth(int depth) const;
    // Classic unless Desktop was chosen.
    Look ChosenLook() const;
    void SetLook(Look look) const;

private:
    bool Flag(const QString& key) const;
    void SetValue(const QString& key, const QVariant& value) const;

    std::unique_ptr<QSettings> settings; // read once; null without a file
};
