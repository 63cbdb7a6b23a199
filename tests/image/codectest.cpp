#include "imagetestutil.h"

#include "image/codec.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

const ChoiceTexts &zh()
{
    return ChoiceTexts::simplifiedChinese();
}
const ChoiceTexts &en()
{
    return ChoiceTexts::english();
}

CodePlan decoded(const ImageBytes &image, const ChoiceTexts &texts = zh())
{
    CodePlan plan;
    EXPECT_TRUE(DecodeImage(plan, image.hex(), texts));
    return plan;
}

} // namespace

TEST(ChannelCodec, shouldPackFrequenciesAsLittleEndianBcd)
{
    const struct
    {
        const char16_t *text;
        std::initializer_list<int> bytes;
        const char *hex;
    } cases[] = {{u"436.12500", {0x00, 0x25, 0x61, 0x43}, "00256143"},
                 {u"136.00000", {0x00, 0x00, 0x60, 0x13}, "00006013"},
                 {u"174.99375", {0x75, 0x93, 0x49, 0x17}, "75934917"}};
    for (const auto &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        ImageBytes image;
        image.set(0, c.bytes).set(4, c.bytes);
        const CodePlan plan = decoded(image);
        EXPECT_EQ(plan.channels.cell(1, 1), text);
        EXPECT_EQ(plan.channels.cell(1, 3), text);
        EXPECT_EQ(ImageBytes(EncodeImage(plan, zh())).slice(0, 4), c.hex);
    }
}

TEST(ChannelCodec, shouldCopyNonDecimalDigitsUnchecked)
{
    ImageBytes image;
    image.set(0, {0x0A, 0xBC, 0xD1, 0x43});
    const CodePlan plan = decoded(image);
    EXPECT_EQ(plan.channels.cell(1, 1), u"43D.1BC0A"_s);
    EXPECT_EQ(ImageBytes(EncodeImage(plan, zh())).slice(0, 4), "0ABCD143");
}

TEST(ChannelCodec, shouldLeaveARowEmptyWhenItsReceiveFrequencyIsUnprogrammed)
{
    ImageBytes image;
    image.set(4, {0x00, 0x25, 0x61, 0x43, 0x9E, 0x02, 0x13, 0x28, 0xF0, 0xD0});
    image.set(366, {0xFF});
    CodePlan plan;
    setChannel(plan, 1, u"438.00000"_s, u"67.0"_s, u"438.00000"_s, u"关闭"_s);
    plan.channels.ChoiceIndex[0][3] = 1;
    ASSERT_TRUE(DecodeImage(plan, image.hex(), zh()));
    for (int column = 1; column <= 8; ++column)
        EXPECT_TRUE(plan.channels.cell(1, column).isEmpty()) << "column " << column;
    EXPECT_EQ(plan.channels.ChoiceIndex[0][3], 1) << "an empty record leaves the indexes alone";
    EXPECT_EQ(plan.channels.cell(1, 0), u"01"_s);
}

TEST(ChannelCodec, shouldShowATransmitToneEvenWithoutTransmitFrequency)
{
    ImageBytes image;
    image.set(0, {0x00, 0x25, 0x61, 0x43}).set(16, {0x00, 0x25, 0x61, 0x43});
    image.set(16 + 10, {0x9E, 0x02});
    const CodePlan plan = decoded(image);
    EXPECT_TRUE(plan.channels.cell(1, 3).isEmpty());
    EXPECT_TRUE(plan.channels.cell(1, 4).isEmpty());
    EXPECT_EQ(plan.channels.cell(1, 2), u"关闭"_s);
    EXPECT_EQ(plan.channels.cell(2, 4), u"67.0"_s);
}

