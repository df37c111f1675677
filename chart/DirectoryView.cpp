#include "DirectoryView.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QToolTip>

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
