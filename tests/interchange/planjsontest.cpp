#include "interchange/planjson.h"
#include "richplan.h"

#include "image/codec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace vm280;

namespace {

const ChoiceTexts &zh()
{
    return ChoiceTexts::simplifiedChinese();
}

CodePlan readPlan(const QByteArray &json, const CodePlan &base = CodePlan())
{
    ImportReport report;
    auto result = PlanJson::read(json, base, zh(), false, report);
    if (const auto *error = std::get_if<InputError>(&result)) {
        ADD_FAILURE() << error->line << ":" << error->column << ": " << error->reason.english.toStdString();
        return base;
    }
    return std::get<CodePlan>(result);
}

QByteArray header()
{
    return "{\"format\": \"vm280-plan\", \"version\": 1";
}

std::variant<CodePlan, InputError> readStrictly(const QByteArray &json, bool strict, ImportReport &report)
{
    return PlanJson::read(json, CodePlan(), zh(), strict, report);
}

// The image of a plan opened from image and taken back through its JSON.
QByteArray throughJson(const QByteArray &image)
{
    CodePlan opened;
    EXPECT_TRUE(DecodeImage(opened, image, zh()));
    ImportReport report;
    const auto back = PlanJson::read(PlanJson::write(opened, zh()), CodePlan(), zh(), false, report);
    if (const auto *error = std::get_if<InputError>(&back)) {
        ADD_FAILURE() << error->line << ":" << error->column << ": " << error->reason.english.toStdString();
        return {};
    }
    return EncodeImage(std::get<CodePlan>(back), zh());
}

// image with the bytes at offset replaced by hex.
QByteArray patched(QByteArray image, int offset, const QByteArray &hex)
{
    return image.replace(2 * offset, hex.size(), hex);
}

} // namespace

TEST(PlanJson, shouldReadBackEveryStoreItWrote)
{
    const CodePlan rich = test::richPlan();
    EXPECT_EQ(readPlan(PlanJson::write(rich, zh())), rich);
    EXPECT_EQ(readPlan(PlanJson::write(CodePlan(), zh()), rich), CodePlan());
}

TEST(PlanJson, shouldWriteLanguageNeutralValues)
{
    const QJsonObject root = QJsonDocument::fromJson(PlanJson::write(test::richPlan(), zh())).object();
    EXPECT_EQ(root["format"].toString(), "vm280-plan");
    EXPECT_EQ(root["version"].toInt(), 1);
    EXPECT_EQ(root["band"].toString(), "450-490MHz");
    const QJsonArray channels = root["channels"].toArray();
    ASSERT_EQ(channels.size(), 6) << "empty channels are left out";
    QList<int> numbers;
    for (const QJsonValue &channel : channels)
        numbers << channel["channel"].toInt();
    EXPECT_EQ(numbers, QList<int>({1, 2, 3, 5, 8, 16}));

    const QJsonObject first = channels[0].toObject();
    EXPECT_EQ(first["rxFrequency"].toString(), "450.01250");
    EXPECT_EQ(first["rxTone"].toString(), "off");
    EXPECT_EQ(first["txTone"].toString(), "67.0");
    EXPECT_EQ(first["power"].toString(), "high");
    EXPECT_EQ(first["forbid"].toString(), "off");
    EXPECT_EQ(first["bandwidth"].toString(), "wide");
    EXPECT_EQ(first["scanAdd"], QJsonValue(true));
    const QJsonObject second = channels[1].toObject();
    EXPECT_EQ(second["power"].toString(), "low");
    EXPECT_EQ(second["bandwidth"].toString(), "narrow");
    EXPECT_EQ(second["scanAdd"], QJsonValue(false));
    EXPECT_EQ(channels[2]["forbid"].toString(), "carrier");
    EXPECT_EQ(channels[3]["txFrequency"].toString(), "");

    EXPECT_EQ(root["selectors"]["Combo3"].toInt(), 39);
    EXPECT_EQ(root["OptionTexts"].toArray().size(), 24);
    EXPECT_EQ(root["OptionTexts"][15].toString(), "ID12345678");
    EXPECT_EQ(root["DtmfSettings"][2].toInt(), 1000);
    EXPECT_EQ(root["KeyPf1"].toInt(), 11);
    EXPECT_EQ(root["PowerTrimLow"].toInt(), 0);
    EXPECT_EQ(root["AutoDialMemories"][0].toString(), "0123456789ABCD*#");
    EXPECT_EQ(root["TestFrequencies"][5]["tx"].toString(), "438.51250");
    EXPECT_EQ(root["EmbeddedTexts"][0].toString(), QString::fromUtf8("Café (Zürich) 123456789012345678"));
}

