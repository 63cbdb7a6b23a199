#include "imagetestutil.h"

#include "image/codec.h"

#include <functional>
#include <gtest/gtest.h>

using namespace vm280;
using namespace vm280::test;
using namespace Qt::StringLiterals;

namespace {

const ChoiceTexts &zh()
{
    return ChoiceTexts::simplifiedChinese();
}

ImageBytes encoded(const CodePlan &plan)
{
    return ImageBytes(EncodeImage(plan, zh()));
}

CodePlan decodedOver(CodePlan plan, const ImageBytes &image)
{
    EXPECT_TRUE(DecodeImage(plan, image.hex(), zh()));
    return plan;
}

} // namespace

TEST(SettingsCodec, shouldEncodeTheStartUpConfiguration)
{
    const ImageBytes image = encoded(CodePlan());
    const struct
    {
        int offset;
        int value;
    } bytes[] = {{287, 0x01}, {288, 0x02}, {289, 0x00}, {292, 0x05}, {293, 0x01}, {294, 0x01},
                 {269, 0x0A}, {270, 0x00}, {371, 0xD0}, {376, 0x5C}, {291, 0x00}, {302, 0xFF},
                 {336, 0x00}, {337, 0x01}, {338, 0x01}, {429, 0x33}, {828, 0x33}, {430, 0xF8}};
    for (const auto &b : bytes)
        EXPECT_EQ(image.at(b.offset), b.value) << "offset " << b.offset;
    EXPECT_EQ(image.slice(256, 8), "0001000101010000");
    EXPECT_EQ(image.slice(272, 10), "FFFFFFFFFFFFFFFFFFFF") << "an empty ID code";
    EXPECT_EQ(image.slice(304, 2), "31FF") << "TX start code 1";
    EXPECT_EQ(image.slice(320, 2), "32FF") << "TX end code 2";
    EXPECT_EQ(image.slice(341, 4), "00000000") << "empty delays count 0";
    EXPECT_EQ(image.slice(424, 5), "54525A3238");
    EXPECT_EQ(image.slice(496, 16), "31FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF");
    EXPECT_EQ(image.slice(816, 32), "54525A50323830FFFFFFFFFF33FFFFFF35383231343733398888888888888888");
}

TEST(SettingsCodec, shouldFillEveryUnusedByteWithFF)
{
    const ImageBytes image = encoded(CodePlan());
    for (auto [first, last] : {std::pair{264, 268},
                               {271, 271},
                               {282, 286},
                               {301, 301},
                               {303, 303},
                               {345, 365},
                               {368, 370},
                               {372, 375},
                               {377, 423},
                               {431, 495},
                               {823, 827},
                               {829, 831}}) {
        for (int offset = first; offset <= last; ++offset)
            EXPECT_EQ(image.at(offset), 0xFF) << "offset " << offset;
    }
}

// Each row: a byte written into an image over a plan whose field holds a non-default value,
// and what the field must then read.
struct DecodeCase
{
    const char *name;
    int offset;
    std::initializer_list<int> bytes;
    std::function<QString(const CodePlan &)> field;
    const char16_t *expected;
};

