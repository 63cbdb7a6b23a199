#include "editor/testfrequencyrules.h"

#include <gtest/gtest.h>

using namespace vm280;

namespace {

// What a case expects: the cell's new text, or a refusal.
std::string shown(const std::optional<QString> &text)
{
    return text ? text->toStdString() : std::string("(refused)");
}

} // namespace

TEST(TestFrequencyRules, shouldSnapAReceiveFrequencyToTheRasterWithTheSmallerRemainder)
{
    const struct
    {
        const char16_t *typed;
        const char *snapped;
    } cases[] = {
        {u"438.013", "438.01250"},  // remainders 0.003 and 0.0005: 6.25 kHz wins
        {u"438.0125", "438.01250"}, // on the 6.25 kHz raster
        {u"438.010", "438.01000"},  // on the 5 kHz raster
        {u"438.0138", "438.01250"}, // 0.0038 against 0.0013
        {u"438.0", "438.00000"},    // on both: the tie goes to 6.25 kHz
        {u"50", "050.00000"},       // shown with the three digits the image stores
        {u"0.003", "000.00000"},    // below both steps
        {u"999.99999", "999.99500"}, {u"", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.typed).toStdString());
        EXPECT_EQ(shown(SnapTestReceive(QString::fromUtf16(c.typed))), c.snapped);
    }
}

TEST(TestFrequencyRules, shouldRefuseWhatTheImageCannotStore)
{
    for (const char16_t *typed :
         {u"1000", u"1234.5", u"abc", u"12abc", u"4..3", u"-5", u"99999999999999999999"}) {
        SCOPED_TRACE(QString::fromUtf16(typed).toStdString());
        EXPECT_EQ(shown(SnapTestReceive(QString::fromUtf16(typed))), "(refused)");
        EXPECT_EQ(shown(SnapTestTransmit(QString::fromUtf16(typed), u"438.01250")), "(refused)");
    }
}

TEST(TestFrequencyRules, shouldSnapATransmitFrequencyToTheRasterOfTheReceiveFrequency)
{
    const struct
    {
        const char16_t *typed;
        const char16_t *receive;
        const char *snapped;
    } cases[] = {
        {u"438.019", u"438.01250", "438.01875"},
        {u"438.019", u"438.01000", "438.01500"},
        {u"", u"438.01000", "438.01000"}, // cleared: the receive frequency comes back
        {u"67.4", u"438.01000", "067.40000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.typed).toStdString());
        EXPECT_EQ(shown(SnapTestTransmit(QString::fromUtf16(c.typed), QString::fromUtf16(c.receive))),
                  c.snapped);
    }
}

TEST(TestFrequencyRules, shouldOpenATransmitCellOnlyBesideAReceiveFrequency)
{
    EXPECT_FALSE(CanEditTestTransmit(u""));
    EXPECT_TRUE(CanEditTestTransmit(u"136.00000"));
}
