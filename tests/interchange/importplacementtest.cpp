#include "interchange/importplacement.h"
#include "richplan.h"

#include "image/bands.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vm280;
using namespace Qt::StringLiterals;

namespace {

const ChoiceTexts &zh()
{
    return ChoiceTexts::simplifiedChinese();
}

ChannelList listOf(const QString &csv)
{
    auto list = ChannelList::fromCsv(csv);
    if (const auto *error = std::get_if<InputError>(&list)) {
        ADD_FAILURE() << error->line << ":" << error->column << ": " << error->reason.english.toStdString();
        return std::get<ChannelList>(ChannelList::fromCsv(u"Location,Frequency\n"));
    }
    return std::get<ChannelList>(list);
}

ChannelList euList()
{
    QFile file(QString::fromUtf8(VM280_TEST_DATA "/interchange/eu-lpd-pmr.csv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return listOf(QString::fromUtf8(file.readAll()));
}

// Simplex rows at the Locations given, 446.00625 MHz upwards in 12.5 kHz steps.
QString numberedList(const QList<int> &locations)
{
    QString csv = u"Location,Frequency,Mode\n"_s;
    for (int i = 0; i < locations.size(); ++i)
        csv += u"%1,%2,NFM\n"_s.arg(locations[i]).arg(446.00625 + 0.0125 * i, 0, 'f', 5);
    return csv;
}

QList<int> range(int first, int last)
{
    QList<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers << n;
    return numbers;
}

// The rows whose Location is in locations.
QList<bool> rowsAt(const ChannelList &list, const QList<int> &locations)
{
    QList<bool> taken;
    for (int index = 0; index < list.size(); ++index) {
        const auto *location = std::get_if<int>(&list.row(index).number);
        taken << (location && locations.contains(*location));
    }
    return taken;
}

QList<bool> allRows(const ChannelList &list)
{
    return QList<bool>(list.size(), true);
}

// The channel of each row taken, 0 for a row without one.
QList<int> channels(const QList<Landing> &landings)
{
    QList<int> result;
    for (const Landing &landing : landings)
        result << (landing.outcome == Landing::Placed ? landing.channel : 0);
    return result;
}

} // namespace

TEST(ImportPlacement, shouldPutThePmrRowsOfAEuropeanListIntoChannelsOneToSixteen)
{
    const ChannelList list = euList();
    const QList<bool> taken = rowsAt(list, range(71, 78) + range(81, 88));
    const QList<Landing> landings = PlaceRows(list, taken, 0, {Placement::FileOrder, 1});
    for (int index = 0; index < list.size(); ++index) {
        const int location = std::get<int>(list.row(index).number);
        SCOPED_TRACE(location);
        if (!taken[index]) {
            EXPECT_EQ(landings[index].outcome, Landing::NotTaken);
            continue;
        }
        const int pmr = location <= 78 ? location - 70 : location - 72;
        ASSERT_EQ(landings[index].outcome, Landing::Placed);
        EXPECT_EQ(landings[index].channel, pmr);
        EXPECT_EQ(landings[index].values->rxFrequency,
                  u"%1"_s.arg(446.00625 + 0.0125 * (pmr - 1), 0, 'f', 5));
        EXPECT_FALSE(landings[index].values->wide);
        EXPECT_FALSE(landings[index].values->highPower) << "0.5 W is the low level";
    }
}

TEST(ImportPlacement, shouldPlaceListsNumberedFromZeroOrTwentyFiveInFileOrder)
{
    const struct
    {
        const char *name;
        QList<int> locations;
    } lists[] = {
        {"from 25", range(25, 40)},
        {"from 0", range(0, 15)},
        {"beyond 16", {1, 2, 17, 40, 3}},
        {"a Location twice", {1, 2, 2}},
    };
    for (const auto &l : lists) {
        SCOPED_TRACE(l.name);
        const ChannelList list = listOf(numberedList(l.locations));
        const Placement placement = Placement::defaultFor(list);
        EXPECT_EQ(placement, (Placement{Placement::FileOrder, 1}));
        EXPECT_EQ(channels(PlaceRows(list, allRows(list), 0, placement)), range(1, int(l.locations.size())));
    }
    // A list of this radio's channels keeps them where they are.
    const ChannelList own = listOf(numberedList({1, 2, 5, 16}));
    EXPECT_EQ(Placement::defaultFor(own).mode, Placement::ByLocation);
    EXPECT_EQ(channels(PlaceRows(own, allRows(own), 0, Placement::defaultFor(own))),
              QList<int>({1, 2, 5, 16}));
}

TEST(ImportPlacement, shouldLeaveRowsWithoutChannelWhenTheyDoNotFit)
{
    // Seventeen rows from channel 1, and eleven from channel 9.
    const ChannelList list = listOf(numberedList(range(0, 16)));
    const QList<Landing> all = PlaceRows(list, allRows(list), 0, {Placement::FileOrder, 1});
    EXPECT_EQ(all.last().outcome, Landing::NoRoom);
    EXPECT_TRUE(all.last().misplaced());
    EXPECT_EQ(all.last().note->text().english, "Location: all 16 channels are taken by earlier rows");
    const QList<Landing> late = PlaceRows(list, rowsAt(list, range(0, 10)), 0, {Placement::FileOrder, 9});
    EXPECT_EQ(channels(late).mid(0, 8), range(9, 16));
    EXPECT_EQ(late[8].outcome, Landing::NoRoom);
    EXPECT_EQ(late[8].note->text().english, "Location: channels 9 to 16 are taken by earlier rows");
    EXPECT_EQ(late[11].outcome, Landing::NotTaken);

    // By Location: a Location beyond the table, and a channel asked for twice.
    const ChannelList numbered = listOf(numberedList({3, 17, 3, 0}));
    const QList<Landing> byLocation = PlaceRows(numbered, allRows(numbered), 0, {Placement::ByLocation, 1});
    EXPECT_EQ(byLocation[0].outcome, Landing::Placed);
    EXPECT_EQ(byLocation[1].outcome, Landing::NoChannel);
    EXPECT_EQ(byLocation[1].note->text().english, "Location: 17 is not a channel from 1 to 16");
    EXPECT_EQ(byLocation[2].outcome, Landing::ChannelTaken);
    EXPECT_EQ(byLocation[2].takenBy, 0);
    EXPECT_EQ(byLocation[2].channel, 3);
    EXPECT_EQ(byLocation[2].note->text().english, "Location: channel 3 is already given on line 2");
    EXPECT_EQ(byLocation[3].outcome, Landing::NoChannel);
}

TEST(ImportPlacement, shouldNeverGiveARowTheRadioCannotTakeAChannel)
{
    const ChannelList list = listOf(u"Location,Frequency,Mode\n"
                                    "1,118.1,AM\n"
                                    "2,438,FM\n"
                                    "3,145.5,FM\n"
                                    "x,439,FM\n"
                                    "5,440,NFM\n"_s);
    const QList<Landing> landings = PlaceRows(list, allRows(list), 0, {Placement::FileOrder, 1});
    EXPECT_EQ(channels(landings), QList<int>({0, 1, 0, 0, 2}));
    EXPECT_EQ(landings[0].outcome, Landing::Unprogrammable);
    EXPECT_TRUE(landings[0].note->text().english.startsWith("Mode: AM cannot be programmed"));
    EXPECT_EQ(landings[2].note->text().english, "Frequency: frequency 145.5 is outside the band 400-480MHz");
    EXPECT_EQ(landings[3].note->text().english, "Location: 'x' is not a location number");
    EXPECT_FALSE(landings[2].misplaced());

    // A row not taken still says why the band cannot hold it; one it can hold says nothing.
    const QList<Landing> none =
        PlaceRows(list, QList<bool>(list.size(), false), 0, {Placement::FileOrder, 1});
    EXPECT_EQ(none[2].outcome, Landing::NotTaken);
    EXPECT_TRUE(none[2].note.has_value());
    EXPECT_FALSE(none[1].note.has_value());
}

TEST(ImportPlacement, shouldFindTheBandHoldingTheMostRowsTaken)
{
    const ChannelList list = listOf(u"Location,Frequency\n1,145.5\n2,146\n3,438\n20,147\n"_s);
    EXPECT_EQ(BestBand(list, allRows(list), {Placement::FileOrder, 1}), 5);
    EXPECT_EQ(RowsInBand(list, allRows(list), 5, {Placement::FileOrder, 1}), 3);
    // By Location, the row at Location 20 has no channel to count for.
    EXPECT_EQ(RowsInBand(list, allRows(list), 5, {Placement::ByLocation, 1}), 2);
    EXPECT_EQ(BestBand(list, rowsAt(list, {3}), {Placement::FileOrder, 1}), 0);
    EXPECT_EQ(BestBand(list, QList<bool>(list.size(), false), {Placement::FileOrder, 1}), -1);
}

TEST(ImportPlacement, shouldTakeThePlansChannelsExactlyAsItHoldsThem)
{
    CodePlan rich = test::richPlan();
    rich.channels.cell(3, 3) = u"453.00000"_s; // transmit forbidden on carrier
    const ChannelList list = ChannelList::fromPlan(rich, zh());
    ASSERT_EQ(list.size(), 6);
    EXPECT_EQ(list.row(3).shown[ChannelList::LocationColumn], "5");
    EXPECT_EQ(list.row(3).shown[ChannelList::FrequencyColumn], "460.000000");
    EXPECT_EQ(list.row(3).shown[ChannelList::DuplexColumn], "off");
    EXPECT_EQ(list.row(1).shown[ChannelList::ModeColumn], "NFM");
    const Placement placement = Placement::defaultFor(list);
    EXPECT_EQ(placement.mode, Placement::ByLocation);
    const QList<Landing> landings = PlaceRows(list, allRows(list), rich.band, placement);
    CodePlan copy;
    WriteLandings(landings, copy.channels, zh());
    // A forbidden channel keeps its own transmit frequency, a channel without one stays without.
    EXPECT_EQ(copy.channels.cells, rich.channels.cells);
    EXPECT_EQ(copy.channels.ChoiceIndex, rich.channels.ChoiceIndex);
}

TEST(ImportPlacement, shouldReplaceOnlyTheChannelsRowsLandOn)
{
    CodePlan plan = test::richPlan();
    const ChannelList list = listOf(u"Location,Frequency,Mode\n1,470,NFM\n"_s);
    WriteLandings(PlaceRows(list, allRows(list), 1, {Placement::FileOrder, 2}), plan.channels, zh());
    const CodePlan rich = test::richPlan();
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        if (row != 2) {
            EXPECT_EQ(plan.channels.cells[row - 1], rich.channels.cells[row - 1]) << row;
        }
    }
    EXPECT_EQ(plan.channels.cell(2, 1), "470.00000");
    EXPECT_EQ(plan.channels.cell(2, 2), "关闭") << "the tone of the channel replaced is gone";
}

TEST(ImportPlacement, shouldRefuseAListLongerThanAnyRadiosMemory)
{
    QString csv = u"Location,Frequency\n"_s;
    for (int i = 0; i <= ChannelList::kMaxRows; ++i)
        csv += u"1,438\n"_s;
    const auto list = ChannelList::fromCsv(csv);
    ASSERT_TRUE(std::holds_alternative<InputError>(list));
    EXPECT_EQ(std::get<InputError>(list).line, ChannelList::kMaxRows + 2);
    EXPECT_EQ(std::get<InputError>(list).reason.english,
              "the file has more than 10000 rows, far more than any channel list");
}
