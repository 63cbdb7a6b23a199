#include "editor/plandifferences.h"

#include "editor/localtext.h"
#include "richplan.h"

#include <gtest/gtest.h>

using namespace vm280;

namespace {

TEST(PlanDifferences, shouldFindNothingBetweenAPlanAndItself)
{
    const CodePlan plan = test::richPlan();
    EXPECT_TRUE(PlanDifferences(plan, plan, Language::English).isEmpty());
}

TEST(PlanDifferences, shouldNameAChannelCellByChannelAndColumnWithItsPlace)
{
    CodePlan a;
    CodePlan b;
    b.channels.cell(3, ChannelTable::RxFrequencyColumn) = "436.12500";
    b.channels.cell(3, ChannelTable::RxToneColumn) = "67.0";
    const QList<PlanDifference> expected{
        {"Channel 03 RX frequency", "", "436.12500", 3, 1},
        {"Channel 03 QT/DQT (RX frequency)", "", "67.0", 3, 2},
    };
    EXPECT_EQ(PlanDifferences(a, b, Language::English), expected);
}

TEST(PlanDifferences, shouldShowSettingsWithTheirGroupAndListTexts)
{
    CodePlan a;
    CodePlan b;
    b.band = 1;
    b.selectors.Combo9 = 7;
    b.KeyPf2 = 99;
    const QList<PlanDifference> zh = PlanDifferences(a, b, Language::SimplifiedChinese);
    ASSERT_EQ(zh.size(), 3);
    EXPECT_EQ(zh[0].caption, "机型选择");
    EXPECT_EQ(zh[0].valueB, "450-490MHz");
    EXPECT_EQ(zh[1].caption, "功能设置 / 静噪等级");
    EXPECT_EQ(zh[1].valueA, "5 级");
    EXPECT_EQ(zh[1].valueB, "7 级");
    EXPECT_EQ(zh[2].valueB, "(99)");
    EXPECT_EQ(zh[2].row, 0);
}

TEST(PlanDifferences, shouldCompareTheTablesBesideTheSettings)
{
    CodePlan a;
    CodePlan b;
    b.AutoDialMemories[2] = "123";
    b.EmbeddedTexts[1] = "shop";
    b.TestFrequencies[1][15] = "438.01250";
    QStringList captions;
    for (const PlanDifference &difference : PlanDifferences(a, b, Language::English))
        captions << difference.caption;
    EXPECT_EQ(captions,
              QStringList({"DTMF / 自动拨号存储器 3", "Embedded Information 2", "测试频率 16 TX Frequency"}));
}

TEST(PlanDifferences, shouldConvertCaptionsAndValuesForTraditionalChinese)
{
    CodePlan a;
    CodePlan b;
    b.channels.cell(1, ChannelTable::PowerColumn) = "高";
    const QList<PlanDifference> differences = PlanDifferences(a, b, Language::TraditionalChinese);
    ASSERT_EQ(differences.size(), 1);
    EXPECT_EQ(differences[0].caption, "信道 01 功率");
    EXPECT_EQ(differences[0].valueB, "高");
    b.channels.cell(1, ChannelTable::PowerColumn) = "";
    b.selectors.Combo6 = 0;
    EXPECT_EQ(PlanDifferences(a, b, Language::TraditionalChinese).first().caption, "功能設置 / 省電");
}

} // namespace
