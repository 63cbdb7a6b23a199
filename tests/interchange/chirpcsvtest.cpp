#include "interchange/chirpcsv.h"
#include "richplan.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vm280;

namespace {

const ChoiceTexts &zh()
{
    return ChoiceTexts::simplifiedChinese();
}

const QString kHeader = ChirpCsv::kHeader;

// The rows of csv read onto base (the start-up state when not given).
CodePlan readPlan(const QString &csv, const CodePlan &base = CodePlan(), const ImportOptions &options = {},
                  ImportReport *report = nullptr)
{
    ImportReport own;
    auto result = ChirpCsv::read(csv, base, options, zh(), report ? *report : own);
    if (const auto *error = std::get_if<InputError>(&result)) {
        ADD_FAILURE() << error->line << ":" << error->column << ": " << error->reason.english.toStdString();
        return base;
    }
    return std::get<CodePlan>(result);
}

// The refusal of csv.
InputError refusal(const QString &csv, const ImportOptions &options = {})
{
    ImportReport report;
    auto result = ChirpCsv::read(csv, CodePlan(), options, zh(), report);
    if (!std::holds_alternative<InputError>(result)) {
        ADD_FAILURE() << "the file was taken";
        return {};
    }
    return std::get<InputError>(result);
}

QString fixture(const char *name)
{
    QFile file(QString::fromUtf8(VM280_TEST_DATA "/interchange/") + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return QString::fromUtf8(file.readAll());
}

ImportOptions locations(int first, int last)
{
    ImportOptions options;
    options.locations = LocationList{{{first, last}}};
    return options;
}

ImportOptions band(BandChoice::Kind kind, int index = 0)
{
    ImportOptions options;
    options.band = {kind, index};
    return options;
}

// The receive frequencies of the programmed channels, in channel order.
QStringList frequencies(const CodePlan &plan)
{
    QStringList list;
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        if (!plan.channels.isEmpty(row))
            list << plan.channels.cell(row, 1);
    }
    return list;
}

// The data rows of the CSV a plan exports.
QStringList exportedRows(const CodePlan &plan)
{
    QStringList lines = QString::fromUtf8(ChirpCsv::write(plan, zh())).split("\r\n");
    EXPECT_EQ(lines.takeFirst(), kHeader);
    EXPECT_EQ(lines.takeLast(), "") << "every line ends in CR LF";
    return lines;
}

// A row as CHIRP writes it, from the columns that matter here.
QString row(const QString &location, const QString &frequency, const QString &duplex, const QString &offset,
            const QString &tones, const QString &mode = "FM", const QString &step = "5.00",
            const QString &skip = "", const QString &power = "5.0W")
{
    return QStringList{location, "",    frequency, duplex, offset, tones, mode, step,
                       skip,     power, "",        "",     "",     "",    ""}
        .join(u',');
}

// Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode with CHIRP's defaults.
QString tones(const QString &tone = "", const QString &rTone = "88.5", const QString &cTone = "88.5",
              const QString &dtcs = "023", const QString &polarity = "NN", const QString &rxDtcs = "023",
              const QString &cross = "Tone->Tone")
{
    return QStringList{tone, rTone, cTone, dtcs, polarity, rxDtcs, cross}.join(u',');
}

} // namespace

TEST(ChirpCsv, shouldWriteCHIRPsHeaderAndOnlyProgrammedChannels)
{
    const QStringList rows = exportedRows(test::richPlan());
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0], row("1", "450.012500", "+", "5.000000", tones("Tone", "67.0"), "FM", "6.25"));
    EXPECT_EQ(rows[1], row("2", "451.000000", "", "0.000000", tones("DTCS"), "NFM", "5.00", "S", "1.0W"));
    EXPECT_EQ(rows[2],
              row("3", "452.506250", "off", "0.000000", tones("TSQL", "88.5", "254.1"), "FM", "6.25"));
    EXPECT_EQ(rows[3],
              row("5", "460.000000", "off", "0.000000",
                  tones("Cross", "88.5", "88.5", "023", "NR", "754", "->DTCS"), "FM", "5.00", "", "1.0W"));
    EXPECT_EQ(rows[4], row("8", "489.993750", "", "0.000000",
                           tones("Cross", "88.5", "100.0", "445", "RN", "023", "DTCS->Tone"), "NFM", "6.25"));
    EXPECT_EQ(rows[5], row("16", "450.000000", "+", "39.000000", tones(), "NFM", "5.00", "S", "1.0W"));
}

