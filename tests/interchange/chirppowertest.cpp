#include "interchange/chirppower.h"

#include <gtest/gtest.h>

using namespace vm280;

TEST(ChirpPower, shouldWriteOneFigurePerLevel)
{
    EXPECT_EQ(ChirpPower::text(true), "5.0W");
    EXPECT_EQ(ChirpPower::text(false), "1.0W");
}

TEST(ChirpPower, shouldReadNamesAndWattsToTheNearerLevel)
{
    struct Row
    {
        const char *cell;
        bool high;
        bool warned;
    } rows[] = {
        {"High", true, false},  {"low", false, false},   {"", true, false},       {"5.0W", true, false},
        {"1.0W", false, false}, {"50W", true, false},    {"3W", true, false},     {"2.9W", false, false},
        {"2W", false, false},   {"0.5 W", false, false}, {"500mW", false, false}, {"4", true, false},
        {"Mid", true, true},    {"-5W", true, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.cell);
        BilingualText warning;
        EXPECT_EQ(ChirpPower::isHigh(QString::fromLatin1(row.cell), warning), row.high);
        EXPECT_EQ(!warning.isEmpty(), row.warned) << warning.english.toStdString();
        EXPECT_EQ(warning.chinese.isEmpty(), warning.english.isEmpty());
    }
}
