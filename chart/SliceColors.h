#pragma once

#include <array>

struct SliceColor {
    unsigned char red;
    unsigned char green;
    unsigned char blue;

    friend bool operator==(SliceColor a, SliceColor b)
    {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
};

// Slice i of the chart and entry i of the legend both take colour i mod 8.
inline constexpr std::array<SliceColor, 8> SliceColors{{
    {0, 0, 255},     // blue
    {0, 255, 255},   // cyan
    {0, 255, 0},     // green
    {255, 0, 255},   // magenta
    {255, 0, 0},     // red
    {255, 255, 0},   // yellow
    {0, 0, 0},       // black
    {128, 128, 128}, // grey
}};

inline SliceColor SliceColorAt(int index)
{
    return SliceColors[static_cast<unsigned>(index) % SliceColors.size()];
}
