#include "interchange/importoptions.h"

#include <gtest/gtest.h>

using namespace vm280;

TEST(ImportOptions, shouldReadABandByIndexTextOrAuto)
{
    struct Row
    {
        const char *text;
        std::optional<int> kind;
        int index;
    } rows[] = {
        {"auto", BandChoice::Automatic, 0},
        {"AUTO", BandChoice::Automatic, 0},
        {"0", BandChoice::Fixed, 0},
        {"6", BandChoice::Fixed, 6},
        {"136-174MHz", BandChoice::Fixed, 5},
        {"136-174mhz", BandChoice::Fixed, 5},
        {"7", std::nullopt, 0},
        {"-1", std::nullopt, 0},
        {"2m", std::nullopt, 0},
        {"", std::nullopt, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        const auto band = BandChoice::parse(QString::fromLatin1(row.text));
        ASSERT_EQ(band.has_value(), row.kind.has_value());
        if (band) {
            EXPECT_EQ(band->kind, *row.kind);
            EXPECT_EQ(band->index, row.index);
        }
    }
}

TEST(ImportOptions, shouldReadAListOfLocationRanges)
{
    using Ranges = QList<std::pair<int, int>>;
    struct Row
    {
        const char *text;
        std::optional<Ranges> ranges;
        const char *normalised;
    } rows[] = {
        {"71-88", Ranges{{71, 88}}, "71-88"},
        {" 1 - 16 ", Ranges{{1, 16}}, "1-16"},
        {"5", Ranges{{5, 5}}, "5"},
        {"0-3", Ranges{{0, 3}}, "0-3"},
        {"1-8,71-78", Ranges{{1, 8}, {71, 78}}, "1-8,71-78"},
        {"71-78, 81-88 ,3", Ranges{{71, 78}, {81, 88}, {3, 3}}, "71-78,81-88,3"},
        {"88-71", std::nullopt, ""},
        {"1-8,88-71", std::nullopt, ""},
        {"a-b", std::nullopt, ""},
        {"1-", std::nullopt, ""},
        {"-3", std::nullopt, ""},
        {"1-8,", std::nullopt, ""},
        {",", std::nullopt, ""},
        {"", std::nullopt, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        const auto list = LocationList::parse(QString::fromLatin1(row.text));
        ASSERT_EQ(list.has_value(), row.ranges.has_value());
        if (list) {
            EXPECT_EQ(list->ranges, *row.ranges);
            EXPECT_EQ(list->text(), QString::fromLatin1(row.normalised));
        }
    }
}

TEST(ImportOptions, shouldContainTheLocationsOfEveryRangeAndNoOthers)
{
    const LocationList list = *LocationList::parse(u"1-8,71-78,90");
    for (int location : {1, 8, 71, 78, 90})
        EXPECT_TRUE(list.contains(location)) << location;
    for (int location : {0, 9, 70, 79, 89, 91})
        EXPECT_FALSE(list.contains(location)) << location;
}
