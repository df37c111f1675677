#include "WindowSettings.h"

#include <QSettings>
#include <QWidget>

namespace {

const QString kGeometry = QStringLiteral("window/geometry");
const QString kSortBySize = QStringLiteral("key/sortBySize");

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
    return !file.isEmpty() && QSettings(file, QSettings::IniFormat).value(kSortBySize, false).toBool();
}

void WindowSettings::SetSortBySize(bool bySize) const
{
    if (!file.isEmpty())
        QSettings(file, QSettings::IniFormat).setValue(kSortBySize, bySize);
}