TEST(PlanJson, shouldKeepTheBaseWhereTheDocumentIsSilent)
{
    CodePlan expected = test::richPlan();
    expected.KeyPf2 = 3;
    expected.selectors.Combo9 = 2;
    EXPECT_EQ(readPlan(header() + ", \"KeyPf2\": 3, \"selectors\": {\"Combo9\": 2}}", test::richPlan()),
              expected);
}

TEST(PlanJson, shouldReplaceTheWholeChannelTable)
{
    const CodePlan plan = readPlan(
        header() + ", \"channels\": [{\"channel\": 4, \"rxFrequency\": 451.0125}]}", test::richPlan());
    for (int row = 1; row <= ChannelTable::kRows; ++row)
        EXPECT_EQ(plan.channels.isEmpty(row), row != 4) << "row " << row;
    // A channel given by its receive frequency alone is a new channel with the editor's defaults.
    const QStringList expected{"", "451.01250", "关闭", "451.01250", "关闭", "高", "关闭", "宽带", "有"};
    for (int column = 1; column < ChannelTable::kColumns; ++column)
        EXPECT_EQ(plan.channels.cell(4, column), expected[column]);
    EXPECT_EQ(plan.OptionTexts, test::richPlan().OptionTexts);
}

TEST(PlanJson, shouldCheckChannelsAgainstTheDocumentsBand)
{
    const CodePlan plan =
        readPlan(header() + ", \"band\": \"136-174MHz\", \"channels\": [{\"channel\": 1, "
                            "\"rxFrequency\": \"145.5\", \"txTone\": \"D023N\", \"rxTone\": \"OFF\"}]}");
    EXPECT_EQ(plan.band, 5);
    EXPECT_EQ(plan.channels.cell(1, 1), "145.50000");
    EXPECT_EQ(plan.channels.cell(1, 2), "关闭");
    EXPECT_EQ(plan.channels.cell(1, 4), "D023N");
}

