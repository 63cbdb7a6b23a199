#include "clirunner.h"
#include "scopedenvironment.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vm280::test;

namespace {

const QString kRichPlan = QStringLiteral(VM280_TEST_DATA "/rich.DAT");
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
    const CliRun exported = runCli({"export", kRichPlan, "--format", "json", "-o", path("plan.json")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    const CliRun imported = runCli({"import", path("plan.json"), "-o", path("plan.DAT")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(fileBytes(path("plan.DAT")), fileBytes(kRichPlan));
    EXPECT_EQ(fileBytes(kRichPlan).size(), 853);
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

    // Without a base the channels land in the start-up plan, whose band they do not fit.
    const CliRun startUp = runCli({"import", path("channels.csv"), "-o", path("new.DAT")});
    EXPECT_EQ(startUp.exitCode, 2);
    EXPECT_TRUE(startUp.err.contains(
        "channels.csv:6:4: Frequency: frequency 489.993750 is outside the band 400-480MHz"))
        << startUp.err.toStdString();
}

TEST_F(ExchangeCommands, shouldRefuseABadRowAndWriteNothing)
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
        {"bad mode", "3,,438,,,,,,,,,,AM", "in.csv:3:17: Mode: 'AM' is not FM or NFM"},
        {"bad location", "x,,438", "in.csv:3:1: Location: 'x' is not a channel number from 1 to 16"},
        {"duplicate location", "1,,439", "in.csv:3:1: Location: channel 1 is already given on line 2"},
        {"unterminated quote", "3,\"abc", "in.csv:3:3: the quoted field has no closing quote"},
        {"line break in a field", "\"3\n4\",,438", "in.csv:3:1: Location: '3\\n4' is not a channel number"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(writeBytes(path("in.csv"),
                   (kCsvHeader + "\n1,,438\n" + QString::fromLatin1(row.row) + "\n").toUtf8()));
        const CliRun run = runCli({"import", path("in.csv"), "-o", path("out.DAT")});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(QString::fromLatin1(row.message))) << run.err.toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << "one line";
        EXPECT_FALSE(QFile::exists(path("out.DAT")));
    }
}

TEST_F(ExchangeCommands, shouldLeaveAnExistingTargetAloneOnBadInput)
{
    ASSERT_TRUE(writeBytes(path("out.DAT"), "keep"));
    ASSERT_TRUE(writeBytes(path("in.json"), "{\"format\": \"vm280-plan\", \"version\": 1,\n \"KeyPf1\": 99}"));
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
        EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
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
