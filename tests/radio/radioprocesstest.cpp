#include "radioprocess.h"
#include "radiotestutil.h"

#include "image/codeplanfile.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::test;

namespace {

constexpr int kWaitMs = RadioProcess::kWaitMs;

// The PC's end of the line: the device opened raw, as a serial port would be.
struct Port
{
    int fd = -1;

    explicit Port(const QString &path)
    {
        fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        termios settings{};
        if (fd >= 0 && tcgetattr(fd, &settings) == 0) {
            cfmakeraw(&settings);
            tcsetattr(fd, TCSANOW, &settings);
        }
    }
    ~Port() { close(); }
    void close()
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }

    bool send(const QByteArray &bytes) const
    {
        return ::write(fd, bytes.constData(), bytes.size()) == bytes.size();
    }

    // Everything that arrived until at least count bytes did, or the line went quiet for
    // quietMs or away.
    QByteArray receive(qsizetype count, int quietMs = kWaitMs) const
    {
        QByteArray got;
        while (got.size() < count) {
            pollfd wait{fd, POLLIN, 0};
            if (poll(&wait, 1, quietMs) <= 0 || !(wait.revents & POLLIN))
                break;
            char buffer[256];
            const ssize_t read = ::read(fd, buffer, sizeof buffer);
            if (read <= 0)
                break;
            got.append(buffer, read);
        }
        return got;
    }
};

// The PC's presence probe of a batch: the handshake word, then at once the end byte.
const QByteArray kProbe = kHandshake + kEnd;
// Long enough for an answer on an unpaced line, short enough to probe often.
constexpr int kProbeQuietMs = 100;

// Probes until a radio answers, as the PC does while the next radio is being plugged in;
// returns the milliseconds that took, or -1 when no radio came within the wait.
qint64 waitForRadio(const Port &port)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kWaitMs) {
        if (!port.send(kProbe))
            return -1;
        if (port.receive(1, kProbeQuietMs) == kAck)
            return timer.elapsed();
    }
    return -1;
}

QStringList swappingRadios(const QStringList &more)
{
    return QStringList{u"--baud"_s, u"0"_s, u"--unplug-after"_s, u"1"_s} + more;
}

} // namespace

TEST(RadioProcess, shouldPrintItsDeviceAndAnswerHandshakeAndIdentification)
{
    RadioProcess radio({u"--baud"_s, u"0"_s});
    ASSERT_TRUE(radio.devicePath.startsWith(u"/dev/"_s)) << radio.devicePath.toStdString();
    Port port(radio.devicePath);
    ASSERT_GE(port.fd, 0) << std::strerror(errno);
    ASSERT_TRUE(port.send(kHandshake));
    EXPECT_EQ(port.receive(1), kAck);
    ASSERT_TRUE(port.send(kIdentify));
    EXPECT_EQ(port.receive(8), QByteArrayLiteral("VM280   "));
}

TEST(RadioProcess, shouldIdentifyAsTheModelNamed)
{
    RadioProcess radio({u"--baud"_s, u"0"_s, u"--model"_s, u"XR-7"_s});
    Port port(radio.devicePath);
    ASSERT_GE(port.fd, 0) << std::strerror(errno);
    ASSERT_TRUE(port.send(kHandshake + kIdentify));
    EXPECT_EQ(port.receive(9), kAck + QByteArrayLiteral("XR-7    "));
}

TEST(RadioProcess, shouldRefuseAModelNameItCannotSend)
{
    for (const QString &name : {u""_s, u"NINECHARS"_s, u"VM\u00e9"_s, u"A\tB"_s}) {
        SCOPED_TRACE(name.toStdString());
        QProcess process;
        process.start(QString::fromUtf8(VM280_RADIO_BINARY), {u"--model"_s, name});
        ASSERT_TRUE(process.waitForFinished(RadioProcess::kWaitMs));
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_TRUE(process.readAllStandardError().contains("--model takes a name")) << name.toStdString();
    }
}

TEST(RadioProcess, shouldAnswerAtTheDefaultLineSpeed)
{
    RadioProcess radio({});
    Port port(radio.devicePath);
    ASSERT_GE(port.fd, 0);
    ASSERT_TRUE(port.send(kOpening));
    EXPECT_EQ(port.receive(10), kAck + QByteArrayLiteral("VM280   ") + kAck);
}