TEST(PlanJson, shouldRefuseWhatTheRadioCannotHoldWithItsPosition)
{
    struct Row
    {
        const char *name;
        QByteArray json;
        int line;
        int column;
        const char *reason;
    } rows[] = {
        {"malformed", "{\"format\": \"vm280-plan\",\n \"version\": 1,}", 2, 16, "malformed JSON: "},
        {"not an object", "[1]", 1, 1, "a plan is a JSON object"},
        {"other format", "{\"format\": \"x\", \"version\": 1}", 1, 12, "format: not a vm280-plan document"},
        {"no version", "{\"format\": \"vm280-plan\"}", 1, 1, "\"version\" is missing"},
        {"newer version", "{\"format\": \"vm280-plan\", \"version\": 2}", 1, 37,
         "version: only version 1 is known"},
        {"member twice", header() + ",\n \"band\": \"400-480MHz\", \"band\": \"136-174MHz\"}", 2, 24,
         "band: the member is given twice"},
        {"member twice as escaped", header() + ", \"band\": \"400-480MHz\", \"\\u0062and\": \"136-174MHz\"}",
         1, 62, "band: the member is given twice"},
        {"channel member twice",
         header() + ", \"channels\": [{\"channel\": 1, \"rxFrequency\": \"438\"},\n {\"channel\": 2, "
                    "\"power\": \"low\", \"rxFrequency\": \"439\", \"power\": \"high\"}]}",
         2, 55, "channels/1/power: the member is given twice"},
        {"test frequency member twice",
         header() + ", \"TestFrequencies\": [{}, {\"rx\": \"\", \"tx\": \"\", \"rx\": \"1\"}]}", 1, 85,
         "TestFrequencies/1/rx: the member is given twice"},
        {"unknown member", header() + ",\n \"Band\": 1}", 2, 10, "Band: unknown member \"Band\""},
        {"unknown band", header() + ", \"band\": \"400-470MHz\"}", 1, 48,
         "band: '400-470MHz' is none of the bands"},
        {"tone not storable",
         header() +
             ",\n\"channels\": [\n {\"channel\": 3, \"rxFrequency\": \"438\", \"rxTone\": \"D089N\"}]}",
         3, 49, "channel 3 rxTone: tone D089N cannot be stored in the radio"},
        {"beyond a frequency field",
         header() + ", \"channels\": [{\"channel\": 1, \"rxFrequency\": \"1000\"}]}", 1, 83,
         "channel 1 rxFrequency: frequency 1000 is not from 0 to 999.99999 MHz"},
        {"no receive frequency", header() + ", \"channels\": [{\"channel\": 1, \"rxFrequency\": \" \"}]}", 1,
         83, "channel 1 rxFrequency: no receive frequency"},
        {"transmit not numeric",
         header() + ", \"channels\": [{\"channel\": 1, \"rxFrequency\": \"438\", \"txFrequency\": \"x\"}]}",
         1, 105, "channel 1 txFrequency: frequency 'x' is not a number"},
        {"channel twice",
         header() + ", \"channels\": [{\"channel\": 2, \"rxFrequency\": \"438\"}, {\"channel\": 2, "
                    "\"rxFrequency\": \"439\"}]}",
         1, 103, "channel 2: the channel is given twice"},
        {"channel 17", header() + ", \"channels\": [{\"channel\": 17, \"rxFrequency\": \"438\"}]}", 1, 65,
         "channels/0 channel: a whole number from 1 to 16 expected"},
        {"no number", header() + ", \"channels\": [{\"rxFrequency\": \"438\"}]}", 1, 53,
         "channels/0: \"channel\" (the channel number) is missing"},
        {"no frequency", header() + ", \"channels\": [{\"channel\": 1}]}", 1, 53,
         "channel 1: \"rxFrequency\" is missing"},
        {"power word",
         header() + ", \"channels\": [{\"channel\": 1, \"rxFrequency\": \"438\", \"power\": \"max\"}]}", 1,
         99, "channel 1 power: \"low\" or \"high\" expected"},
        {"scan add word",
         header() + ", \"channels\": [{\"channel\": 1, \"rxFrequency\": \"438\", \"scanAdd\": 1}]}", 1, 101,
         "channel 1 scanAdd: true or false expected"},
        {"selector", header() + ", \"selectors\": {\"Combo3\": 40}}", 1, 64,
         "selectors/Combo3: a whole number from -1 to 39"},
        {"option count", header() + ", \"OptionTexts\": [\"1\"]}", 1, 55,
         "OptionTexts: an array of 24 entries expected"},
        {"dtmf delay", header() + ", \"DtmfSettings\": [0, 1, 255, 1, 1, 1, 0, 0]}", 1, 63,
         "DtmfSettings/2: 255 ms is not 0 or 100 to 1000 ms in steps of 10 ms"},
        {"key", header() + ", \"KeyPf1\": 12}", 1, 50, "KeyPf1: a whole number from 0 to 11 expected"},
        {"trim", header() + ", \"PowerTrimHigh\": 2.5}", 1, 57,
         "PowerTrimHigh: a whole number from 0 to 255 expected"},
        {"auto-dial",
         header() + ", \"AutoDialMemories\": [\"1\", \"2\", \"3\", \"4\", \"5\", \"6\", \"7\", \"中\"]}", 1,
         96, "AutoDialMemories/7: at most 16 characters from U+0000 to U+00FE other than ':' expected"},
        // The dial field writes the digit 0 as 0x3A, the code of ':', and ends at 0xFF: neither
        // character would come back.
        {"auto-dial colon",
         header() + ", \"AutoDialMemories\": [\"1:2\", \"2\", \"3\", \"4\", \"5\", \"6\", \"7\", \"8\"]}", 1,
         61, "AutoDialMemories/0: at most 16 characters from U+0000 to U+00FE other than ':' expected"},
        {"auto-dial y with diaeresis",
         header() + ", \"AutoDialMemories\": [\"1\", \"2\u00FF\", \"3\", \"4\", \"5\", \"6\", \"7\", \"8\"]}",
         1, 66, "AutoDialMemories/1: at most 16 characters from U+0000 to U+00FE other than ':' expected"},
        {"transmit start code y with diaeresis",
         header() +
             ", \"OptionTexts\": [\"1\", \"1\", \"1\", \"1\", \"1\", \"1\", \"1\", \"1\", \"1\", \"1\", "
             "\"0\", \"1\", \"1\", \"1\", \"1\", \"\", \"1\u00FF\", \"2\", \"\", \"\", \"1\", \"1\", \"1\", "
             "\"1\"]}",
         1, 135, "OptionTexts/16: at most 16 characters from U+0000 to U+00FE expected"},
        {"embedded", header() + ", \"EmbeddedTexts\": [\"\", \"123456789012345678901234567890123\"]}", 1, 62,
         "EmbeddedTexts/1: at most 32 characters"},
        // The byte 0xFF ends an embedded line: U+00FF would vanish on the way back.
        {"embedded y with diaeresis", header() + ", \"EmbeddedTexts\": [\"a\u00FFb\", \"\"]}", 1, 58,
         "EmbeddedTexts/0: at most 32 characters from U+0000 to U+00FE expected"},
        {"test frequency",
         header() + ", \"TestFrequencies\": [" + QByteArray("{}, ").repeated(15) + "{\"tx\": \"abc\"}]}", 1,
         127, "TestFrequencies/15/tx: frequency 'abc' is not a number"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ImportReport report;
        const auto result = readStrictly(row.json, false, report);
        ASSERT_TRUE(std::holds_alternative<InputError>(result));
        const InputError error = std::get<InputError>(result);
        EXPECT_TRUE(error.reason.english.startsWith(QString::fromUtf8(row.reason)))
            << error.reason.english.toStdString();
        EXPECT_EQ(error.line, row.line);
        EXPECT_EQ(error.column, row.column);
    }
}

TEST(PlanJson, shouldRefuseOptionTextsOutsideTheirLists)
{
    struct Row
    {
        int entry;
        const char *text;
        bool accepted;
    } rows[] = {
        {OptionSlot::PttId, "2", true},
        {OptionSlot::PttId, "3", false},
        {OptionSlot::PreferredChannel, "16", true},
        {OptionSlot::PreferredChannel, "0", false},
        {OptionSlot::RetraceTimeA, "91", true},
        {OptionSlot::RetraceTimeA, "92", false},
        {OptionSlot::Duplicate, "1", true},
        {OptionSlot::Duplicate, "x", false},
        {OptionSlot::ScanReceiveDelay, "", true},
        {OptionSlot::ScanReceiveDelay, "300", true},
        {OptionSlot::ScanReceiveDelay, "301", false},
        {OptionSlot::ScanLaunchDelay, "-1", true},
        {OptionSlot::IdCode, "ABCDEFGHIJ", true},
        {OptionSlot::IdCode, "ABCDEFGHIJK", false},
        {OptionSlot::TxStartCode, "1234567890123456", true},
        {OptionSlot::TxEndCode, "中", false},
        {0, "anything", true},
        {21, "", true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(QString("entry %1 '%2'").arg(row.entry).arg(QString::fromUtf8(row.text)).toStdString());
        QJsonArray options;
        for (int i = 0; i < 24; ++i)
            options.append(i == row.entry ? QString::fromUtf8(row.text) : CodePlan().OptionTexts[i]);
        const QByteArray json = header() + ", \"OptionTexts\": " + QJsonDocument(options).toJson() + "}";
        ImportReport report;
        EXPECT_EQ(std::holds_alternative<CodePlan>(readStrictly(json, false, report)), row.accepted);
    }
}

TEST(PlanJson, shouldGiveTheSameImageForAPlanOpenedFromAnImage)
{
    // What a .DAT file holds survives the trip: a decoded plan, written and read back, encodes
    // to the same bytes.
    CodePlan opened;
    ASSERT_TRUE(DecodeImage(opened, EncodeImage(test::richPlan(), zh()), zh()));
    EXPECT_EQ(EncodeImage(readPlan(PlanJson::write(opened, zh())), zh()), EncodeImage(opened, zh()));
}

TEST(PlanJson, shouldGiveTheSameImageForImagesTheEditorCouldNotHaveMade)
{
    // An unprogrammed radio holds 0xFF everywhere; a radio that was read may hold anything.
    const QByteArray blank(2 * kImageBytes, 'F');
    const QByteArray rich = EncodeImage(test::richPlan(), zh());
    struct Row
    {
        const char *name;
        int offset;
        QByteArray hex;
    } rows[] = {
        {"typed CTCSS tone 100.1", 0, "0000804300008043E903E903"},
        {"typed DCS codes D533N and D533I", 0, "00008043000080435B295BA9"},
        {"out of the band", 0, "0000601300006013"},
        {"off the raster", 0, "0010804300108043"},
        {"raw digits", 0, "F3F2514AFFFFFFFF"},
        {"code without bit 11 (D23N) and CTCSS 500.0", 0, "000080430000804313208813"},
        {"codes at 0x8000 and above", 0, "0000804300008043FEFF00B0"},
        {"test frequency half programmed", 624, "00FFFFFF00000005"},
        {"test frequency off the raster", 632, "00108043"},
        {"band code unknown", 429, "77"},
        {"every setting byte unprogrammed", 256, QByteArray(2 * 112, 'F')},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        for (const QByteArray &image :
             {patched(blank, row.offset, row.hex), patched(rich, row.offset, row.hex)}) {
            CodePlan opened;
            ASSERT_TRUE(DecodeImage(opened, image, zh()));
            EXPECT_EQ(throughJson(image), EncodeImage(opened, zh()));
        }
    }
}

TEST(PlanJson, shouldWarnAboutWhatTheEditorWouldNotTakeAndRefuseItWhenStrict)
{
    struct Row
    {
        const char *name;
        QByteArray channel;
        int column;
        const char *warning;
    } rows[] = {
        {"unlisted tone", "{\"channel\": 2, \"rxFrequency\": \"438\", \"txTone\": \"100.1\"}", 100,
         "channel 2 txTone: tone 100.1 is not in the radio's tone list"},
        {"out of band", "{\"channel\": 2, \"rxFrequency\": \"480\"}", 83,
         "channel 2 rxFrequency: frequency 480.00000 is outside the band 400-480MHz"},
        {"off the raster", "{\"channel\": 2, \"rxFrequency\": \"438.0010\"}", 83,
         "channel 2 rxFrequency: frequency 438.00100 is off the 5 / 6.25 kHz raster"},
        {"raw digits", "{\"channel\": 2, \"rxFrequency\": \"438\", \"txFrequency\": \"4A5.1F2F3\"}", 105,
         "channel 2 txFrequency: '4A5.1F2F3' holds raw memory digits, not a frequency"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QByteArray json = header() + ", \"channels\": [" + row.channel + "]}";
        ImportReport report;
        const auto taken = readStrictly(json, false, report);
        ASSERT_TRUE(std::holds_alternative<CodePlan>(taken));
        ASSERT_EQ(report.notes.size(), 1);
        EXPECT_EQ(report.notes[0].kind, ImportNote::Warning);
        EXPECT_EQ(report.notes[0].text.english, QString::fromLatin1(row.warning));
        EXPECT_EQ(report.notes[0].line, 1);
        EXPECT_EQ(report.notes[0].column, row.column);
        EXPECT_EQ(report.imported, 1);

        ImportReport strictReport;
        const auto refused = readStrictly(json, true, strictReport);
        ASSERT_TRUE(std::holds_alternative<InputError>(refused));
        EXPECT_EQ(std::get<InputError>(refused).reason.english, QString::fromLatin1(row.warning));
        EXPECT_EQ(std::get<InputError>(refused).column, row.column);
        EXPECT_TRUE(strictReport.notes.isEmpty());
    }
}

TEST(PlanJson, shouldRefuseADocumentOfFarMoreValuesThanAnyPlanBeforeParsingIt)
{
    QByteArray json = header() + ", \"channels\": [\n";
    for (int i = 0; i < 5000; ++i)
        json += "{\"channel\": 1, \"rxFrequency\": \"438\"},\n";
    ImportReport report;
    const auto result = readStrictly(json + "{}]}", false, report);
    ASSERT_TRUE(std::holds_alternative<InputError>(result));
    const InputError error = std::get<InputError>(result);
    EXPECT_EQ(error.reason.english, "more than 10000 values, far more than any plan holds");
    EXPECT_EQ(error.line, 3333);
    // Commas and brackets inside strings are no values.
    const QByteArray text =
        header() + ", \"EmbeddedTexts\": [\"\\\"" + QByteArray(",[{").repeated(5000) + "\", \"\"]}";
    const auto wide = readStrictly(text, false, report);
    ASSERT_TRUE(std::holds_alternative<InputError>(wide));
    EXPECT_TRUE(
        std::get<InputError>(wide).reason.english.startsWith("EmbeddedTexts/0: at most 32 characters"));
}
