#include "clirunner.h"

#include "image/codec.h"
#include "image/codeplanfile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::test;

namespace {

class FileCommands : public testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(FileCommands, shouldWriteTheStartUpPlan)
{
    const CliRun run = runCli({"new", "-o", path("new.DAT")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(fileBytes(path("new.DAT")),
              CodePlanBytes(EncodeImage(CodePlan(), ChoiceTexts::simplifiedChinese())));
}

TEST_F(FileCommands, shouldConvertAsOpeningAndSavingWould)
{
    CodePlan plan;
    plan.channels.cell(3, 1) = "436.12500";
    plan.channels.cell(3, 3) = "436.12500";
    plan.band = 2;
    QByteArray image = EncodeImage(plan, ChoiceTexts::simplifiedChinese());
    // A radio's odd bytes that the tool canonicalises: fill bits and the constant bytes.
    image.replace(2 * (32 + 12), 8, "08250012");
    ASSERT_TRUE(writeBytes(path("in.DAT"), CodePlanBytes(image) + "extra"));

    const CliRun run = runCli({"convert", path("in.DAT"), path("out.DAT")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray out = fileBytes(path("out.DAT"));
    ASSERT_EQ(out.size(), kCodePlanFileBytes);
    EXPECT_EQ(out.mid(5 + 32, 16).toHex().toUpper(), "0025614300256143FFFFFFFFF8E0FCFF");
    EXPECT_EQ(out.mid(5 + 429, 1).toHex(), "43");
}

TEST_F(FileCommands, shouldReportFailuresWithExitCodes)
{
    const QByteArray good = CodePlanBytes(EncodeImage(CodePlan(), ChoiceTexts::simplifiedChinese()));
    ASSERT_TRUE(writeBytes(path("good.DAT"), good));
    ASSERT_TRUE(writeBytes(path("wrongtag.DAT"), "TRZ29" + good.mid(5)));
    ASSERT_TRUE(writeBytes(path("short.DAT"), good.left(820)));
    ASSERT_TRUE(writeBytes(path("afile"), "x"));
    const struct
    {
        const char *name;
        QStringList arguments;
        int exitCode;
        const char *message;
    } cases[] = {
        {"wrong tag", {"convert", path("wrongtag.DAT"), path("o1.DAT")}, 2, "Document type not to open."},
        {"short file", {"convert", path("short.DAT"), path("o2.DAT")}, 2, "Document type not to open."},
        {"missing input", {"convert", path("missing.DAT"), path("o3.DAT")}, 3, "missing.DAT"},
        {"unwritable target", {"convert", path("good.DAT"), path("afile/out.DAT")}, 3, "afile/out.DAT"},
        {"new without output", {"new"}, 1, "usage"},
        {"convert with one path", {"convert", path("good.DAT")}, 1, "usage"},
        {"unknown option", {"new", "--colour", "-o", path("o4.DAT")}, 1, "colour"},
        {"unknown command", {"frobnicate"}, 1, "frobnicate"},
        {"no command", {}, 1, "Usage"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.err.contains(QLatin1String(c.message))) << run.err.toStdString();
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 4) << "nothing is written on failure";
}

TEST_F(FileCommands, shouldAnswerVersionOnStandardOutput)
{
    const CliRun run = runCli({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(QRegularExpression(u"^vm280-cli \\d+\\.\\d+\\.\\d+\n$"_s).match(run.out).hasMatch())
        << run.out.toStdString();
}
