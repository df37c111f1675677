#include "WindowSettings.h"

#include <QSettings>
#include <QWidget>

namespace {

const QString kGeometry = QStringLiteral("window/geometry");
const QString kSortBySize = QStringLiteral("key/sortBySize");
const QString kSizesInUnits = QStringLiteral("key/sizesInUnits");

bool Flag(const QString& file, const QString& key)
{
    return !file.isEmpty() && QSettings(file, QSettings::IniFormat).value(key, false).toBool();
}

void SetFlag(const QString& file, const QString& key, bool value)
{
    if (!file.isEmpty())
        QSettings(file, QSettings::IniFormat).setValue(key, value);
}

} // namespace

void WindowSettings::RestoreGeometry(QWidget& window) const
{
    if (file.isEmpty())
        return;
    const QSettings settings(file, QSettings::IniFormat);
    window.restoreGeometry(settings.value(kGeometry).toByteArray());
}

void WindowSettings::SaveGeometry(const QWidget& window) const
{
    if (file.isEmpty() || !window.isVisible())
        return;
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(kGeometry, window.saveGeometry());
}

bool WindowSettings::SortBySize() const
{
    return Flag(file, kSortBySize);
}

void WindowSettings::SetSortBySize(bool bySize) const
{
    SetFlag(file, kSortBySize, bySize);
}

bool WindowSettings::SizesInUnits() const
{
    return Flag(file, kSizesInUnits);
}

void WindowSettings::SetSizesInUnits(bool inUnits) const
{
    SetFlag(file, kSizesInUnits, inUnits);
}