TEST(SettingsCodec, shouldAcceptInRangeBytesAndKeepOutOfRangeOnes)
{
    const auto option = [](int entry) { return [entry](const CodePlan &p) { return p.OptionTexts[entry]; }; };
    const auto dtmf = [](int entry) {
        return [entry](const CodePlan &p) { return QString::number(p.DtmfSettings[entry]); };
    };
    const auto number = [](auto member) {
        return [member](const CodePlan &p) { return QString::number(p.*member); };
    };
    const auto selector = [](int FunctionSelectors::*member) {
        return [member](const CodePlan &p) { return QString::number(p.selectors.*member); };
    };
    const DecodeCase cases[] = {
        {"time-out last entry", 288, {0x28}, selector(&FunctionSelectors::Combo3), u"39"},
        {"time-out 0x29 ignored", 288, {0x29}, selector(&FunctionSelectors::Combo3), u"7"},
        {"time-out 0 leaves no selection", 288, {0x00}, selector(&FunctionSelectors::Combo3), u"-1"},
        {"language 2", 287, {0x02}, selector(&FunctionSelectors::Combo2), u"2"},
        {"language 3 ignored", 287, {0x03}, selector(&FunctionSelectors::Combo2), u"0"},
        {"warn 10", 289, {0x0A}, selector(&FunctionSelectors::Combo4), u"10"},
        {"warn 11 ignored", 289, {0x0B}, selector(&FunctionSelectors::Combo4), u"3"},
        {"squelch 10 ignored", 292, {0x0A}, selector(&FunctionSelectors::Combo9), u"2"},
        {"battery save 2 ignored", 293, {0x02}, selector(&FunctionSelectors::Combo6), u"0"},
        {"beep 0", 294, {0x00}, selector(&FunctionSelectors::Combo7), u"0"},
        {"PF1 11", 269, {0x0B}, number(&CodePlan::KeyPf1), u"11"},
        {"PF1 12 ignored", 269, {0x0C}, number(&CodePlan::KeyPf1), u"4"},
        {"PF2 FF ignored", 270, {0xFF}, number(&CodePlan::KeyPf2), u"4"},
        {"PTT ID 2", 290, {0x02}, option(OptionSlot::PttId), u"2"},
        {"PTT ID 3 ignored", 290, {0x03}, option(OptionSlot::PttId), u"7"},
        {"VOX gain 10", 298, {0x0A}, option(OptionSlot::VoxGain), u"10"},
        {"VOX delay 6 ignored", 299, {0x06}, option(OptionSlot::VoxDelay), u"7"},
        {"duplicate FE", 302, {0xFE}, option(OptionSlot::Duplicate), u"0"},
        {"duplicate FF", 302, {0xFF}, option(OptionSlot::Duplicate), u"1"},
        {"duplicate only bit 0", 302, {0x01}, option(OptionSlot::Duplicate), u"1"},
        {"priority 3 ignored", 336, {0x03}, option(OptionSlot::Priority), u"7"},
        {"preferred channel 16", 337, {0x10}, option(OptionSlot::PreferredChannel), u"16"},
        {"preferred channel 0 ignored", 337, {0x00}, option(OptionSlot::PreferredChannel), u"7"},
        {"preferred channel 17 ignored", 337, {0x11}, option(OptionSlot::PreferredChannel), u"7"},
        {"retrace A 91", 338, {0x5B}, option(OptionSlot::RetraceTimeA), u"91"},
        {"retrace A FF is Empty", 338, {0xFF}, option(OptionSlot::RetraceTimeA), u"0"},
        {"retrace B 92 ignored", 339, {0x5C}, option(OptionSlot::RetraceTimeB), u"7"},
        {"return channel 4 ignored", 340, {0x04}, option(OptionSlot::ReturnChannel), u"7"},
        {"receive delay 300", 341, {0x2C, 0x01}, option(OptionSlot::ScanReceiveDelay), u"300"},
        {"receive delay 301 ignored", 341, {0x2D, 0x01}, option(OptionSlot::ScanReceiveDelay), u"7"},
        {"receive delay unprogrammed", 341, {0xFF, 0xFF}, option(OptionSlot::ScanReceiveDelay), u"-1"},
        {"launch delay negative", 343, {0x00, 0x80}, option(OptionSlot::ScanLaunchDelay), u"-32768"},
        {"cancel operation 2 ignored", 295, {0x02}, option(OptionSlot::CancelOperation), u"7"},
        {"banned VOX 0", 296, {0x00}, option(OptionSlot::ReceivedBannedVox), u"0"},
        {"DTMF rate 4 ignored", 256, {0x04}, dtmf(0), u"3"},
        {"first digit delay 250 ms", 258, {0x19}, dtmf(2), u"250"},
        {"first digit delay 0x05 ignored", 258, {0x05}, dtmf(2), u"3"},
        {"first digit delay 0x65 ignored", 258, {0x65}, dtmf(2), u"3"},
        {"first digit delay 1000 ms", 258, {0x64}, dtmf(2), u"1000"},
        {"D key 16", 260, {0x10}, dtmf(4), u"16"},
        {"D key 17 ignored", 260, {0x11}, dtmf(4), u"3"},
        {"group call digit", 262, {0x33}, dtmf(6), u"3"},
        {"group call 00", 262, {0x00}, dtmf(6), u"0"},
        {"group call FF", 262, {0xFF}, dtmf(6), u"0"},
        {"group call non-digit ignored", 262, {0x41}, dtmf(6), u"3"},
        {"auto reset 16 ignored", 263, {0x10}, dtmf(7), u"3"},
        {"power trim any value", 371, {0xFF}, number(&CodePlan::PowerTrimHigh), u"255"},
        {"low power trim", 376, {0x00}, number(&CodePlan::PowerTrimLow), u"0"},
        {"band code 01", 429, {0x01}, number(&CodePlan::band), u"5"},
        {"band code 99 ignored", 429, {0x99}, number(&CodePlan::band), u"3"},
    };
    CodePlan before;
    before.selectors = {0, 7, 3, 2, 0, 1};
    before.KeyPf1 = 4;
    before.KeyPf2 = 4;
    before.band = 3;
    for (QString &text : before.OptionTexts)
        text = u"7"_s;
    before.DtmfSettings.fill(3);
    const ImageBytes base = encoded(before);
    for (const DecodeCase &c : cases) {
        SCOPED_TRACE(c.name);
        ImageBytes image = base;
        image.set(c.offset, c.bytes);
        CodePlan start = before;
        start.OptionTexts.fill(u"7"_s);
        start.selectors = before.selectors;
        EXPECT_EQ(c.field(decodedOver(start, image)), QString::fromUtf16(c.expected));
    }
}

