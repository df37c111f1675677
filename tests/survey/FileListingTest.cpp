#include "FileListing.h"

#include "TempTree.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

// A directory larger than one batch is read and described in pieces by
// several threads: every file must come back once, with its own figures,
// largest first, and no sub-directory among them.
TEST(FileListing, EveryFileOfALargeDirectoryOnceLargestFirst)
{
    TempTree tree;
    constexpr int kFiles = 1500;
    for (int i = 0; i < kFiles; ++i)
        tree.File("d/f" + std::to_string(i), i * 7 % kFiles);
    tree.File("d/sub/inside", 1);

    FileListing listing(tree.Path("d"));
    listing.Sort(SizeMode::Apparent);

    const auto& entries = listing.Entries();
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(kFiles));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::int64_t expected = kFiles - 1 - static_cast<std::int64_t>(i); // i*7 % 1500 takes every value once
        ASSERT_EQ(entries[i].apparentBytes, expected) << entries[i].name;
        struct stat status;
        ASSERT_EQ(lstat(tree.Path("d/" + entries[i].name).c_str(), &status), 0) << entries[i].name;
        EXPECT_EQ(entries[i].apparentBytes, status.st_size) << entries[i].name;
        EXPECT_EQ(entries[i].diskBytes, status.st_blocks * 512) << entries[i].name;
    }
    EXPECT_TRUE(listing.Error().empty());
}

TEST(FileListing, AMissingDirectorySaysWhy)
{
    TempTree tree;
    FileListing listing(tree.Path("gone"));
    EXPECT_TRUE(listing.Entries().empty());
    EXPECT_NE(listing.Error().find("No such file or directory"), std::string::npos) << listing.Error();
}