TEST(RadioProcess, shouldServeANewClientAfterTheLastOneClosedItsPort)
{
    RadioProcess radio({u"--baud"_s, u"0"_s});
    for (int client = 1; client <= 3; ++client) {
        SCOPED_TRACE(client);
        Port port(radio.devicePath);
        ASSERT_GE(port.fd, 0);
        ASSERT_TRUE(port.send(kOpening + kEnd));
        EXPECT_EQ(port.receive(10).toHex(), (kAck + QByteArrayLiteral("VM280   ") + kAck).toHex());
    }
    EXPECT_EQ(radio.process->state(), QProcess::Running);
}

TEST(RadioProcess, shouldSaveItsMemoryAfterAWriteAndQuitAfterOneOperation)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString loaded = dir.filePath(u"in.DAT"_s);
    const QString saved = dir.filePath(u"out.DAT"_s);
    QByteArray memory = patternedMemory().first(RadioModel::kPlanBytes);
    ASSERT_FALSE(WriteCodePlanFile(loaded, memory.toHex().toUpper()).has_value());

    RadioProcess radio({u"--baud"_s, u"0"_s, u"--once"_s, u"--save"_s, saved, loaded});
    Port port(radio.devicePath);
    ASSERT_GE(port.fd, 0);
    ASSERT_TRUE(port.send(kOpening));
    ASSERT_EQ(port.receive(10).size(), 10);
    ASSERT_TRUE(port.send(readRequest(0x50)));
    EXPECT_EQ(port.receive(68), frame(0x57, 0x50, 0x40, memory.mid(0x40, 0x40)));
    ASSERT_TRUE(port.send(kAck + writeBlock(0x350, QByteArray(16, 'k'))));
    EXPECT_EQ(port.receive(2), kAck + kAck);
    ASSERT_TRUE(port.send(kEnd));

    ASSERT_TRUE(radio.process->waitForFinished(kWaitMs));
    EXPECT_EQ(radio.process->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(radio.process->exitCode(), 0);
    memory.replace(0x340, 16, QByteArray(16, 'k'));
    const auto image = ReadCodePlanFile(saved);
    ASSERT_TRUE(std::holds_alternative<QByteArray>(image));
    EXPECT_EQ(QByteArray::fromHex(std::get<QByteArray>(image)), memory);
}

TEST(RadioProcess, shouldSwapInAFreshRadioAfterEachCompleteOperationUntilTheLastOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString loaded = dir.filePath(u"in.DAT"_s);
    const QByteArray memory = patternedMemory().first(RadioModel::kPlanBytes);
    ASSERT_FALSE(WriteCodePlanFile(loaded, memory.toHex().toUpper()).has_value());
    RadioProcess radio(swappingRadios({u"--swap-time"_s, u"300"_s, u"--radios"_s, u"2"_s, u"--save"_s,
                                       dir.filePath(u"r-%n.DAT"_s), loaded}));
    Port port(radio.devicePath);
    ASSERT_GE(port.fd, 0);

    // Probes move no block: radio 1 stays on the cable through them.
    for (int probe = 1; probe <= 3; ++probe) {
        ASSERT_TRUE(port.send(kProbe));
        EXPECT_EQ(port.receive(1), kAck) << "probe " << probe;
    }
    ASSERT_TRUE(port.send(kOpening));
    ASSERT_EQ(port.receive(10).size(), 10);
    ASSERT_TRUE(port.send(writeBlock(0x350, QByteArray(16, 'k'))));
    EXPECT_EQ(port.receive(1), kAck);
    QElapsedTimer sinceWrite;
    sinceWrite.start();
    ASSERT_TRUE(port.send(kEnd));
    ASSERT_TRUE(port.send(kProbe));
    EXPECT_EQ(port.receive(1, kProbeQuietMs), QByteArray()) << "radio 1 still answers once pulled";

    const qint64 swapped = waitForRadio(port);
    ASSERT_GE(swapped, 0) << "no second radio plugged in";
    EXPECT_GE(sinceWrite.elapsed(), 300);
    ASSERT_TRUE(port.send(kOpening));
    EXPECT_EQ(port.receive(10), kAck + QByteArrayLiteral("VM280   ") + kAck);
    ASSERT_TRUE(port.send(readRequest(0x350, 16)));
    EXPECT_EQ(port.receive(20).toHex(), frame(0x57, 0x350, 16, memory.mid(0x340, 16)).toHex())
        << "radio 2 should hold the loaded plan, not what radio 1 got";
    ASSERT_TRUE(port.send(kAck + kEnd));
    EXPECT_EQ(port.receive(1), kAck);

    // Radio 2 was the last: the line stays silent past any swap time, but the simulator runs on.
    QElapsedTimer silence;
    silence.start();
    while (silence.elapsed() < 600) {
        ASSERT_TRUE(port.send(kProbe));
        ASSERT_EQ(port.receive(1, kProbeQuietMs), QByteArray()) << "after " << silence.elapsed() << " ms";
    }
    EXPECT_EQ(radio.process->state(), QProcess::Running);

    QByteArray written = memory;
    written.replace(0x340, 16, QByteArray(16, 'k'));
    const auto saved = ReadCodePlanFile(dir.filePath(u"r-1.DAT"_s));
    ASSERT_TRUE(std::holds_alternative<QByteArray>(saved));
    EXPECT_EQ(QByteArray::fromHex(std::get<QByteArray>(saved)), written);
    EXPECT_FALSE(QFile::exists(dir.filePath(u"r-2.DAT"_s))) << "radio 2 was only read";
}

