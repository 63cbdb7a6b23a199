#include "interchange/channelclipboard.h"
#include "interchange/chirpcsv.h"
#include "interchange/csvreader.h"
#include "richplan.h"

#include "editor/channeledits.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace Qt::StringLiterals;

namespace {

const ChoiceTexts &zh()
{
    return ChoiceTexts::simplifiedChinese();
}

constexpr int kUhf = 0;

} // namespace

TEST(ChannelClipboard, shouldCopyOnlyTheProgrammedChannelsAmongTheRowsAsTabSeparatedText)
{
    const CodePlan plan = test::richPlan();
    ASSERT_FALSE(plan.channels.isEmpty(1));
    const QString copied = CopyChannels(plan.channels, {1, 2, 17, 0}, zh());
    const QStringList lines = copied.split(u"\r\n"_s, Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QString(ChirpCsv::kHeader).replace(u',', u'\t'));
    EXPECT_TRUE(lines[1].startsWith(u"1\t\t"_s));
    EXPECT_TRUE(lines[2].startsWith(u"2\t\t"_s));
    EXPECT_FALSE(copied.contains(u','));
}

TEST(ChannelClipboard, shouldPasteCopiedChannelsAsTheSameChannelsInOtherRows)
{
    const CodePlan plan = test::richPlan();
    ChannelTable table = plan.channels;
    for (int row = 9; row <= 16; ++row)
        ClearNO(table, row);
    const PasteReport report =
        PasteChannels(CopyChannels(plan.channels, {1, 2, 3}, zh()), table, 9, plan.band, zh());
    EXPECT_EQ(report.pasted, 3);
    EXPECT_TRUE(report.refused.isEmpty());
    for (int row = 1; row <= 3; ++row) {
        for (int column = 1; column < ChannelTable::kColumns; ++column)
            EXPECT_EQ(table.cell(row + 8, column), plan.channels.cell(row, column)) << row << ":" << column;
    }
    EXPECT_TRUE(table.isEmpty(12));
}

