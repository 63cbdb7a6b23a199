// Programs a batch of five radios swapped on one simulated cable, and then one radio on each of
// four cables at once, against vm280-radio on lines paced like the real one. Each radio of the
// batch is compared with the time its bytes alone need on the wire (the swap between radios is
// the dealer's time, not ours); four cables are compared with one cable in the same run.

#include "benchlinkeffects.h"

#include "serial/batchwriter.h"
#include "serial/radioport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using namespace vm280;
using namespace vm280::bench;

namespace {

constexpr int kBaud = 9600;
// Start bit, eight data bits, stop bit.
constexpr int kBitsPerByte = 10;
constexpr int kRadios = 5;
constexpr int kCables = 4;
constexpr int kBatchLimitMs = 120000;

double wireFloorMs(const SerialLink::LineCounts &line)
{
    return double(line.sent + line.received) * kBitsPerByte * 1000.0 / kBaud;
}

double milliseconds(std::chrono::nanoseconds span)
{
    return std::chrono::duration<double, std::milli>(span).count();
}

// A vm280-radio with the device it printed; killed at the end.
struct RadioProcess
{
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QString device;

    explicit RadioProcess(const QStringList &arguments)
    {
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QString::fromUtf8(VM280_RADIO_BINARY),
                       QStringList{u"--baud"_s, QString::number(kBaud), u"--latency"_s, u"0"_s} + arguments);
        if (process->waitForReadyRead(5000))
            device = QString::fromLocal8Bit(process->readLine()).trimmed();
    }
    ~RadioProcess()
    {
        process->kill();
        process->waitForFinished();
    }
};

struct BatchRun
{
    double wallMs = 0;
    std::vector<BatchWriter::RadioResult> results;
    BatchWriter::Tally tally;
};

// Runs a batch of count radios on each device at once, in one event loop.
std::optional<BatchRun> runBatches(const QStringList &devices, int count, bool verify)
{
    std::vector<std::unique_ptr<BenchLinkEffects>> links;
    std::vector<std::unique_ptr<BatchWriter>> batches;
    for (const QString &device : devices) {
        auto opened = OpenRadioPort(device);
        if (!std::holds_alternative<std::unique_ptr<QSerialPort>>(opened))
            return std::nullopt;
        links.push_back(std::make_unique<BenchLinkEffects>());
        links.back()->setPort(std::move(std::get<std::unique_ptr<QSerialPort>>(opened)));
        batches.push_back(std::make_unique<BatchWriter>(*links.back()));
    }
    BatchRun run;
    QEventLoop loop;
    int running = 0;
    BatchWriter::Options options;
    options.verify = verify;
    options.count = count;
    for (const auto &batch : batches) {
        QObject::connect(batch.get(), &BatchWriter::radioDone, &loop,
                         [&run](const BatchWriter::RadioResult &result) { run.results.push_back(result); });
        QObject::connect(batch.get(), &BatchWriter::finished, &loop, [&] {
            if (--running == 0)
                loop.quit();
        });
    }
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(kBatchLimitMs);
    QElapsedTimer clock;
    clock.start();
    for (const auto &batch : batches) {
        if (!batch->start(options))
            return std::nullopt;
        ++running;
    }
    loop.exec();
    run.wallMs = double(clock.nsecsElapsed()) / 1e6;
    for (const auto &batch : batches)
        run.tally += batch->tally();
    if (running != 0 || run.tally.failed != 0)
        return std::nullopt;
    return run;
}

// Each radio of a batch of five swapped on one cable, against its wire floor.
bool benchSwappedRadios(const char *name, bool verify)
{
    const int operations = verify ? 2 : 1;
    RadioProcess radio({u"--unplug-after"_s, QString::number(operations), u"--swap-time"_s, u"1600"_s,
                        u"--radios"_s, QString::number(kRadios)});
    const auto run = runBatches({radio.device}, kRadios, verify);
    if (!run)
        return false;
    double worst = 0;
    for (const BatchWriter::RadioResult &result : run->results) {
        const double wallMs = milliseconds(result.elapsed);
        const double floorMs = wireFloorMs(result.line);
        worst = std::max(worst, wallMs / floorMs);
        std::printf("%-6s radio %d  %4lld bytes sent  %5lld received  wall %7.1f ms  wire floor %7.1f ms  "
                    "ratio %.3f\n",
                    name, result.number, static_cast<long long>(result.line.sent),
                    static_cast<long long>(result.line.received), wallMs, floorMs, wallMs / floorMs);
    }
    std::printf("%-6s worst radio ratio %.3f (target <= 1.05)\n", name, worst);
    return true;
}

// One radio on each of four cables at once against one radio on one cable.
bool benchCables()
{
    std::vector<std::unique_ptr<RadioProcess>> radios;
    QStringList devices;
    for (int cable = 0; cable < kCables; ++cable) {
        radios.push_back(std::make_unique<RadioProcess>(QStringList()));
        devices << radios.back()->device;
    }
    const auto one = runBatches(devices.first(1), 1, false);
    const auto four = runBatches(devices, 1, false);
    if (!one || !four)
        return false;
    std::printf("cables 1 cable, 1 radio    wall %7.1f ms\n", one->wallMs);
    std::printf("cables %d cables, 1 radio each  wall %7.1f ms  ratio %.3f (target <= 1.1)\n", kCables,
                four->wallMs, four->wallMs / one->wallMs);
    return true;
}

int fail(const QString &message)
{
    QTextStream(stderr) << "bench-batch: " << message << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("Batches at %d baud against vm280-radio --latency 0 (the swap is not counted):\n", kBaud);
    if (!benchSwappedRadios("write", false))
        return fail(u"the batch of writes did not succeed"_s);
    if (!benchSwappedRadios("verify", true))
        return fail(u"the batch of writes with verify did not succeed"_s);
    if (!benchCables())
        return fail(u"the batches on several cables did not succeed"_s);
    return 0;
}
