#include "cli/chirpcsv.h"
#include "richplan.h"

#include <gtest/gtest.h>

using namespace vm280;
using namespace vm280::cli;

namespace {

const ChoiceTexts &zh()
{
    return ChoiceTexts::simplifiedChinese();
}

const QString kHeader = ChirpCsv::kHeader;

// The rows of csv read onto base (the start-up state when not given).
CodePlan readPlan(const QString &csv, const CodePlan &base = CodePlan())
{
    auto result = ChirpCsv::read(csv, base, zh());
    if (const auto *error = std::get_if<InputError>(&result)) {
        ADD_FAILURE() << error->line << ":" << error->column << ": " << error->reason.toStdString();
        return base;
    }
    return std::get<CodePlan>(result);
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
            const QString &skip = "", const QString &power = "High")
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
    EXPECT_EQ(rows[1], row("2", "451.000000", "", "0.000000", tones("DTCS"), "NFM", "5.00", "S", "Low"));
    EXPECT_EQ(rows[2],
              row("3", "452.506250", "off", "0.000000", tones("TSQL", "88.5", "254.1"), "FM", "6.25"));
    EXPECT_EQ(rows[3],
              row("5", "460.000000", "off", "0.000000",
                  tones("Cross", "88.5", "88.5", "023", "NR", "754", "->DTCS"), "FM", "5.00", "", "Low"));
    EXPECT_EQ(rows[4], row("8", "489.993750", "", "0.000000",
                           tones("Cross", "88.5", "100.0", "445", "RN", "023", "DTCS->Tone"), "NFM", "6.25"));
    EXPECT_EQ(rows[5], row("16", "450.000000", "+", "39.000000", tones(), "NFM", "5.00", "S", "Low"));
    EXPECT_EQ(CodePlan().channels, readPlan(kHeader + "\r\n").channels);
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
            "Low"),
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

TEST(ChirpCsv, shouldRefuseABadRowWithItsPosition)
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
        {"no frequency", "1,,,,,,,,,,,,FM", 4, "Frequency: no receive frequency"},
        {"transmit out of band", "1,,438,+,45,,,,,,,,FM", 10,
         "Offset: frequency 483.00000 is outside the band"},
        {"split out of band", "1,,438,split,399,,,,,,,,FM", 14, "Offset: frequency 399 is outside the band"},
        {"offset", "1,,438,-,five,,,,,,,,FM", 10, "Offset: 'five' is not a number of MHz"},
        {"duplex", "1,,438,x,,,,,,,,,FM", 8, "Duplex: 'x' is none of"},
        {"unknown tone", "1,,438,,,Tone,100.1,,,,,,FM", 15,
         "rToneFreq: tone 100.1 is not in the radio's tone list"},
        {"unknown code", "1,,438,,,DTCS,,,024,NN,,,FM", 17,
         "DtcsCode: tone D024N is not in the radio's tone list"},
        {"unknown receive code", "1,,438,,,Cross,,,023,NN,999,->DTCS,FM", 25,
         "RxDtcsCode: tone D999N is not in"},
        {"tone word", "1,,438,,,TSQL,,abc,,,,,FM", 16, "cToneFreq: 'abc' is not a tone frequency"},
        {"code digits", "1,,438,,,DTCS,,,0x3,,,,FM", 17, "DtcsCode: '0x3' is not a DCS code"},
        {"polarity", "1,,438,,,DTCS,,,023,NX,,,FM", 21, "DtcsPolarity: 'NX' is none of NN, NR, RN, RR"},
        {"tone mode", "1,,438,,,DCS,,,,,,,FM", 10, "Tone: 'DCS' is none of"},
        {"cross mode", "1,,438,,,Cross,,,,,,->,FM", 21, "CrossMode: '->' is none of"},
        {"mode", "1,,438,,,,,,,,,,AM", 17, "Mode: 'AM' is not FM or NFM"},
        {"skip", "1,,438,,,,,,,,,,FM,5.00,X", 25, "Skip: 'X' is none of"},
        {"power", "1,,438,,,,,,,,,,FM,5.00,,5.0W", 26, "Power: '5.0W' is not High or Low"},
        {"location zero", "0,,438", 1, "Location: '0' is not a channel number from 1 to 16"},
        {"location 17", "17,,438", 1, "Location: '17' is not a channel number from 1 to 16"},
        {"location word", "one,,438", 1, "Location: 'one' is not a channel number"},
        {"location missing", ",,438", 1, "Location: '' is not a channel number"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const auto result =
            ChirpCsv::read(kHeader + "\n2,,438\n" + QString::fromLatin1(r.row) + "\n", CodePlan(), zh());
        ASSERT_TRUE(std::holds_alternative<InputError>(result));
        const InputError error = std::get<InputError>(result);
        EXPECT_EQ(error.line, 3);
        EXPECT_EQ(error.column, r.column);
        EXPECT_TRUE(error.reason.startsWith(QString::fromLatin1(r.reason))) << error.reason.toStdString();
    }
}

TEST(ChirpCsv, shouldRefuseALocationGivenTwice)
{
    const auto result = ChirpCsv::read(kHeader + "\n5,,438\n6,,439\n 5,,440\n", CodePlan(), zh());
    ASSERT_TRUE(std::holds_alternative<InputError>(result));
    const InputError error = std::get<InputError>(result);
    EXPECT_EQ(error.line, 4);
    EXPECT_EQ(error.column, 1);
    EXPECT_EQ(error.reason, "Location: channel 5 is already given on line 2");
}

TEST(ChirpCsv, shouldRefuseAFileWithoutTheNeededColumns)
{
    for (const char *csv : {"", "Location,Name\n1,x\n", "Frequency\n438\n"}) {
        SCOPED_TRACE(csv);
        const auto result = ChirpCsv::read(QString::fromLatin1(csv), CodePlan(), zh());
        ASSERT_TRUE(std::holds_alternative<InputError>(result));
        EXPECT_EQ(std::get<InputError>(result).line, 1);
    }
}

TEST(ChirpCsv, shouldSkipAByteOrderMark)
{
    const CodePlan plan = readPlan(QString(QChar::ByteOrderMark) + "Location,Frequency\n1,438\n");
    EXPECT_EQ(plan.channels.cell(1, 1), "438.00000");
}
