#include "batchwrite.h"

#include "link/backupname.h"
#include "serial/batchlog.h"
#include "serial/batchreport.h"
#include "serial/batchwriter.h"

#include <QDir>
#include <QEventLoop>
#include <QTextStream>
#include <QTimer>
#include <csignal>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace vm280::cli {

namespace {

constexpr int kInterruptPollMs = 100;

volatile std::sig_atomic_t g_interrupted = 0;

void interrupted(int)
{
    g_interrupted = 1;
}

// Ctrl+C ends the batch once the radios being written are done: a radio cut off in the middle
// of its write would be left half programmed. A second Ctrl+C ends the program at once.
class InterruptGuard
{
public:
    InterruptGuard()
    {
        g_interrupted = 0;
        m_previous = std::signal(SIGINT, interrupted);
    }
    ~InterruptGuard() { std::signal(SIGINT, m_previous == SIG_ERR ? SIG_DFL : m_previous); }
    InterruptGuard(const InterruptGuard &) = delete;
    InterruptGuard &operator=(const InterruptGuard &) = delete;

    bool takeInterrupt()
    {
        if (!g_interrupted)
            return false;
        g_interrupted = 0;
        std::signal(SIGINT, SIG_DFL);
        return true;
    }

private:
    void (*m_previous)(int) = SIG_DFL;
};

QString stageText(BatchWriter::Stage stage)
{
    switch (stage) {
    case BatchWriter::Stage::WaitingForRadio:
        return u"Waiting for a radio (Ctrl+C stops)..."_s;
    case BatchWriter::Stage::WaitingForUnplug:
        return u"Unplug the radio; the next one is written as soon as it is plugged in."_s;
    case BatchWriter::Stage::Writing:
    case BatchWriter::Stage::Idle:
        break;
    }
    return {};
}

// The log file of a batch, written whole after every radio so that it is never half a file.
class BatchLogWriter
{
public:
    explicit BatchLogWriter(const QString &path) : m_path(path) {}

    /// Adds the result and writes the log again; false when it could not be written (said).
    bool add(const BatchWriter::RadioResult &result)
    {
        m_results << result;
        return write();
    }
    /// Writes the log as it stands; false when it could not be written (said on stderr).
    bool write()
    {
        if (m_path.isEmpty())
            return true;
        const auto problem = WriteWholeFile(m_path, BatchLogFile(m_results, EnglishWords));
        if (problem)
            report(fileFailure(*problem));
        m_failed = problem.has_value();
        return !m_failed;
    }
    /// The last write failed.
    bool failed() const { return m_failed; }

private:
    QString m_path;
    QList<BatchWriter::RadioResult> m_results;
    bool m_failed = false;
};

// One cable: its port, the link over it and the batch running on it.
struct Cable
{
    QString name;
    std::unique_ptr<CliLink> link;
    std::unique_ptr<BatchWriter> batch;

    // With several cables every line says which one it is about.
    QString prefix(bool several) const { return several ? u'[' + name + u"] "_s : QString(); }
};

} // namespace

int RunBatchWrite(CodePlan &plan, const QStringList &ports, const BatchRequest &request)
{
    if (!request.backupFolder.isEmpty() && !QDir().mkpath(request.backupFolder))
        return report({FileFailure, request.backupFolder + u": the backup folder cannot be created"_s});
    // A log that cannot be written is found before any radio is.
    BatchLogWriter log(request.logPath);
    if (!log.write())
        return FileFailure;
    const bool several = ports.size() > 1;
    LinkOptions linkOptions = request.link;
    // Progress bars of several cables would overwrite each other on one terminal line.
    linkOptions.progress = !several;
    std::vector<Cable> cables;
    for (const QString &port : ports) {
        Cable cable{port, std::make_unique<CliLink>(plan, linkOptions), nullptr};
        if (auto failure = cable.link->openPort(port))
            return report(*failure);
        cable.batch = std::make_unique<BatchWriter>(*cable.link);
        cables.push_back(std::move(cable));
    }

    BatchWriter::Options options;
    if (!request.backupFolder.isEmpty())
        options.backupPath = [folder = request.backupFolder](int band) { return BackupPathIn(folder, band); };
    options.verify = request.link.verify;
    options.count = request.count;

    QEventLoop loop;
    int running = 0;
    bool startFailed = false;
    for (const Cable &cable : cables) {
        const QString prefix = cable.prefix(several);
        BatchWriter *batch = cable.batch.get();
        QObject::connect(
            batch, &BatchWriter::radioDone, batch, [prefix, &log](const BatchWriter::RadioResult &result) {
                QTextStream(stdout) << prefix << BatchResultText(result, EnglishWords) << Qt::endl;
                log.add(result);
            });
        QObject::connect(batch, &BatchWriter::stageChanged, batch, [prefix, batch](BatchWriter::Stage stage) {
            const QString text = stageText(stage);
            if (!text.isEmpty() && !batch->stopRequested())
                QTextStream(stderr) << prefix << text << Qt::endl;
        });
        QObject::connect(batch, &BatchWriter::finished, &loop, [&running, &loop] {
            if (--running == 0)
                loop.quit();
        });
        ++running;
        if (!batch->start(options)) {
            --running;
            startFailed = true;
            printError(cable.name + u": the port closed before the batch could start"_s);
        }
    }

    InterruptGuard guard;
    QTimer interruptPoll;
    QObject::connect(&interruptPoll, &QTimer::timeout, &loop, [&] {
        if (!guard.takeInterrupt())
            return;
        QTextStream(stderr) << "Stopping once the radios being written are done (Ctrl+C again abandons them)."
                            << Qt::endl;
        for (const Cable &cable : cables)
            cable.batch->stop();
    });
    interruptPoll.start(kInterruptPollMs);
    if (running > 0)
        loop.exec();

    BatchWriter::Tally total;
    bool portLost = false;
    for (const Cable &cable : cables) {
        total += cable.batch->tally();
        if (several)
            QTextStream(stdout) << cable.prefix(true) << BatchTallyText(cable.batch->tally(), EnglishWords)
                                << Qt::endl;
        // A batch cut short by its cable did not do what it was asked to.
        if (cable.batch->ending() == BatchWriter::Ending::PortLost) {
            portLost = true;
            printError(cable.prefix(several) + BatchEndText(BatchWriter::Ending::PortLost, EnglishWords));
        }
    }
    QTextStream(stdout) << (several ? u"Total: "_s : u"Batch: "_s) << BatchTallyText(total, EnglishWords)
                        << Qt::endl;
    if (total.failed > 0 || startFailed || portLost)
        return LinkFailure;
    return log.failed() ? FileFailure : Success;
}

} // namespace vm280::cli
