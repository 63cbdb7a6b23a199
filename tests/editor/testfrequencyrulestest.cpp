#include "editor/testfrequencyrules.h"

#include <gtest/gtest.h>

using namespace vm280;

TEST(TestFrequencyRules, shouldSnapAReceiveFrequencyToTheRasterWithTheSmallerRemainder)
{
    const struct
    {
        const char16_t *typed;
        const char16_t *snapped;
    } cases[] = {
        {u"438.013", u"438.01250"},  // remainders 0.003 and 0.0005: 6.25 kHz wins
        {u"438.0125", u"438.01250"}, // on the 6.25 kHz raster
        {u"438.010", u"438.01000"},  // on the 5 kHz raster
        {u"438.0138", u"438.01250"}, // 0.0038 against 0.0013
        {u"438.0", u"438.00000"},    // on both: the tie goes to 6.25 kHz
        {u"abc", u"0.00000"},        // no number counts as 0
        {u"12abc", u"12.00000"},     // the leading number
        {u"0.003", u"0.00000"},      // below both steps
        {u"1200", u"1200.00000"},    // no band applies
        {u"", u""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.typed).toStdString());
        EXPECT_EQ(SnapTestReceive(QString::fromUtf16(c.typed)), QString::fromUtf16(c.snapped));
    }
}

TEST(TestFrequencyRules, shouldSnapATransmitFrequencyToTheRasterOfTheReceiveFrequency)
{
    const struct
    {
        const char16_t *typed;
        const char16_t *receive;
        const char16_t *snapped;
    } cases[] = {
        {u"438.019", u"438.01250", u"438.01875"},
        {u"438.019", u"438.01000", u"438.01500"},
        {u"", u"438.01000", u"438.01000"}, // cleared: the receive frequency comes back
        {u"xyz", u"438.01250", u"0.00000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.typed).toStdString());
        EXPECT_EQ(SnapTestTransmit(QString::fromUtf16(c.typed), QString::fromUtf16(c.receive)),
                  QString::fromUtf16(c.snapped));
    }
}

TEST(TestFrequencyRules, shouldOpenATransmitCellOnlyBesideAReceiveFrequency)
{
    EXPECT_FALSE(CanEditTestTransmit(u""));
    EXPECT_TRUE(CanEditTestTransmit(u"136.00000"));
}