TEST(SettingsCodec, shouldEncodeSettingValues)
{
    CodePlan plan;
    plan.selectors.Combo3 = 39;
    plan.OptionTexts[OptionSlot::RetraceTimeA] = u"0"_s;
    plan.OptionTexts[OptionSlot::RetraceTimeB] = u"91"_s;
    plan.OptionTexts[OptionSlot::ScanReceiveDelay] = u"300"_s;
    plan.OptionTexts[OptionSlot::ScanLaunchDelay] = u"-1"_s;
    plan.OptionTexts[OptionSlot::Duplicate] = u"0"_s;
    plan.DtmfSettings[2] = 250;
    plan.DtmfSettings[6] = 3;
    plan.band = 5;
    const ImageBytes image = encoded(plan);
    EXPECT_EQ(image.at(288), 0x28);
    EXPECT_EQ(image.at(338), 0xFF) << "retrace time Empty";
    EXPECT_EQ(image.at(339), 0x5B);
    EXPECT_EQ(image.slice(341, 4), "2C01FFFF");
    EXPECT_EQ(image.at(302), 0xFE);
    EXPECT_EQ(image.at(258), 0x19);
    EXPECT_EQ(image.at(262), 0x33);
    EXPECT_EQ(image.at(429), 0x01);
    EXPECT_EQ(image.at(828), 0x01);
}

TEST(SettingsCodec, shouldWriteValuesThatDoNotFitAByteAsFF)
{
    CodePlan plan;
    plan.selectors.Combo2 = -1;
    plan.selectors.Combo3 = -1;
    plan.KeyPf1 = 300;
    plan.OptionTexts[OptionSlot::PttId] = u"-1"_s;
    plan.OptionTexts[OptionSlot::ScanReceiveDelay] = u"70000"_s;
    plan.DtmfSettings[6] = -1;
    const QByteArray hex = EncodeImage(plan, zh());
    ASSERT_EQ(hex.size(), 2 * kImageBytes);
    const ImageBytes image(hex);
    EXPECT_EQ(image.at(287), 0xFF);
    EXPECT_EQ(image.at(288), 0x00) << "no time-out selection is index -1, stored as 0";
    EXPECT_EQ(image.at(269), 0xFF);
    EXPECT_EQ(image.at(290), 0xFF);
    EXPECT_EQ(image.slice(341, 2), "FFFF");
    EXPECT_EQ(image.at(262), '-');
}

TEST(SettingsCodec, shouldRoundTripTheIdCodeIncludingUnprogrammedBytes)
{
    ImageBytes image = encoded(CodePlan());
    const CodePlan plan = decodedOver(CodePlan(), image);
    EXPECT_EQ(plan.OptionTexts[OptionSlot::IdCode], QString(10, QChar(0xFF)));
    EXPECT_EQ(encoded(plan).slice(272, 10), "FFFFFFFFFFFFFFFFFFFF");
    image.set(272, {'A', 'B', 0xFF, 'C'});
    EXPECT_EQ(decodedOver(CodePlan(), image).OptionTexts[OptionSlot::IdCode],
              u"AB\u00FFC"_s + QString(6, QChar(0xFF)));
}

TEST(SettingsCodec, shouldSkipUnprogrammedBytesInsideCodes)
{
    ImageBytes image = encoded(CodePlan());
    image.set(304, {'1', 0xFF, '2', '3'});
    image.set(320, {0xFF, 'A'});
    const CodePlan plan = decodedOver(CodePlan(), image);
    EXPECT_EQ(plan.OptionTexts[OptionSlot::TxStartCode], u"123"_s);
    EXPECT_EQ(plan.OptionTexts[OptionSlot::TxEndCode], u"A"_s);
}

TEST(SettingsCodec, shouldCutTextsToTheirFields)
{
    CodePlan plan;
    plan.OptionTexts[OptionSlot::IdCode] = u"ABCDEFGHIJKL"_s;
    plan.OptionTexts[OptionSlot::TxStartCode] = u"12345678901234567890"_s;
    plan.EmbeddedTexts[0] = QString(40, u'x');
    const ImageBytes image = encoded(plan);
    const CodePlan back = decodedOver(CodePlan(), image);
    EXPECT_EQ(back.OptionTexts[OptionSlot::IdCode], u"ABCDEFGHIJ"_s);
    EXPECT_EQ(back.OptionTexts[OptionSlot::TxStartCode], u"1234567890123456"_s);
    EXPECT_EQ(back.EmbeddedTexts[0], QString(32, u'x'));
}

