#include "KeyBox.h"

#include "CommandEvent.h"
#include "CommandIds.h"
#include "KelmoResources.h"
#include "KeyBoxDelegate.h"
#include "KeyCommands.h"
#include "LegendModel.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

const QString NoSubDirectoriesText = QStringLiteral("--No Sub-Directories--");
constexpr int MarkerSize = 10;
constexpr int MarkerHalf = MarkerSize / 2;

struct MarkerRun {
    QRect rect; // relative to the marker's top-left corner
    QColor color;
};

// The marker bitmap as runs of equal pixels in each row. Painting these as
// rectangles keeps the cross sharp at any screen scale, where the bitmap
// itself would be scaled up.
const std::vector<MarkerRun>& MarkerRuns()
{
    static const std::vector<MarkerRun> runs = [] {
        InitKelmoResources();
        const QImage image(QStringLiteral(":/kelmo/marker.png"));
        std::vector<MarkerRun> found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width();) {
                const QColor color = image.pixelColor(x, y);
                int end = x + 1;
                while (end < image.width() && image.pixelColor(end, y) == color)
                    ++end;
                found.push_back({QRect(x, y, end - x, 1), color});
                x = end;
            }
        return found;
    }();
    return runs;
}

QRect MarkerSquare(PiePoint point)
{
    return QRect(point.x - MarkerHalf, point.y - MarkerHalf, MarkerSize, MarkerSize);
}

} // namespace

KeyBox::KeyBox(QWidget* parent, int id, int x, int y, int width, int height, bool hasParent)
    : QListView(parent), id(id), hasParent(hasParent), entries(new LegendModel(this))
{
    setGeometry(x, y, width, height);
    setModel(entries);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    // Right presses open our own menu and must not reach the parent.
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    // Entries are at least as tall as the list's own default font, and tall
    // enough for the legend font assigned later.
    setItemDelegate(new KeyBoxDelegate(fontMetrics().height(), this));

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &KeyBox::RefreshMarkers);
    connect(this, &QAbstractItemView::doubleClicked, this, [this] {
        if (this->id == IDC_LEGEND)
            emit EntryDoubleClicked();
    });
}

KeyBox::~KeyBox()
{
    RepaintParent(markerRects);
}

void KeyBox::SetEntries(ChildList children, std::int64_t directoryBytes, const QString& directoryPath)
{
    entries->SetEntries(std::move(children), directoryBytes, directoryPath);
}

void KeyBox::ShowNoSubDirectories()
{
    isEmpty = true;
    entries->SetPlaceholder(NoSubDirectoriesText);
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

void KeyBox::SetSlicePoints(const std::vector<PiePoint>& starts, const std::vector<PiePoint>& ends)
{
    const std::size_t count = std::min({starts.size(), ends.size(), static_cast<std::size_t>(Count())});
    startPoints.assign(starts.begin(), starts.begin() + count);
    endPoints.assign(ends.begin(), ends.begin() + count);
    RefreshMarkers();
}

PiePoint KeyBox::GetEndPoint(int index) const
{
    return index >= 0 && index < SlicePointCount() ? endPoints[index] : PiePoint{-1, -1};
}

void KeyBox::PaintMarkers(QPainter& painter) const
{
    for (const QRect& square : markerRects)
        for (const MarkerRun& run : MarkerRuns())
            painter.fillRect(run.rect.translated(square.topLeft()), run.color);
}

// Moves the markers by repainting only the squares they leave and enter; the
// parent draws the chart there and then the markers where they now are.
void KeyBox::RefreshMarkers()
{
    std::vector<QRect> squares = SelectedSliceSquares();
    if (squares == markerRects)
        return;
    RepaintParent(markerRects);
    markerRects = std::move(squares);
    RepaintParent(markerRects);
}

// A selection made before the chart has handed over its points has no squares.
std::vector<QRect> KeyBox::SelectedSliceSquares() const
{
    const int selected = SelectedIndex();
    if (isEmpty || selected < 0 || selected >= SlicePointCount())
        return {};
    return {MarkerSquare(startPoints[selected]), MarkerSquare(endPoints[selected])};
}

void KeyBox::RepaintParent(const std::vector<QRect>& squares) const
{
    if (QWidget* owner = parentWidget()) {
        for (const QRect& square : squares)
            owner->update(square);
    }
}

void KeyBox::FillContextMenu(QMenu& menu)
{
    AddCommand(menu, QStringLiteral("Sub Info"), CM_SUBDIR_INFO, SelectedIndex() >= 0 && !isEmpty);
    menu.addSeparator();
    if (hasParent) {
        AddCommand(menu, QStringLiteral("Parent Directory"), CM_BACK, true);
        AddCommand(menu, QStringLiteral("Root Directory"), CM_TOP, true);
    } else {
        AddCommand(menu, QStringLiteral("Root Info"), CM_ROOT_INFO, true);
        menu.addSeparator();
        AddCommand(menu, QStringLiteral("Parent Directory"), CM_BACK, false);
        AddCommand(menu, QStringLiteral("Root Directory"), CM_TOP, false);
    }
}

// The command is posted, so the parent carries it out after the menu is gone.
void KeyBox::AddCommand(QMenu& menu, const QString& text, int commandId, bool enabled)
{
    QAction* action = menu.addAction(text);
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, [this, commandId] {
        if (QWidget* owner = parentWidget())
            QCoreApplication::postEvent(owner, new CommandEvent(commandId));
    });
}

void KeyBox::OpenContextMenu(const QPoint& position)
{
    auto* menu = new QMenu(this); // deletes itself once closed
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    FillContextMenu(*menu);
    menu->popup(viewport()->mapToGlobal(position));
}

// The right button opens the menu and leaves the selection as it is.
void KeyBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        OpenContextMenu(event->position().toPoint());
        return;
    }
    QListView::mousePressEvent(event);
}

void KeyBox::keyPressEvent(QKeyEvent* event)
{
    if (CommandForKey(*event) != 0) {
        event->ignore();
        return;
    }
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
