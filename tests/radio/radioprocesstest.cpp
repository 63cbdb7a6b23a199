#include "radioprocess.h"
#include "radiotestutil.h"

#include "image/codeplanfile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

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

    // Everything that arrived until at least count bytes did, or the line went quiet or away.
    QByteArray receive(qsizetype count) const
    {
        QByteArray got;
        while (got.size() < count) {
            pollfd wait{fd, POLLIN, 0};
            if (poll(&wait, 1, kWaitMs) <= 0 || !(wait.revents & POLLIN))
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

} // namespace

TEST(RadioProcess, shouldPrintItsDeviceAndAnswerHandshakeAndIdentification)
{
    RadioProcess radio({QStringLiteral("--baud"), QStringLiteral("0")});
    ASSERT_TRUE(radio.devicePath.startsWith(QStringLiteral("/dev/"))) << radio.devicePath.toStdString();
    Port port(radio.devicePath);
    ASSERT_GE(port.fd, 0) << std::strerror(errno);
    ASSERT_TRUE(port.send(kHandshake));
    EXPECT_EQ(port.receive(1), kAck);
    ASSERT_TRUE(port.send(kIdentify));
    EXPECT_EQ(port.receive(8), QByteArrayLiteral("VM280   "));
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
    RadioProcess radio({QStringLiteral("--baud"), QStringLiteral("0")});
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
    const QString loaded = dir.filePath(QStringLiteral("in.DAT"));
    const QString saved = dir.filePath(QStringLiteral("out.DAT"));
    QByteArray memory = patternedMemory().first(RadioModel::kPlanBytes);
    ASSERT_FALSE(WriteCodePlanFile(loaded, memory.toHex().toUpper()).has_value());

    RadioProcess radio({QStringLiteral("--baud"), QStringLiteral("0"), QStringLiteral("--once"),
                        QStringLiteral("--save"), saved, loaded});
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

TEST(RadioProcess, shouldHangUpTheLineAndQuitWhenHangupAfter)
{
    RadioProcess radio({QStringLiteral("--baud"), QStringLiteral("0"), QStringLiteral("--fault"),
                        QStringLiteral("hangup-after=1")});
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
    const QString notAPlan = dir.filePath(QStringLiteral("plain.txt"));
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
        {"unknown fault", {QStringLiteral("--fault"), QStringLiteral("loud")}, 1},
        {"negative baud", {QStringLiteral("--baud"), QStringLiteral("-5")}, 1},
        {"two plans", {notAPlan, QStringLiteral("--load"), notAPlan}, 1},
        {"not a code plan", {notAPlan}, 2},
        {"missing plan", {dir.filePath(QStringLiteral("none.DAT"))}, 2},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        QProcess process;
        process.start(QStringLiteral(VM280_RADIO_BINARY), row.arguments);
        ASSERT_TRUE(process.waitForFinished(kWaitMs));
        EXPECT_EQ(process.exitCode(), row.exitCode);
        EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
        EXPECT_FALSE(process.readAllStandardError().isEmpty());
    }
}
