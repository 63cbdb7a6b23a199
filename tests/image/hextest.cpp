#include "image/hex.h"
#include "image/numeric.h"

#include <QString>

#include <gtest/gtest.h>

using namespace vm280;

TEST(Hex, shouldFormatWithLeadingZeros)
{
    EXPECT_EQ(ToHex2(5), "05");
    EXPECT_EQ(ToHex2(0x9E), "9E");
    EXPECT_EQ(ToHex2(670), "29E");
    EXPECT_EQ(ToHex4(0x1F0), "01F0");
    EXPECT_EQ(ToHex4(0xFFFF), "FFFF");
}

TEST(Hex, shouldConvertBitsToHex)
{
    const struct
    {
        const char *hex;
        const char *bits;
    } cases[] = {{"9E", "10011110"}, {"0A", "00001010"}, {"F8", "11111000"}, {"", ""}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.hex);
        EXPECT_EQ(BitsToHex(c.bits), c.hex);
    }
}

TEST(Hex, shouldPadShortBitTextsOnTheLeft)
{
    EXPECT_EQ(BitsToHex("1"), "1");
    EXPECT_EQ(BitsToHex("101"), "5");
    EXPECT_EQ(BitsToHex("111111110"), "1FE");
    EXPECT_EQ(BitsToHex("1x1"), "5") << "any character other than '1' counts 0";
}

TEST(Numeric, shouldReadTheLeadingNumber)
{
    const struct
    {
        const char16_t *text;
        double value;
    } cases[] = {{u"12", 12},  {u"12abc", 12},  {u"abc", 0},  {u"", 0},  {u" -3.5", -3.5},
                 {u"4..3", 4}, {u"1.2.3", 1.2}, {u".5", 0.5}, {u"-", 0}, {u"300", 300}};
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromUtf16(c.text)), c.value);
    }
}

TEST(Numeric, shouldAcceptOnlyWholeDecimalNumbers)
{
    EXPECT_EQ(ParseDecimal(u"438.013"), 438.013);
    EXPECT_EQ(ParseDecimal(u" 438 "), 438);
    EXPECT_EQ(ParseDecimal(u"4..3"), std::nullopt);
    EXPECT_EQ(ParseDecimal(u""), std::nullopt);
    EXPECT_EQ(ParseDecimal(u"."), std::nullopt);
    EXPECT_EQ(ParseDecimal(u"1e5"), std::nullopt);
}

TEST(Numeric, shouldRoundHalvesToEven)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(299.6), 300);
}