TEST(SettingsCodec, shouldWriteCharactersWithoutASingleByteFormAsQuestionMarks)
{
    CodePlan plan;
    plan.EmbeddedTexts[1] = u"Ab中\U0001F600é"_s;
    plan.AutoDialMemories[0] = u"1中"_s;
    const QByteArray hex = EncodeImage(plan, zh());
    ASSERT_EQ(hex.size(), 2 * kImageBytes);
    const ImageBytes image(hex);
    EXPECT_EQ(image.slice(784, 6), "41623F3FE9FF");
    EXPECT_EQ(image.slice(496, 3), "313FFF");
}

TEST(SettingsCodec, shouldStoreDialZeroAs3A)
{
    CodePlan plan;
    plan.AutoDialMemories[2] = u"0123*#AD"_s;
    ImageBytes image = encoded(plan);
    EXPECT_EQ(image.slice(528, 16), "3A3132332A234144FFFFFFFFFFFFFFFF");
    image.set(544, {0x30, 0xFF, 0x39});
    const CodePlan back = decodedOver(CodePlan(), image);
    EXPECT_EQ(back.AutoDialMemories[2], u"0123*#AD"_s);
    EXPECT_EQ(back.AutoDialMemories[3], u"09"_s) << "0x30 reads as 0; unprogrammed bytes close up";
    EXPECT_EQ(encoded(back).at(544), 0x3A);
}

TEST(SettingsCodec, shouldRoundTripTestFrequencies)
{
    CodePlan plan;
    plan.TestFrequencies[0][0] = u"136.00000"_s;
    plan.TestFrequencies[0][15] = u"438.01250"_s;
    plan.TestFrequencies[1][15] = u"439.00000"_s;
    const ImageBytes image = encoded(plan);
    EXPECT_EQ(image.slice(624, 8), "00006013FFFFFFFF");
    EXPECT_EQ(image.slice(744, 8), "5012804300009043");
    EXPECT_EQ(decodedOver(CodePlan(), image).TestFrequencies, plan.TestFrequencies);
}

TEST(SettingsCodec, shouldRoundTripAFullPlan)
{
    CodePlan plan;
    setChannel(plan, 1, u"436.12500"_s, u"67.0"_s, u"436.12500"_s, u"D023I"_s, 0, 1, 0, 0);
    setChannel(plan, 16, u"470.00625"_s, u"关闭"_s, u"475.00000"_s, u"254.1"_s);
    plan.band = 0;
    plan.selectors = {2, 39, 10, 9, 0, 0};
    plan.OptionTexts = {u"1"_s,     u"1"_s,    u"1"_s,   u"2"_s,  u"1"_s,  u"0"_s, u"10"_s, u"5"_s,
                        u"0"_s,     u"0"_s,    u"2"_s,   u"16"_s, u"91"_s, u"1"_s, u"3"_s,  u"ID12345678"_s,
                        u"*123#"_s, u"ABCD"_s, u"300"_s, u"-1"_s, u"1"_s,  u"1"_s, u"0"_s,  u"0"_s};
    plan.DtmfSettings = {3, 3, 1000, 2, 16, 0, 6, 15};
    plan.KeyPf1 = 11;
    plan.KeyPf2 = 3;
    plan.PowerTrimHigh = 255;
    plan.PowerTrimLow = 0;
    plan.AutoDialMemories[7] = u"0123456789ABCD*#"_s;
    plan.TestFrequencies[1][3] = u"438.00000"_s;
    plan.EmbeddedTexts = {u"Line one"_s, QString(32, u'z')};
    CodePlan back;
    ASSERT_TRUE(DecodeImage(back, EncodeImage(plan, zh()), zh()));
    EXPECT_EQ(back, plan);
}

TEST(SettingsCodec, shouldReadTheRadiosIdentificationWhereItIsText)
{
    const QByteArray encoded = EncodeImage(CodePlan(), ChoiceTexts::simplifiedChinese());
    EXPECT_EQ(ImageIdentification(encoded), u"TRZP280 58214739"_s);
    const struct
    {
        const char *name;
        QByteArray image;
        QString expected;
    } cases[] = {
        {"an erased memory", ImageBytes().hex(), {}},
        {"another number", ImageBytes(encoded).set(832, {'A', 'B', '1', '2', '3', '4', '5', '6'}).hex(),
         u"TRZP280 AB123456"_s},
        {"a number with a byte that is no text", ImageBytes(encoded).set(835, {0x07}).hex(), u"TRZP280"_s},
        {"a model string padded with spaces",
         ImageBytes(encoded).set(816, {'V', 'M', ' ', ' ', ' ', ' ', ' '}).hex(), u"VM 58214739"_s},
        {"a read image of 1024 bytes", encoded + QByteArray(2 * 176, 'F'), u"TRZP280 58214739"_s},
        {"cut short before the block", encoded.first(2 * 820), {}},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ImageIdentification(row.image), row.expected);
    }
}
