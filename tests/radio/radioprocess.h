#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

namespace vm280::test {

/// A running vm280-radio (VM280_RADIO_BINARY) with the device path it printed on its first
/// line; killed when the test is done with it.
struct RadioProcess
{
    static constexpr int kWaitMs = 5000;

    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QString devicePath;

    explicit RadioProcess(const QStringList &arguments,
                          QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel)
    {
        process->setProcessChannelMode(channels);
        process->start(QString::fromUtf8(VM280_RADIO_BINARY), arguments);
        while (!process->canReadLine() && process->waitForReadyRead(kWaitMs)) {
        }
        devicePath = QString::fromLocal8Bit(process->readLine()).trimmed();
    }
    RadioProcess(const RadioProcess &) = delete;
    RadioProcess &operator=(const RadioProcess &) = delete;
    ~RadioProcess()
    {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(kWaitMs);
        }
    }
};

} // namespace vm280::test
