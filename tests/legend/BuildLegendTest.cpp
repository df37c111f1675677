#include "BuildLegend.h"

#include "ChildList.h"

#include <QFontDatabase>
#include <QListView>
#include <QPointer>
#include <gtest/gtest.h>

namespace {

class BuildLegendTest : public ::testing::Test {
protected:
    int Build(std::unique_ptr<ChildList> children)
    {
        return BuildLegend(&window, QRect(370, 130, 250, 250), legend, emptyLegend, std::move(children),
                           {true, 0, "/"});
    }
    static QStringList Texts(const KeyBox& box)
    {
        QStringList texts;
        for (int i = 0; i < box.Count(); ++i)
            texts << box.Text(i);
        return texts;
    }

    QWidget window;
    std::unique_ptr<KeyBox> legend;
    std::unique_ptr<KeyBox> emptyLegend;
};

TEST_F(BuildLegendTest, FullLegendHasOneEntryPerNameAndSize)
{
    EXPECT_EQ(Build(std::make_unique<ChildList>(
                  ChildList{{"a,b", "\xFF\xFE", std::string(5000, 'x'), "after", "no size"}, {1, 2, 3, 4}})),
              4);
    ASSERT_TRUE(legend);
    EXPECT_FALSE(emptyLegend);
    EXPECT_EQ(Texts(*legend),
              QStringList({"a,b" + QString(22, ' ') + "1", QString(2, QChar(0xFFFD)) + QString(23, ' ') + "2",
                           QString(12, 'x') + QString(13, ' ') + "3", "after" + QString(20, ' ') + "4"}));
    EXPECT_FALSE(legend->IsPlaceholder());
    EXPECT_EQ(legend->geometry(), QRect(370, 130, 250, 250));
    EXPECT_EQ(legend->font(), QFontDatabase::systemFont(QFontDatabase::FixedFont));
    EXPECT_EQ(window.focusWidget(), legend.get());
}

TEST_F(BuildLegendTest, TheLegendTakesTheUnitsOfTheDirectoryOnDisplay)
{
    BuildLegend(&window, QRect(370, 130, 250, 250), legend, emptyLegend,
                std::make_unique<ChildList>(ChildList{{"a"}, {2048}}), {true, 2048, "/", SizeUnits::Binary});
    ASSERT_TRUE(legend);
    EXPECT_EQ(legend->Text(0), "a" + QString(18, ' ') + "2.0 KiB");
}

TEST_F(BuildLegendTest, PlaceholderReplacesTheFullLegendAndBack)
{
    const ChildList children{{"a"}, {1}};
    Build(std::make_unique<ChildList>(children));
    QPointer<KeyBox> old = legend.get();
    EXPECT_EQ(Build(nullptr), 0);
    EXPECT_TRUE(old.isNull());
    ASSERT_TRUE(emptyLegend);
    EXPECT_EQ(Texts(*emptyLegend), QStringList{"--No Sub-Directories--"});
    EXPECT_TRUE(emptyLegend->IsPlaceholder());
    EXPECT_EQ(emptyLegend->font(), QListView().font());
    EXPECT_EQ(window.focusWidget(), emptyLegend.get());
    EXPECT_FALSE(emptyLegend->HasParent()) << "the placeholder only stands for a root, whatever the caller says";
    Build(std::make_unique<ChildList>(children));
    EXPECT_FALSE(emptyLegend);
    EXPECT_EQ(window.findChildren<KeyBox*>(), QList<KeyBox*>{legend.get()});
}

} // namespace
