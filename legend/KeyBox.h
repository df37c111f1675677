#pragma once

#include "ChildList.h"
#include "FormatBytes.h"

#include <QAccessible>
#include <QListView>
#include <QRect>

#include <cstdint>
#include <functional>
#include <memory>

class QMimeData;

class LegendModel;

// The legend beside the pie chart: one entry per sub-directory in slice order,
// each with its slice's colour, name and size. It says when its selection
// changes (the chart marks the selected entry's slice) and when a right press
// asks for its menu. A legend is filled once; a change of directory builds a
// new one.
class KeyBox : public QListView {
    Q_OBJECT

public:
    // hasParent: whether the directory on display has a parent, which the
    // legend's menu offers to go to.
    KeyBox(QWidget* parent, const QRect& geometry, bool hasParent);

    // One entry per sub-directory of the directory on display, whose size and
    // path the tooltips measure each entry against.
    void SetEntries(std::shared_ptr<const ChildList> children, std::int64_t directoryBytes,
                    const QString& directoryPath);
    // The one entry of a legend whose directory has no sub-directories; it
    // reports no double-clicks.
    void ShowNoSubDirectories();
    // Sizes in exact bytes (until set otherwise) or binary units, in the
    // entries and their tooltips.
    void SetUnits(SizeUnits units);

    int Count() const;
    // An entry's text as a line of characters (see EntryText), and what its
    // tooltip says.
    QString Text(int index) const;
    QString ToolTip(int index) const;
    // What a screen reader says of an entry: the whole name, size and share
    // (QAccessible::Name), and what its tooltip says (Description).
    QString SpokenText(int index, QAccessible::Text kind) const;
    // An entry's place in the list's viewport.
    QRect EntryRect(int index) const;

    // -1 when nothing is selected.
    int SelectedIndex() const;
    void SetSelectedIndex(int index);

    // What an entry dragged out of the legend carries; no drag without it.
    using DragData = std::function<QMimeData*(int index)>;
    void SetDragData(DragData data);

    // Whether the directory on display has a parent, which the menu offers to go to.
    bool HasParent() const { return hasParent; }
    // The placeholder of a directory without sub-directories.
    bool IsPlaceholder() const { return isEmpty; }

signals:
    void EntryDoubleClicked();
    // The selected entry changed; -1 when none is selected.
    void SelectionChanged(int index);
    // A right press at globalPosition asks for the legend's menu; the
    // selection stays as it is.
    void ContextMenuRequested(const QPoint& globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    bool hasParent;
    bool isEmpty = false;
    LegendModel* entries;
    DragData dragData;
};
