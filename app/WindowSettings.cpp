#include "WindowSettings.h"

#include <QSettings>
#include <QWidget>

namespace {

const QString kGeometry = QStringLiteral("window/geometry");

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
