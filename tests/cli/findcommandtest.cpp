#include "clirunner.h"
#include "radio/radioprocess.h"

#include "scopedenvironment.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vm280::test;

namespace {

// The frames a radio started with -v took, once it has been stopped.
QString radioLog(RadioProcess &radio)
{
    radio.process->terminate();
    radio.process->waitForFinished(RadioProcess::kWaitMs);
    return QString::fromUtf8(radio.process->readAllStandardError());
}

CliRun runFind(const QStringList &ports)
{
    const ScopedEnvironment environment("VM280_PORTS", ports.join(u':').toLocal8Bit());
    return runCli({u"find"_s});
}

} // namespace

TEST(FindCommand, shouldProbeEveryPortNameWhatAnsweredAndEndWithThePortOfTheFirstVm280)
{
    const auto logged = QProcess::SeparateChannels;
    RadioProcess silent({u"-v"_s, u"--baud"_s, u"0"_s, u"--fault"_s, u"silent"_s}, logged);
    RadioProcess radio({u"-v"_s, u"--baud"_s, u"0"_s}, logged);
    RadioProcess other({u"-v"_s, u"--baud"_s, u"0"_s, u"--model"_s, u"VM380"_s}, logged);
    RadioProcess second({u"--baud"_s, u"0"_s});
    const CliRun run = runFind(
        {u"/dev/vm280-missing"_s, silent.devicePath, radio.devicePath, other.devicePath, second.devicePath});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6) << run.out.toStdString();
    const struct
    {
        QString slot;
        QString device;
        QString found;
    } expected[] = {
        {u"COM1"_s, u"/dev/vm280-missing"_s,
         u"The port /dev/vm280-missing could not be opened: no such device."_s},
        {u"COM2"_s, silent.devicePath, u"No answer from the radio."_s},
        {u"COM3"_s, radio.devicePath, u"A VM-280 answered."_s},
        {u"COM4"_s, other.devicePath, u"A radio of another model answered: \"VM380\"."_s},
        {u"COM5"_s, second.devicePath, u"A VM-280 answered."_s},
    };
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const QStringList fields = lines[i].split(u"  "_s, Qt::SkipEmptyParts);
        ASSERT_EQ(fields.size(), 3) << lines[i].toStdString();
        EXPECT_EQ(fields[0].trimmed(), expected[i].slot);
        EXPECT_EQ(fields[1].trimmed(), expected[i].device);
        EXPECT_EQ(fields[2].trimmed(), expected[i].found);
    }
    // The first radio found, alone on the last line for a script to take.
    EXPECT_EQ(lines[5], radio.devicePath);
    // Each exchange was the handshake (and, once acknowledged, the identification), closed by
    // the end byte; no block was asked for.
    for (RadioProcess *probed : {&silent, &radio, &other}) {
        const QString log = radioLog(*probed);
        EXPECT_TRUE(log.startsWith(u"PC: handshake word\n"_s)) << log.toStdString();
        EXPECT_EQ(log.contains(u"PC: identification request"_s), probed != &silent) << log.toStdString();
        EXPECT_TRUE(log.trimmed().endsWith(u"PC: end of programming"_s)) << log.toStdString();
        EXPECT_FALSE(log.contains(u"read request"_s)) << log.toStdString();
    }
}

TEST(FindCommand, shouldExitWith4WhenNoVm280Answers)
{
    RadioProcess other({u"--baud"_s, u"0"_s, u"--fault"_s, u"wrong-model"_s});
    const CliRun run = runFind({other.devicePath});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.out.trimmed(), u"COM1   %1  A radio of another model answered: \"VM380\"."_s.arg(
                                     other.devicePath.leftJustified(20)));
    EXPECT_EQ(run.err, u"vm280-cli: No VM-280 answered on any port.\n"_s);

    const CliRun none = runFind({});
    EXPECT_EQ(none.exitCode, 4);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_EQ(none.err, u"vm280-cli: No serial port to look on; vm280-cli ports lists them\n"_s);
}
