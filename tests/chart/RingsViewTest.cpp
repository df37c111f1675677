#include "RingsView.h"

#include "DirTree.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// A tree of exact sizes, built node by node: a run of children at a time,
// as a walk claims them.
class SizedTree {
public:
    SizedTree()
    {
        tree.SetRoot(tree.Claim(1));
        tree.At(tree.Root()).name = names.Add("/r");
    }
    DirTree::Index Root() const { return tree.Root(); }
    DirNode Node(DirTree::Index index) const { return {&tree, index}; }
    // The children of parent; returns the first one's index.
    DirTree::Index Children(DirTree::Index parent, const std::vector<std::pair<std::string, std::int64_t>>& sized)
    {
        const DirTree::Index first = tree.Claim(static_cast<std::uint32_t>(sized.size()));
        tree.At(parent).firstChild = first;
        tree.At(parent).childCount = static_cast<std::uint32_t>(sized.size());
        for (std::size_t i = 0; i < sized.size(); ++i) {
            DirTree::Node& node = tree.At(first + static_cast<DirTree::Index>(i));
            node.parent = parent;
            node.diskBytes = node.apparentBytes = sized[i].second;
            node.name = names.Add(sized[i].first);
        }
        return first;
    }

private:
    DirTree tree{"/r"};
    DirTree::NameWriter names{tree};
};

// Entries a (600 bytes), b (300) and c (100) fill the circle with 216, 108
// and 36 degrees. a holds a1 (300) and a2 (150) and 150 bytes of files; a1
// holds a1x (150). c holds 30 directories of 1 byte, 0.36 degrees each.
class RingsViewTest : public ::testing::Test {
protected:
    RingsViewTest() : view(new RingsView(&window))
    {
        const DirTree::Index a = tree.Children(tree.Root(), {{"a", 600}, {"b", 300}, {"c", 100}});
        const DirTree::Index a1 = tree.Children(a, {{"a1", 300}, {"a2", 150}});
        a1x = tree.Node(tree.Children(a1, {{"a1x", 150}}));
        tree.Children(a + 2, std::vector<std::pair<std::string, std::int64_t>>(30, {"tiny", 1}));
        auto entries = std::make_shared<ChildList>();
        entries->names = {"a", "b", "c"};
        entries->sizes = {600, 300, 100};
        entries->nodes = {tree.Node(a), tree.Node(a + 1), tree.Node(a + 2)};
        window.resize(634, 453);
        view->Place(QRect(20, 20, 317, 433));
        view->ShowDirectory({tree.Node(tree.Root()), entries});
    }

    SizedTree tree;
    DirNode a1x;
    QWidget window;
    RingsView* view;
};

TEST_F(RingsViewTest, EachSegmentTakesItsShareOfItsParentsAngle)
{
    const RingLayout& layout = view->Layout();
    ASSERT_EQ(layout.Rings(), 3);
    ASSERT_EQ(layout.Ring(0).size(), 3u);
    EXPECT_DOUBLE_EQ(layout.Ring(0)[1].start, 216);
    EXPECT_DOUBLE_EQ(layout.Ring(0)[1].sweep, 108);
    ASSERT_GE(layout.Ring(1).size(), 2u);
    EXPECT_DOUBLE_EQ(layout.Ring(1)[0].sweep, 108) << "a1: half of a's 216 degrees";
    EXPECT_DOUBLE_EQ(layout.Ring(1)[1].start, 108);
    EXPECT_DOUBLE_EQ(layout.Ring(1)[1].sweep, 54) << "a2: a quarter of a's, after a1";
    ASSERT_EQ(layout.Ring(2).size(), 1u);
    EXPECT_EQ(layout.Ring(2)[0].node, a1x);
    EXPECT_DOUBLE_EQ(layout.Ring(2)[0].sweep, 54) << "a1x: half of a1's 108 degrees";
}

TEST_F(RingsViewTest, TinySegmentsMergeIntoOneGreySegmentPerParent)
{
    const std::vector<RingSegment>& ring = view->Layout().Ring(1);
    ASSERT_EQ(ring.size(), 3u) << "a1, a2 and c's smaller items";
    const RingSegment& smaller = ring[2];
    EXPECT_FALSE(smaller.node);
    EXPECT_EQ(smaller.items, 30);
    EXPECT_EQ(smaller.entry, 2);
    EXPECT_DOUBLE_EQ(smaller.start, 324);
    EXPECT_NEAR(smaller.sweep, 10.8, 1e-9);
    EXPECT_EQ(view->grab().toImage().pixelColor(view->PointAt(1, 329)), QColor(192, 192, 192));
}

TEST_F(RingsViewTest, ARayTwoLevelsDownShowsAShadeOfItsBranchsColour)
{
    const QImage image = view->grab().toImage();
    const QColor branch = image.pixelColor(view->PointAt(0, 27));
    const QColor below = image.pixelColor(view->PointAt(2, 27));
    EXPECT_EQ(branch, QColor(0, 0, 255)) << "a is the pie's first slice";
    EXPECT_NE(below, branch);
    EXPECT_EQ(below.hsvHue(), branch.hsvHue());
    EXPECT_GT(below.hsvSaturation(), 0) << "a shade, not a grey";
    const QColor nextBranch = image.pixelColor(view->PointAt(0, 250));
    EXPECT_NE(nextBranch.hsvHue(), below.hsvHue());
}

TEST_F(RingsViewTest, HitTestFindsTheEntryAndTheDirectoryUnderThePoint)
{
    const RingSegment* deep = view->SegmentUnder(view->PointAt(2, 27));
    ASSERT_NE(deep, nullptr);
    EXPECT_EQ(deep->entry, 0);
    EXPECT_EQ(deep->node, a1x);
    const RingSegment* a2 = view->SegmentUnder(view->PointAt(1, 130));
    ASSERT_NE(a2, nullptr);
    EXPECT_EQ(a2->node.name(), "a2");
    const RingSegment* b = view->SegmentUnder(view->PointAt(0, 250));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->entry, 1);
    EXPECT_EQ(view->SegmentUnder(view->PointAt(1, 250)), nullptr) << "b has no sub-directories";
    EXPECT_EQ(view->SegmentUnder(view->PointAt(1, 190)), nullptr) << "a's own files";
    EXPECT_EQ(view->SegmentUnder(QPoint(20, 20)), nullptr) << "outside the circle";
}

} // namespace
