// write --repeat against simulated radios that are swapped on their pseudo-terminal: each radio
// is unplugged after its write and verify read, and the next one is plugged in a moment later.

#include "clirunner.h"
#include "link/writeblocks.h"
#include "radio/radioprocess.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280::test;

namespace {

constexpr int kWaitMs = 30000;
const QString kPlan = QString::fromUtf8(VM280_TEST_DATA "/link/plan-uhf.DAT");

/// True when the radio's saved memory holds the plan in every block a write sends (a plan file
/// holds a 5-byte tag, then the memory from radio address 0x0010).
bool holdsPlan(const QString &radioFile)
{
    const QByteArray plan = fileBytes(kPlan);
    const QByteArray radio = fileBytes(radioFile);
    if (radio.size() != plan.size())
        return false;
    for (const int block : expectedWriteBlocks(false)) {
        const int offset = 5 + block - 0x0010;
        if (radio.mid(offset, 0x10) != plan.mid(offset, 0x10))
            return false;
    }
    return true;
}

class BatchCommand : public testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    /// A line-up of radios on one pseudo-terminal, each saved as r-N.DAT under prefix.
    QStringList lineUp(int radios, int operationsPerRadio, const QString &prefix = u"r"_s) const
    {
        return {"--baud",         "0",
                "--unplug-after", QString::number(operationsPerRadio),
                "--swap-time",    "1600",
                "--radios",       QString::number(radios),
                "--save",         path(prefix + "-%n.DAT")};
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(BatchCommand, shouldWriteAndVerifyThreeRadiosSwappedOnOneCable)
{
    RadioProcess radio(lineUp(3, 2));
    const CliRun run =
        runCli({"write", kPlan, "--port", radio.devicePath, "--repeat", "--count", "3", "--verify", "--yes"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (int number = 1; number <= 3; ++number) {
        EXPECT_TRUE(run.out.contains(
            QRegularExpression(u"^Radio %1: written and verified in \\d+\\.\\d\\d s$"_s.arg(number),
                               QRegularExpression::MultilineOption)))
            << run.out.toStdString();
        EXPECT_TRUE(holdsPlan(path(u"r-%1.DAT"_s.arg(number)))) << "radio " << number;
    }
    EXPECT_TRUE(run.out.endsWith("Batch: written 3, verified 3, failed 0\n")) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains("Unplug the radio")) << run.err.toStdString();
}

TEST_F(BatchCommand, shouldCountAFailedRadioAndGoOnWithTheNext)
{
    // Radio 2 acknowledges the first block without storing it.
    RadioProcess radio(lineUp(3, 2) + QStringList{"--fault", "forget-block=0x0010", "--fault-radio", "2"});
    const CliRun run =
        runCli({"write", kPlan, "--port", radio.devicePath, "--repeat", "--count", "3", "--verify", "--yes"});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(run.out.contains(QRegularExpression("^Radio 2: failed after \\d+\\.\\d\\d s: Write verify "
                                                    "failed.* First difference at address 0x0010\\.$",
                                                    QRegularExpression::MultilineOption)))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(
        QRegularExpression("^Radio 3: written and verified", QRegularExpression::MultilineOption)));
    EXPECT_TRUE(holdsPlan(path("r-3.DAT")));
    EXPECT_FALSE(holdsPlan(path("r-2.DAT")));
    EXPECT_TRUE(run.out.endsWith("Batch: written 2, verified 2, failed 1\n")) << run.out.toStdString();
}

TEST_F(BatchCommand, shouldLogEveryRadioWithItsTimesResultBackupAndReason)
{
    // Backup read, write and verify read; radio 2 acknowledges the first block without storing it.
    RadioProcess radio(lineUp(2, 3) + QStringList{"--fault", "forget-block=0x0010", "--fault-radio", "2"});
    const QString folder = path("backups");
    const QString log = path("job.csv");
    const CliRun run = runCli({"write", kPlan, "--port", radio.devicePath, "--repeat", "--count", "2",
                               "--verify", "--yes", "--backup-dir", folder, "--log", log});
    EXPECT_EQ(run.exitCode, 4) << run.err.toStdString();
    const QByteArray bytes = fileBytes(log);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << bytes.toStdString();
    const QStringList rows = QString::fromUtf8(bytes.mid(3)).split(u"\r\n"_s);
    ASSERT_EQ(rows.size(), 4) << bytes.toStdString();
    EXPECT_EQ(rows[0], u"Port,Radio,Start,End,Result,Verified,Backup file,Reason"_s);
    const QString time = u"(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d)"_s;
    const QRegularExpression written(
        u"^%1,1,%2,%2,written,yes,(.+\\.DAT),$"_s.arg(QRegularExpression::escape(radio.devicePath), time));
    const QRegularExpressionMatch first = written.match(rows[1]);
    ASSERT_TRUE(first.hasMatch()) << rows[1].toStdString();
    EXPECT_LE(QDateTime::fromString(first.captured(1), u"yyyy-MM-dd HH:mm:ss"_s),
              QDateTime::fromString(first.captured(2), u"yyyy-MM-dd HH:mm:ss"_s));
    EXPECT_TRUE(run.out.contains("; backup saved to " + first.captured(3))) << run.out.toStdString();
    EXPECT_TRUE(QFileInfo(first.captured(3)).isFile());
    EXPECT_TRUE(rows[2].contains(QRegularExpression(
        u"^%1,2,%2,%2,failed,no,[^,]+\\.DAT,\"Write verify failed.* First difference at address 0x0010\\.\"$"_s
            .arg(QRegularExpression::escape(radio.devicePath), time))))
        << rows[2].toStdString();
    EXPECT_EQ(rows[3], QString());
}

TEST_F(BatchCommand, shouldRefuseALogThatCannotBeWrittenBeforeAnyRadio)
{
    RadioProcess radio(lineUp(1, 2));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("log.csv"));
    const CliRun run = runCli({"write", kPlan, "--port", radio.devicePath, "--repeat", "--count", "1",
                               "--yes", "--log", path("log.csv")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, "vm280-cli: " + path("log.csv") + ": not a regular file\n");
    EXPECT_FALSE(QFileInfo::exists(path("r-1.DAT")));
    // The log belongs to a batch.
    EXPECT_EQ(runCli({"write", kPlan, "--port", radio.devicePath, "--log", path("job.csv")}).exitCode, 1);
}

TEST_F(BatchCommand, shouldKeepEveryRadiosBackupInTheFolder)
{
    // Backup read, write and verify read: three operations per radio.
    RadioProcess radio(lineUp(2, 3));
    const QString folder = path("backups/new");
    const CliRun run = runCli({"write", kPlan, "--port", radio.devicePath, "--repeat", "--count", "2",
                               "--verify", "--yes", "--backup-dir", folder});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList backups = QDir(folder).entryList({"*.DAT"}, QDir::Files);
    ASSERT_EQ(backups.size(), 2) << run.out.toStdString();
    for (const QString &backup : backups) {
        EXPECT_TRUE(run.out.contains("; backup saved to " + QDir(folder).filePath(backup)));
        // What the radios held before: a fresh radio is all 0xFF after the tag.
        EXPECT_EQ(fileBytes(QDir(folder).filePath(backup)).mid(5), QByteArray(848, char(0xFF)));
    }
}

TEST_F(BatchCommand, shouldRunACableEachAtOnceWithTalliesPerCableAndInTotal)
{
    RadioProcess first(lineUp(1, 2, "a"));
    RadioProcess second(lineUp(1, 2, "b"));
    const CliRun run = runCli({"write", kPlan, "--port", first.devicePath, "--port", second.devicePath,
                               "--repeat", "--count", "1", "--verify", "--yes"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const QString &device : {first.devicePath, second.devicePath}) {
        EXPECT_TRUE(run.out.contains("[" + device + "] Radio 1: written and verified"))
            << run.out.toStdString();
        EXPECT_TRUE(run.out.contains("[" + device + "] written 1, verified 1, failed 0"));
    }
    EXPECT_TRUE(run.out.endsWith("Total: written 2, verified 2, failed 0\n"));
    EXPECT_TRUE(holdsPlan(path("a-1.DAT")));
    EXPECT_TRUE(holdsPlan(path("b-1.DAT")));
}

TEST_F(BatchCommand, shouldStopOnCtrlCOnceTheRadioIsDone)
{
    RadioProcess radio(lineUp(5, 1));
    QProcess cli;
    cli.start(QString::fromUtf8(VM280_CLI),
              {"write", kPlan, "--port", radio.devicePath, "--repeat", "--yes"});
    QString out;
    while (!out.contains("Radio 1:") && cli.waitForReadyRead(kWaitMs))
        out += QString::fromUtf8(cli.readAllStandardOutput());
    ASSERT_TRUE(out.contains("Radio 1: written in")) << out.toStdString();
    ::kill(pid_t(cli.processId()), SIGINT);
    ASSERT_TRUE(cli.waitForFinished(kWaitMs));
    out += QString::fromUtf8(cli.readAllStandardOutput());
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_TRUE(out.endsWith("Batch: written 1, verified 0, failed 0\n")) << out.toStdString();
}

TEST_F(BatchCommand, shouldFailARadioThatOnlyAcknowledges)
{
    // The radio acknowledges every identification request instead of identifying itself.
    RadioProcess radio({"--baud", "0", "--fault", "ack-ident"});
    const CliRun run =
        runCli({"write", kPlan, "--port", radio.devicePath, "--repeat", "--count", "1", "--yes"});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(run.out.contains(QRegularExpression(
        "^Radio 1: failed after \\d+\\.\\d\\d s: Communication error, please check the "
        "intercom model, fault, attachment and computer serial choice! Something answered the handshake, "
        "but no radio identified itself\\. Nothing was written to the radio\\.$",
        QRegularExpression::MultilineOption)))
        << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith("Batch: written 0, verified 0, failed 1\n")) << run.out.toStdString();
}

TEST_F(BatchCommand, shouldEndWithTheReasonWhenThePortGoesAway)
{
    // A probe, then the write's 49 answers; the line hangs up once the first probe after the
    // write is answered, while the batch waits for the radio to be unplugged.
    RadioProcess radio({"--baud", "0", "--fault", "hangup-after=51"});
    const CliRun run =
        runCli({"write", kPlan, "--port", radio.devicePath, "--repeat", "--count", "3", "--yes"});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(
        run.out.contains(QRegularExpression("^Radio 1: written in", QRegularExpression::MultilineOption)))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.endsWith("Batch: written 1, verified 0, failed 0\n")) << run.out.toStdString();
    EXPECT_TRUE(
        run.err.endsWith("vm280-cli: The batch is over: the port went away (cable or adapter unplugged?).\n"))
        << run.err.toStdString();
}

TEST_F(BatchCommand, shouldRefuseOptionsThatDoNotGoTogether)
{
    const struct
    {
        QStringList arguments;
        const char *message;
    } cases[] = {
        {{"--port", "COM1", "--port", "COM2"}, "several ports run a batch each: give --repeat"},
        {{"--port", "COM1", "--count", "2"}, "--count belongs to --repeat"},
        {{"--port", "COM1", "--port", "COM1", "--repeat"}, "a port is given twice"},
        {{"--port", "COM1", "--repeat", "--backup", "old.DAT"}, "--backup-dir DIR, not in one --backup file"},
        {{"--port", "COM1", "--backup", "old.DAT", "--backup-dir", "old"},
         "give either --backup or --backup-dir"},
        {{"--port", "COM1", "--repeat", "--count", "0"}, "--count takes a number of radios, 1 or more"},
        {{"--port", "COM1", "--repeat", "--count", "many"}, "--count takes a number of radios, 1 or more"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CliRun run = runCli(QStringList{"write", kPlan} + c.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}
