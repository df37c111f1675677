#pragma once

#include <QWidget>

#include <cstdint>
#include <vector>

// A drive's used bytes over its recordings, as a line: one dot a recording,
// times along the bottom, bytes up the side. Two recordings are chosen on
// it, drawn as the rings "A" (from) and "B" (to); a click on a dot chooses
// it as A or as B, whichever ring is nearer along the line.
class HistoryChart : public QWidget {
    Q_OBJECT

public:
    struct Point {
        std::int64_t time; // seconds since the epoch
        std::int64_t bytes;
    };

    explicit HistoryChart(QWidget* parent = nullptr);

    void SetPoints(std::vector<Point> points);
    void Choose(int from, int to);
    int From() const { return from; }
    int To() const { return to; }
    // The centre of point index's dot, where a click chooses it.
    QPointF DotAt(int index) const;

signals:
    void Chosen(int from, int to);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    QSize sizeHint() const override { return {560, 260}; }

private:
    QRectF PlotArea() const;
    int NearestDot(QPointF at) const;

    std::vector<Point> points;
    std::int64_t lowBytes = 0; // the least and the most of points' bytes
    std::int64_t highBytes = 0;
    int from = -1;
    int to = -1;
};
