#include "FormatBytes.h"
#include "ProgressEstimate.h"

#include <gtest/gtest.h>

#include <limits>

TEST(FormatBytes, GroupsDigitsInThrees)
{
    EXPECT_EQ(FormatBytes(0), "0");
    EXPECT_EQ(FormatBytes(12), "12");
    EXPECT_EQ(FormatBytes(999), "999");
    EXPECT_EQ(FormatBytes(1000), "1,000");
    EXPECT_EQ(FormatBytes(12345), "12,345");
    EXPECT_EQ(FormatBytes(123456), "123,456");
    EXPECT_EQ(FormatBytes(1000000), "1,000,000");
    EXPECT_EQ(FormatBytes(1234567), "1,234,567");
    EXPECT_EQ(FormatBytes(2147483647), "2,147,483,647");
}

TEST(FormatBytes, WritesCountsPastThirtyTwoBits)
{
    EXPECT_EQ(FormatBytes(4294967296LL), "4,294,967,296");
    EXPECT_EQ(FormatBytes(std::numeric_limits<std::int64_t>::max()), "9,223,372,036,854,775,807");
}

TEST(FormatBytes, NegativeValuesKeepTheSignOutsideTheGroups)
{
    EXPECT_EQ(FormatBytes(-1), "-1");
    EXPECT_EQ(FormatBytes(-123), "-123");
    EXPECT_EQ(FormatBytes(-1234), "-1,234");
    EXPECT_EQ(FormatBytes(-123456), "-123,456");
    EXPECT_EQ(FormatBytes(std::numeric_limits<std::int64_t>::min()), "-9,223,372,036,854,775,808");
}

TEST(ProgressEstimate, ShareAndTimeLeftStayWithinTheUsedSpace)
{
    const ProgressEstimate drive(1000);
    EXPECT_EQ(drive.Text(370, 7.04), "37 %, about 12 s left");
    EXPECT_EQ(drive.Text(100, 60), "10 %, about 9 min left");
    EXPECT_EQ(drive.Text(5000, 10), "99 %, about 1 s left") << "hard links and mounts: never 100 % or more";
    EXPECT_EQ(drive.Text(0, 1), "") << "nothing counted yet";
    EXPECT_EQ(ProgressEstimate(-1).Text(370, 7), "") << "a saved scan or an unknown drive: the count alone";
}