TEST(ChirpCsv, shouldRoundTripEveryToneKindAndDuplex)
{
    const QString rows[] = {
        row("1", "438.000000", "", "0.000000", tones()),
        row("2", "438.012500", "+", "5.000000", tones("Tone", "67.0"), "FM", "6.25"),
        row("3", "438.000000", "-", "7.600000", tones("TSQL", "88.5", "254.1")),
        row("4", "400.000000", "split", "475.000000", tones("DTCS", "88.5", "88.5", "754", "NN")),
        row("5", "479.993750", "split", "400.000000", tones("DTCS", "88.5", "88.5", "023", "NR"), "FM",
            "6.25"),
        row("6", "438.000000", "off", "0.000000", tones("DTCS", "88.5", "88.5", "445", "RN")),
        row("7", "438.000000", "", "0.000000", tones("DTCS", "88.5", "88.5", "026", "RR"), "NFM", "5.00", "S",
            "1.0W"),
        row("8", "438.000000", "", "0.000000",
            tones("Cross", "67.0", "100.0", "023", "NN", "023", "Tone->Tone")),
        row("9", "438.000000", "", "0.000000", tones("Cross", "88.5", "88.5", "065", "RN", "023", "DTCS->")),
        row("10", "438.000000", "", "0.000000", tones("Cross", "88.5", "88.5", "023", "NR", "131", "->DTCS")),
        row("11", "438.000000", "", "0.000000",
            tones("Cross", "71.9", "88.5", "023", "NR", "131", "Tone->DTCS")),
        row("12", "438.000000", "", "0.000000",
            tones("Cross", "88.5", "77.0", "612", "RN", "023", "DTCS->Tone")),
        row("13", "438.000000", "", "0.000000",
            tones("Cross", "88.5", "203.5", "023", "NN", "023", "->Tone")),
        row("14", "438.000000", "", "0.000000",
            tones("Cross", "88.5", "88.5", "023", "RN", "754", "DTCS->DTCS")),
        row("15", "438.000000", "", "0.000000",
            tones("Cross", "88.5", "88.5", "023", "NN", "023", "DTCS->DTCS")),
    };
    QString csv = kHeader + "\r\n";
    for (const QString &line : rows)
        csv += line + "\r\n";
    QStringList exported = exportedRows(readPlan(csv));
    ASSERT_EQ(exported.size(), int(std::size(rows)));
    for (int i = 0; i < exported.size() - 1; ++i)
        EXPECT_EQ(exported[i], rows[i]);
    // The same code both ways is plain DTCS, whatever CrossMode said.
    EXPECT_EQ(exported.last(), row("15", "438.000000", "", "0.000000", tones("DTCS")));
}

TEST(ChirpCsv, shouldPutTonesIntoTheChannelCells)
{
    struct Row
    {
        const char *tones;
        const char *rx;
        const char *tx;
    } rows[] = {
        {",88.5,88.5,023,NN,023,Tone->Tone", "关闭", "关闭"},
        {"Tone,67.0,88.5,023,NN,023,Tone->Tone", "关闭", "67.0"},
        {"TSQL,67.0,100,023,NN,023,Tone->Tone", "100.0", "100.0"},
        {"DTCS,88.5,88.5,23,RN,754,Tone->Tone", "D023N", "D023I"},
        {"Cross,67.0,88.5,023,NN,023,Tone->", "关闭", "67.0"},
        {"Cross,67.0,254.1,023,NR,754,->DTCS", "D754I", "关闭"},
        {"Cross,67.0,254.1,731,RN,754,DTCS->Tone", "254.1", "D731I"},
        {"cross,67.0,254.1,731,rn,754,dtcs->dtcs", "D754N", "D731I"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.tones);
        const CodePlan plan =
            readPlan(kHeader + "\n1,,438,,," + QString::fromLatin1(r.tones) + ",FM,5.00,,High,,,,,\n");
        EXPECT_EQ(plan.channels.cell(1, 2), QString::fromUtf8(r.rx));
        EXPECT_EQ(plan.channels.cell(1, 4), QString::fromUtf8(r.tx));
    }
}

