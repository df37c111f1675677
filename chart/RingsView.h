#pragma once

#include "DirectoryView.h"
#include "RingLayout.h"

#include <QPointF>
#include <QRect>

#include <memory>
#include <vector>

class QPainter;

// The directory on display as rings: the pie of its entries in the centre,
// and round it one to four rings of the sub-directories below them, each
// within its parent's angle and in a shade of its branch's colour, so that a
// person sees at once which branch holds the bytes. Like the pie it sits at
// the window's top-left corner, draws its picture once per directory and
// size, and marks the selected entry's branch with two crosses.
class RingsView : public DirectoryView {
    Q_OBJECT

public:
    static constexpr int kDefaultRings = 3;

    explicit RingsView(QWidget* parent);

    void Place(const QRect& bounds) override;
    // The rings round the centre, 1 to 4.
    int Depth() const override { return rings; }
    void SetDepth(int depth) override;

    const RingLayout& Layout() const { return layout; }
    // The ring under point, 0 for the centre; -1 off the picture.
    int RingUnder(const QPoint& point) const;
    // The segment under point; null for none.
    const RingSegment* SegmentUnder(const QPoint& point) const;
    // Halfway through ring at angle (degrees clockwise from the start diagonal).
    QPoint PointAt(int ring, double angle) const;
    // Where the selected entry's crosses stand; none without one.
    std::vector<QRect> MarkerRects() const;
    int EntryAt(const QPoint& point) const override;

protected:
    void ShowInPicture(const ShownDirectory& shown) override;
    void MarkInPicture(int entry) override;
    void DrawPicture(QPainter& painter) override;
    void DrawOverPicture(QPainter& painter) override;
    QString ToolTipAt(const QPoint& point) const override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void AddDepthKeys();
    void ChangeDepth(int depth);
    void Relayout();
    void DrawSegment(QPainter& painter, int ring, const RingSegment& segment) const;
    void OutlineMarkedBranch(QPainter& painter) const;
    const RingSegment* MarkedSegment() const;
    double InnerRadius(int ring) const;
    double OuterRadius(int ring) const;
    QRectF Circle(double radius) const;
    QPointF PointAtRadius(double radius, double angle) const;

    RingLayout layout;
    // What the layout's nodes come from; the tree outlives it.
    ShownDirectory shown;
    QPointF centre;
    double outerRadius = 0;
    int rings = kDefaultRings;
    int markedEntry = -1;
};