TEST(RadioProcess, shouldGiveTheFaultOnlyToTheRadioNamed)
{
    RadioProcess radio(swappingRadios(
        {u"--swap-time"_s, u"50"_s, u"--fault"_s, u"wrong-model"_s, u"--fault-radio"_s, u"2"_s}));
    Port port(radio.devicePath);
    ASSERT_GE(port.fd, 0);
    for (const char *model : {"VM280   ", "VM380   ", "VM280   "}) {
        SCOPED_TRACE(model);
        ASSERT_GE(waitForRadio(port), 0);
        ASSERT_TRUE(port.send(kOpening + readRequest(0x10, 1)));
        EXPECT_EQ(port.receive(15),
                  kAck + QByteArray(model) + kAck + frame(0x57, 0x10, 1, QByteArray(1, char(0xFF))));
        ASSERT_TRUE(port.send(kAck + kEnd));
        EXPECT_EQ(port.receive(1), kAck);
    }
}

TEST(RadioProcess, shouldPlugInTheNextRadioOnTimeWhileThePcSendsNothing)
{
    RadioProcess radio(swappingRadios({u"--swap-time"_s, u"300"_s, u"-v"_s}), QProcess::SeparateChannels);
    Port port(radio.devicePath);
    ASSERT_GE(port.fd, 0);
    ASSERT_TRUE(port.send(kOpening + writeBlock(0x10, QByteArray(16, 'p'))));
    ASSERT_EQ(port.receive(11).size(), 11);
    QElapsedTimer sinceEnd;
    sinceEnd.start();
    ASSERT_TRUE(port.send(kEnd));

    radio.process->setReadChannel(QProcess::StandardError);
    QString log = QString::fromLocal8Bit(radio.process->readAllStandardError());
    while (!log.contains(u"radio 2: plugged in"_s) && radio.process->waitForReadyRead(kWaitMs))
        log += QString::fromLocal8Bit(radio.process->readAllStandardError());
    ASSERT_TRUE(log.contains(u"radio 2: plugged in"_s)) << log.toStdString();
    EXPECT_GE(sinceEnd.elapsed(), 300);
    EXPECT_LT(sinceEnd.elapsed(), 2000);
    const QStringList events = log.split(u'\n').filter(QRegularExpression(u"^radio \\d"_s));
    EXPECT_EQ(events,
              QStringList({u"radio 1: plugged in"_s, u"radio 1: unplugged"_s, u"radio 2: plugged in"_s}));
}