TEST(ChannelCodec, shouldShowTheOffWordOfTheCurrentLanguage)
{
    ImageBytes image;
    image.set(0, {0x00, 0x25, 0x61, 0x43, 0x00, 0x25, 0x61, 0x43});
    for (const ChoiceTexts *texts : {&zh(), &en()}) {
        CodePlan plan;
        plan.channels.ChoiceIndex[0][0] = 7;
        plan.channels.ChoiceIndex[0][2] = 7;
        ASSERT_TRUE(DecodeImage(plan, image.hex(), *texts));
        EXPECT_EQ(plan.channels.cell(1, 2), texts->toneOff);
        EXPECT_EQ(plan.channels.cell(1, 4), texts->toneOff);
        EXPECT_EQ(plan.channels.ChoiceIndex[0][0], 0);
        EXPECT_EQ(plan.channels.ChoiceIndex[0][2], 0);
    }
}

TEST(ChannelCodec, shouldDecodeOnlyTheForbidAndModeBits)
{
    const struct
    {
        int forbidByte, modeByte;
        int forbid, power, bandwidth;
        const char *english[3];
    } cases[] = {
        {0xF8, 0xF0, 1, 1, 1, {"Carrow", "Hight", "Wide"}},   {0xF0, 0xC0, 0, 0, 0, {"Off", "Low", "Narrow"}},
        {0x08, 0xE0, 1, 1, 0, {"Carrow", "Hight", "Narrow"}}, {0xF7, 0xD0, 0, 0, 1, {"Off", "Low", "Wide"}},
        {0x00, 0x30, 0, 1, 1, {"Off", "Hight", "Wide"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.forbidByte << " " << c.modeByte);
        ImageBytes image;
        image.set(0, {0x00, 0x25, 0x61, 0x43}).set(12, {c.forbidByte, c.modeByte});
        const CodePlan plan = decoded(image, en());
        const auto &row = plan.channels.ChoiceIndex[0];
        EXPECT_EQ(row[4], c.forbid);
        EXPECT_EQ(row[3], c.power);
        EXPECT_EQ(row[5], c.bandwidth);
        EXPECT_EQ(plan.channels.cell(1, 6), QString::fromLatin1(c.english[0]));
        EXPECT_EQ(plan.channels.cell(1, 5), QString::fromLatin1(c.english[1]));
        EXPECT_EQ(plan.channels.cell(1, 7), QString::fromLatin1(c.english[2]));
    }
}

TEST(ChannelCodec, shouldDecodeScanAddBitsOnlyForProgrammedChannels)
{
    ImageBytes image;
    image.set(0, {0x00, 0x25, 0x61, 0x43}).set(16, {0x00, 0x25, 0x61, 0x43});
    image.set(366, {0x01}).set(367, {0xFF});
    const CodePlan plan = decoded(image, en());
    EXPECT_EQ(plan.channels.cell(1, 8), u"Have"_s);
    EXPECT_EQ(plan.channels.cell(2, 8), u"No"_s);
    EXPECT_EQ(plan.channels.ChoiceIndex[1][6], 0);
    EXPECT_TRUE(plan.channels.cell(3, 8).isEmpty());
    EXPECT_TRUE(plan.channels.cell(9, 8).isEmpty());
}

TEST(ChannelCodec, shouldEncodeScanAddWithChannelOneInBitZero)
{
    CodePlan plan;
    for (int row : {1, 2, 3, 8, 9, 16})
        setChannel(plan, row, u"438.00000"_s, u"关闭"_s, u"438.00000"_s, u"关闭"_s, 1, 0, 1,
                   row == 2 ? 0 : 1);
    const ImageBytes image(EncodeImage(plan, zh()));
    EXPECT_EQ(image.at(366), 0x85);
    EXPECT_EQ(image.at(367), 0x81);
}

TEST(ChannelCodec, shouldEncodeAnEmptyRowAsTheUnprogrammedPattern)
{
    const ImageBytes image(EncodeImage(CodePlan(), zh()));
    for (int row = 0; row < 16; ++row)
        EXPECT_EQ(image.slice(16 * row, 16), "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF") << "row " << row + 1;
}

TEST(ChannelCodec, shouldEncodeChoicesFromTheirWords)
{
    const struct
    {
        int power, forbid, bandwidth;
        const char *bytes;
    } cases[] = {{1, 0, 1, "F0F0"}, {0, 0, 1, "F0D0"}, {1, 1, 0, "F8E0"}, {0, 1, 0, "F8C0"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes);
        CodePlan plan;
        setChannel(plan, 1, u"436.12500"_s, u"D023N"_s, u"436.12500"_s, u"88.5"_s, c.power, c.forbid,
                   c.bandwidth);
        const ImageBytes image(EncodeImage(plan, zh()));
        EXPECT_EQ(image.slice(0, 16), QByteArray("00256143002561431328750") + "3" + c.bytes + "FCFF");
    }
}

TEST(ChannelCodec, shouldReproduceWhatItWritesAndCanonicaliseTheRest)
{
    ImageBytes image(EncodeImage(CodePlan(), zh()));
    // Channel records as a radio might hold them: odd fill bits in the forbid and mode bytes
    // and anything in the two constant bytes.
    image.set(
        0, {0x00, 0x25, 0x61, 0x43, 0x50, 0x37, 0x61, 0x43, 0x9E, 0x02, 0xFF, 0xFF, 0x08, 0x25, 0x00, 0x12});
    image.set(
        16, {0x75, 0x93, 0x49, 0x17, 0xFF, 0xFF, 0xFF, 0xFF, 0x13, 0xA8, 0xEC, 0x29, 0xF7, 0xDF, 0xFC, 0xFF});
    const QByteArray again = EncodeImage(decoded(image), zh());
    const ImageBytes result(again);
    EXPECT_EQ(result.slice(0, 12), image.slice(0, 12));
    EXPECT_EQ(result.slice(12, 4), "F8E0FCFF");
    EXPECT_EQ(result.slice(16, 12), image.slice(16, 12));
    EXPECT_EQ(result.slice(28, 4), "F0D0FCFF");
}

TEST(ChannelCodec, shouldWriteMalformedCellsWithoutChangingTheRecordSize)
{
    CodePlan plan;
    setChannel(plan, 1, u"438.0125"_s, u"关闭"_s, u"43x.01250"_s, u"9999.9"_s);
    plan.channels.cell(1, 5) = u"某"_s;
    plan.channels.cell(1, 6) = u"?"_s;
    const QByteArray image = EncodeImage(plan, zh());
    ASSERT_EQ(image.size(), 2 * kImageBytes);
    EXPECT_EQ(ImageBytes(image).slice(0, 16), "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF");
}

TEST(ChannelCodec, shouldRefuseImagesItCannotRead)
{
    const QByteArray good = EncodeImage(CodePlan(), zh());
    QByteArray lowerCase = good;
    lowerCase[40] = 'f';
    const QByteArray tooShort = good.left(2 * kDecodedBytes - 1);
    for (const QByteArray &image : {tooShort, lowerCase, QByteArray("zz"), QByteArray()}) {
        CodePlan plan;
        setChannel(plan, 1, u"438.00000"_s, u"关闭"_s, u"438.00000"_s, u"关闭"_s);
        const CodePlan before = plan;
        EXPECT_FALSE(DecodeImage(plan, image, zh()));
        EXPECT_EQ(plan, before);
    }
}

TEST(ChannelCodec, shouldIgnoreWhatFollowsTheDecodedBytes)
{
    CodePlan plan;
    setChannel(plan, 5, u"438.00000"_s, u"D023N"_s, u"438.00000"_s, u"67.0"_s);
    const QByteArray image = EncodeImage(plan, zh());
    CodePlan copy;
    EXPECT_TRUE(DecodeImage(copy, image.left(2 * kDecodedBytes) + QByteArray(416, 'F') + "xyz", zh()));
    EXPECT_EQ(copy.channels, plan.channels);
    EXPECT_EQ(EncodeImage(copy, zh()), image);
}
