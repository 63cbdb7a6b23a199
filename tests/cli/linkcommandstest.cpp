#include "clirunner.h"
#include "link/writeblocks.h"
#include "radio/radioprocess.h"

#include "scopedenvironment.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>

using namespace vm280::test;

namespace {

constexpr int kWaitMs = 10000;
const QString kCommunicationError = "vm280-cli: Communication error, please check the intercom model, fault, "
                                    "attachment and computer serial choice!";
const QString kNoAnswer = "No answer from the radio.";
const QString kNotIdentified = "Something answered the handshake, but no radio identified itself.";
const QString kStopped = "The radio stopped answering partway through.";
const QString kNotUnderstood = "The radio's answer could not be understood.";
const QString kPortLost = "The port went away (cable or adapter unplugged?).";
const QString kNothingWritten = "Nothing was written to the radio.";
const QString kPartlyWritten = "The radio may be partly written.";

// The communication error's line: its text, what the line showed, and for a write what the radio
// was left with.
QString communicationError(const QString &cause, const QString &left = {})
{
    return kCommunicationError + " " + cause + (left.isEmpty() ? "" : " " + left) + "\n";
}

QString dataFile(const QString &name)
{
    return QString::fromUtf8(VM280_TEST_DATA "/link/") + name;
}

/// The image bytes of a plan file at radio address a (the file holds a 5-byte tag, then 0x0010 on).
QByteArray planBytes(const QByteArray &file, int a, int length)
{
    return file.mid(5 + a - 0x0010, length);
}

/// A vm280-radio that logs every frame; the log is read once it has quit.
class LoggingRadio
{
public:
    explicit LoggingRadio(const QStringList &arguments)
    {
        m_process.start(QString::fromUtf8(VM280_RADIO_BINARY), QStringList{"-v"} + arguments);
        while (!m_process.canReadLine() && m_process.waitForReadyRead(kWaitMs)) {
        }
        devicePath = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~LoggingRadio()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(kWaitMs);
        }
    }

    /// The addresses of the write blocks the radio took, once it has quit after its operation.
    QList<int> writtenBlocks()
    {
        m_process.waitForFinished(kWaitMs);
        static const QRegularExpression block("^PC: write block 0x([0-9A-F]{4})",
                                              QRegularExpression::MultilineOption);
        QList<int> blocks;
        auto matches = block.globalMatch(QString::fromLocal8Bit(m_process.readAllStandardError()));
        while (matches.hasNext())
            blocks << matches.next().captured(1).toInt(nullptr, 16);
        return blocks;
    }

    QString devicePath;

private:
    QProcess m_process;
};

/// A vm280-cli run started now and waited for later, so that several can run at once.
class CliProcess
{
public:
    explicit CliProcess(const QStringList &arguments)
    {
        m_clock.start();
        m_process.start(QString::fromUtf8(VM280_CLI), arguments);
        m_process.closeWriteChannel();
    }

    /// Waits a moment for the run to end; true once it has, with elapsedMs set.
    bool poll()
    {
        if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(5))
            return false;
        if (elapsedMs == 0)
            elapsedMs = m_clock.elapsed();
        return true;
    }

    CliRun finish()
    {
        CliRun run;
        if (!m_process.waitForFinished(kWaitMs)) {
            m_process.kill();
            m_process.waitForFinished(kWaitMs);
        }
        if (elapsedMs == 0)
            elapsedMs = m_clock.elapsed();
        run.exitCode = m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
        run.out = QString::fromUtf8(m_process.readAllStandardOutput());
        run.err = QString::fromUtf8(m_process.readAllStandardError());
        return run;
    }

    qint64 elapsedMs = 0;

private:
    QElapsedTimer m_clock;
    QProcess m_process;
};

