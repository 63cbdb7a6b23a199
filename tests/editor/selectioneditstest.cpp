#include "editor/selectionedits.h"
#include "editor/channeledits.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;

namespace {

const ChoiceTexts &zh = ChoiceTexts::simplifiedChinese();
const BandLimits kBand0{400, 480};

// Channels 1 and 3 programmed (3 with a transmit offset), 2 empty.
ChannelTable threeChannels()
{
    ChannelTable table;
    CommitFrequency(table, 1, ChannelTable::RxFrequencyColumn, u"446.00625", kBand0, zh);
    CommitFrequency(table, 3, ChannelTable::RxFrequencyColumn, u"438.5", kBand0, zh);
    CommitFrequency(table, 3, ChannelTable::TxFrequencyColumn, u"431.5", kBand0, zh);
    return table;
}

QStringList receiveFrequencies(const ChannelTable &table)
{
    QStringList frequencies;
    for (int row = 1; row <= ChannelTable::kRows; ++row)
        frequencies << table.cell(row, ChannelTable::RxFrequencyColumn);
    return frequencies;
}

} // namespace

TEST(SelectionEdits, shouldPickAnEntryInEveryProgrammedChannelSelected)
{
    ChannelTable table = threeChannels();
    EXPECT_EQ(PickEntryFor(table, {1, 2, 3}, ChannelTable::PowerColumn, 0, zh), QList<int>({1, 3}));
    EXPECT_EQ(table.cell(1, ChannelTable::PowerColumn), u"低"_s);
    EXPECT_EQ(table.cell(3, ChannelTable::PowerColumn), u"低"_s);
    EXPECT_EQ(table.ChoiceIndex[2][3], 0);
    EXPECT_TRUE(table.isEmpty(2)) << "an empty channel has no power to set";
    PickEntryFor(table, {3}, ChannelTable::BandwidthColumn, 0, zh);
    EXPECT_EQ(table.cell(3, ChannelTable::BandwidthColumn), u"窄带"_s);
    EXPECT_EQ(table.cell(1, ChannelTable::BandwidthColumn), u"宽带"_s);
}

TEST(SelectionEdits, shouldSetAToneAsTheToneEditorTakesItOrChangeNothing)
{
    const struct
    {
        const char16_t *typed;
        std::optional<const char16_t *> cell;
        int index;
    } cases[] = {
        {u"88.5", u"88.5", 9},      {u"100", u"100.0", 0},     {u"100.14", u"100.1", 0},
        {u"D23N", u"D023N", 0},     {u" d23n ", u"D023N", 0},  {u"D1000I", u"D777I", 0},
        {u"关闭", u"关闭", 0},      {u"300", std::nullopt, 0}, {u"66.9", std::nullopt, 0},
        {u"D23X", std::nullopt, 0}, {u"abc", std::nullopt, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.typed).toStdString());
        ChannelTable table = threeChannels();
        const ChannelTable before = table;
        const auto set =
            SetToneFor(table, {1, 2, 3}, ChannelTable::TxToneColumn, QString::fromUtf16(c.typed), zh);
        if (!c.cell) {
            EXPECT_FALSE(set);
            EXPECT_EQ(table.cells, before.cells);
            continue;
        }
        EXPECT_EQ(set, QList<int>({1, 3}));
        for (int row : {1, 3}) {
            EXPECT_EQ(table.cell(row, ChannelTable::TxToneColumn), QString::fromUtf16(*c.cell));
            EXPECT_EQ(table.ChoiceIndex[row - 1][2], c.index)
                << "a typed tone keeps the index of the last pick";
            EXPECT_EQ(table.cell(row, ChannelTable::RxToneColumn), u"关闭"_s);
        }
        EXPECT_TRUE(table.isEmpty(2));
    }
}

TEST(SelectionEdits, shouldFillDownInStepsFromTheFirstChannelsFrequency)
{
    ChannelTable table = threeChannels();
    QList<int> rows;
    for (int row = 1; row <= 16; ++row)
        rows << row;
    EXPECT_FALSE(FillDown(table, rows, u"12.5", kBand0, zh));
    for (int row = 1; row <= 16; ++row) {
        const QString pmr = u"%1"_s.arg(446.00625 + 0.0125 * (row - 1), 0, 'f', 5);
        EXPECT_EQ(table.cell(row, ChannelTable::RxFrequencyColumn), pmr) << row;
        // A channel that sent where it listened still does; channel 3 keeps its transmit offset.
        EXPECT_EQ(table.cell(row, ChannelTable::TxFrequencyColumn), row == 3 ? u"431.50000"_s : pmr) << row;
    }
    EXPECT_EQ(table.cell(2, ChannelTable::PowerColumn), u"高"_s)
        << "an empty channel is created as typing does";

    // The selected channels in order, whatever lies between them; a step may go down.
    ChannelTable spread = threeChannels();
    EXPECT_FALSE(FillDown(spread, {1, 5, 9}, u"-25", kBand0, zh));
    EXPECT_EQ(spread.cell(5, ChannelTable::RxFrequencyColumn), u"445.98125"_s);
    EXPECT_EQ(spread.cell(9, ChannelTable::RxFrequencyColumn), u"445.95625"_s);
    EXPECT_TRUE(spread.isEmpty(2));
}

TEST(SelectionEdits, shouldRefuseAFillDownThatLeavesTheBandOrTheRasterBeforeAnythingChanges)
{
    ChannelTable top;
    CommitFrequency(top, 1, ChannelTable::RxFrequencyColumn, u"479.95", kBand0, zh);
    const struct
    {
        const char *name;
        ChannelTable table;
        QList<int> rows;
        const char16_t *step;
        FillDownRefusal::Kind kind;
        int channel;
        const char16_t *frequency;
    } cases[] = {
        {"one channel", threeChannels(), {1}, u"12.5", FillDownRefusal::TooFewChannels, 0, u""},
        {"no start", threeChannels(), {2, 3}, u"12.5", FillDownRefusal::NoStart, 2, u""},
        {"no number", threeChannels(), {1, 2}, u"x", FillDownRefusal::BadStep, 0, u""},
        {"no step", threeChannels(), {1, 2}, u"0", FillDownRefusal::BadStep, 0, u""},
        {"below ten hertz", threeChannels(), {1, 2}, u"12.505", FillDownRefusal::BadStep, 0, u""},
        {"off the raster", threeChannels(), {1, 2, 3}, u"7", FillDownRefusal::OffRaster, 2, u"446.01325"},
        {"beyond the band", top, {1, 2, 3, 4, 5}, u"12.5", FillDownRefusal::OutsideBand, 5, u"480.00000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ChannelTable table = c.table;
        const auto refusal = FillDown(table, c.rows, c.step, kBand0, zh);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->kind, c.kind);
        EXPECT_EQ(refusal->channel, c.channel);
        EXPECT_EQ(refusal->frequency, QString::fromUtf16(c.frequency));
        EXPECT_EQ(receiveFrequencies(table), receiveFrequencies(c.table));
    }
}
