#pragma once

#include <QStyledItemDelegate>

// Draws one legend entry: a colour swatch matching the entry's pie slice
// (hatched, as the slice is, for a directory that could not be read whole),
// the entry's name, size and share on a selection-coloured band, and the focus
// frame around both. Every entry has the same height.
class KeyBoxDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    KeyBoxDelegate(int entryHeight, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Places in the list's client area, the same for every entry.
    static constexpr int SwatchMargin = 2;
    static constexpr int SwatchRight = 18; // exclusive
    static constexpr int TextBandLeft = 20;
    static constexpr int TextLeft = 22;
    static constexpr int TextRightMargin = 3; // from the entry's right, keeping the focus frame clear

private:
    static void DrawSwatch(QPainter& painter, const QRect& entry, const QPalette& palette, const QColor& color,
                           bool unreadable);
    static void DrawText(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index);
    static void DrawEntry(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index);
    static void DrawLine(QPainter& painter, const QRect& entry, qreal left, const QString& text);
    static void DrawFocus(QPainter& painter, const QStyleOptionViewItem& option);
    static bool HasFocusFrame(const QStyleOptionViewItem& option, const QModelIndex& index);

    int defaultEntryHeight;
};
