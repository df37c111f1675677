#include "WindowSettings.h"

#include <QSettings>
#include <QWidget>

namespace {

const QString kGeometry = QStringLiteral("window/geometry");
const QString kSortBySize = QStringLiteral("key/sortBySize");
const QString kSizesInUnits = QStringLiteral("key/sizesInUnits");
const QString kView = QStringLiteral("view/picture");
const QString kViewDepth = QStringLiteral("view/depth");
const QString kLook = QStringLiteral("view/look");
const QString kDesktop = QStringLiteral("desktop");

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
    SetValue(kSortBySize, bySize);
}

bool WindowSettings::SizesInUnits() const
{
    return Flag(kSizesInUnits);
}

void WindowSettings::SetSizesInUnits(bool inUnits) const
{
    SetValue(kSizesInUnits, inUnits);
}

QString WindowSettings::View() const
{
    return settings ? settings->value(kView).toString() : QString();
}

void WindowSettings::SetView(const QString& name) const
{
    SetValue(kView, name);
}

int WindowSettings::ViewDepth() const
{
    return settings ? settings->value(kViewDepth, 0).toInt() : 0;
}

void WindowSettings::SetViewDepth(int depth) const
{
    SetValue(kViewDepth, depth);
}

Look WindowSettings::ChosenLook() const
{
    return settings && settings->value(kLook).toString() == kDesktop ? Look::Desktop : Look::Classic;
}

void WindowSettings::SetLook(Look look) const
{
    SetValue(kLook, look == Look::Desktop ? kDesktop : QStringLiteral("classic"));
}

bool WindowSettings::Flag(const QString& key) const
{
    return settings && settings->value(key, false).toBool();
}

// Written at once, so that a program that is killed keeps the choice.
void WindowSettings::SetValue(const QString& key, const QVariant& value) const
{
    if (!settings)
        return;
    settings->setValue(key, value);
    settings->sync();
}
