#pragma once

#include <cstdint>
#include <string>

// A temporary directory tree for tests, removed with everything in it when the
// object goes. Relative paths are walked component by component with
// directory descriptors, so they may be longer than PATH_MAX and hold any
// bytes but "/" and NUL.
class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::string& Root() const { return root; }
    std::string Path(const std::string& relative) const { return root + "/" + relative; }

    // Parents are created as needed.
    void Dir(const std::string& relative);
    void File(const std::string& relative, std::int64_t size);
    // A file of the given apparent size with no data blocks.
    void Sparse(const std::string& relative, std::int64_t size);
    void Symlink(const std::string& relative, const std::string& target);
    void HardLink(const std::string& existing, const std::string& relative);
    // The apparent size (st_size) of an entry; "" is the root.
    std::int64_t Size(const std::string& relative) const;

private:
    // Opens (creating) the parent directory of relative; returns its fd and
    // leaves the last component in name.
    int OpenParent(const std::string& relative, std::string& name) const;

    std::string root;
};
