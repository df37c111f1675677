#include "LargestFiles.h"

#include <algorithm>
#include <utility>

namespace {

std::int64_t SizeIn(int list, const LargestFiles::File& file)
{
    return list == 0 ? file.diskBytes : file.apparentBytes;
}

} // namespace

LargestFiles::File LargestFiles::File::Of(const EntryStat& stat, std::string name)
{
    File file;
    file.diskBytes = stat.diskBytes;
    file.apparentBytes = stat.apparentBytes;
    file.device = stat.device;
    file.inode = stat.inode;
    file.linked = stat.IsLinked();
    file.name = std::move(name);
    return file;
}

void LargestFiles::Offer(const File& file)
{
    for (int list = 0; list < 2; ++list)
        if (SizeIn(list, file) > floors[list])
            Keep(list, file);
}

void LargestFiles::Keep(int list, const File& file)
{
    std::vector<File>& heap = lists[list];
    const auto sameFile = [&file](const File& listed) {
        return listed.linked && listed.device == file.device && listed.inode == file.inode;
    };
    if (file.linked && std::any_of(heap.begin(), heap.end(), sameFile)) {
        aliases[list].push_back(file);
        return;
    }
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
    for (int list = 0; list < 2; ++list) {
        for (const File& file : other.lists[list])
            if (SizeIn(list, file) > floors[list])
                Keep(list, file);
        aliases[list].insert(aliases[list].end(), other.aliases[list].begin(), other.aliases[list].end());
    }
}

std::string LargestFiles::FullPath(const std::string& rootPath, const File& file)
{
    return rootPath.empty() || rootPath.back() != '/' ? rootPath + '/' + file.name : rootPath + file.name;
}

void LargestFiles::Resolve(const DirTree& tree)
{
    for (std::vector<File>* files : {&lists[0], &lists[1], &aliases[0], &aliases[1]})
        for (File& file : *files) {
            if (file.dir == DirTree::kNone)
                continue;
            const std::string below = tree.PathBelowRoot(file.dir);
            if (!below.empty())
                file.name = below + '/' + file.name;
            // A walk meets a file after the sub-directories its listing names
            // before it, and their trees: odd numbers stand for directories,
            // even ones for the files among them.
            for (const DirTree::Index place : tree.WalkOrderKey(file.dir))
                file.order.push_back(2 * place + 1);
            file.order.push_back(2 * file.directoriesBefore);
            file.order.push_back(file.position);
            file.dir = DirTree::kNone;
        }
}

std::vector<LargestFiles::File> LargestFiles::Sorted(SizeMode mode) const
{
    const int list = mode == SizeMode::DiskUsage ? 0 : 1;
    std::vector<File> files = lists[list];
    // A file shows under its name that comes first in walk order.
    for (File& file : files)
        for (const File& alias : aliases[list])
            if (file.linked && alias.device == file.device && alias.inode == file.inode && alias.order < file.order)
                file = alias;
    std::sort(files.begin(), files.end(), [list](const File& a, const File& b) {
        if (SizeIn(list, a) != SizeIn(list, b))
            return SizeIn(list, a) > SizeIn(list, b);
        return a.order < b.order;
    });
    return files;
}
