// Times a full read, a full write, and a write with backup before and verify after (read, write
// and read in one go) against the simulated radio on a line paced like the real one, and compares
// each with the time the bytes alone need on the wire. The protocol is stop-and-wait, so nothing
// can beat that floor; what lies above it is our own turnaround.

#include "benchlinkeffects.h"

#include "link/writesequence.h"
#include "serial/radioport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::bench;

namespace {

constexpr int kBaud = 9600;
// Start bit, eight data bits, stop bit.
constexpr int kBitsPerByte = 10;
constexpr int kOperationLimitMs = 30000;

struct Figures
{
    double wallMs = 0;
    qint64 sent = 0;
    qint64 received = 0;
};

double wireFloorMs(const Figures &figures)
{
    return double(figures.sent + figures.received) * kBitsPerByte * 1000.0 / kBaud;
}

std::optional<Figures> timeOperation(BenchLinkEffects &link, const std::function<bool()> &start)
{
    if (!link.waitForCommands(kOperationLimitMs))
        return std::nullopt;
    link.forgetOutcome();
    link.resetLineCounts();
    QElapsedTimer clock;
    clock.start();
    if (!start() || !link.waitForEnd(kOperationLimitMs) || link.outcome() != LinkOutcome::Success)
        return std::nullopt;
    return Figures{double(clock.nsecsElapsed()) / 1e6, link.lineCounts().sent, link.lineCounts().received};
}

void print(const char *name, const Figures &f)
{
    const double floorMs = wireFloorMs(f);
    std::printf("%-6s  %4lld bytes sent  %5lld received  wall %8.1f ms  wire floor %8.1f ms  ratio %.3f\n",
                name, static_cast<long long>(f.sent), static_cast<long long>(f.received), f.wallMs, floorMs,
                f.wallMs / floorMs);
}

int fail(const QString &message)
{
    QTextStream(stderr) << "bench-link: " << message << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QProcess radio;
    radio.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    radio.start(QString::fromUtf8(VM280_RADIO_BINARY),
                {u"--baud"_s, QString::number(kBaud), u"--latency"_s, u"0"_s});
    if (!radio.waitForReadyRead(5000))
        return fail(u"the simulated radio did not start"_s);
    const QString device = QString::fromLocal8Bit(radio.readLine()).trimmed();

    BenchLinkEffects link;
    auto opened = OpenRadioPort(device);
    if (const auto *problem = std::get_if<PortProblem>(&opened))
        return fail(device + u": "_s + PortProblemText(*problem, EnglishWords));
    link.setPort(std::move(std::get<std::unique_ptr<QSerialPort>>(opened)));

    std::printf("Full operations at %d baud against vm280-radio --latency 0:\n", kBaud);
    const auto read = timeOperation(link, [&] { return link.engine().startRead(); });
    if (!read)
        return fail(u"the read did not succeed"_s);
    print("read", *read);
    const auto write = timeOperation(link, [&] { return link.engine().startWrite(); });
    if (!write)
        return fail(u"the write did not succeed"_s);
    print("write", *write);
    const QTemporaryDir backups;
    WriteSequence sequence(link.engine(), link);
    const WriteSequence::Steps steps{[&](int) { return backups.filePath(u"backup.DAT"_s); }, true, {}};
    const auto safe = timeOperation(link, [&] { return sequence.start(steps); });
    if (!safe)
        return fail(u"the write with backup and verify did not succeed"_s);
    print("safe", *safe);
    std::printf("(safe: backup read, write and verify read in one go; target ratio <= 1.05)\n");
    radio.kill();
    radio.waitForFinished();
    return 0;
}
