#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Which of a directory's two sizes is shown: the bytes its files occupy on
// the disk (what du counts), or the sum of its files' lengths.
enum class SizeMode { DiskUsage, Apparent };

// The directories of one scanned tree, packed: 40 bytes a directory plus its
// name, so that millions of directories fit in little memory. Files are not
// kept; their sizes and their number are summed into their directory.
//
// The children of a directory stand at consecutive indices, in the order
// its listing named them. Runs of indices can be claimed from several
// threads at once (a parallel walk fills the tree), and a node's fields are
// written only by the thread that claimed it.
class DirTree {
public:
    using Index = std::uint32_t;
    static constexpr Index kNone = 0xFFFFFFFFu;
    static constexpr std::size_t kMaxNameLength = 255;

    struct Node {
        std::int64_t diskBytes = 0;
        std::int64_t apparentBytes = 0;
        // The files and directories below, at every level: each name of a
        // file with several names counts, as each shows in a listing.
        std::int64_t items = 0;
        Index parent = kNone;
        Index firstChild = kNone;
        std::uint32_t childCount = 0; // the top two bits are the flags below
        std::uint32_t name = 0;       // reference into the name store

        // A node that stands for nothing.
        static constexpr std::uint32_t kHiddenBit = 0x80000000u;
        // A directory that could not be read, or not whole: it holds what could be.
        static constexpr std::uint32_t kUnreadableBit = 0x40000000u;
        static constexpr std::uint32_t kFlags = kHiddenBit | kUnreadableBit;

        std::uint32_t Children() const { return childCount & ~kFlags; }
        // Throws std::length_error for more than a directory can hold.
        void SetChildren(std::uint64_t count)
        {
            if (count > ~kFlags)
                throw std::length_error("too many sub-directories in one directory");
            childCount = (childCount & kFlags) | static_cast<std::uint32_t>(count);
        }
        bool Hidden() const { return (childCount & kHiddenBit) != 0; }
        bool Unreadable() const { return (childCount & kUnreadableBit) != 0; }
    };

    // Appends names to the tree's name store; one writer per thread.
    class NameWriter {
    public:
        explicit NameWriter(DirTree& owner) : tree(owner) {}
        // Names longer than a file name can be are cut.
        std::uint32_t Add(std::string_view name);

    private:
        DirTree& tree;
        std::uint32_t chunk = 0;
        std::uint32_t used = kChunkBytes; // forces a chunk on the first name
    };

    explicit DirTree(std::string rootName);
    ~DirTree();
    DirTree(const DirTree&) = delete;
    DirTree& operator=(const DirTree&) = delete;

    // Claims count consecutive nodes; returns the first. Thread-safe. Throws
    // std::length_error when the tree cannot hold more.
    Index Claim(std::uint32_t count);
    Node& At(Index index) { return SegmentOf(index)[index & kSegmentMask]; }
    const Node& At(Index index) const { return SegmentOf(index)[index & kSegmentMask]; }
    std::string_view Name(Index index) const;
    // The names from the root down to index, joined by "/", as the file
    // system spells them: "" for the root itself, "usr/share" two levels down.
    std::string PathBelowRoot(Index index) const;
    // The places of index and its ancestors among their siblings, from the
    // root down: comparing them orders directories as a depth-first walk
    // meets them.
    std::vector<Index> WalkOrderKey(Index index) const;
    // The place of index among its parent's children as the listing named
    // them, those since taken out of the tree counted, so that a directory
    // keeps it while its siblings leave; 0 for the root.
    Index PlaceAmongSiblings(Index index) const;
    // The name a NameWriter stored under reference.
    std::string_view NameAt(std::uint32_t reference) const;
    void SetRootName(std::string name) { rootName = std::move(name); }
    Index Size() const { return static_cast<Index>(claimed.load(std::memory_order_acquire)); }

    Index Root() const { return root; }
    void SetRoot(Index index) { root = index; }

    // When the tree was scanned, in seconds since the epoch; 0 when unknown
    // (a saved scan that does not say).
    std::int64_t ScanTime() const { return scanTime; }
    void SetScanTime(std::int64_t seconds) { scanTime = seconds; }
    // The machine the tree was scanned on; empty when unknown (a saved scan
    // that does not say).
    const std::string& Host() const { return host; }
    void SetHost(std::string name) { host = std::move(name); }

    SizeMode Mode() const { return mode; }
    void SetMode(SizeMode newMode) { mode = newMode; }
    std::int64_t Bytes(Index index) const
    {
        const Node& node = At(index);
        return mode == SizeMode::DiskUsage ? node.diskBytes : node.apparentBytes;
    }

    // Marks the directory at index as not read whole, for the reason error
    // (an errno value; 0 when it is not known). Not thread-safe.
    void SetUnreadable(Index index, int error);
    // Why the directory at index could not be read: an errno value, 0 when
    // it was read whole or the reason is not known.
    int ReadError(Index index) const;
    // The directory at from now stands at to, with its reason.
    void MoveReadError(Index from, Index to);
    // The directories marked unreadable that still show in the tree, in the
    // order a depth-first walk meets them.
    std::vector<Index> UnreadableDirectories() const;

    // The index after child in its parent's run, skipping hidden nodes;
    // kNone after the last.
    Index NextSibling(Index child) const;
    // The first child that is not hidden; kNone when there is none.
    Index FirstChild(Index parent) const;

private:
    static constexpr unsigned kSegmentBits = 16;
    static constexpr Index kSegmentMask = (1u << kSegmentBits) - 1;
    static constexpr std::size_t kMaxSegments = std::size_t(1) << (32 - kSegmentBits);
    static constexpr unsigned kChunkBits = 20;
    static constexpr std::uint32_t kChunkBytes = 1u << kChunkBits;
    static constexpr std::size_t kMaxChunks = std::size_t(1) << (32 - kChunkBits);

    Node* SegmentOf(Index index) const;
    Node* EnsureSegment(std::size_t segment);
    char* NewChunk(std::uint32_t& number);
    Index SkipHidden(Index index, Index end) const;

    std::string rootName;
    Index root = kNone;
    std::int64_t scanTime = 0;
    std::string host;
    SizeMode mode = SizeMode::DiskUsage;
    std::atomic<std::uint64_t> claimed{0};
    std::unique_ptr<std::atomic<Node*>[]> segments;
    std::unique_ptr<char*[]> chunks;
    std::uint32_t chunkCount = 0;
    std::mutex segmentMutex;
    std::mutex chunkMutex;
    // Only the few directories that could not be read have a reason.
    std::unordered_map<Index, int> readErrors;
};
