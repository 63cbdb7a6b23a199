#include "editor/channeledits.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;

namespace {

const ChoiceTexts &zh = ChoiceTexts::simplifiedChinese();
const BandLimits kBand0{400, 480};

QStringList rowTexts(const ChannelTable &table, int row)
{
    QStringList texts;
    for (int column = 1; column <= 8; ++column)
        texts << table.cell(row, column);
    return texts;
}

ChannelTable withChannel(int row, const QString &frequency)
{
    ChannelTable table;
    CommitFrequency(table, row, ChannelTable::RxFrequencyColumn, frequency, kBand0, zh);
    return table;
}

} // namespace

TEST(ChannelEdits, shouldCreateAChannelWithItsDefaultsWhenAReceiveFrequencyIsFirstEntered)
{
    const ChannelTable table = withChannel(3, u"438.013"_s);
    EXPECT_EQ(rowTexts(table, 3), (QStringList{u"438.01250"_s, u"关闭"_s, u"438.01250"_s, u"关闭"_s, u"高"_s,
                                               u"关闭"_s, u"宽带"_s, u"有"_s}));
    EXPECT_EQ(table.ChoiceIndex[2][0], 0);
    EXPECT_EQ(table.ChoiceIndex[2][3], 1);
    EXPECT_EQ(table.ChoiceIndex[2][4], 0);
    EXPECT_EQ(table.ChoiceIndex[2][5], 1);
    EXPECT_EQ(table.ChoiceIndex[2][6], 1);
}

TEST(ChannelEdits, shouldCommitFrequenciesByTheirOutcome)
{
    const struct
    {
        int column;
        const char16_t *typed;
        FrequencyEntry::Outcome outcome;
        const char16_t *rx;
        const char16_t *tx;
    } cases[] = {
        {1, u"438", FrequencyEntry::Accepted, u"438.00000", u"438.01250"},
        {1, u"438.0199", FrequencyEntry::Accepted, u"438.01875", u"438.01250"},
        {1, u"480", FrequencyEntry::OutOfBand, u"438.01250", u"438.01250"},
        {1, u"399.99", FrequencyEntry::OutOfBand, u"438.01250", u"438.01250"},
        {1, u"4..3", FrequencyEntry::NotNumeric, u"438.01250", u"438.01250"},
        {3, u"439.1", FrequencyEntry::Accepted, u"438.01250", u"439.10000"},
        {3, u"", FrequencyEntry::Empty, u"438.01250", u"438.01250"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.typed).toStdString());
        ChannelTable table = withChannel(1, u"438.0125"_s);
        EXPECT_EQ(CommitFrequency(table, 1, c.column, QString::fromUtf16(c.typed), kBand0, zh), c.outcome);
        EXPECT_EQ(table.cell(1, 1), QString::fromUtf16(c.rx));
        EXPECT_EQ(table.cell(1, 3), QString::fromUtf16(c.tx));
    }
}

TEST(ChannelEdits, shouldDeleteAChannelWhenItsReceiveFrequencyIsErased)
{
    ChannelTable table = withChannel(2, u"438.0125"_s);
    PickEntry(table, 2, ChannelTable::PowerColumn, 0, zh);
    CommitFrequency(table, 2, ChannelTable::RxFrequencyColumn, u"", kBand0, zh);
    EXPECT_EQ(rowTexts(table, 2), QStringList(8));
    EXPECT_EQ(table.ChoiceIndex[1], (std::array<qint16, 10>{}));
    EXPECT_EQ(table.cell(2, 0), u"02"_s);
}

TEST(ChannelEdits, shouldChangeOnlyTheReceiveCellOfAChannelThatExists)
{
    ChannelTable table = withChannel(1, u"438.0125"_s);
    PickEntry(table, 1, ChannelTable::PowerColumn, 0, zh);
    CommitFrequency(table, 1, ChannelTable::RxFrequencyColumn, u"440", kBand0, zh);
    EXPECT_EQ(table.cell(1, 3), u"438.01250"_s);
    EXPECT_EQ(table.cell(1, 5), u"低"_s);
}

