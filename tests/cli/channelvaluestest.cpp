#include "cli/channelvalues.h"
#include "richplan.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace vm280::cli;

namespace {

const ChoiceTexts &zh()
{
    return ChoiceTexts::simplifiedChinese();
}

} // namespace

TEST(ChannelValues, shouldTakeOnlyTonesOfTheRadiosList)
{
    struct Row
    {
        const char *typed;
        std::optional<QString> listed;
    } rows[] = {
        {"", QString()},         {"67", "67.0"},          {" 100.0 ", "100.0"},   {"254.1", "254.1"},
        {"d23n", "D023N"},       {"D754I", "D754I"},      {"D0023N", "D023N"},    {"100.1", std::nullopt},
        {"254.2", std::nullopt}, {"D024N", std::nullopt}, {"D23X", std::nullopt}, {"D1000N", std::nullopt},
        {"off", std::nullopt},   {"abc", std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed);
        EXPECT_EQ(ChannelValues::listedTone(QString::fromLatin1(row.typed)), row.listed);
    }
}

TEST(ChannelValues, shouldFillTheRowAsTheEditorWould)
{
    ChannelTable table;
    ChannelValues values;
    values.rxFrequency = "438.013";
    values.txFrequency = "443.0199";
    values.rxTone = "d23i";
    values.txTone = "67";
    values.highPower = false;
    values.forbid = true;
    values.wide = false;
    values.scanAdd = false;
    ASSERT_EQ(values.writeTo(table, 4, 0, zh()), std::nullopt);

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
    values.rxFrequency = values.txFrequency = "400";
    ASSERT_EQ(values.writeTo(table, 1, 0, ChoiceTexts::english()), std::nullopt);
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
    values.rxFrequency = "460";
    ASSERT_EQ(values.writeTo(table, 2, 0, zh()), std::nullopt);
    EXPECT_EQ(table.cell(2, 3), "");
    EXPECT_EQ(table.cell(2, 4), "");
    EXPECT_EQ(table.cell(2, 2), "关闭");
}

TEST(ChannelValues, shouldRefuseAChannelAndLeaveTheTableUnchanged)
{
    struct Row
    {
        const char *name;
        ChannelValues values;
        ChannelField field;
        const char *reason;
    } rows[] = {
        {"no receive frequency", {"", "438", "", ""}, ChannelField::RxFrequency, "no receive frequency"},
        {"receive out of band",
         {"480", "438", "", ""},
         ChannelField::RxFrequency,
         "frequency 480 is outside the band 400-480MHz"},
        {"receive below the band",
         {"399.99", "438", "", ""},
         ChannelField::RxFrequency,
         "frequency 399.99 is outside the band 400-480MHz"},
        {"receive not a number",
         {"4..38", "438", "", ""},
         ChannelField::RxFrequency,
         "frequency '4..38' is not a number"},
        {"transmit out of band",
         {"438", "500", "", ""},
         ChannelField::TxFrequency,
         "frequency 500 is outside the band 400-480MHz"},
        {"receive tone",
         {"438", "438", "100.1", ""},
         ChannelField::RxTone,
         "tone 100.1 is not in the radio's tone list"},
        {"transmit tone",
         {"438", "438", "", "D024N"},
         ChannelField::TxTone,
         "tone D024N is not in the radio's tone list"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        CodePlan plan = test::richPlan();
        plan.band = 0;
        const ChannelTable before = plan.channels;
        const auto fault = row.values.writeTo(plan.channels, 1, plan.band, zh());
        ASSERT_TRUE(fault.has_value());
        EXPECT_EQ(fault->field, row.field);
        EXPECT_EQ(fault->reason, QString::fromLatin1(row.reason));
        EXPECT_EQ(plan.channels, before);
    }
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
