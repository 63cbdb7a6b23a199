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

TEST(ImportOptions, shouldReadALocationRange)
{
    struct Row
    {
        const char *text;
        std::optional<std::pair<int, int>> range;
    } rows[] = {
        {"71-88", std::pair{71, 88}}, {" 1 - 16 ", std::pair{1, 16}}, {"5", std::pair{5, 5}},
        {"0-3", std::pair{0, 3}},     {"88-71", std::nullopt},        {"a-b", std::nullopt},
        {"1-", std::nullopt},         {"-3", std::nullopt},           {"", std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        const auto range = LocationRange::parse(QString::fromLatin1(row.text));
        ASSERT_EQ(range.has_value(), row.range.has_value());
        if (range) {
            EXPECT_EQ(range->first, row.range->first);
            EXPECT_EQ(range->last, row.range->second);
            EXPECT_TRUE(range->contains(range->first) && range->contains(range->last));
            EXPECT_FALSE(range->contains(range->last + 1));
        }
    }
    EXPECT_EQ((LocationRange{71, 88}.text()), "71-88");
}
