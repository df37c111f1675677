#include "ViewEntryAccessible.h"

#include "DirectoryView.h"

#include <QWindow>

ViewEntryAccessible::ViewEntryAccessible(DirectoryView* shownIn, int index) : view(shownIn), entry(index) {}

bool ViewEntryAccessible::isValid() const
{
    return view && entry < view->EntryCount();
}

QWindow* ViewEntryAccessible::window() const
{
    return view ? view->window()->windowHandle() : nullptr;
}

QAccessibleInterface* ViewEntryAccessible::parent() const
{
    return view ? QAccessible::queryAccessibleInterface(view) : nullptr;
}

QString ViewEntryAccessible::text(QAccessible::Text kind) const
{
    return isValid() ? view->SpokenTextOf(entry, kind) : QString();
}

// A slice is no rectangle: an entry stands where its picture stands.
QRect ViewEntryAccessible::rect() const
{
    return view ? QRect(view->mapToGlobal(QPoint(0, 0)), view->size()) : QRect();
}

QAccessible::State ViewEntryAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const bool marked = view->MarkedEntry() == entry;
    state.selectable = true;
    state.focusable = true;
    state.selected = marked;
    state.focused = marked && view->hasFocus();
    state.invisible = !view->isVisible();
    return state;
}
