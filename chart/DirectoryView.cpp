#include "DirectoryView.h"

#include "DirectoryViewAccessible.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

DirectoryView::DirectoryView(QWidget* parent) : QWidget(parent)
{
    DirectoryViewAccessible::Install();
    // Tab brings the keyboard here; a click leaves the focus where it was
    // (the legend, whose typing search a click on a slice must not end).
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(
        tr("The sub-directories of the directory on display and their shares; the arrow keys select one"));
}

void DirectoryView::ShowDirectory(const ShownDirectory& shown)
{
    entryCount = shown.entries ? shown.entries->Count() : 0;
    markedEntry = -1;
    ShowInPicture(shown);
    Announce(QAccessible::ObjectReorder);
}

void DirectoryView::MarkEntry(int entry)
{
    MarkInPicture(entry);
    if (entry == markedEntry)
        return;
    markedEntry = entry;
    Announce(QAccessible::Selection);
    if (hasFocus())
        Announce(QAccessible::Focus);
}

// An event about the list itself, or about the marked entry.
void DirectoryView::Announce(QAccessible::Event what)
{
    const bool aboutEntry = what != QAccessible::ObjectReorder;
    if (aboutEntry && (markedEntry < 0 || markedEntry >= entryCount))
        return;
    QAccessibleEvent event(this, what);
    if (aboutEntry)
        event.setChild(markedEntry);
    QAccessible::updateAccessibility(&event);
}

// The arrow keys move through the entries as the legend's do; the first
// selects the first entry (End, the last).
void DirectoryView::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int entry = plain ? EntryForKey(event->key()) : -1;
    if (entry < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (entry != markedEntry)
        emit EntryClicked(entry);
}

int DirectoryView::EntryForKey(int key) const
{
    if (entryCount == 0)
        return -1;
    const int last = entryCount - 1;
    switch (key) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        return markedEntry < 0 ? 0 : std::min(markedEntry + 1, last);
    case Qt::Key_Up:
    case Qt::Key_Left:
        return std::max(markedEntry - 1, 0);
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return last;
    default:
        return -1;
    }
}

// The window announces the view itself once the focus has moved; the
// selected entry is announced after it, so that a screen reader says it last.
void DirectoryView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    QMetaObject::invokeMethod(
        this, [this] { Announce(QAccessible::Focus); }, Qt::QueuedConnection);
}

// Every paint but the first copies only the part of the kept picture it
// needs, a move of the selection's marks included.
void DirectoryView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // The engine's device is the one painted on, also when the paint is
    // redirected (a grab, a render into a picture).
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
    if (picture.isNull() || picture.devicePixelRatio() != ratio) {
        picture = QPixmap(size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(palette().color(QPalette::Window));
        QPainter onPicture(&picture);
        DrawPicture(onPicture);
    }
    painter.drawPixmap(event->rect(), picture, QRectF(event->rect().topLeft() * ratio, event->rect().size() * ratio));
    DrawOverPicture(painter);
}

void DirectoryView::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    const int entry = EntryAt(event->position().toPoint());
    if (event->button() == Qt::RightButton)
        emit MenuRequested(entry, event->globalPosition().toPoint());
    else if (event->button() == Qt::LeftButton && entry >= 0)
        emit EntryClicked(entry);
}

// The picture's background and outlines are the palette's.
void DirectoryView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        ForgetPicture();
        update();
    }
}

bool DirectoryView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto& help = static_cast<const QHelpEvent&>(*event);
    const QString text = ToolTipAt(help.pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help.globalPos(), text, this);
    return true;
}
