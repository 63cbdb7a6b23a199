#include "interchange/importchoice.h"
#include "interchange/channeltemplates.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vm280;
using namespace Qt::StringLiterals;

namespace {

ChannelList listOf(const QString &csv)
{
    return std::get<ChannelList>(ChannelList::fromCsv(csv));
}

ChannelList euList()
{
    QFile file(QString::fromUtf8(VM280_TEST_DATA "/interchange/eu-lpd-pmr.csv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return listOf(QString::fromUtf8(file.readAll()));
}

// The Locations of the ticked rows.
QList<int> tickedLocations(const ImportChoice &choice)
{
    QList<int> locations;
    for (int row = 0; row < choice.list().size(); ++row) {
        if (choice.isTicked(row))
            locations << std::get<int>(choice.list().row(row).number);
    }
    return locations;
}

QList<int> range(int first, int last)
{
    QList<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers << n;
    return numbers;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

TEST(ImportChoice, shouldTickAsManyRowsAsThePlacementHasChannels)
{
    // The first sixteen rows the radio can take in some band: LPD 1 to 16.
    ImportChoice choice(euList(), 0);
    EXPECT_EQ(choice.placement(), (Placement{Placement::FileOrder, 1}));
    EXPECT_EQ(tickedLocations(choice), range(1, 16));
    EXPECT_EQ(choice.placedCount(), 16);
    EXPECT_FALSE(choice.problem());

    choice.setPlacement({Placement::FileOrder, 11});
    choice.tickDefault();
    EXPECT_EQ(tickedLocations(choice), range(1, 6));

    // The AM, D-STAR and 2 m rows are never ticked by themselves.
    const ChannelList mixed = listOf(u"Location,Frequency,Mode\n1,118.1,AM\n2,145.5,FM\n3,438,DV\n"_s);
    EXPECT_EQ(tickedLocations(ImportChoice(mixed, 0)), QList<int>{2});
}

TEST(ImportChoice, shouldRefuseTickedRowsThatDoNotFit)
{
    ImportChoice choice(euList(), 0);
    choice.tickLocations(*LocationList::parse(u"71-78,81-88"));
    EXPECT_EQ(choice.placedCount(), 16);
    EXPECT_FALSE(choice.problem());

    choice.setTicked(0, true); // LPD 1 before them all
    const auto tooMany = choice.problem();
    ASSERT_TRUE(tooMany);
    EXPECT_EQ(tooMany->kind, ChoiceProblem::TooManyRows);
    EXPECT_EQ(tooMany->count, 17);
    choice.setTicked(0, false);

    // By their Location the PMR rows have no channel.
    choice.setPlacement({Placement::ByLocation, 1});
    const auto noChannel = choice.problem();
    ASSERT_TRUE(noChannel);
    EXPECT_EQ(noChannel->kind, ChoiceProblem::NoChannel);
    EXPECT_EQ(std::get<int>(choice.list().row(noChannel->row).number), 71);

    const ChannelList twice = listOf(u"Location,Frequency\n3,438\n4,439\n3,440\n"_s);
    ImportChoice both(twice, 0);
    both.setPlacement({Placement::ByLocation, 1});
    both.tickLocations(*LocationList::parse(u"3-4"));
    const auto channelTwice = both.problem();
    ASSERT_TRUE(channelTwice);
    EXPECT_EQ(channelTwice->kind, ChoiceProblem::ChannelTwice);
    EXPECT_EQ(channelTwice->row, 2);
    EXPECT_EQ(channelTwice->earlier, 0);
}

TEST(ImportChoice, shouldFindTheBandWhereNothingTickedFitsThePlansBand)
{
    const ChannelList vhf = listOf(u"Location,Frequency\n1,145.5\n2,146\n3,438\n"_s);
    ImportChoice choice(vhf, 0);
    EXPECT_EQ(choice.placedCount(), 1);
    choice.tickLocations(*LocationList::parse(u"1-2"));
    EXPECT_EQ(choice.problem()->kind, ChoiceProblem::NothingToImport);
    EXPECT_EQ(choice.landing(0).outcome, Landing::Unprogrammable) << "ticked, but not in this band";
    EXPECT_EQ(choice.bestBand(), 5);
    choice.setBand(choice.bestBand());
    EXPECT_EQ(choice.placedCount(), 2);
    EXPECT_EQ(choice.landing(2).outcome, Landing::NotTaken);
    EXPECT_TRUE(choice.landing(2).note) << "the row the band cannot hold says why";
}

TEST(ImportChoice, shouldKeepAPlansBandThatLosesNoRow)
{
    const ChannelList cn = listOf(u"Location,Frequency\n1,409.75\n2,409.7625\n"_s);
    ImportChoice choice(cn, 2);
    choice.fitBand(2);
    EXPECT_EQ(choice.band(), 2) << "400-430MHz holds both";
    choice.fitBand(5);
    EXPECT_EQ(choice.band(), 0) << "136-174MHz holds neither; 400-480MHz is the first that holds both";
}

TEST(ChannelTemplates, shouldFindTemplatesByNameTheEarlierFolderFirst)
{
    QTemporaryDir user;
    QTemporaryDir shipped;
    ASSERT_TRUE(writeFile(user.filePath(u"pmr446.CSV"_s), "Location,Frequency\n1,446.00625\n"));
    ASSERT_TRUE(writeFile(user.filePath(u"Plan.DAT"_s), "TRZ28"));
    ASSERT_TRUE(writeFile(user.filePath(u"readme.txt"_s), "not a template"));
    ASSERT_TRUE(writeFile(shipped.filePath(u"PMR446.csv"_s), "Location,Frequency\n1,446.00625\n"));
    ASSERT_TRUE(writeFile(shipped.filePath(u"FRS.csv"_s), "Location,Frequency\n1,462.5625\n"));
    ASSERT_TRUE(writeFile(shipped.filePath(u"site.json"_s), "{}"));
    ASSERT_TRUE(QDir(shipped.path()).mkdir(u"folder.csv"_s));
    const QStringList folders{user.path(), shipped.path(), shipped.filePath(u"missing"_s)};
    const QList<ChannelTemplate> found = FindTemplates(folders);
    QStringList names;
    for (const ChannelTemplate &t : found)
        names << t.name;
    EXPECT_EQ(names, QStringList({u"FRS"_s, u"Plan"_s, u"pmr446"_s, u"site"_s}));
    EXPECT_EQ(found[2].path, user.filePath(u"pmr446.CSV"_s));
    const auto frs = FindTemplate(u"frs", folders);
    ASSERT_TRUE(frs);
    EXPECT_EQ(frs->path, shipped.filePath(u"FRS.csv"_s));
    EXPECT_FALSE(FindTemplate(u"GMRS", folders));
}