TEST(ChirpCsv, shouldReadColumnsByNameAndTakeDefaultsForTheMissing)
{
    const CodePlan plan =
        readPlan("Power,Extra,Frequency,Location,Skip\r\nlow,?,450.5,16,S\r\n\r\n,,401,2,\r\n");
    const QStringList sixteen{"", "450.50000", "关闭", "450.50000", "关闭", "低", "关闭", "宽带", "无"};
    const QStringList two{"", "401.00000", "关闭", "401.00000", "关闭", "高", "关闭", "宽带", "有"};
    for (int column = 1; column < ChannelTable::kColumns; ++column) {
        EXPECT_EQ(plan.channels.cell(16, column), sixteen[column]);
        EXPECT_EQ(plan.channels.cell(2, column), two[column]);
    }
}

TEST(ChirpCsv, shouldReplaceOnlyTheChannelsOfTheBase)
{
    const CodePlan base = test::richPlan();
    const CodePlan plan = readPlan(kHeader + "\n3,,489.5,,,,,,,,,,NFM\n", base);
    for (int row = 1; row <= ChannelTable::kRows; ++row)
        EXPECT_EQ(plan.channels.isEmpty(row), row != 3) << "row " << row;
    EXPECT_EQ(plan.channels.cell(3, 7), "窄带");
    CodePlan settingsOnly = plan;
    settingsOnly.channels = base.channels;
    EXPECT_EQ(settingsOnly, base);
}

