#include "HumanSize.h"

#include <gtest/gtest.h>

// What du --apparent-size -h and --si print for files of these sizes.
TEST(HumanSize, RoundsUpAsDuDoes)
{
    const std::vector<std::tuple<std::uint64_t, const char*, const char*>> sizes{{0, "0", "0"},
                                                                                 {1000, "1000", "1.0k"},
                                                                                 {1023, "1023", "1.1k"},
                                                                                 {1024, "1.0K", "1.1k"},
                                                                                 {1025, "1.1K", "1.1k"},
                                                                                 {10239, "10K", "11k"},
                                                                                 {10241, "11K", "11k"},
                                                                                 {999999, "977K", "1.0M"},
                                                                                 {1000001, "977K", "1.1M"},
                                                                                 {1048575, "1.0M", "1.1M"},
                                                                                 {1047552, "1023K", "1.1M"},
                                                                                 {5368709120, "5.0G", "5.4G"},
                                                                                 {1099511627776, "1.0T", "1.1T"}};
    for (const auto& [bytes, binary, decimal] : sizes) {
        EXPECT_EQ(HumanSize(bytes, 1024), binary) << bytes;
        EXPECT_EQ(HumanSize(bytes, 1000), decimal) << bytes;
    }
}
