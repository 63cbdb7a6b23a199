#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

namespace vm280::test {

using namespace Qt::StringLiterals;

/// What one run of vm280-cli did.
struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

/// Runs the built vm280-cli with arguments and waits for it (30 s at most); prepare, when given,
/// sets up the process before it starts.
inline CliRun runCli(const QStringList &arguments, const QByteArray &input = {},
                     const std::function<void(QProcess &)> &prepare = {})
{
    QProcess process;
    if (prepare)
        prepare(process);
    process.start(QString::fromUtf8(VM280_CLI), arguments);
    process.write(input);
    process.closeWriteChannel();
    CliRun run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        run.err = u"vm280-cli did not finish"_s;
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

/// The whole content of the file at path; empty when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Writes bytes as the whole content of the file at path; false when that fails.
inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace vm280::test