TEST(ChannelClipboard, shouldCheckPastedRowsByTheTypingRulesAndKeepTheChannelsOfBadOnes)
{
    const struct
    {
        const char *name;
        QString row;
        QString frequency; ///< empty: the row is refused and the channel kept
    } cases[] = {
        {"snapped to the raster", u"1,438.013,,,,88.5"_s, u"438.01250"_s},
        {"upper band limit excluded", u"1,480.0"_s, QString()},
        {"outside the band", u"1,145.5"_s, QString()},
        {"not a frequency", u"1,abc"_s, QString()},
        {"tone out of range", u"1,438.0,,,Tone,300.0"_s, QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ChannelTable table;
        CommitFrequency(table, 1, ChannelTable::RxFrequencyColumn, u"440", BandLimits{}, zh());
        const ChannelTable before = table;
        const PasteReport report = PasteChannels(
            u"Location,Frequency,Duplex,Offset,Tone,rToneFreq\n"_s + c.row, table, 1, kUhf, zh());
        if (c.frequency.isEmpty()) {
            ASSERT_EQ(report.refused.size(), 1);
            EXPECT_EQ(report.refused.first().line, 2);
            EXPECT_EQ(table, before);
        } else {
            EXPECT_EQ(report.pasted, 1);
            EXPECT_EQ(table.cell(1, ChannelTable::RxFrequencyColumn), c.frequency);
        }
    }
}

TEST(ChannelClipboard, shouldTakeRowsWithoutAHeaderInCHIRPsColumnOrder)
{
    ChannelTable table;
    const PasteReport report =
        PasteChannels(u"1\t\t439.000000\t-\t5.000000\t\t\t\t\t\t\t\tNFM\n"_s, table, 4, kUhf, zh());
    EXPECT_EQ(report.pasted, 1);
    EXPECT_EQ(table.cell(4, ChannelTable::RxFrequencyColumn), u"439.00000"_s);
    EXPECT_EQ(table.cell(4, ChannelTable::TxFrequencyColumn), u"434.00000"_s);
    EXPECT_EQ(table.cell(4, ChannelTable::BandwidthColumn), zh().bandwidth[0]);
}

TEST(ChannelClipboard, shouldCountRowsBelowTheLastChannelAndPasteTheRest)
{
    ChannelTable table;
    QString text = u"Frequency\n"_s;
    for (int i = 0; i < 5; ++i)
        text += u"438.0\n"_s;
    const PasteReport report = PasteChannels(text, table, 14, kUhf, zh());
    EXPECT_EQ(report.pasted, 3);
    EXPECT_EQ(report.rowsBelowTable, 2);
    EXPECT_FALSE(table.isEmpty(16));
}

TEST(ChannelClipboard, shouldPasteNothingFromMalformedText)
{
    ChannelTable table;
    const PasteReport report =
        PasteChannels(u"Location,Frequency\n1,438.0\n2,\"439.0\n"_s, table, 1, kUhf, zh());
    ASSERT_TRUE(report.error.has_value());
    EXPECT_EQ(report.error->line, 3);
    EXPECT_EQ(report.pasted, 0);
    EXPECT_EQ(table, ChannelTable());
}

TEST(CsvReader, shouldReadTabSeparatedCellsWithCommasInside)
{
    CsvReader reader(u"a,b\t\"c\td\"\te\n"_s, u'\t');
    CsvRecord record;
    ASSERT_TRUE(reader.next(record));
    ASSERT_EQ(record.size(), 3);
    EXPECT_EQ(record[0].text, u"a,b"_s);
    EXPECT_EQ(record[1].text, u"c\td"_s);
    EXPECT_EQ(record[2].column, 11);
    CsvReader bad(u"\"a\"b\tc"_s, u'\t');
    EXPECT_FALSE(bad.next(record));
    EXPECT_EQ(bad.error()->reason.english,
              u"a tab or the end of the line expected after the closing quote"_s);
}

TEST(ChannelClipboard, shouldLetTheNextRowTakeTheChannelOfARefusedOne)
{
    ChannelTable table;
    const PasteReport report =
        PasteChannels(u"Location,Frequency\n1,438.0\n2,145.5\n3,439.0\n"_s, table, 1, kUhf, zh());
    EXPECT_EQ(report.pasted, 2);
    ASSERT_EQ(report.refused.size(), 1);
    EXPECT_EQ(report.refused.first().line, 3);
    EXPECT_EQ(table.cell(1, ChannelTable::RxFrequencyColumn), u"438.00000"_s);
    EXPECT_EQ(table.cell(2, ChannelTable::RxFrequencyColumn), u"439.00000"_s);
    EXPECT_TRUE(table.isEmpty(3));
}

TEST(ChannelClipboard, shouldTellAColumnOfValuesFromRows)
{
    const struct
    {
        const char16_t *text;
        bool column;
    } cases[] = {
        {u"446.00625\n446.01875\n", true},
        {u"446.00625\r\n446.01875", true},
        {u"88.5\nD023N\n关闭", true},
        {u"446.00625", true},
        {u"Frequency\n438.0\n", false},
        {u"1\t438.0\n", false},
        {u"1,438.0\n", false},
        {u"446.00625\n446,01875\n", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsColumnText(QString::fromUtf16(c.text)), c.column)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(ChannelClipboard, shouldPasteAColumnOfFrequenciesDownByTheTypingRules)
{
    ChannelTable table;
    CommitFrequency(table, 3, ChannelTable::RxFrequencyColumn, u"440", BandLimits{}, zh());
    CommitFrequency(table, 3, ChannelTable::TxFrequencyColumn, u"445", BandLimits{}, zh());
    const QString column = u"446.00625\r\n145.5\r\n\r\n446.013\r\nabc\r\n446.03125\r\n"_s;
    const PasteReport report = PasteColumn(column, table, 2, ChannelTable::RxFrequencyColumn, kUhf, zh());
    EXPECT_EQ(report.pasted, 3);
    ASSERT_EQ(report.refused.size(), 2);
    EXPECT_EQ(report.refused[0].line, 2);
    EXPECT_EQ(report.refused[0].text.english, u"frequency 145.5 is outside the band 400-480MHz"_s);
    EXPECT_EQ(report.refused[1].line, 5);
    // Refused values use up no channel: 2, 3 and 4 take the three the radio can.
    EXPECT_EQ(table.cell(2, ChannelTable::RxFrequencyColumn), u"446.00625"_s);
    EXPECT_EQ(table.cell(2, ChannelTable::TxFrequencyColumn), u"446.00625"_s) << "a new channel";
    EXPECT_EQ(table.cell(3, ChannelTable::RxFrequencyColumn), u"446.01250"_s) << "snapped down";
    EXPECT_EQ(table.cell(3, ChannelTable::TxFrequencyColumn), u"445.00000"_s);
    EXPECT_EQ(table.cell(4, ChannelTable::RxFrequencyColumn), u"446.03125"_s);
    EXPECT_TRUE(table.isEmpty(5));

    // Values beyond channel 16 are counted.
    const PasteReport late =
        PasteColumn(u"440\n441\n442\n"_s, table, 15, ChannelTable::RxFrequencyColumn, kUhf, zh());
    EXPECT_EQ(late.pasted, 2);
    EXPECT_EQ(late.rowsBelowTable, 1);
}

TEST(ChannelClipboard, shouldPasteAColumnOfTonesIntoTheProgrammedChannelsOnly)
{
    ChannelTable table;
    for (int row : {1, 3, 4})
        CommitFrequency(table, row, ChannelTable::RxFrequencyColumn, u"440", BandLimits{}, zh());
    PickEntry(table, 4, ChannelTable::TxToneColumn, 9, zh());
    const PasteReport report =
        PasteColumn(u"88.5\n300\nd23n\noff\n100\n"_s, table, 1, ChannelTable::TxToneColumn, kUhf, zh());
    EXPECT_EQ(report.pasted, 3);
    ASSERT_EQ(report.refused.size(), 1);
    EXPECT_EQ(report.refused[0].text.english, u"tone 300 is outside 67.0 to 254.1 Hz"_s);
    EXPECT_EQ(report.rowsBelowTable, 1);
    EXPECT_EQ(table.cell(1, ChannelTable::TxToneColumn), u"88.5"_s);
    EXPECT_TRUE(table.isEmpty(2)) << "an empty channel has no tone to take";
    EXPECT_EQ(table.cell(3, ChannelTable::TxToneColumn), u"D023N"_s);
    EXPECT_EQ(table.cell(4, ChannelTable::TxToneColumn), u"关闭"_s);
    EXPECT_EQ(table.ChoiceIndex[3][2], 0);
}