TEST(ChirpCsv, shouldSkipARowTheRadioCannotTakeWithItsPositionOrRefuseItWhenStrict)
{
    struct Row
    {
        const char *name;
        const char *row;
        int column;
        const char *reason;
    } rows[] = {
        {"out of band", "1,,480.0,,,,,,,,,,FM", 4,
         "Frequency: frequency 480.0 is outside the band 400-480MHz"},
        {"not a number", "1,,abc,,,,,,,,,,FM", 4, "Frequency: frequency 'abc' is not a number"},
        {"no frequency", "1,,,,,,,,,,,,FM", 4, "Frequency: no frequency"},
        {"transmit out of band", "1,,438,+,45,,,,,,,,FM", 10,
         "Offset: frequency 483.00000 is outside the band 400-480MHz"},
        {"split out of band", "1,,438,split,399,,,,,,,,FM", 14, "Offset: frequency 399 is outside the band"},
        {"offset", "1,,438,-,five,,,,,,,,FM", 10, "Offset: 'five' is not a number of MHz"},
        {"duplex", "1,,438,x,,,,,,,,,FM", 8, "Duplex: 'x' is none of"},
        {"tone out of range", "1,,438,,,Tone,300,,,,,,FM", 15,
         "rToneFreq: tone 300 is outside 67.0 to 254.1 Hz"},
        {"code not octal", "1,,438,,,DTCS,,,089,NN,,,FM", 17, "DtcsCode: '089' is not a DCS code"},
        {"receive code not octal", "1,,438,,,Cross,,,023,NN,999,->DTCS,FM", 25,
         "RxDtcsCode: '999' is not a DCS code"},
        {"tone word", "1,,438,,,TSQL,,abc,,,,,FM", 16, "cToneFreq: 'abc' is not a tone frequency"},
        {"code digits", "1,,438,,,DTCS,,,0x3,,,,FM", 17, "DtcsCode: '0x3' is not a DCS code"},
        {"polarity", "1,,438,,,DTCS,,,023,NX,,,FM", 21, "DtcsPolarity: 'NX' is none of NN, NR, RN, RR"},
        {"tone mode", "1,,438,,,DCS,,,,,,,FM", 10, "Tone: 'DCS' is none of"},
        {"cross mode", "1,,438,,,Cross,,,,,,->,FM", 21, "CrossMode: '->' is none of"},
        {"AM", "1,,438,,,,,,,,,,AM", 17, "Mode: AM cannot be programmed into this radio"},
        {"DV", "1,,438,,,,,,,,,,DV", 17, "Mode: DV cannot be programmed into this radio"},
        {"location zero", "0,,438", 1, "Location: 0 is not a channel from 1 to 16"},
        {"location 17", "17,,438", 1, "Location: 17 is not a channel from 1 to 16"},
        {"location word", "one,,438", 1, "Location: 'one' is not a location number"},
        {"location missing", ",,438", 1, "Location: '' is not a location number"},
        {"location twice", " 2,,439", 1, "Location: channel 2 is already given on line 2"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const QString csv = kHeader + "\n2,,438\n" + QString::fromLatin1(r.row) + "\n";
        ImportReport report;
        const CodePlan plan = readPlan(csv, CodePlan(), {}, &report);
        EXPECT_EQ(frequencies(plan), QStringList{"438.00000"});
        EXPECT_EQ(report.imported, 1);
        EXPECT_EQ(report.skipped, 1);
        ASSERT_EQ(report.notes.size(), 1);
        EXPECT_EQ(report.notes[0].kind, ImportNote::Skipped);
        EXPECT_EQ(report.notes[0].line, 3);
        EXPECT_EQ(report.notes[0].column, r.column);
        EXPECT_TRUE(report.notes[0].text.english.startsWith(QString::fromLatin1(r.reason)))
            << report.notes[0].text.english.toStdString();

        ImportOptions strict;
        strict.strict = true;
        const InputError error = refusal(csv, strict);
        EXPECT_EQ(error.line, 3);
        EXPECT_EQ(error.column, r.column);
        EXPECT_EQ(error.reason.english, report.notes[0].text.english);
    }
}

TEST(ChirpCsv, shouldWarnAboutValuesItTakesOtherwiseThanTheyStand)
{
    struct Row
    {
        const char *name;
        const char *row;
        int column;
        const char *warning;
        int cell;
        const char *text;
    } rows[] = {
        {"off the raster", "1,,438.013,,,,,,,,,,FM", 4,
         "Frequency: frequency 438.013 is off the raster, snapped down to 438.01250", 1, "438.01250"},
        {"unlisted tone", "1,,438,,,Tone,100.1,,,,,,FM", 15,
         "rToneFreq: tone 100.1 is not in the radio's tone list", 4, "100.1"},
        {"unlisted code", "1,,438,,,DTCS,,,533,NR,,,FM", 17,
         "DtcsCode: tone D533N is not in the radio's tone list", 4, "D533N"},
        {"skip word", "1,,438,,,,,,,,,,FM,5.00,X", 25, "Skip: 'X' is none of \"\", S, P", 8, "有"},
        {"power word", "1,,438,,,,,,,,,,FM,5.00,,Mid", 26, "Power: 'Mid' is neither High, Low nor watts", 5,
         "高"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const QString csv = kHeader + "\n" + QString::fromLatin1(r.row) + "\n";
        ImportReport report;
        const CodePlan plan = readPlan(csv, CodePlan(), {}, &report);
        EXPECT_EQ(plan.channels.cell(1, r.cell), QString::fromUtf8(r.text));
        ASSERT_FALSE(report.notes.isEmpty());
        EXPECT_EQ(report.notes[0].kind, ImportNote::Warning);
        EXPECT_EQ(report.notes[0].line, 2);
        EXPECT_EQ(report.notes[0].column, r.column);
        EXPECT_TRUE(report.notes[0].text.english.startsWith(QString::fromLatin1(r.warning)))
            << report.notes[0].text.english.toStdString();
        EXPECT_EQ(report.skipped, 0);

        ImportOptions strict;
        strict.strict = true;
        EXPECT_EQ(refusal(csv, strict).column, r.column);
    }
}

TEST(ChirpCsv, shouldReadPowerInWattsToTheNearerLevel)
{
    const CodePlan plan = readPlan(fixture("mixed-bands.csv"), CodePlan(), band(BandChoice::Fixed, 5));
    // 50W, 5.0W, 2W; the 70 cm rows do not fit the 2 m band.
    EXPECT_EQ(plan.channels.cell(1, 5), "高");
    EXPECT_EQ(plan.channels.cell(2, 5), "高");
    EXPECT_EQ(plan.channels.cell(3, 5), "低");
}

TEST(ChirpCsv, shouldTakeTheLocationsOfARangeIntoChannelsOneToSixteen)
{
    // Sixty-nine LPD rows, PMR 1 to 16 at Locations 71-78 and 81-88, airband AM, D-STAR and 2 m.
    const QString list = fixture("eu-lpd-pmr.csv");
    ImportReport report;
    const CodePlan pmr = readPlan(list, CodePlan(), locations(71, 88), &report);
    const QStringList channels = frequencies(pmr);
    ASSERT_EQ(channels.size(), 16);
    EXPECT_EQ(channels.first(), "446.00625");
    EXPECT_EQ(channels[7], "446.09375");
    EXPECT_EQ(channels[8], "446.10625");
    EXPECT_EQ(channels.last(), "446.19375");
    EXPECT_EQ(pmr.channels.cell(1, 5), "低") << "0.5 W is the low level";
    EXPECT_EQ(pmr.channels.cell(1, 7), "窄带");
    EXPECT_EQ(report.imported, 16);
    EXPECT_EQ(report.skipped, 74);
    EXPECT_EQ(report.summary(), "imported 16 channels, skipped 74 rows");
    EXPECT_EQ(report.notes.first().text.english, "Location: 1 is outside the locations taken, 71-88");
    EXPECT_EQ(report.notes.first().line, 2);

    // Without a range the Location is the channel: LPD 1 to 16.
    ImportReport plain;
    const QStringList lpd = frequencies(readPlan(list, CodePlan(), {}, &plain));
    ASSERT_EQ(lpd.size(), 16);
    EXPECT_EQ(lpd.first(), "433.07500");
    EXPECT_EQ(lpd.last(), "433.45000");
    EXPECT_EQ(plain.skipped, 74);
    EXPECT_EQ(plain.notes.last().text.english, "Location: 94 is not a channel from 1 to 16");
}

TEST(ChirpCsv, shouldTakeTheRowsOfEveryRangeOfAList)
{
    ImportOptions options;
    options.locations = LocationList::parse(u"71-78,81-88");
    ImportReport report;
    const CodePlan pmr = readPlan(fixture("eu-lpd-pmr.csv"), CodePlan(), options, &report);
    const QStringList channels = frequencies(pmr);
    ASSERT_EQ(channels.size(), 16);
    EXPECT_EQ(channels.first(), "446.00625");
    EXPECT_EQ(channels.last(), "446.19375");
    EXPECT_EQ(report.summary(), "imported 16 channels, skipped 74 rows");
    EXPECT_EQ(report.notes.first().text.english, "Location: 1 is outside the locations taken, 71-78,81-88");
    EXPECT_EQ(report.notes[69].text.english, "Location: 90 is outside the locations taken, 71-78,81-88");
}

TEST(ChirpCsv, shouldPlaceFromTheChannelGivenAndKeepTheOthersOnlyWhenAsked)
{
    // A list numbered from 0: in file order every Location is an ordinary row.
    const QString csv = kHeader + "\n0,,470\n25,,471\n26,,472\n";
    const CodePlan base = test::richPlan();
    ImportOptions options;
    options.firstChannel = 9;
    options.band = {BandChoice::Fixed, 1};
    const CodePlan emptied = readPlan(csv, base, options);
    EXPECT_EQ(frequencies(emptied), QStringList({"470.00000", "471.00000", "472.00000"}));
    EXPECT_EQ(emptied.channels.cell(9, 1), "470.00000");
    EXPECT_EQ(emptied.channels.cell(11, 1), "472.00000");

    options.keep = true;
    const CodePlan kept = readPlan(csv, base, options);
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        if (row < 9 || row > 11) {
            EXPECT_EQ(kept.channels.cells[row - 1], base.channels.cells[row - 1]) << row;
        }
    }
    EXPECT_EQ(kept.channels.cell(10, 1), "471.00000");

    // From channel 15 only two rows fit; the third is skipped.
    options.firstChannel = 15;
    ImportReport report;
    const CodePlan late = readPlan(csv, base, options, &report);
    EXPECT_EQ(late.channels.cell(16, 1), "471.00000");
    EXPECT_EQ(late.channels.cell(8, 1), base.channels.cell(8, 1));
    ASSERT_EQ(report.notes.size(), 1);
    EXPECT_EQ(report.notes[0].text.english, "Location: channels 15 to 16 are taken by earlier rows");
}

TEST(ChirpCsv, shouldSkipImportableRowsBeyondTheSixteenth)
{
    ImportReport report;
    const CodePlan plan = readPlan(fixture("eu-lpd-pmr.csv"), CodePlan(), locations(1, 94), &report);
    EXPECT_EQ(frequencies(plan).size(), 16);
    EXPECT_EQ(frequencies(plan).last(), "433.45000");
    EXPECT_EQ(report.notes.first().text.english, "Location: all 16 channels are taken by earlier rows");
    EXPECT_EQ(report.notes.first().line, 18);
    // The AM and DV rows take no channel; the 2 m rows do not fit the band.
    EXPECT_EQ(report.notes[69].text.english,
              "Mode: AM cannot be programmed into this radio, which has FM (wide) and NFM "
              "(narrow) only");
}

TEST(ChirpCsv, shouldChooseTheBandHoldingTheMostRows)
{
    ImportReport report;
    const CodePlan plan =
        readPlan(fixture("mixed-bands.csv"), CodePlan(), band(BandChoice::Automatic), &report);
    EXPECT_EQ(plan.band, 5);
    EXPECT_EQ(report.bandRows, 3);
    EXPECT_EQ(frequencies(plan), QStringList({"145.50000", "145.60000", "145.72500"}));
    EXPECT_EQ(plan.channels.cell(2, 3), "145.00000");
    EXPECT_EQ(plan.channels.cell(3, 2), "123.0");
    EXPECT_EQ(report.skipped, 2);

    // A tie goes to the lower index: 400-480MHz before 400-430MHz.
    const QString uhf = "Location,Frequency\n1,410\n2,420\n";
    EXPECT_EQ(readPlan(uhf, CodePlan(), band(BandChoice::Automatic)).band, 0);
    // A band given by the caller wins over the base's.
    CodePlan base;
    base.band = 6;
    EXPECT_EQ(readPlan(uhf, base, band(BandChoice::Fixed, 2)).band, 2);
    EXPECT_EQ(readPlan(uhf, base, band(BandChoice::Automatic)).band, 0);
}

TEST(ChirpCsv, shouldReadAnOlderLayoutAsCHIRPDoes)
{
    // Bank and Bank Index, no RxDtcsCode, CrossMode or Power, and only rToneFreq.
    ImportReport report;
    const CodePlan plan = readPlan(fixture("old-layout.csv"), CodePlan(), {}, &report);
    EXPECT_TRUE(report.notes.isEmpty());
    EXPECT_EQ(frequencies(plan), QStringList({"438.50000", "439.12500", "433.45000"}));
    EXPECT_EQ(plan.channels.cell(1, 2), "103.5") << "TSQL takes the only tone column";
    EXPECT_EQ(plan.channels.cell(1, 4), "103.5");
    EXPECT_EQ(plan.channels.cell(2, 3), "431.52500");
    EXPECT_EQ(plan.channels.cell(2, 4), "67.0");
    EXPECT_EQ(plan.channels.cell(2, 8), "无");
    EXPECT_EQ(plan.channels.cell(3, 2), "D125I");
    EXPECT_EQ(plan.channels.cell(3, 4), "D125N");
    EXPECT_EQ(plan.channels.cell(3, 5), "高") << "no Power column: the first level";

    // Cross without RxDtcsCode takes DtcsCode for the receive side.
    const CodePlan cross = readPlan("Location,Frequency,Tone,DtcsCode,DtcsPolarity,CrossMode\n"
                                    "1,438,Cross,754,NR,DTCS->DTCS\n");
    EXPECT_EQ(cross.channels.cell(1, 2), "D754I");
    EXPECT_EQ(cross.channels.cell(1, 4), "D754N");
}

TEST(ChirpCsv, shouldRefuseAFileWithoutOneImportableRow)
{
    for (const QString &csv : {fixture("no-channels.csv"), kHeader + "\r\n"}) {
        ImportReport report;
        const auto result = ChirpCsv::read(csv, CodePlan(), {}, zh(), report);
        ASSERT_TRUE(std::holds_alternative<InputError>(result));
        EXPECT_EQ(std::get<InputError>(result).line, 0);
        EXPECT_EQ(std::get<InputError>(result).reason.english,
                  "no row of the file can be programmed into the radio");
        EXPECT_EQ(report.imported, 0);
    }
}

TEST(ChirpCsv, shouldNeverGiveTransmitBackToAForbiddenChannel)
{
    CodePlan plan = readPlan(kHeader + "\n1,,438,+,5,,,,,,,,FM\n");
    plan.channels.cell(1, 6) = zh().forbid[1];
    const QStringList exported = exportedRows(plan);
    ASSERT_EQ(exported.size(), 1);
    EXPECT_EQ(exported[0].section(u',', 3, 4), "off,0.000000");
    const CodePlan back = readPlan(kHeader + "\n" + exported[0] + "\n");
    EXPECT_EQ(back.channels.cell(1, 6), "载波");
}

TEST(ChirpCsv, shouldRefuseAFileWithoutTheNeededColumns)
{
    for (const char *csv : {"", "Location,Name\n1,x\n", "Frequency\n438\n"}) {
        SCOPED_TRACE(csv);
        EXPECT_EQ(refusal(QString::fromLatin1(csv)).line, 1);
    }
}

TEST(ChirpCsv, shouldSkipAByteOrderMark)
{
    const CodePlan plan = readPlan(QString(QChar::ByteOrderMark) + "Location,Frequency\n1,438\n");
    EXPECT_EQ(plan.channels.cell(1, 1), "438.00000");
}
