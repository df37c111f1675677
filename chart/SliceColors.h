#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct SliceColor {
    unsigned char red;
    unsigned char green;
    unsigned char blue;

    bool operator==(SliceColor other) const { return red == other.red && green == other.green && blue == other.blue; }
};

// The colour table: slice i of the chart and entry i of the legend take
// colour i mod 8, but see SliceColorsOf.
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

// The colour of each slice of a chart of these sizes, which its legend entry
// shares: colour p mod 8 for the slice at place p of its directory's listing
// (places; without them, each slice's own place), so that a directory keeps
// its colour in any order. In listing order the last non-empty slice never
// takes the colour of the first non-empty one, which it touches on the
// circle: it then takes the next colour of the table that neither of its
// neighbours has.
std::vector<SliceColor> SliceColorsOf(const std::vector<std::int64_t>& sizes, const std::vector<int>& places = {});
