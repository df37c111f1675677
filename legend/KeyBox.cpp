#include "KeyBox.h"

#include "KeyBoxDelegate.h"
#include "LegendModel.h"

#include <QDrag>
#include <QKeyEvent>
#include <QMouseEvent>

KeyBox::KeyBox(QWidget* parent, const QRect& geometry, bool withParent)
    : QListView(parent), hasParent(withParent), entries(new LegendModel(this))
{
    setGeometry(geometry);
    setAccessibleName(tr("Key"));
    setAccessibleDescription(
        tr("The sub-directories of the directory on display, each with its size and "
           "share; Enter opens the selected one"));
    setModel(entries);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    // Right presses ask for the window's menu and must not reach the parent.
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    // Entries are at least as tall as the list's own default font, and tall
    // enough for the legend font assigned later.
    setItemDelegate(new KeyBoxDelegate(fontMetrics().height(), this));

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { emit SelectionChanged(SelectedIndex()); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this] {
        if (!isEmpty)
            emit EntryDoubleClicked();
    });
}

void KeyBox::SetDragData(DragData makeData)
{
    dragData = std::move(makeData);
    setDragEnabled(dragData != nullptr && !isEmpty);
    setDragDropMode(dragData ? QAbstractItemView::DragOnly : QAbstractItemView::NoDragDrop);
}

// The entry goes out as whatever the window makes of it (a file:// URL), to
// be copied or linked, never moved.
void KeyBox::startDrag(Qt::DropActions)
{
    const int index = SelectedIndex();
    if (!dragData || isEmpty || index < 0)
        return;
    auto* drag = new QDrag(this); // Qt deletes it once the drag ends
    drag->setMimeData(dragData(index));
    drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
}

void KeyBox::SetEntries(std::shared_ptr<const ChildList> children, std::int64_t directoryBytes,
                        const QString& directoryPath)
{
    entries->SetEntries(std::move(children), directoryBytes, directoryPath);
}

void KeyBox::ShowNoSubDirectories()
{
    isEmpty = true;
    entries->SetPlaceholder(tr("--No Sub-Directories--"));
}

void KeyBox::SetUnits(SizeUnits units)
{
    entries->SetUnits(units);
}

int KeyBox::Count() const
{
    return entries->rowCount();
}

QString KeyBox::Text(int index) const
{
    return entries->index(index, 0).data(Qt::DisplayRole).toString();
}

QString KeyBox::ToolTip(int index) const
{
    return entries->index(index, 0).data(Qt::ToolTipRole).toString();
}

QString KeyBox::SpokenText(int index, QAccessible::Text kind) const
{
    const int role = kind == QAccessible::Name ? Qt::AccessibleTextRole
        : kind == QAccessible::Description     ? Qt::AccessibleDescriptionRole
                                               : -1;
    return role < 0 ? QString() : entries->index(index, 0).data(role).toString();
}

QRect KeyBox::EntryRect(int index) const
{
    return visualRect(entries->index(index, 0));
}

int KeyBox::SelectedIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void KeyBox::SetSelectedIndex(int index)
{
    const QModelIndex entry = entries->index(index, 0);
    if (entry.isValid())
        setCurrentIndex(entry);
    else
        selectionModel()->clear();
}

// The right button asks for the menu and leaves the selection as it is.
void KeyBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        emit ContextMenuRequested(viewport()->mapToGlobal(event->position().toPoint()));
        return;
    }
    QListView::mousePressEvent(event);
}

void KeyBox::keyPressEvent(QKeyEvent* event)
{
    // With nothing selected, the first arrow selects the entry in the focus
    // frame rather than the one after it.
    const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (arrow && plain && SelectedIndex() < 0 && Count() > 0) {
        SetSelectedIndex(currentIndex().isValid() ? currentIndex().row() : 0);
        return;
    }
    QListView::keyPressEvent(event);
}
