#include "DirectoryViewAccessible.h"

#include "DirectoryView.h"
#include "ViewEntryAccessible.h"

namespace {

QAccessibleInterface* InterfaceFor(const QString&, QObject* object)
{
    auto* view = qobject_cast<DirectoryView*>(object);
    return view ? new DirectoryViewAccessible(view) : nullptr; // Qt's cache owns it
}

} // namespace

DirectoryViewAccessible::DirectoryViewAccessible(DirectoryView* view) : QAccessibleWidget(view, QAccessible::List) {}

DirectoryViewAccessible::~DirectoryViewAccessible()
{
    for (const QAccessible::Id id : entries)
        QAccessible::deleteAccessibleInterface(id);
}

void DirectoryViewAccessible::Install()
{
    static const bool installed = (QAccessible::installFactory(InterfaceFor), true);
    (void)installed;
}

DirectoryView* DirectoryViewAccessible::View() const
{
    return static_cast<DirectoryView*>(widget());
}

int DirectoryViewAccessible::childCount() const
{
    return View()->EntryCount();
}

QAccessibleInterface* DirectoryViewAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (static_cast<int>(entries.size()) <= index)
        entries.push_back(QAccessible::registerAccessibleInterface(
            new ViewEntryAccessible(View(), static_cast<int>(entries.size()))));
    return QAccessible::accessibleInterface(entries[static_cast<std::size_t>(index)]);
}

int DirectoryViewAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* entry = dynamic_cast<const ViewEntryAccessible*>(child);
    return entry && entry->parent() == this && entry->Entry() < childCount() ? entry->Entry() : -1;
}

QAccessibleInterface* DirectoryViewAccessible::childAt(int x, int y) const
{
    return child(View()->EntryAt(View()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* DirectoryViewAccessible::focusChild() const
{
    return View()->hasFocus() ? child(View()->MarkedEntry()) : nullptr;
}
