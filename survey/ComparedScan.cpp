#include "ComparedScan.h"

#include "DirectoryReport.h"
#include "FormatBytes.h"

#include <algorithm>

ComparedScan::ComparedScan(std::unique_ptr<DirTree> tree, std::string rootPath)
    : oldTree(std::move(tree)), oldRootPath(std::move(rootPath))
{
}

ComparedScan::~ComparedScan() = default;

void ComparedScan::CompareWith(DirNode newRoot)
{
    comparison = std::make_unique<TreeComparison>(DirNode(oldTree.get(), oldTree->Root()), newRoot);
}

std::unique_ptr<ChildList> ComparedScan::Children(DirNode directory, SizeMode mode, const NumberMarks& marks,
                                                  const ComparisonWords& words) const
{
    const std::vector<TreeComparison::Entry> entries = comparison->Children(directory, mode);
    if (entries.empty())
        return nullptr;
    const int listed = static_cast<int>(directory.owner()->At(directory.place()).Children());
    auto list = std::make_unique<ChildList>();
    for (const TreeComparison::Entry& entry : entries) {
        list->names.push_back(entry.node.name());
        list->sizes.push_back(std::max<std::int64_t>(entry.Change(), 0));
        list->nodes.push_back(entry.node);
        list->sizeTexts.push_back(entry.ChangeText(marks, words));
        const bool gone = entry.status == TreeComparison::Status::Gone;
        list->places.push_back(entry.node.listingPlace() + (gone ? listed : 0));
    }
    return list;
}

std::string ComparedScan::Report(DirNode node, SizeMode mode, const NumberMarks& marks,
                                 const ComparisonWords& words) const
{
    const TreeComparison::Entry entry = comparison->Compare(node, mode);
    const std::vector<std::string> labels = LabelColumn({words.dirName, words.oldSize, words.newSize, words.change},
                                                        13);
    return labels[0] + node.name() + "\n" + labels[1] + FormatBytes(entry.oldBytes, marks) + "\n" + labels[2]
        + FormatBytes(entry.newBytes, marks) + "\n" + labels[3] + entry.ChangeText(marks, words) + "\n";
}

std::string ComparedScan::MatchedText(const std::string& newRootPath, SizeMode mode) const
{
    return comparison->MatchedText(oldRootPath, newRootPath, mode);
}
