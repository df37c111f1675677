#include "WindowSettings.h"

#include <QSettings>
#include <QWidget>

namespace {

const QString kGeometry = QStringLiteral("window/geometry");
const QString kSortBySize = QStringLiteral("key/sortBySize");
const QString kSizesInUnits = QStringLiteral("key/sizesInUnits");

} // namespace

WindowSettings::WindowSettings(const QString& file)
    : settings(file.isEmpty() ? nullptr : std::make_unique<QSettings>(file, QSettings::IniFormat))
{
}

WindowSettings::~WindowSettings() = default;

void WindowSettings::RestoreGeometry(QWidget& window) const
{
    if (settings)
        window.restoreGeometry(settings->value(kGeometry).toByteArray());
}

// A window that was never shown has no place worth keeping.
void WindowSettings::SaveGeometry(const QWidget& window) const
{
    if (!settings || !window.isVisible())
        return;
    settings->setValue(kGeometry, window.saveGeometry());
    settings->sync();
}

bool WindowSettings::SortBySize() const
{
    return Flag(kSortBySize);
}

void WindowSettings::SetSortBySize(bool bySize) const
{
    SetFlag(kSortBySize, bySize);
}

bool WindowSettings::SizesInUnits() const
{
    return Flag(kSizesInUnits);
}

void WindowSettings::SetSizesInUnits(bool inUnits) const
{
    SetFlag(kSizesInUnits, inUnits);
}

bool WindowSettings::Flag(const QString& key) const
{
    return settings && settings->value(key, false).toBool();
}

// Written at once, so that a program that is killed keeps the choice.
void WindowSettings::SetFlag(const QString& key, bool value) const
{
    if (!settings)
        return;
    settings->setValue(key, value);
    settings->sync();
}
