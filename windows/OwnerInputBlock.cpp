#include "OwnerInputBlock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <map>

namespace {

std::map<const QWidget*, int>& BlockCounts()
{
    static std::map<const QWidget*, int> counts;
    return counts;
}

bool IsInput(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::ToolTip:
        return true;
    default:
        return false;
    }
}

// Qt makes a window transient for its parent's native window when it makes
// the window's own, as the window first shows, provided the parent has one.
// The owner may not be shown yet (the first scan's splash comes before the
// main window), so its native window is made here. (Making the blocker's
// here would make every control of the owner native too.)
void PrepareTransientFor(QWidget& owner)
{
    owner.window()->winId();
}

} // namespace

OwnerInputBlock::OwnerInputBlock(QWidget* ownerWindow, QWidget* blockerWindow)
    : owner(ownerWindow), blocker(blockerWindow), ownerKey(ownerWindow)
{
    if (!owner)
        return;
    PrepareTransientFor(*owner);
    ++BlockCounts()[ownerKey];
    QCoreApplication::instance()->installEventFilter(this);
    held = true;
}

OwnerInputBlock::~OwnerInputBlock()
{
    Release();
}

void OwnerInputBlock::Release()
{
    if (!held)
        return;
    held = false;
    QCoreApplication::instance()->removeEventFilter(this);
    auto count = BlockCounts().find(ownerKey);
    if (--count->second > 0)
        return;
    BlockCounts().erase(count);
    // An owner being closed or deleted is hidden first; it gets no focus.
    if (!owner || !owner->isVisible())
        return;
    owner->activateWindow();
    QWidget* focus = owner->focusWidget();
    (focus ? focus : owner.data())->setFocus(Qt::ActiveWindowFocusReason);
}

// Input reaches a window first and its controls after; both are looked at,
// since synthetic input (tests, accessibility) may go to a control directly.
bool OwnerInputBlock::IsForOwner(QObject* receiver) const
{
    if (receiver->isWidgetType())
        return static_cast<QWidget*>(receiver)->window() == owner;
    return receiver->isWindowType() && receiver == owner->windowHandle();
}

bool OwnerInputBlock::eventFilter(QObject* receiver, QEvent* event)
{
    if (!held || !owner || !IsInput(*event) || !IsForOwner(receiver))
        return false;
    if (event->type() == QEvent::MouseButtonPress)
        BringBlockerForward();
    return true;
}

void OwnerInputBlock::BringBlockerForward()
{
    if (!blocker || !blocker->isVisible())
        return;
    blocker->raise();
    blocker->activateWindow();
}
