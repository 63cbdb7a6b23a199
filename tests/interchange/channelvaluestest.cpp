#include "interchange/channelvalues.h"
#include "richplan.h"

#include <gtest/gtest.h>

using namespace vm280;

namespace {

const ChoiceTexts &zh()
{
    return ChoiceTexts::simplifiedChinese();
}

} // namespace

TEST(ChannelValues, shouldFillTheRowAsTheEditorWould)
{
    ChannelTable table;
    const ChannelValues values{"438.01250", "443.01875", "D023I", "67.0", false, true, false, false};
    values.write(table, 4, zh());

    const QStringList expected{"", "438.01250", "D023I", "443.01875", "67.0", "低", "载波", "窄带", "无"};
    for (int column = 1; column < ChannelTable::kColumns; ++column)
        EXPECT_EQ(table.cell(4, column), expected[column]) << "column " << column;
    EXPECT_EQ(table.ChoiceIndex[3][0], ToneListIndex(u"D023I", zh().toneOff));
    EXPECT_EQ(table.ChoiceIndex[3][2], 1); // 67.0 is the first tone after the off word
    // low power, carrier, narrow, not added
    for (int slot = 3; slot <= 6; ++slot)
        EXPECT_EQ(table.ChoiceIndex[3][slot], slot == 4 ? 1 : 0) << "slot " << slot;
}

TEST(ChannelValues, shouldGiveANewChannelsDefaults)
{
    ChannelTable table;
    ChannelValues values;
    values.rxFrequency = values.txFrequency = "400.00000";
    values.write(table, 1, ChoiceTexts::english());
    const QStringList expected{"", "400.00000", "Off", "400.00000", "Off", "Hight", "Off", "Wide", "Have"};
    for (int column = 1; column < ChannelTable::kColumns; ++column)
        EXPECT_EQ(table.cell(1, column), expected[column]);
    const std::array<qint16, 10> indexes{0, 0, 0, 1, 0, 1, 1, 0, 0, 0};
    EXPECT_EQ(table.ChoiceIndex[0], indexes);
}

TEST(ChannelValues, shouldLeaveTheToneOfAMissingTransmitFrequencyEmpty)
{
    ChannelTable table;
    ChannelValues values;
    values.rxFrequency = "460.00000";
    values.write(table, 2, zh());
    EXPECT_EQ(table.cell(2, 3), "");
    EXPECT_EQ(table.cell(2, 4), "");
    EXPECT_EQ(table.cell(2, 2), "关闭");
}

TEST(ChannelValues, shouldKeepATypedToneWithTheIndexOfANewChannel)
{
    ChannelTable table;
    ChannelValues values;
    values.rxFrequency = values.txFrequency = "438.00000";
    values.rxTone = "100.1";
    values.txTone = "D23N";
    values.write(table, 3, zh());
    EXPECT_EQ(table.cell(3, 2), "100.1");
    EXPECT_EQ(table.cell(3, 4), "D23N");
    EXPECT_EQ(table.ChoiceIndex[2][0], 0);
    EXPECT_EQ(table.ChoiceIndex[2][2], 0);
}

TEST(ChannelValues, shouldReadChoicesAsTheEncoderDoes)
{
    const CodePlan plan = test::richPlan();
    const ChannelValues second = ChannelValues::read(plan.channels, 2, zh());
    EXPECT_EQ(second.rxTone, "D023N");
    EXPECT_FALSE(second.highPower);
    EXPECT_FALSE(second.wide);
    EXPECT_FALSE(second.scanAdd);
    const ChannelValues first = ChannelValues::read(plan.channels, 1, zh());
    EXPECT_EQ(first.rxTone, "");
    EXPECT_EQ(first.txTone, "67.0");

    // Read in the other language, every word but entry 0 counts as entry 1, as the encoder
    // reads them.
    const ChannelValues foreign = ChannelValues::read(plan.channels, 2, ChoiceTexts::english());
    EXPECT_TRUE(foreign.highPower);
    EXPECT_TRUE(foreign.wide);
    EXPECT_TRUE(foreign.scanAdd);
    // An empty scan cell is not added, as the encoder writes it.
    ChannelTable table = plan.channels;
    table.cell(2, 8).clear();
    EXPECT_FALSE(ChannelValues::read(table, 2, zh()).scanAdd);
}

TEST(ChannelValues, shouldEmptyEveryChannelButKeepTheUnusedIndexSlot)
{
    ChannelTable table = test::richPlan().channels;
    table.ChoiceIndex[4][9] = 7;
    ChannelValues::clearAll(table);
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        for (int column = 1; column < ChannelTable::kColumns; ++column)
            EXPECT_TRUE(table.cell(row, column).isEmpty());
        for (int slot = 0; slot <= 8; ++slot)
            EXPECT_EQ(table.ChoiceIndex[row - 1][slot], 0);
    }
    EXPECT_EQ(table.ChoiceIndex[4][9], 7);
}
