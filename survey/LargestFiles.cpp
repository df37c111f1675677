#include "LargestFiles.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

std::int64_t SizeIn(int list, const LargestFiles::File& file)
{
    return list == 0 ? file.diskBytes : file.apparentBytes;
}

// The place of each directory among its siblings, from the root down.
std::vector<std::uint32_t> WalkOrder(const DirTree& tree, DirTree::Index dir)
{
    std::vector<std::uint32_t> key;
    for (DirTree::Index at = dir; at != tree.Root() && at != DirTree::kNone;) {
        const DirTree::Index parent = tree.At(at).parent;
        key.push_back(at - tree.At(parent).firstChild);
        at = parent;
    }
    std::reverse(key.begin(), key.end());
    return key;
}

} // namespace

void LargestFiles::Offer(const File& file)
{
    for (int list = 0; list < 2; ++list)
        if (SizeIn(list, file) > floors[list])
            Keep(list, file);
}

void LargestFiles::Keep(int list, const File& file)
{
    std::vector<File>& heap = lists[list];
    const auto larger = [list](const File& a, const File& b) { return SizeIn(list, a) > SizeIn(list, b); };
    if (heap.size() == kept) {
        std::pop_heap(heap.begin(), heap.end(), larger);
        heap.pop_back();
    }
    heap.push_back(file);
    std::push_heap(heap.begin(), heap.end(), larger);
    if (heap.size() == kept)
        floors[list] = SizeIn(list, heap.front());
}

void LargestFiles::Merge(const LargestFiles& other)
{
    for (int list = 0; list < 2; ++list)
        for (const File& file : other.lists[list])
            if (SizeIn(list, file) > floors[list])
                Keep(list, file);
}

void LargestFiles::Resolve(const DirTree& tree, const std::string& rootPath)
{
    const std::string prefix = rootPath.empty() || rootPath.back() != '/' ? rootPath + '/' : rootPath;
    for (std::vector<File>& heap : lists)
        for (File& file : heap) {
            if (file.dir == DirTree::kNone)
                continue;
            const std::string below = tree.PathBelowRoot(file.dir);
            file.name = prefix + (below.empty() ? file.name : below + '/' + file.name);
            file.order = WalkOrder(tree, file.dir);
            file.order.push_back(file.position);
            file.dir = DirTree::kNone;
        }
}

std::vector<LargestFiles::File> LargestFiles::Sorted(SizeMode mode) const
{
    const int list = mode == SizeMode::DiskUsage ? 0 : 1;
    std::vector<File> files = lists[list];
    std::sort(files.begin(), files.end(), [list](const File& a, const File& b) {
        if (SizeIn(list, a) != SizeIn(list, b))
            return SizeIn(list, a) > SizeIn(list, b);
        return a.order < b.order;
    });
    // The names of one file have one size: the first of them in walk order
    // comes first and stays.
    std::set<std::pair<std::uint64_t, std::uint64_t>> seen;
    files.erase(std::remove_if(files.begin(), files.end(),
                               [&seen](const File& file) {
                                   return file.linked && !seen.insert({file.device, file.inode}).second;
                               }),
                files.end());
    return files;
}
