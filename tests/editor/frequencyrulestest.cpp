#include "editor/frequencyrules.h"
#include "image/bands.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace Qt::StringLiterals;

TEST(FrequencyRules, shouldReadBandLimitsFromEveryEntry)
{
    const struct
    {
        int low, high;
    } expected[kBandCount] = {{400, 480}, {450, 490}, {400, 430}, {370, 390},
                              {350, 370}, {136, 174}, {600, 720}};
    for (int band = 0; band < kBandCount; ++band) {
        SCOPED_TRACE(BandText(band).toStdString());
        const BandLimits limits = BandLimitsOf(BandText(band));
        EXPECT_EQ(limits.BandLow, expected[band].low);
        EXPECT_EQ(limits.BandHigh, expected[band].high);
    }
}

TEST(FrequencyRules, shouldSnapDownToTheNearestRasterPoint)
{
    const struct
    {
        const char16_t *text;
        const char16_t *snapped;
    } cases[] = {{u"438.01300", u"438.01250"}, {u"438.01990", u"438.01875"}, {u"438.01250", u"438.01250"},
                 {u"438.00000", u"438.00000"}, {u"438.09999", u"438.09500"}, {u"438.00499", u"438.00000"},
                 {u"438.00625", u"438.00625"}, {u"438.00700", u"438.00625"}, {u"1.5", u"1.50000"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        EXPECT_EQ(FormatFrequency(SnapFrequency(QString::fromUtf16(c.text))), QString::fromUtf16(c.snapped));
    }
}

TEST(FrequencyRules, shouldCheckTypedFrequenciesAgainstTheBand)
{
    const BandLimits band0 = BandLimitsOf(u"400-480MHz");
    const BandLimits band5 = BandLimitsOf(u"136-174MHz");
    const struct
    {
        const char16_t *typed;
        BandLimits limits;
        FrequencyEntry::Outcome outcome;
        const char16_t *text;
    } cases[] = {
        {u"438", band0, FrequencyEntry::Accepted, u"438.00000"},
        {u"438.013", band0, FrequencyEntry::Accepted, u"438.01250"},
        {u"438.0199", band0, FrequencyEntry::Accepted, u"438.01875"},
        {u"400", band0, FrequencyEntry::Accepted, u"400.00000"},
        {u"479.99999", band0, FrequencyEntry::Accepted, u"479.99500"},
        {u"479.999999", band0, FrequencyEntry::OutOfBand, u""},
        {u"480", band0, FrequencyEntry::OutOfBand, u""},
        {u"399.99", band0, FrequencyEntry::OutOfBand, u""},
        {u"136.0125", band5, FrequencyEntry::Accepted, u"136.01250"},
        {u"174", band5, FrequencyEntry::OutOfBand, u""},
        {u"", band0, FrequencyEntry::Empty, u""},
        {u"4..38", band0, FrequencyEntry::NotNumeric, u""},
        {u"abc", band0, FrequencyEntry::NotNumeric, u""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.typed).toStdString());
        const FrequencyEntry entry = CheckFrequency(QString::fromUtf16(c.typed), c.limits);
        EXPECT_EQ(entry.outcome, c.outcome);
        EXPECT_EQ(entry.text, QString::fromUtf16(c.text));
    }
}

TEST(FrequencyRules, shouldComputeRasterRemainders)
{
    const struct
    {
        double step, f, remainder;
    } cases[] = {
        {0.005, 438.013, 0.003},   {0.00625, 438.013, 0.0005},  {0.00625, 438.0125, 0}, {0.005, 438.010, 0},
        {0.005, 438.0138, 0.0038}, {0.00625, 438.0138, 0.0013}, {0.005, 0.003, 0.003},  {0.005, 0, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.step << " " << c.f);
        EXPECT_NEAR(RasterRemainder(c.step, c.f), c.remainder, 1e-9);
    }
}

TEST(FrequencyRules, shouldKeepTheRemainderBelowTheStep)
{
    for (double f = 399.99; f < 400.02; f += 0.00037) {
        for (double step : {0.005, 0.00625}) {
            const double r = RasterRemainder(step, f);
            EXPECT_GE(r, -1e-9);
            EXPECT_LT(r, step) << f;
        }
    }
}
