#pragma once

#include "ChildList.h"
#include "ChildOrder.h"
#include "DirNode.h"
#include "SliceColors.h"

#include <cstdint>
#include <vector>

// One segment of the rings: a directory, or the smaller items of one parent
// merged. Angles are degrees clockwise from the pie's start diagonal.
struct RingSegment {
    double start = 0;
    double sweep = 0;
    int entry = -1; // the legend entry of its branch; -1 for the centre's smaller items
    DirNode node;   // null for smaller items
    std::int64_t bytes = 0;
    int items = 1; // how many directories it stands for
    SliceColor color{};
};

// The angles of the rings picture, worked out from the tree as it is: ring 0
// is the pie of the entries, each further ring the sub-directories of the
// ring inside it, each within its parent's angle, in the entries' order and
// in a shade of its branch's colour. Every ring measures the bytes the tree
// holds now, also in a comparison, whose entries' sizes are changes. Segments
// under kSmallestDegrees are merged into one grey segment per parent, so no
// ring holds more segments than its angle allows, however wide the directory.
class RingLayout {
public:
    static constexpr double kSmallestDegrees = 1.0;
    static constexpr int kFewestRings = 1;
    static constexpr int kMostRings = 4;
    static constexpr SliceColor kSmallerItemsColor{192, 192, 192};

    // The entries of directory, null for none, in the order shown; their
    // sub-directories go round them in order.
    struct Shown {
        DirNode directory;
        const ChildList* entries = nullptr;
        ChildOrder order = ChildOrder::Listing;
    };

    // rings: how many rings go round the centre (clamped to 1 to 4).
    void Lay(const Shown& shown, int rings);
    // Rings round the centre.
    int Rings() const { return static_cast<int>(layers.size()) - 1; }
    // Ring 0 is the centre; each ring's segments are in order of their start.
    const std::vector<RingSegment>& Ring(int ring) const { return layers[static_cast<std::size_t>(ring)]; }
    // The segment of ring covering angle; null for none.
    const RingSegment* SegmentAt(int ring, double angle) const;

private:
    void LayCentre(const Shown& shown);
    void LayChildren(const RingSegment& parent, int depth, ChildOrder order, std::vector<RingSegment>& ring) const;

    std::vector<std::vector<RingSegment>> layers{{}};
    std::vector<SliceColor> entryColors; // the pie's, one per entry
};