class LinkCommands : public testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(LinkCommands, shouldReadTheRadiosMemoryIntoAPlanFile)
{
    RadioProcess radio({"--baud", "0", "--once", dataFile("plan-uhf.DAT")});
    ASSERT_FALSE(radio.devicePath.isEmpty());
    const CliRun run = runCli({"read", "--port", radio.devicePath, "-o", path("read.DAT")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Read frequency success!\n");
    EXPECT_EQ(fileBytes(path("read.DAT")), fileBytes(dataFile("plan-uhf.DAT")));
}

TEST_F(LinkCommands, shouldWriteExactlyTheBlocksOfTheWriteList)
{
    const QByteArray radioMemory = fileBytes(dataFile("memory-pattern.DAT"));
    const QByteArray plan = fileBytes(dataFile("plan-uhf.DAT"));
    for (const bool service : {false, true}) {
        SCOPED_TRACE(service ? "service mode" : "normal mode");
        const QString saved = path(service ? "service.DAT" : "normal.DAT");
        LoggingRadio radio({"--baud", "0", "--once", "--save", saved, dataFile("memory-pattern.DAT")});
        QStringList arguments{"write", "--port", radio.devicePath, dataFile("plan-uhf.DAT")};
        if (service)
            arguments << "--service";
        const CliRun run = runCli(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, "Write frequency success!\n");

        const QList<int> expected = expectedWriteBlocks(service);
        ASSERT_EQ(radio.writtenBlocks(), expected);
        const QByteArray after = fileBytes(saved);
        ASSERT_EQ(after.size(), 853);
        for (int a = 0x0010; a < 0x0360; a += 0x10) {
            SCOPED_TRACE(a);
            const QByteArray &source = expected.contains(a) ? plan : radioMemory;
            EXPECT_EQ(planBytes(after, a, 16).toHex(), planBytes(source, a, 16).toHex());
        }
    }
}

TEST_F(LinkCommands, shouldWriteAnotherBandOnlyWhenToldYes)
{
    const QString saved = path("saved.DAT");
    {
        RadioProcess radio({"--baud", "0", "--once", "--save", saved, dataFile("plan-uhf.DAT")});
        const CliRun run = runCli({"write", "--port", radio.devicePath, dataFile("plan-vhf.DAT")});
        EXPECT_EQ(run.exitCode, 4);
        EXPECT_TRUE(
            run.err.startsWith("vm280-cli: Frequency band with discrepancies, do you wish to continue?"))
            << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1);
        radio.process->waitForFinished(kWaitMs);
        EXPECT_FALSE(QFile::exists(saved));
    }
    RadioProcess radio({"--baud", "0", "--once", "--save", saved, dataFile("plan-uhf.DAT")});
    const CliRun run = runCli({"write", "--port", radio.devicePath, "--yes", dataFile("plan-vhf.DAT")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    radio.process->waitForFinished(kWaitMs);
    const QByteArray after = fileBytes(saved);
    const QByteArray plan = fileBytes(dataFile("plan-vhf.DAT"));
    for (const int a : expectedWriteBlocks(false))
        EXPECT_EQ(planBytes(after, a, 16), planBytes(plan, a, 16)) << a;
}

TEST_F(LinkCommands, shouldGiveBackWhatWasWritten)
{
    RadioProcess radio({"--baud", "0", dataFile("plan-uhf.DAT")});
    const auto read = [&](const QString &name) {
        const CliRun run = runCli({"read", "--port", radio.devicePath, "-o", path(name)});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return fileBytes(path(name));
    };
    const auto write = [&](const QString &file) {
        const CliRun run = runCli({"write", "--port", radio.devicePath, "--yes", file});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    };
    const QByteArray first = read("first.DAT");
    EXPECT_EQ(first, fileBytes(dataFile("plan-uhf.DAT")));
    write(dataFile("plan-vhf.DAT"));
    EXPECT_EQ(read("second.DAT"), fileBytes(dataFile("plan-vhf.DAT")));
    write(path("first.DAT"));
    EXPECT_EQ(read("third.DAT"), first);
}

TEST_F(LinkCommands, shouldEndEveryFaultWithTheCommunicationErrorAndItsCause)
{
    struct Case
    {
        QString fault;
        QString cause;
        bool write;
        std::unique_ptr<RadioProcess> radio;
        std::unique_ptr<CliProcess> cli;
    };
    std::vector<Case> cases;
    // Read answers are all that a wrong address or an acknowledgement in place of a block spoils.
    const QStringList readFaults{"bad-address", "ack-read=0x0050", "ack-read=all"};
    // These fall silent or hang up once the write has sent blocks.
    const QStringList cutOff{"drop-after=5", "hangup-after=10"};
    const QList<std::pair<QString, QString>> faults{
        {"silent", kNoAnswer},
        {"wrong-model", "A radio of another model answered: \"VM380\"."},
        {"glued-ack", kNotIdentified},
        {"noise", kNotIdentified},
        {"ack-ident", kNotIdentified},
        {"stray-ack=1000", kNotIdentified},
        {"bad-address", kNotUnderstood},
        {"ack-read=0x0050", kNotUnderstood},
        {"ack-read=all", kNotUnderstood},
        {"drop-after=5", kStopped},
        {"hangup-after=10", kPortLost},
    };
    for (const auto &[fault, cause] : faults) {
        for (const bool write : {false, true}) {
            if (write && readFaults.contains(fault))
                continue;
            cases.push_back({fault, cause, write,
                             std::make_unique<RadioProcess>(QStringList{"--baud", "0", "--fault", fault}),
                             nullptr});
        }
    }
    // All at once: each takes the whole timeout.
    for (Case &c : cases) {
        const QStringList operation = c.write ? QStringList{"write", dataFile("plan-uhf.DAT")}
                                              : QStringList{"read", "-o", path(c.fault + ".DAT")};
        c.cli = std::make_unique<CliProcess>(operation + QStringList{"--port", c.radio->devicePath});
    }
    QElapsedTimer waiting;
    waiting.start();
    for (bool allDone = false; !allDone && waiting.elapsed() < kWaitMs;) {
        allDone = true;
        for (Case &c : cases)
            allDone = c.cli->poll() && allDone;
    }
    for (Case &c : cases) {
        const QString name = c.fault + (c.write ? " write" : " read");
        SCOPED_TRACE(name.toStdString());
        const CliRun run = c.cli->finish();
        std::cout << name.toStdString() << ": ended after " << c.cli->elapsedMs << " ms\n";
        EXPECT_EQ(run.exitCode, 4);
        if (!c.write)
            EXPECT_EQ(run.err, communicationError(c.cause));
        else
            EXPECT_EQ(run.err, communicationError(c.cause, cutOff.contains(c.fault) ? kPartlyWritten
                                                                                    : kNothingWritten));
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(QFile::exists(path(c.fault + ".DAT")));
    }
}

TEST_F(LinkCommands, shouldAcceptAnswersThatArriveInPieces)
{
    RadioProcess radio({"--baud", "0", "--fault", "split-ack", dataFile("plan-uhf.DAT")});
    const CliRun read = runCli({"read", "--port", radio.devicePath, "-o", path("read.DAT")});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_EQ(fileBytes(path("read.DAT")), fileBytes(dataFile("plan-uhf.DAT")));
    const CliRun write = runCli({"write", "--port", radio.devicePath, dataFile("plan-uhf.DAT")});
    EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
}

TEST_F(LinkCommands, shouldFindTheRadioBehindAPortSlot)
{
    RadioProcess radio({"--baud", "0", "--once", dataFile("plan-uhf.DAT")});
    const ScopedEnvironment environment("VM280_PORTS",
                                        "/dev/vm280-missing:" + radio.devicePath.toLocal8Bit());

    const CliRun empty = runCli({"read", "--port", "com3", "-o", path("none.DAT")});
    EXPECT_EQ(empty.exitCode, 4);
    EXPECT_EQ(empty.err, "vm280-cli: com3: no such port; vm280-cli ports lists them\n");
    const CliRun missing = runCli({"read", "--port", "COM1", "-o", path("none.DAT")});
    EXPECT_EQ(missing.exitCode, 4);
    EXPECT_EQ(missing.err, "vm280-cli: The port /dev/vm280-missing could not be opened: no such device.\n");
    EXPECT_FALSE(QFile::exists(path("none.DAT")));

    const CliRun run = runCli({"read", "--port", "COM2", "-o", path("read.DAT")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(fileBytes(path("read.DAT")), fileBytes(dataFile("plan-uhf.DAT")));
}

TEST_F(LinkCommands, shouldRefuseIncompleteCommands)
{
    const struct
    {
        const char *name;
        QStringList arguments;
    } cases[] = {
        {"read without a port", {"read", "-o", "x.DAT"}},
        {"read without an output", {"read", "--port", "/dev/null"}},
        {"write without a port", {"write", "x.DAT"}},
        {"write without a plan", {"write", "--port", "/dev/null"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.startsWith("vm280-cli: usage: vm280-cli ")) << run.err.toStdString();
    }
}

TEST_F(LinkCommands, shouldNotTouchThePortWhenThePlanCannotBeOpened)
{
    const CliRun run = runCli({"write", "--port", "/dev/vm280-missing", path("absent.DAT")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.startsWith("vm280-cli: " + path("absent.DAT") + ": ")) << run.err.toStdString();
}

TEST_F(LinkCommands, shouldBackUpWhatTheRadioHeldBeforeWriting)
{
    const QString saved = path("saved.DAT");
    RadioProcess radio({"--baud", "0", "--save", saved, dataFile("memory-pattern.DAT")});
    const CliRun run = runCli(
        {"write", "--port", radio.devicePath, "--backup", path("backup.DAT"), dataFile("plan-uhf.DAT")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Write frequency success!\nBackup saved to " + path("backup.DAT") + "\n");
    EXPECT_EQ(fileBytes(path("backup.DAT")), fileBytes(dataFile("memory-pattern.DAT")));
    const QByteArray after = fileBytes(saved);
    const QByteArray plan = fileBytes(dataFile("plan-uhf.DAT"));
    for (const int a : expectedWriteBlocks(false))
        EXPECT_EQ(planBytes(after, a, 16), planBytes(plan, a, 16)) << a;
}

TEST_F(LinkCommands, shouldNameTheBackupByDateTimeAndBandInAGivenFolder)
{
    RadioProcess radio({"--baud", "0", dataFile("plan-vhf.DAT")});
    ASSERT_TRUE(QDir().mkpath(path("backups")));
    const CliRun run =
        runCli({"write", "--port", radio.devicePath, "--backup", path("backups"), dataFile("plan-vhf.DAT")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList files = QDir(path("backups")).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(
        QRegularExpression("^\\d{4}-\\d\\d-\\d\\d_\\d{6}_136-174MHz\\.DAT$").match(files.first()).hasMatch())
        << files.first().toStdString();
    EXPECT_EQ(fileBytes(path("backups/" + files.first())), fileBytes(dataFile("plan-vhf.DAT")));
}

TEST_F(LinkCommands, shouldWriteNothingWhenTheBackupReadFails)
{
    const QString saved = path("saved.DAT");
    RadioProcess radio(
        {"--baud", "0", "--fault", "drop-after=8", "--save", saved, dataFile("memory-pattern.DAT")});
    const CliRun run = runCli({"write", "--port", radio.devicePath, "--yes", "--backup", path("backup.DAT"),
                               dataFile("plan-uhf.DAT")});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.err, communicationError(kStopped, kNothingWritten));
    EXPECT_FALSE(QFile::exists(path("backup.DAT")));
    radio.process->terminate();
    radio.process->waitForFinished(kWaitMs);
    EXPECT_FALSE(QFile::exists(saved));
}

TEST_F(LinkCommands, shouldNeitherSaveNorBackUpAReadWithAnAcknowledgementInPlaceOfABlock)
{
    struct Case
    {
        QString block;
        QString saved;
        std::unique_ptr<RadioProcess> radio;
    };
    std::vector<Case> cases;
    for (const char *address : {"0x0010", "0x03D0"}) {
        const QString block = QString::fromLatin1(address);
        const QString saved = path("saved-" + block + ".DAT");
        cases.push_back(
            {block, saved,
             std::make_unique<RadioProcess>(QStringList{"--baud", "0", "--fault", "ack-read=" + block,
                                                        "--save", saved, dataFile("plan-uhf.DAT")})});
    }
    // Each run takes the whole timeout: the cases run at once.
    const auto runAll = [&](const std::function<QStringList(const Case &)> &arguments) {
        std::vector<std::unique_ptr<CliProcess>> runs;
        for (const Case &c : cases)
            runs.push_back(
                std::make_unique<CliProcess>(arguments(c) + QStringList{"--port", c.radio->devicePath}));
        std::vector<CliRun> finished;
        for (const auto &run : runs)
            finished.push_back(run->finish());
        return finished;
    };
    const std::vector<CliRun> reads = runAll([&](const Case &c) {
        return QStringList{"read", "-o", path("read-" + c.block + ".DAT")};
    });
    const std::vector<CliRun> writes = runAll([&](const Case &c) {
        return QStringList{"write", "--yes", "--backup", path("backup-" + c.block + ".DAT"),
                           dataFile("plan-vhf.DAT")};
    });
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case &c = cases[i];
        SCOPED_TRACE(c.block.toStdString());
        EXPECT_EQ(reads[i].exitCode, 4);
        EXPECT_EQ(reads[i].err, communicationError(kNotUnderstood));
        EXPECT_FALSE(QFile::exists(path("read-" + c.block + ".DAT")));
        EXPECT_EQ(writes[i].exitCode, 4);
        EXPECT_EQ(writes[i].err, communicationError(kNotUnderstood, kNothingWritten));
        EXPECT_FALSE(QFile::exists(path("backup-" + c.block + ".DAT")));
        c.radio->process->terminate();
        c.radio->process->waitForFinished(kWaitMs);
        EXPECT_FALSE(QFile::exists(c.saved));
    }
}

TEST_F(LinkCommands, shouldSayWhatAWriteCutOffLeftInTheRadio)
{
    // A write with backup and read-back: 35 answers for each read, 49 for the write.
    struct Case
    {
        QString fault;
        QString cause;
        QString left;
        std::unique_ptr<RadioProcess> radio;
        std::unique_ptr<CliProcess> cli;
    };
    std::vector<Case> cases;
    cases.push_back({"drop-after=45", kStopped, kPartlyWritten, nullptr, nullptr});
    cases.push_back({"hangup-after=45", kPortLost, kPartlyWritten, nullptr, nullptr});
    cases.push_back({"drop-after=90", kStopped,
                     "The radio was written, but could not be read back to verify it.", nullptr, nullptr});
    // The write's handshake is acknowledged, its identification request is not.
    cases.push_back({"drop-after=36", kNotIdentified, kNothingWritten, nullptr, nullptr});
    // All at once: most take the whole timeout.
    for (Case &c : cases) {
        c.radio = std::make_unique<RadioProcess>(
            QStringList{"--baud", "0", "--fault", c.fault, dataFile("memory-pattern.DAT")});
        c.cli = std::make_unique<CliProcess>(QStringList{"write", "--port", c.radio->devicePath, "--yes",
                                                         "--verify", "--backup", path(c.fault + ".DAT"),
                                                         dataFile("plan-uhf.DAT")});
    }
    for (Case &c : cases) {
        SCOPED_TRACE(c.fault.toStdString());
        const QString backup = path(c.fault + ".DAT");
        const CliRun run = c.cli->finish();
        EXPECT_EQ(run.exitCode, 4);
        EXPECT_EQ(run.err, communicationError(c.cause, c.left + " Its memory before the write was saved to " +
                                                           backup + "."));
        EXPECT_EQ(run.out, "Backup saved to " + backup + "\n");
        EXPECT_EQ(fileBytes(backup), fileBytes(dataFile("memory-pattern.DAT")));
    }
}

TEST_F(LinkCommands, shouldAskTheBandQuestionOnlyWhenTheRadioOnTheCableHasAnotherBand)
{
    {
        // Without a backup the tool knows no radio yet and asks (a script gets No).
        RadioProcess radio({"--baud", "0", dataFile("plan-vhf.DAT")});
        EXPECT_EQ(runCli({"write", "--port", radio.devicePath, dataFile("plan-vhf.DAT")}).exitCode, 4);
        const CliRun run = runCli(
            {"write", "--port", radio.devicePath, "--backup", path("same.DAT"), dataFile("plan-vhf.DAT")});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    }
    const QString saved = path("saved.DAT");
    RadioProcess radio({"--baud", "0", "--save", saved, dataFile("plan-uhf.DAT")});
    const CliRun run = runCli(
        {"write", "--port", radio.devicePath, "--backup", path("other.DAT"), dataFile("plan-vhf.DAT")});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(run.err.startsWith("vm280-cli: Frequency band with discrepancies")) << run.err.toStdString();
    EXPECT_EQ(fileBytes(path("other.DAT")), fileBytes(dataFile("plan-uhf.DAT")));
    radio.process->terminate();
    radio.process->waitForFinished(kWaitMs);
    EXPECT_FALSE(QFile::exists(saved));
}

TEST_F(LinkCommands, shouldVerifyWhatWasWritten)
{
    RadioProcess radio({"--baud", "0", dataFile("memory-pattern.DAT")});
    const CliRun run =
        runCli({"write", "--port", radio.devicePath, "--verify", "--service", dataFile("plan-uhf.DAT")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Write frequency success, verified!\n");
}

TEST_F(LinkCommands, shouldCatchARadioThatForgetsABlock)
{
    const QByteArray radioMemory = fileBytes(dataFile("memory-pattern.DAT"));
    const QByteArray plan = fileBytes(dataFile("plan-uhf.DAT"));
    int firstDifference = 0x0200;
    while (planBytes(plan, firstDifference, 1) == planBytes(radioMemory, firstDifference, 1))
        ++firstDifference;
    ASSERT_LT(firstDifference, 0x0210);
    RadioProcess radio({"--baud", "0", "--fault", "forget-block=0x0200", dataFile("memory-pattern.DAT")});
    const CliRun run =
        runCli({"write", "--port", radio.devicePath, "--verify", "--yes", dataFile("plan-uhf.DAT")});
    EXPECT_EQ(run.exitCode, 5);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    const QString address = QString::number(firstDifference, 16).toUpper().rightJustified(4, '0');
    EXPECT_EQ(run.err, "vm280-cli: Write verify failed, the radio holds other data than was written! "
                       "First difference at address 0x" +
                           address + ".\n");
}

TEST_F(LinkCommands, shouldRefuseABackupOverThePlanBeingWritten)
{
    QFile::copy(dataFile("plan-uhf.DAT"), path("plan.DAT"));
    const CliRun run =
        runCli({"write", "--port", "/dev/null", "--backup", path("plan.DAT"), path("plan.DAT")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(fileBytes(path("plan.DAT")), fileBytes(dataFile("plan-uhf.DAT")));
}

TEST_F(LinkCommands, shouldCompareAPlanWithWhatTheRadioHolds)
{
    RadioProcess radio({"--baud", "0", dataFile("plan-uhf.DAT")});
    ASSERT_FALSE(radio.devicePath.isEmpty());
    const CliRun same =
        runCli({"diff", dataFile("plan-uhf.DAT"), "--port", radio.devicePath, "--lang", "en"});
    EXPECT_EQ(same.exitCode, 0) << same.err.toStdString();
    EXPECT_FALSE(same.out.contains("Channel 01"));

    const CliRun other =
        runCli({"diff", dataFile("plan-vhf.DAT"), "--port", radio.devicePath, "--lang", "en"});
    EXPECT_EQ(other.exitCode, 1) << other.err.toStdString();
    EXPECT_TRUE(other.out.contains(QRegularExpression("^Channel 01 RX frequency +145\\.50000 +438\\.50000$",
                                                      QRegularExpression::MultilineOption)))
        << other.out.toStdString();

    // A radio that is gone: its own pseudo-terminal's name could be handed to a radio of a test
    // running beside this one as soon as it is freed, so a name that never existed stands in.
    const CliRun gone = runCli({"diff", dataFile("plan-uhf.DAT"), "--port", path("unplugged")});
    EXPECT_EQ(gone.exitCode, 4);
    EXPECT_TRUE(gone.err.contains(path("unplugged"))) << gone.err.toStdString();
}
