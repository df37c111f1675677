#pragma once

// A point in a window's client area: x to the right, y downward.
struct PiePoint {
    int x = 0;
    int y = 0;

    bool operator==(PiePoint other) const { return x == other.x && y == other.y; }
    bool operator!=(PiePoint other) const { return !(*this == other); }
};

// A rectangle in client coordinates; right and bottom are exclusive edges.
struct PieRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PieRect& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};
