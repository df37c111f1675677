#include "KeyBox.h"

#include "CommandEvent.h"
#include "CommandIds.h"
#include "KelmoResources.h"
#include "KeyBoxDelegate.h"

#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

const QString NoSubDirectoriesText = QStringLiteral("--No Sub-Directories--");
constexpr int MarkerSize = 10;
constexpr int MarkerHalf = MarkerSize / 2;

const QImage& MarkerImage()
{
    static const QImage image = [] {
        InitKelmoResources();
        return QImage(QStringLiteral(":/kelmo/marker.png"));
    }();
    return image;
}

QRect MarkerSquare(PiePoint point)
{
    return QRect(point.x - MarkerHalf, point.y - MarkerHalf, MarkerSize, MarkerSize);
}

} // namespace

KeyBox::KeyBox(QWidget* parent, int id, int x, int y, int width, int height, bool hasParent)
    : QListWidget(parent), id(id), hasParent(hasParent)
{
    setGeometry(x, y, width, height);
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    // Right presses open our own menu and must not reach the parent.
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    // The height comes from the list's own default font, before a legend
    // font is assigned.
    setItemDelegate(new KeyBoxDelegate(fontMetrics().height(), this));

    connect(this, &QListWidget::itemSelectionChanged, this, &KeyBox::RefreshMarkers);
    connect(this, &QAbstractItemView::doubleClicked, this, [this] {
        if (this->id == IDC_LEGEND)
            emit EntryDoubleClicked();
    });
}

KeyBox::~KeyBox()
{
    RepaintParent(markerRects);
}

void KeyBox::ShowNoSubDirectories()
{
    isEmpty = true;
    addItem(NoSubDirectoriesText);
}

int KeyBox::SelectedIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void KeyBox::SetSelectedIndex(int index)
{
    setCurrentRow(index);
}

void KeyBox::SetSlicePoints(const std::vector<PiePoint>& starts, const std::vector<PiePoint>& ends)
{
    const std::size_t count = std::min({starts.size(), ends.size(), static_cast<std::size_t>(this->count())});
    startPoints.assign(starts.begin(), starts.begin() + count);
    endPoints.assign(ends.begin(), ends.begin() + count);
    RefreshMarkers();
}

PiePoint KeyBox::GetStartPoint(int index) const
{
    return index >= 0 && index < SlicePointCount() ? startPoints[index] : PiePoint{-1, -1};
}

PiePoint KeyBox::GetEndPoint(int index) const
{
    return index >= 0 && index < SlicePointCount() ? endPoints[index] : PiePoint{-1, -1};
}

void KeyBox::PaintMarkers(QPainter& painter) const
{
    for (const QRect& square : markerRects)
        painter.drawImage(square.topLeft(), MarkerImage());
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
    QListWidget::mousePressEvent(event);
}
