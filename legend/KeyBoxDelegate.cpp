#include "KeyBoxDelegate.h"

#include "EntryLayout.h"
#include "LegendModel.h"
#include "QPainterPieCanvas.h"

#include <QAbstractItemView>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {

// The entry's part right of the swatch column.
QRect TextBand(const QRect& entry, int left)
{
    return QRect(QPoint(left, entry.top()), entry.bottomRight());
}

// Highlight colours are the same whether or not the list has the focus, so the
// selected entry always reads the same.
QColor BandColor(const QStyleOptionViewItem& option, bool selected)
{
    return option.palette.color(QPalette::Active, selected ? QPalette::Highlight : QPalette::Base);
}

QColor TextColor(const QStyleOptionViewItem& option, bool selected)
{
    return option.palette.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text);
}

} // namespace

KeyBoxDelegate::KeyBoxDelegate(int entryHeight, QObject* parent)
    : QStyledItemDelegate(parent), defaultEntryHeight(entryHeight)
{
}

void KeyBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    DrawSwatch(*painter, option.rect, option.palette, index.data(LegendModel::ColorRole).value<QColor>(),
               index.data(LegendModel::UnreadableRole).toBool());
    DrawText(*painter, option, index);
    if (HasFocusFrame(option, index))
        DrawFocus(*painter, option);
    painter->restore();
}

// The current entry keeps its focus frame while the list is the control with
// the focus in its window, also while another window (a text window, the
// About box) is active: the main window looks the same while it waits.
bool KeyBoxDelegate::HasFocusFrame(const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (option.state & QStyle::State_HasFocus)
        return true;
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    return view && view->currentIndex() == index && view->window()->focusWidget() == view;
}

// A fixed-pitch font taller than the list's default font still shows its
// descenders and commas whole.
QSize KeyBoxDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), std::max(defaultEntryHeight, option.fontMetrics.lineSpacing()));
}

void KeyBoxDelegate::DrawSwatch(QPainter& painter, const QRect& entry, const QPalette& palette, const QColor& color,
                                bool unreadable)
{
    const QRect swatch(QPoint(entry.left() + SwatchMargin, entry.top() + SwatchMargin),
                       QPoint(SwatchRight - 1, entry.bottom() - SwatchMargin));
    if (swatch.isEmpty())
        return;
    painter.fillRect(swatch, color);
    if (unreadable)
        painter.fillRect(swatch, UnreadableHatch(color));
    // The list's text colour frames the swatch: black on a light list, and
    // a frame that still shows around the black swatch on a dark one.
    painter.setPen(palette.color(QPalette::Active, QPalette::Text));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}

void KeyBoxDelegate::DrawText(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    const bool selected = option.state & QStyle::State_Selected;
    painter.fillRect(TextBand(option.rect, TextBandLeft), BandColor(option, selected));
    painter.setFont(option.font);
    painter.setPen(TextColor(option, selected));
    if (index.data(LegendModel::NameRole).isValid()) {
        DrawEntry(painter, option, index);
        return;
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    DrawLine(painter, option.rect, TextLeft, text.isEmpty() ? tr("error") : text);
}

void KeyBoxDelegate::DrawEntry(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    const int legendWidth = option.widget ? option.widget->width() : FirstLegendWidth;
    const QString size = index.data(LegendModel::SizeRole).toString();
    const ShareColumn share{index.data(LegendModel::ShareRole).toString(),
                            index.data(LegendModel::WidestShareRole).toString(),
                            static_cast<qreal>(option.rect.right() + 1 - TextRightMargin - TextLeft)};
    const EntryLayout layout = LayOutEntry(index.data(LegendModel::NameRole).toString(), size,
                                           QFontMetricsF(option.font), legendWidth, share);
    DrawLine(painter, option.rect, TextLeft, layout.name);
    DrawLine(painter, option.rect, TextLeft + layout.sizeLeft, size);
    DrawLine(painter, option.rect, TextLeft + layout.shareLeft, share.share);
}

void KeyBoxDelegate::DrawLine(QPainter& painter, const QRect& entry, qreal left, const QString& text)
{
    const QRectF room(QPointF(left, entry.top()), QPointF(entry.right() + 1, entry.bottom() + 1));
    painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

// Around the whole entry, swatch included, so that no dots stand beside the
// first letter.
void KeyBoxDelegate::DrawFocus(QPainter& painter, const QStyleOptionViewItem& option)
{
    const bool selected = option.state & QStyle::State_Selected;
    painter.setPen(QPen(TextColor(option, selected), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(option.rect.adjusted(0, 0, -1, -1));
}
