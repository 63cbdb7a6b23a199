#include "clirunner.h"
#include "scopedenvironment.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vm280::test;

namespace {

const QString kRichPlan = QString::fromUtf8(VM280_TEST_DATA "/rich.DAT");
const QString kRadioRead = QString::fromUtf8(VM280_TEST_DATA "/interchange/radio-read.DAT");

QString fixture(const char *name)
{
    return QString::fromUtf8(VM280_TEST_DATA "/interchange/") + QString::fromLatin1(name);
}
const QString kCsvHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

class ExchangeCommands : public testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A file where no file can be written, even by root: its folder is a regular file.
    QString unwritablePath()
    {
        EXPECT_TRUE(writeBytes(path("folder"), "not a folder"));
        return path("folder/out");
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(ExchangeCommands, shouldGiveBackTheSameFileThroughJson)
{
    const QStringList plans{kRichPlan,
                            QString::fromUtf8(VM280_TEST_DATA "/link/plan-uhf.DAT"),
                            QString::fromUtf8(VM280_TEST_DATA "/link/plan-vhf.DAT"),
                            QString::fromUtf8(VM280_TEST_DATA "/link/memory-pattern.DAT"),
                            QString::fromUtf8(VM280_TEST_DATA "/../../samples/sample.DAT"),
                            kRadioRead};
    for (const QString &plan : plans) {
        SCOPED_TRACE(plan.toStdString());
        const CliRun exported = runCli({"export", plan, "--format", "json", "-o", path("plan.json")});
        ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
        const CliRun imported = runCli({"import", path("plan.json"), "-o", path("plan.DAT")});
        ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
        // The file as the tool saves the plan it opened.
        ASSERT_EQ(runCli({"convert", plan, path("saved.DAT")}).exitCode, 0);
        EXPECT_EQ(fileBytes(path("plan.DAT")), fileBytes(path("saved.DAT")));
    }
    EXPECT_EQ(fileBytes(path("plan.DAT")).size(), 853);
    EXPECT_EQ(fileBytes(kRichPlan), [&] {
        runCli({"export", kRichPlan, "--format", "json", "-o", path("rich.json")});
        runCli({"import", path("rich.json"), "-o", path("rich.DAT")});
        return fileBytes(path("rich.DAT"));
    }()) << "a file the tool saved comes back byte for byte";
}

TEST_F(ExchangeCommands, shouldWarnAboutARadiosOddValuesAndRefuseThemWhenStrict)
{
    ASSERT_EQ(runCli({"export", kRadioRead, "--format", "json", "-o", path("radio.json")}).exitCode, 0);
    const CliRun lenient = runCli({"import", path("radio.json"), "-o", path("plan.DAT")});
    EXPECT_EQ(lenient.exitCode, 0) << lenient.err.toStdString();
    for (const char *warning : {"warning: channel 1 rxTone: tone 100.1 is not in the radio's tone list",
                                "warning: channel 1 txTone: tone D533N is not in the radio's tone list",
                                "warning: channel 1 txFrequency: frequency 480.50000 is outside the band",
                                "warning: channel 2 rxFrequency: '4A5.1F2F3' holds raw memory digits",
                                "warning: TestFrequencies/0/rx: 'FFF.FFF00' holds raw memory digits"})
        EXPECT_TRUE(lenient.err.contains(QString::fromLatin1(warning))) << warning;
    EXPECT_FALSE(lenient.err.contains("imported")) << "a JSON plan has no rows to count";

    const CliRun strict = runCli({"import", path("radio.json"), "--strict", "-o", path("strict.DAT")});
    EXPECT_EQ(strict.exitCode, 2);
    EXPECT_TRUE(strict.err.contains(QRegularExpression(
        "radio.json:\\d+:28: channel 1 rxFrequency: frequency 438.01300 is off the 5 / 6.25 kHz raster")))
        << strict.err.toStdString();
    EXPECT_EQ(strict.err.count(u'\n'), 1);
    EXPECT_FALSE(QFile::exists(path("strict.DAT")));
}

TEST_F(ExchangeCommands, shouldExportToStandardOutputWithoutAFile)
{
    const CliRun json = runCli({"export", kRichPlan, "--format", "json"});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    EXPECT_TRUE(json.out.contains("\"format\": \"vm280-plan\""));
    const CliRun csv = runCli({"export", kRichPlan, "--format", "csv"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    EXPECT_TRUE(csv.out.startsWith(kCsvHeader + "\r\n1,,450.012500,+,5.000000,Tone,67.0,"));
    EXPECT_EQ(csv.out.count("\r\n"), 7);
}

TEST_F(ExchangeCommands, shouldKeepTheBaseSettingsWhenImportingCsv)
{
    ASSERT_EQ(runCli({"export", kRichPlan, "--format", "csv", "-o", path("channels.csv")}).exitCode, 0);
    const CliRun imported =
        runCli({"import", path("channels.csv"), "--base", kRichPlan, "-o", path("plan.DAT")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    // The channels come back as they were written; every setting is the base's.
    EXPECT_EQ(runCli({"export", path("plan.DAT"), "--format", "csv"}).out.toUtf8(),
              fileBytes(path("channels.csv")));
    QJsonObject before =
        QJsonDocument::fromJson(runCli({"export", kRichPlan, "--format", "json"}).out.toUtf8()).object();
    QJsonObject after =
        QJsonDocument::fromJson(runCli({"export", path("plan.DAT"), "--format", "json"}).out.toUtf8())
            .object();
    EXPECT_EQ(before.take("channels").toArray().size(), after.take("channels").toArray().size());
    EXPECT_EQ(before, after);

    // Without a base the channels land in the start-up plan, whose band two rows do not fit.
    const CliRun startUp = runCli({"import", path("channels.csv"), "-o", path("new.DAT")});
    EXPECT_EQ(startUp.exitCode, 0);
    EXPECT_TRUE(startUp.err.contains(
        "channels.csv:6:4: skipped: Frequency: frequency 489.993750 is outside the band 400-480MHz"))
        << startUp.err.toStdString();
    EXPECT_TRUE(startUp.err.endsWith("vm280-cli: imported 4 channels, skipped 2 rows\n"))
        << startUp.err.toStdString();
    const CliRun chosen = runCli({"import", path("channels.csv"), "--band", "auto", "-o", path("auto.DAT")});
    EXPECT_EQ(chosen.exitCode, 0);
    EXPECT_TRUE(chosen.err.contains("band 450-490MHz chosen: it holds 6 importable rows"))
        << chosen.err.toStdString();
    EXPECT_TRUE(chosen.err.contains("imported 6 channels, skipped 0 rows"));
}

TEST_F(ExchangeCommands, shouldImportAListNumberedBeyondSixteen)
{
    const CliRun run =
        runCli({"import", fixture("eu-lpd-pmr.csv"), "--locations", "71-88", "-o", path("pmr.DAT")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(
        run.err.contains("eu-lpd-pmr.csv:2:1: skipped: Location: 1 is outside the locations taken, 71-88"));
    EXPECT_TRUE(
        run.err.contains("eu-lpd-pmr.csv:87:1: skipped: Location: 90 is outside the locations taken"));
    EXPECT_TRUE(run.err.endsWith("vm280-cli: imported 16 channels, skipped 74 rows\n"))
        << run.err.toStdString();
    const QStringList rows = runCli({"export", path("pmr.DAT"), "--format", "csv"}).out.split("\r\n");
    ASSERT_EQ(rows.size(), 18);
    EXPECT_TRUE(rows[1].startsWith("1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,1.0W"))
        << rows[1].toStdString();
    EXPECT_TRUE(rows[16].startsWith("16,,446.193750,")) << rows[16].toStdString();
}

TEST_F(ExchangeCommands, shouldTakeTheRangesOfALocationListInFileOrder)
{
    const CliRun run = runCli({"import", fixture("eu-lpd-pmr.csv"), "--locations", "5-6, 81-82", "--to", "3",
                               "-o", path("mixed.DAT")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("eu-lpd-pmr.csv:2:1: skipped: Location: 1 is outside the locations taken, "
                                 "5-6,81-82"))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith("vm280-cli: imported 4 channels, skipped 86 rows\n"))
        << run.err.toStdString();
    const QStringList rows = runCli({"export", path("mixed.DAT"), "--format", "csv"}).out.split("\r\n");
    ASSERT_EQ(rows.size(), 6);
    // LPD 5 and 6, then PMR 9 and 10, from channel 3 on.
    EXPECT_TRUE(rows[1].startsWith("3,,433.175000,")) << rows[1].toStdString();
    EXPECT_TRUE(rows[2].startsWith("4,,433.200000,")) << rows[2].toStdString();
    EXPECT_TRUE(rows[3].startsWith("5,,446.106250,")) << rows[3].toStdString();
    EXPECT_TRUE(rows[4].startsWith("6,,446.118750,")) << rows[4].toStdString();
}

TEST_F(ExchangeCommands, shouldPlaceAListFromZeroOrTwentyFiveAndKeepTheBaseWhenAsked)
{
    ASSERT_TRUE(writeBytes(path("from0.csv"), "Location,Frequency\n0,451\n1,452\n"));
    ASSERT_TRUE(writeBytes(path("from25.csv"), "Location,Frequency\n25,453\n26,454\n"));
    // By Location, the first list loses its row 0 and the second has no channel at all.
    const CliRun byLocation = runCli({"import", path("from0.csv"), "--band", "1", "-o", path("a.DAT")});
    EXPECT_TRUE(byLocation.err.contains("from0.csv:2:1: skipped: Location: 0 is not a channel from 1 to 16"))
        << byLocation.err.toStdString();
    EXPECT_EQ(runCli({"import", path("from25.csv"), "-o", path("b.DAT")}).exitCode, 2);

    ASSERT_EQ(
        runCli({"import", path("from0.csv"), "--to", "1", "--base", kRichPlan, "-o", path("c.DAT")}).exitCode,
        0);
    const QString emptied = runCli({"export", path("c.DAT"), "--format", "csv"}).out;
    EXPECT_EQ(emptied.count("\r\n"), 3) << emptied.toStdString();
    EXPECT_TRUE(emptied.contains("\r\n1,,451.000000,")) << emptied.toStdString();
    EXPECT_TRUE(emptied.contains("\r\n2,,452.000000,")) << emptied.toStdString();

    const CliRun kept = runCli(
        {"import", path("from25.csv"), "--to", "15", "--keep", "--base", kRichPlan, "-o", path("d.DAT")});
    ASSERT_EQ(kept.exitCode, 0) << kept.err.toStdString();
    const QStringList rows = runCli({"export", path("d.DAT"), "--format", "csv"}).out.split("\r\n");
    const QStringList rich = runCli({"export", kRichPlan, "--format", "csv"}).out.split("\r\n");
    // The rich plan's channels 1, 2, 3, 5 and 8 stay; 15 and 16 are the list's.
    ASSERT_EQ(rows.size(), 9);
    EXPECT_EQ(rows.mid(0, 6), rich.mid(0, 6));
    EXPECT_TRUE(rows[6].startsWith("15,,453.000000,")) << rows[6].toStdString();
    EXPECT_TRUE(rows[7].startsWith("16,,454.000000,")) << rows[7].toStdString();
}

TEST_F(ExchangeCommands, shouldWriteNothingWhenNoRowCanBeImported)
{
    const CliRun run = runCli({"import", fixture("no-channels.csv"), "-o", path("out.DAT")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("no-channels.csv:3:14: skipped: Mode: DV cannot be programmed"))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("imported 0 channels, skipped 3 rows"));
    EXPECT_TRUE(run.err.endsWith("no-channels.csv: no row of the file can be programmed into the radio\n"));
    EXPECT_FALSE(QFile::exists(path("out.DAT")));
}

TEST_F(ExchangeCommands, shouldRefuseAFileFarLargerThanAnyChannelList)
{
    QFile file(path("huge.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(16 * 1024 * 1024 + 1));
    file.close();
    const CliRun run = runCli({"import", path("huge.csv"), "-o", path("out.DAT")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("huge.csv: the file is larger than 16 MiB")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("out.DAT")));
}

TEST_F(ExchangeCommands, shouldSkipABadRowOrRefuseItWhenStrict)
{
    struct Row
    {
        const char *name;
        const char *row;
        const char *message;
    } rows[] = {
        {"out of band", "3,,480.5,,,,,,,,,,FM",
         "in.csv:3:4: Frequency: frequency 480.5 is outside the band 400-480MHz"},
        {"unknown tone", "3,,438,,,Tone,100.1,,,,,,FM",
         "in.csv:3:15: rToneFreq: tone 100.1 is not in the radio's tone list"},
        {"bad mode", "3,,438,,,,,,,,,,AM", "in.csv:3:17: Mode: AM cannot be programmed into this radio"},
        {"bad location", "x,,438", "in.csv:3:1: Location: 'x' is not a location number"},
        {"duplicate location", "1,,439", "in.csv:3:1: Location: channel 1 is already given on line 2"},
        {"line break in a field", "\"3\n4\",,438", "in.csv:3:1: Location: '3\\n4' is not a location number"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(writeBytes(path("in.csv"),
                               (kCsvHeader + "\n1,,438\n" + QString::fromLatin1(row.row) + "\n").toUtf8()));
        const CliRun strict = runCli({"import", path("in.csv"), "--strict", "-o", path("out.DAT")});
        EXPECT_EQ(strict.exitCode, 2);
        EXPECT_TRUE(strict.err.contains(QString::fromLatin1(row.message))) << strict.err.toStdString();
        EXPECT_EQ(strict.err.count(u'\n'), 1) << "one line";
        EXPECT_FALSE(QFile::exists(path("out.DAT")));

        const CliRun lenient = runCli({"import", path("in.csv"), "-o", path("out.DAT")});
        EXPECT_EQ(lenient.exitCode, 0);
        // Skipped, or for the tone taken with a warning, at the same place.
        EXPECT_TRUE(lenient.err.contains(QString::fromLatin1(row.message).section(u' ', 0, 0)))
            << lenient.err.toStdString();
        EXPECT_TRUE(QFile::remove(path("out.DAT")));
    }
    ASSERT_TRUE(writeBytes(path("in.csv"), (kCsvHeader + "\n1,,438\n3,\"abc\n").toUtf8()));
    const CliRun malformed = runCli({"import", path("in.csv"), "-o", path("out.DAT")});
    EXPECT_EQ(malformed.exitCode, 2);
    EXPECT_TRUE(malformed.err.contains("in.csv:3:3: the quoted field has no closing quote"))
        << malformed.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("out.DAT")));
}

TEST_F(ExchangeCommands, shouldLeaveAnExistingTargetAloneOnBadInput)
{
    ASSERT_TRUE(writeBytes(path("out.DAT"), "keep"));
    ASSERT_TRUE(
        writeBytes(path("in.json"), "{\"format\": \"vm280-plan\", \"version\": 1,\n \"KeyPf1\": 99}"));
    const CliRun run = runCli({"import", path("in.json"), "-o", path("out.DAT")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("in.json:2:12: KeyPf1: a whole number from 0 to 11 expected"))
        << run.err.toStdString();
    EXPECT_EQ(fileBytes(path("out.DAT")), "keep");

    ASSERT_TRUE(writeBytes(path("bad.json"), "{\"format\": "));
    const CliRun malformed = runCli({"import", path("bad.json"), "-o", path("out.DAT")});
    EXPECT_EQ(malformed.exitCode, 2);
    EXPECT_TRUE(malformed.err.contains("bad.json:1:12: malformed JSON")) << malformed.err.toStdString();
}

TEST_F(ExchangeCommands, shouldRefuseFilesThatAreNoPlan)
{
    ASSERT_TRUE(writeBytes(path("wrong.DAT"), "TRZ29" + QByteArray(848, '\xFF')));
    ASSERT_TRUE(writeBytes(path("short.DAT"), fileBytes(kRichPlan).left(820)));
    ASSERT_TRUE(writeBytes(path("in.csv"), (kCsvHeader + "\n1,,438\n").toUtf8()));
    const QList<QStringList> commands{
        {"show", path("wrong.DAT")},
        {"export", path("wrong.DAT"), "--format", "csv"},
        {"import", path("in.csv"), "--base", path("wrong.DAT"), "-o", path("out.DAT")},
        {"show", path("short.DAT"), "--lang", "en"},
        {"export", path("short.DAT"), "--format", "json"},
    };
    for (const QStringList &arguments : commands) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains("Document type not to open.")) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(path("out.DAT")));
}

TEST_F(ExchangeCommands, shouldReportFileFailures)
{
    ASSERT_TRUE(writeBytes(path("in.csv"), (kCsvHeader + "\n1,,438\n").toUtf8()));
    const QList<QStringList> commands{
        {"show", path("missing.DAT")},
        {"export", path("missing.DAT"), "--format", "json"},
        {"import", path("missing.json"), "-o", path("out.DAT")},
        {"import", path("in.csv"), "--base", path("missing.DAT"), "-o", path("out.DAT")},
        {"export", kRichPlan, "--format", "csv", "-o", unwritablePath()},
        {"import", path("in.csv"), "-o", unwritablePath()},
    };
    for (const QStringList &arguments : commands) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 3);
        // One line for the failure, after the summary of an import that worked.
        EXPECT_EQ(run.err.count(u'\n') - run.err.count("vm280-cli: imported "), 1) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("out.DAT")));
}

TEST_F(ExchangeCommands, shouldReportUsageErrors)
{
    ASSERT_TRUE(writeBytes(path("in.txt"), "Location,Frequency\n1,438\n"));
    const QList<QStringList> commands{
        {"exprot", kRichPlan},
        {"show"},
        {"show", kRichPlan, "--lang", "fr"},
        {"export", kRichPlan},
        {"export", kRichPlan, "--format", "xml"},
        {"import", path("in.txt"), "-o", path("out.DAT")},
        {"import", path("in.csv")},
        {"import", "-o", path("out.DAT")},
        {"import", path("in.json"), "--band", "5", "-o", path("out.DAT")},
        {"import", path("in.json"), "--locations", "1-16", "-o", path("out.DAT")},
        {"import", path("in.csv"), "--band", "7", "-o", path("out.DAT")},
        {"import", path("in.csv"), "--band", "2m", "-o", path("out.DAT")},
        {"import", path("in.csv"), "--locations", "88-71", "-o", path("out.DAT")},
        {"import", path("in.csv"), "--locations", "1-8,", "-o", path("out.DAT")},
        {"import", path("in.csv"), "--to", "0", "-o", path("out.DAT")},
        {"import", path("in.csv"), "--to", "17", "-o", path("out.DAT")},
        {"import", path("in.csv"), "--to", "x", "-o", path("out.DAT")},
        {"import", path("in.json"), "--to", "1", "-o", path("out.DAT")},
        {"import", path("in.json"), "--keep", "-o", path("out.DAT")},
    };
    for (const QStringList &arguments : commands) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(path("out.DAT")));
}

TEST_F(ExchangeCommands, shouldShowCaptionsAndValuesInBothLanguages)
{
    const CliRun en = runCli({"show", kRichPlan, "--lang", "en"});
    ASSERT_EQ(en.exitCode, 0) << en.err.toStdString();
    for (const char *text : {"Model  450-490MHz", "Hight", "Carrow", "Narrow", "Have", "Language:",
                             "VOX GBIN", "TX-Hight Power", "Delete temporary", "Retrace Time A", "5.00 S"})
        EXPECT_TRUE(en.out.contains(QString::fromUtf8(text))) << text;

    const CliRun zh = runCli({"show", kRichPlan});
    ASSERT_EQ(zh.exitCode, 0) << zh.err.toStdString();
    for (const char *text :
         {"机型选择  450-490MHz", "语言通知", "载波", "窄带", "高", "发射功率-高", "暂时删除", "600 秒"})
        EXPECT_TRUE(zh.out.contains(QString::fromUtf8(text))) << text;
    EXPECT_FALSE(zh.out.contains("Hight"));

    ASSERT_EQ(runCli({"new", "-o", path("new.DAT")}).exitCode, 0);
    const CliRun fresh = runCli({"show", path("new.DAT"), "--lang", "zh"});
    EXPECT_TRUE(fresh.out.startsWith(QString::fromUtf8("机型选择  400-480MHz\n"))) << fresh.out.toStdString();
}

TEST_F(ExchangeCommands, shouldShowTraditionalChineseAsTheSimplifiedReportConverted)
{
    const CliRun zh = runCli({"show", kRichPlan});
    const CliRun hant = runCli({"show", kRichPlan, "--lang", "zh-Hant"});
    ASSERT_EQ(hant.exitCode, 0) << hant.err.toStdString();
    EXPECT_TRUE(hant.err.isEmpty()) << hant.err.toStdString();
    for (const char *text : {"機型選擇  450-490MHz", "接收頻率", "載波", "窄帶", "寬帶", "關閉", "語言通知",
                             "發射功率-高", "暫時刪除", "600 秒", "ID碼"})
        EXPECT_TRUE(hant.out.contains(QString::fromUtf8(text))) << text;
    EXPECT_FALSE(hant.out.contains(QString::fromUtf8("载波")));
    // Character by character: every line keeps its length, so the columns stay aligned.
    const QStringList zhLines = zh.out.split(u'\n');
    const QStringList hantLines = hant.out.split(u'\n');
    ASSERT_EQ(hantLines.size(), zhLines.size());
    for (qsizetype i = 0; i < zhLines.size(); ++i)
        EXPECT_EQ(hantLines[i].size(), zhLines[i].size()) << hantLines[i].toStdString();
}

TEST_F(ExchangeCommands, shouldShowSimplifiedChineseWhenTraditionalIsUnavailable)
{
    const ScopedEnvironment missing("VM280_OPENCC_CONFIG", path("missing.json").toUtf8());
    const CliRun hant = runCli({"show", kRichPlan, "--lang", "zh-Hant"});
    EXPECT_EQ(hant.exitCode, 0);
    EXPECT_EQ(hant.out, runCli({"show", kRichPlan}).out);
    EXPECT_EQ(hant.err.count(u'\n'), 1) << hant.err.toStdString();
    EXPECT_TRUE(hant.err.contains("Traditional Chinese is unavailable")) << hant.err.toStdString();
}
