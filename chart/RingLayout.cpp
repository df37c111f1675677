#include "RingLayout.h"

#include <algorithm>

namespace {

// A shade of the branch's colour for each ring outwards: lighter with each
// ring, and every other sibling darker, so neighbours stay apart.
SliceColor ShadeOf(SliceColor color, int depth, int sibling)
{
    const double towardsWhite = 0.18 * depth;
    const double keep = sibling % 2 ? 0.8 : 1.0;
    const auto shade = [&](unsigned char part) {
        const double lighter = part + (255 - part) * towardsWhite;
        return static_cast<unsigned char>(lighter * keep + 0.5);
    };
    return {shade(color.red), shade(color.green), shade(color.blue)};
}

// The segments of one parent's share of a ring, laid from start in order,
// with those under the smallest angle gathered into one segment at the end
// when there are several of them.
class SegmentRun {
public:
    SegmentRun(std::vector<RingSegment>& target, double from) : ring(target), next(from) {}

    void Add(RingSegment segment)
    {
        segment.start = next;
        next += segment.sweep;
        ring.push_back(segment);
    }
    void Merge(double sweep, std::int64_t bytes)
    {
        smaller.sweep += sweep;
        smaller.bytes += bytes;
        ++smaller.items;
    }
    // Ends the run; parentEntry is the branch the smaller items belong to.
    void Close(int parentEntry)
    {
        if (smaller.items == 0)
            return;
        smaller.entry = parentEntry;
        smaller.color = RingLayout::kSmallerItemsColor;
        Add(smaller);
    }

private:
    std::vector<RingSegment>& ring;
    double next;
    RingSegment smaller{0, 0, -1, {}, 0, 0, {}};
};

// A segment too small to draw on its own, unless it would be alone in the
// grey segment, where its own name says more.
bool Merged(double sweep, int smallCount)
{
    return sweep < RingLayout::kSmallestDegrees && smallCount > 1;
}

// An entry's bytes in the tree shown; a directory gone since an earlier scan
// holds none.
std::int64_t BytesNow(const ChildList& entries, int i, DirNode directory)
{
    if (i >= static_cast<int>(entries.nodes.size()))
        return std::max<std::int64_t>(entries.sizes[i], 0);
    const DirNode node = entries.nodes[i];
    return node.owner() == directory.owner() ? std::max<std::int64_t>(node.bytes(), 0) : 0;
}

} // namespace

void RingLayout::Lay(const Shown& shown, int rings)
{
    layers.assign(1, {});
    entryColors.clear();
    if (shown.entries)
        LayCentre(shown);
    const int count = std::clamp(rings, kFewestRings, kMostRings);
    for (int depth = 1; depth <= count; ++depth) {
        std::vector<RingSegment> ring;
        for (const RingSegment& parent : layers.back())
            LayChildren(parent, depth, shown.order, ring);
        layers.push_back(std::move(ring));
    }
}

// The centre divides the circle as the pie does: in the entries' order and
// colours, by their bytes, or evenly when they give no proportions.
void RingLayout::LayCentre(const Shown& shown)
{
    const ChildList& entries = *shown.entries;
    const int count = std::min(entries.Count(), static_cast<int>(entries.sizes.size()));
    entryColors = SliceColorsOf(entries.sizes, entries.places);
    std::vector<std::int64_t> bytes;
    bytes.reserve(static_cast<std::size_t>(count));
    long double total = 0;
    for (int i = 0; i < count; ++i) {
        bytes.push_back(BytesNow(entries, i, shown.directory));
        total += bytes.back();
    }
    const auto sweepOf = [&](int i) {
        return total > 0 ? static_cast<double>(bytes[static_cast<std::size_t>(i)] / total * 360) : 360.0 / count;
    };
    int smallCount = 0;
    for (int i = 0; i < count; ++i)
        smallCount += sweepOf(i) < kSmallestDegrees;
    SegmentRun run(layers.front(), 0);
    for (int i = 0; i < count; ++i) {
        const double sweep = sweepOf(i);
        const std::int64_t entryBytes = bytes[static_cast<std::size_t>(i)];
        if (Merged(sweep, smallCount)) {
            run.Merge(sweep, entryBytes);
            continue;
        }
        const DirNode node = i < static_cast<int>(entries.nodes.size()) ? entries.nodes[i] : DirNode();
        run.Add({0, sweep, i, node, entryBytes, 1, entryColors[static_cast<std::size_t>(i)]});
    }
    run.Close(-1);
}

// Children share their parent's angle by their bytes; what the parent holds
// in files of its own stays empty.
void RingLayout::LayChildren(const RingSegment& parent, int depth, ChildOrder order,
                             std::vector<RingSegment>& ring) const
{
    if (!parent.node || parent.bytes <= 0 || parent.sweep <= 0)
        return;
    const double perByte = parent.sweep / static_cast<double>(parent.bytes);
    const std::vector<DirNode> children = ChildrenInOrder(parent.node, order);
    int smallCount = 0;
    for (const DirNode& child : children)
        smallCount += child.bytes() * perByte < kSmallestDegrees;
    const SliceColor branch = entryColors[static_cast<std::size_t>(parent.entry)];
    SegmentRun run(ring, parent.start);
    int sibling = 0;
    for (const DirNode& child : children) {
        const std::int64_t bytes = std::max<std::int64_t>(child.bytes(), 0);
        const double sweep = bytes * perByte;
        if (Merged(sweep, smallCount)) {
            run.Merge(sweep, bytes);
            continue;
        }
        run.Add({0, sweep, parent.entry, child, bytes, 1, ShadeOf(branch, depth, sibling++)});
    }
    run.Close(parent.entry);
}

const RingSegment* RingLayout::SegmentAt(int ring, double angle) const
{
    if (ring < 0 || ring > Rings())
        return nullptr;
    const std::vector<RingSegment>& segments = Ring(ring);
    const auto after = std::upper_bound(segments.begin(), segments.end(), angle,
                                        [](double at, const RingSegment& segment) { return at < segment.start; });
    if (after == segments.begin())
        return nullptr;
    const RingSegment& segment = *std::prev(after);
    return angle < segment.start + segment.sweep ? &segment : nullptr;
}
