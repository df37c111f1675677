#pragma once

// A point in a window's client area: x to the right, y downward.
struct PiePoint {
    int x = 0;
    int y = 0;

    friend bool operator==(PiePoint a, PiePoint b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(PiePoint a, PiePoint b) { return !(a == b); }
};

// A rectangle in client coordinates; right and bottom are exclusive edges.
struct PieRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const PieRect& a, const PieRect& b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};