TEST(RadioProcess, shouldHangUpTheLineAndQuitWhenHangupAfter)
{
    RadioProcess radio({u"--baud"_s, u"0"_s, u"--fault"_s, u"hangup-after=1"_s});
    Port port(radio.devicePath);
    ASSERT_GE(port.fd, 0);
    ASSERT_TRUE(port.send(kHandshake));
    EXPECT_EQ(port.receive(1), kAck);
    ASSERT_TRUE(radio.process->waitForFinished(kWaitMs));
    EXPECT_EQ(radio.process->exitCode(), 0);
    pollfd wait{port.fd, POLLIN, 0};
    ASSERT_EQ(poll(&wait, 1, kWaitMs), 1);
    EXPECT_TRUE(wait.revents & (POLLHUP | POLLERR));
    char byte = 0;
    EXPECT_LE(::read(port.fd, &byte, 1), 0);
}

TEST(RadioProcess, shouldPutAStrayAcknowledgementOnTheLineEveryIntervalWhenStrayAck)
{
    RadioProcess radio({u"--baud"_s, u"0"_s, u"--fault"_s, u"stray-ack=100"_s});
    Port port(radio.devicePath);
    ASSERT_GE(port.fd, 0);
    // Unasked, and whatever the PC sends; nothing else.
    for (const QByteArray &sent : {QByteArray(), kHandshake + kIdentify}) {
        ASSERT_TRUE(port.send(sent));
        const QByteArray got = port.receive(3);
        EXPECT_GE(got.size(), 3);
        EXPECT_EQ(got, QByteArray(got.size(), kAck[0]));
    }
}

TEST(RadioProcess, shouldExitCleanlyOnTerminate)
{
    RadioProcess radio({});
    ASSERT_FALSE(radio.devicePath.isEmpty());
    radio.process->terminate();
    ASSERT_TRUE(radio.process->waitForFinished(kWaitMs));
    EXPECT_EQ(radio.process->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(radio.process->exitCode(), 0);
}

TEST(RadioProcess, shouldRefuseBadOptionsAndFiles)
{
    QTemporaryDir dir;
    const QString notAPlan = dir.filePath(u"plain.txt"_s);
    QFile file(notAPlan);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("hello");
    file.close();
    const struct
    {
        const char *name;
        QStringList arguments;
        int exitCode;
    } cases[] = {
        {"unknown fault", {u"--fault"_s, u"loud"_s}, 1},
        {"negative baud", {u"--baud"_s, u"-5"_s}, 1},
        {"two plans", {notAPlan, u"--load"_s, notAPlan}, 1},
        {"not a code plan", {notAPlan}, 2},
        {"missing plan", {dir.filePath(u"none.DAT"_s)}, 2},
        {"unplug after no operation", {u"--unplug-after"_s, u"0"_s}, 1},
        {"unplug after a word", {u"--unplug-after"_s, u"two"_s}, 1},
        {"no radios", swappingRadios({u"--radios"_s, u"0"_s}), 1},
        {"negative radios", swappingRadios({u"--radios"_s, u"-2"_s}), 1},
        {"negative swap time", swappingRadios({u"--swap-time"_s, u"-1"_s}), 1},
        {"swap time without unplugging", {u"--swap-time"_s, u"100"_s}, 1},
        {"radios without unplugging", {u"--radios"_s, u"3"_s}, 1},
        {"once while swapping", swappingRadios({u"--once"_s}), 1},
        {"fault radio without a fault", swappingRadios({u"--fault-radio"_s, u"1"_s}), 1},
        {"fault radio 0", swappingRadios({u"--fault"_s, u"silent"_s, u"--fault-radio"_s, u"0"_s}), 1},
        {"fault radio past the last",
         swappingRadios({u"--radios"_s, u"2"_s, u"--fault"_s, u"silent"_s, u"--fault-radio"_s, u"3"_s}), 1},
        {"fault radio 2 of one", {u"--fault"_s, u"silent"_s, u"--fault-radio"_s, u"2"_s}, 1},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        QProcess process;
        process.start(QString::fromUtf8(VM280_RADIO_BINARY), row.arguments);
        ASSERT_TRUE(process.waitForFinished(kWaitMs));
        EXPECT_EQ(process.exitCode(), row.exitCode);
        EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
        EXPECT_FALSE(process.readAllStandardError().isEmpty());
    }
}
