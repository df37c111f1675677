#include "DirTree.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

DirTree::DirTree(std::string name)
    : rootName(std::move(name)),
      segments(std::make_unique<std::atomic<Node*>[]>(kMaxSegments)),
      chunks(std::make_unique<char*[]>(kMaxChunks))
{
}

DirTree::~DirTree()
{
    for (std::size_t i = 0; i < kMaxSegments; ++i)
        delete[] segments[i].load();
    for (std::uint32_t i = 0; i < chunkCount; ++i)
        delete[] chunks[i];
}

DirTree::Index DirTree::Claim(std::uint32_t count)
{
    const std::uint64_t first = claimed.fetch_add(count, std::memory_order_relaxed);
    if (first + count >= kNone)
        throw std::length_error("too many directories for one tree");
    const std::size_t last = (first + count - 1) >> kSegmentBits;
    for (std::size_t segment = first >> kSegmentBits; count > 0 && segment <= last; ++segment)
        EnsureSegment(segment);
    return static_cast<Index>(first);
}

DirTree::Node* DirTree::SegmentOf(Index index) const
{
    return segments[index >> kSegmentBits].load(std::memory_order_acquire);
}

DirTree::Node* DirTree::EnsureSegment(std::size_t segment)
{
    Node* present = segments[segment].load(std::memory_order_acquire);
    if (present)
        return present;
    // One thread makes it: threads that raced to make one each would all
    // fill a segment of megabytes, and keep the memory after freeing it.
    const std::lock_guard<std::mutex> lock(segmentMutex);
    present = segments[segment].load(std::memory_order_acquire);
    if (present)
        return present;
    auto fresh = std::make_unique<Node[]>(std::size_t(1) << kSegmentBits);
    segments[segment].store(fresh.get(), std::memory_order_release);
    return fresh.release();
}

char* DirTree::NewChunk(std::uint32_t& number)
{
    const std::lock_guard<std::mutex> lock(chunkMutex);
    if (chunkCount == kMaxChunks)
        throw std::length_error("too many directory names for one tree");
    number = chunkCount;
    chunks[chunkCount] = new char[kChunkBytes];
    return chunks[chunkCount++];
}

std::uint32_t DirTree::NameWriter::Add(std::string_view name)
{
    const std::size_t length = std::min(name.size(), kMaxNameLength);
    if (used + 1 + length > kChunkBytes) {
        tree.NewChunk(chunk);
        used = 0;
    }
    char* at = tree.chunks[chunk] + used;
    at[0] = static_cast<char>(length);
    std::memcpy(at + 1, name.data(), length);
    const std::uint32_t reference = (chunk << kChunkBits) | used;
    used += static_cast<std::uint32_t>(1 + length);
    return reference;
}

std::string_view DirTree::Name(Index index) const
{
    if (index == root)
        return rootName;
    return NameAt(At(index).name);
}

std::string DirTree::PathBelowRoot(Index index) const
{
    std::vector<std::string_view> names;
    for (Index at = index; at != root && at != kNone; at = At(at).parent)
        names.push_back(Name(at));
    std::string path;
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        if (!path.empty())
            path += '/';
        path += *name;
    }
    return path;
}

std::vector<DirTree::Index> DirTree::WalkOrderKey(Index index) const
{
    std::vector<Index> key;
    for (Index at = index; at != root && at != kNone;) {
        key.push_back(PlaceAmongSiblings(at));
        at = At(at).parent;
    }
    std::reverse(key.begin(), key.end());
    return key;
}

DirTree::Index DirTree::PlaceAmongSiblings(Index index) const
{
    const Index parent = At(index).parent;
    return parent == kNone ? 0 : index - At(parent).firstChild;
}

std::string_view DirTree::NameAt(std::uint32_t reference) const
{
    const char* at = chunks[reference >> kChunkBits] + (reference & (kChunkBytes - 1));
    return {at + 1, static_cast<unsigned char>(at[0])};
}

DirTree::Index DirTree::SkipHidden(Index index, Index end) const
{
    while (index < end && At(index).Hidden())
        ++index;
    return index < end ? index : kNone;
}

DirTree::Index DirTree::FirstChild(Index parent) const
{
    const Node& node = At(parent);
    if (node.Children() == 0)
        return kNone;
    return SkipHidden(node.firstChild, node.firstChild + node.Children());
}

DirTree::Index DirTree::NextSibling(Index child) const
{
    const Index parent = At(child).parent;
    if (parent == kNone)
        return kNone;
    const Node& up = At(parent);
    return SkipHidden(child + 1, up.firstChild + up.Children());
}

void DirTree::SetUnreadable(Index index, int error)
{
    At(index).childCount |= Node::kUnreadableBit;
    readErrors[index] = error;
}

int DirTree::ReadError(Index index) const
{
    const auto found = readErrors.find(index);
    return found == readErrors.end() ? 0 : found->second;
}

void DirTree::MoveReadError(Index from, Index to)
{
    const auto found = readErrors.find(from);
    if (found == readErrors.end())
        return;
    const int error = found->second;
    readErrors.erase(found);
    readErrors[to] = error;
}

std::vector<DirTree::Index> DirTree::UnreadableDirectories() const
{
    std::vector<Index> shown;
    for (const auto& [index, error] : readErrors) {
        Index at = index;
        while (at != kNone && !At(at).Hidden())
            at = At(at).parent;
        if (at == kNone)
            shown.push_back(index);
    }
    std::sort(shown.begin(), shown.end(), [this](Index a, Index b) { return WalkOrderKey(a) < WalkOrderKey(b); });
    return shown;
}

// Millions of directories: every byte of a node counts.
static_assert(sizeof(DirTree::Node) == 40, "a directory costs 40 bytes beside its name");
