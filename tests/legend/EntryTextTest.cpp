#include "EntryText.h"

#include <gtest/gtest.h>

namespace {

QString Spaces(int count)
{
    return QString(count, QLatin1Char(' '));
}

TEST(EntryText, SizeEndsInColumn26UnlessBothPartsFillIt)
{
    EXPECT_EQ(EntryText("WINDOWS", 12345678), "WINDOWS" + Spaces(9) + "12,345,678");
    EXPECT_EQ(EntryText("PROGRAM FILES", 1234567), "PROGRAM FILE" + Spaces(5) + "1,234,567");
    EXPECT_EQ(EntryText("ABCDEFGHIJKLMN", 12345678901), "ABCDEFGHIJKL12,345,678,901");
    EXPECT_EQ(EntryText("ABCDEFGHIJKL", 123456789012), "ABCDEFGHIJKL123,456,789,012");
}

TEST(EntryText, CutsAndCountsCharactersNotBytes)
{
    // "Überweisungen": 13 characters in 14 bytes.
    EXPECT_EQ(EntryText("\xC3\x9C"
                        "berweisungen",
                        5),
              QString::fromUtf8("\xC3\x9C"
                                "berweisunge")
                  + Spaces(13) + "5");
    // The 12th character lies outside the BMP: two UTF-16 units, kept together.
    const std::string emoji = "\xF0\x9F\x98\x80";
    EXPECT_EQ(EntryText(std::string(11, 'a') + emoji + "b", 7),
              QString(11, QLatin1Char('a')) + QString::fromUtf8(emoji.c_str()) + Spaces(13) + "7");
    EXPECT_EQ(EntryText("\xFF\xFE"
                        "ab",
                        42),
              QString(2, QChar(0xFFFD)) + "ab" + Spaces(20) + "42");
}

TEST(EntryText, ToolTipGivesTheWholeNameGroupedSizeAndShare)
{
    EXPECT_EQ(EntryToolTip("node_modules_of_the_big_project", 1234567890, 2989268500, "/home/ann/"),
              "node_modules_of_the_big_project\n1,234,567,890 bytes\n41.3 % of /home/ann/");
    EXPECT_EQ(EntryToolTip("\xFF", 0, 0, "/"), QString(QChar(0xFFFD)) + "\n0 bytes\n0.0 % of /")
        << "an empty directory on display";
}

} // namespace
