#pragma once

#include "PieCanvas.h"

#include <ostream>
#include <vector>

// Keeps every pie the chart draws, with the brush it was drawn in.
struct PieCall {
    SliceColor color;
    PieRect square;
    PiePoint first;
    PiePoint second;

    friend bool operator==(const PieCall& a, const PieCall& b)
    {
        return a.color == b.color && a.square == b.square && a.first == b.first && a.second == b.second;
    }
};

class RecordingCanvas : public PieCanvas {
public:
    void SelectBrush(SliceColor color) override { brush = color; }
    void Pie(const PieRect& square, PiePoint first, PiePoint second) override
    {
        calls.push_back({brush, square, first, second});
    }

    std::vector<PieCall> calls;

private:
    SliceColor brush{};
};

inline void PrintTo(PiePoint point, std::ostream* out)
{
    *out << "(" << point.x << ", " << point.y << ")";
}

inline void PrintTo(const PieCall& call, std::ostream* out)
{
    *out << "rgb(" << int(call.color.red) << ", " << int(call.color.green) << ", " << int(call.color.blue) << ") from ("
         << call.first.x << ", " << call.first.y << ") to (" << call.second.x << ", " << call.second.y << ")";
}
