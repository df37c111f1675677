#pragma once

#include "ChildList.h"
#include "PiePoint.h"

#include <QListView>
#include <QRect>

#include <cstdint>
#include <vector>

class LegendModel;
class QMenu;
class QPainter;

// The legend beside the pie chart: one entry per sub-directory in slice order,
// each with its slice's colour, name and size. The selected entry's slice is
// marked on the chart by two cross markers, which the parent (the main window)
// paints after the chart through PaintMarkers. The context menu's commands
// reach the parent as posted CommandEvents; the main window's keys pass on to
// the parent. A legend is filled once; a change of directory builds a new one.
class KeyBox : public QListView {
    Q_OBJECT

public:
    // id is IDC_LEGEND for the full legend and -1 for the placeholder; only the
    // full legend reports double-clicks. hasParent chooses the menu layout.
    KeyBox(QWidget* parent, int id, int x, int y, int width, int height, bool hasParent);
    // Asks the parent to repaint the marker squares so no marker stays behind.
    ~KeyBox() override;

    int Id() const { return id; }

    // One entry per sub-directory of the directory on display, whose size and
    // path the tooltips measure each entry against.
    void SetEntries(ChildList children, std::int64_t directoryBytes, const QString& directoryPath);
    // The one entry of a legend whose directory has no sub-directories.
    void ShowNoSubDirectories();

    int Count() const;
    // An entry's text as shown, and what its tooltip says.
    QString Text(int index) const;
    QString ToolTip(int index) const;
    // An entry's place in the list's viewport.
    QRect EntryRect(int index) const;

    // -1 when nothing is selected.
    int SelectedIndex() const;
    void SetSelectedIndex(int index);

    // The rim points of each entry's slice from the latest chart drawing
    // (RtnCoords starts and ends); only as many as there are entries and as
    // both lists hold. The parent hands them over after drawing the chart.
    // Until they first arrive a selection has no markers; when they move, the
    // markers follow.
    void SetSlicePoints(const std::vector<PiePoint>& starts, const std::vector<PiePoint>& ends);
    bool HasSlicePoints() const { return !startPoints.empty(); }
    int SlicePointCount() const { return static_cast<int>(startPoints.size()); }
    const std::vector<PiePoint>& StartPoints() const { return startPoints; }
    const std::vector<PiePoint>& EndPoints() const { return endPoints; }
    // Entries 0 .. SlicePointCount() - 1; (-1, -1) outside that range.
    PiePoint GetEndPoint(int index) const;

    // The 10 x 10 squares of the parent covered by markers: none, or the
    // selected slice's start and end squares.
    const std::vector<QRect>& MarkerRects() const { return markerRects; }
    // Paints the markers on the parent; call after drawing the chart.
    void PaintMarkers(QPainter& painter) const;

    // Fills menu with the context menu's items for the current state.
    void FillContextMenu(QMenu& menu);

signals:
    void EntryDoubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void RefreshMarkers();
    std::vector<QRect> SelectedSliceSquares() const;
    void RepaintParent(const std::vector<QRect>& squares) const;
    void AddCommand(QMenu& menu, const QString& text, int commandId, bool enabled);
    void OpenContextMenu(const QPoint& position);

    int id;
    bool hasParent;
    bool isEmpty = false;
    LegendModel* entries;
    std::vector<PiePoint> startPoints;
    std::vector<PiePoint> endPoints;
    std::vector<QRect> markerRects;
};
