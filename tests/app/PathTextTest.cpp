#include "PathText.h"

#include <gtest/gtest.h>

TEST(PathText, LabelCutsPathsLongerThanThirtyFourCharacters)
{
    const auto shown = [](const QString& text) {
        const PathText path(text);
        return std::make_pair(path.Shown(), path.IsCut());
    };
    const QString p37 = "/PROGRAM FILES/COMMON FILES/SYSTEM32/";
    ASSERT_EQ(p37.size(), 37);
    EXPECT_EQ(shown(p37), std::make_pair(QString("/PROGRAM FILE...N FILES/SYSTEM32/"), true));
    EXPECT_EQ(shown(p37).first.size(), 33);

    const QString p35 = "/WINDOWS/SYSTEM32/DRIVERS/ETC/HOST/";
    ASSERT_EQ(p35.size(), 35);
    EXPECT_EQ(shown(p35), std::make_pair(QString("/WINDOWS/SYST...DRIVERS/ETC/HOST/"), true));

    const QString p34 = "/WINDOWS/SYSTEM32/DRIVERS/ETC/HOS/";
    ASSERT_EQ(p34.size(), 34);
    EXPECT_EQ(shown(p34), std::make_pair(p34, false));

    const QString p33 = "/WINDOWS/SYSTEM32/DRIVERS/ETC/HO/";
    EXPECT_EQ(shown(p33), std::make_pair(p33, false));
}