TEST(ChannelEdits, shouldRevertAToneOutOfRangeToTheLastPickedEntry)
{
    ChannelTable table = withChannel(1, u"438.0125"_s);
    CommitTone(table, 1, ChannelTable::RxToneColumn, u"254.2", -1, zh);
    EXPECT_EQ(table.cell(1, 2), u"关闭"_s);
    PickEntry(table, 1, ChannelTable::RxToneColumn, 9, zh);
    EXPECT_EQ(table.cell(1, 2), u"88.5"_s);
    CommitTone(table, 1, ChannelTable::RxToneColumn, u"100", -1, zh);
    EXPECT_EQ(table.cell(1, 2), u"100.0"_s);
    EXPECT_EQ(table.ChoiceIndex[0][0], 9) << "typing keeps the picked index";
    CommitTone(table, 1, ChannelTable::RxToneColumn, u"66.9", -1, zh);
    EXPECT_EQ(table.cell(1, 2), u"88.5"_s);
    CommitTone(table, 1, ChannelTable::TxToneColumn, u"d23n", -1, zh);
    EXPECT_EQ(table.cell(1, 4), u"关闭"_s) << "lower-case letters never reach the commit";
    CommitTone(table, 1, ChannelTable::TxToneColumn, u"D23N", -1, zh);
    EXPECT_EQ(table.cell(1, 4), u"D023N"_s);
}

TEST(ChannelEdits, shouldClearAsNewAndAsABandChangeDo)
{
    ChannelTable table = withChannel(1, u"438.0125"_s);
    PickEntry(table, 1, ChannelTable::BandwidthColumn, 0, zh);
    ChannelTable cleared = table;
    ClearGrid1(cleared);
    EXPECT_TRUE(cleared.isEmpty(1));
    EXPECT_EQ(cleared.ChoiceIndex, table.ChoiceIndex) << "New keeps the indexes";
    ClearGrid(table);
    EXPECT_EQ(table, ChannelTable());
}

TEST(ChannelEdits, shouldRewriteChoiceWordsInAnotherLanguageAtTheSameIndexes)
{
    ChannelTable table = withChannel(1, u"438.0125"_s);
    CommitTone(table, 1, ChannelTable::TxToneColumn, u"D23I", -1, zh);
    PickEntry(table, 1, ChannelTable::PowerColumn, 0, zh);
    SetGrid1Text(table, ChoiceTexts::english());
    EXPECT_EQ(rowTexts(table, 1), (QStringList{u"438.01250"_s, u"Off"_s, u"438.01250"_s, u"D023I"_s, u"Low"_s,
                                               u"Off"_s, u"Wide"_s, u"Have"_s}))
        << "a typed tone keeps index 0 and survives the switch";
    SetGrid1Text(table, zh);
    EXPECT_EQ(table.cell(1, 2), u"关闭"_s);
    EXPECT_EQ(table.cell(1, 4), u"D023I"_s);
    EXPECT_TRUE(rowTexts(withChannel(2, u""_s), 2) == QStringList(8));
}

TEST(ChannelEdits, shouldOpenOnlyTheReceiveFrequencyOfAnEmptyChannel)
{
    const ChannelTable table = withChannel(1, u"438.0125"_s);
    EXPECT_EQ(DispatchEdit(table, 2, 5).column, 1);
    EXPECT_EQ(DispatchEdit(table, 2, 0).column, 1);
    EXPECT_EQ(DispatchEdit(table, 1, 5).column, 5);
    EXPECT_EQ(DispatchEdit(table, 1, 0).column, 0);
}

TEST(ChannelEdits, shouldNameEveryListEntryAndNothingElse)
{
    EXPECT_EQ(EntryText(2, 0, zh), u"关闭"_s);
    EXPECT_EQ(EntryText(4, 260, zh), u"D754I"_s);
    EXPECT_EQ(EntryText(4, 261, zh), QString());
    EXPECT_EQ(EntryText(7, 0, zh), u"窄带"_s);
    EXPECT_EQ(EntryText(8, 2, zh), QString());
    EXPECT_EQ(EntryText(3, 0, zh), QString());
}
