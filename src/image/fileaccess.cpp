#include "fileaccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

FileProblem failure(const QString &path, const QString &reason)
{
    return {FileProblem::Other, path, reason};
}

// Short writes are taken up again: the write that then fails gives the system's reason (a full
// disk, a file too large), which the short write itself does not.
bool writeAll(QSaveFile &file, QByteArrayView bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

QString FileProblem::message() const
{
    return path + u": "_s + reason;
}

std::optional<FileProblem> CheckRegularFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return std::nullopt;
    return FileProblem{FileProblem::NotRegularFile, path, u"not a regular file"_s};
}

std::variant<QByteArray, FileProblem> ReadFileHead(const QString &path, qint64 maxBytes)
{
    if (auto problem = CheckRegularFile(path))
        return *problem;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(path, file.errorString());
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return failure(path, file.errorString());
    return bytes;
}

std::optional<FileProblem> WriteWholeFile(const QString &path, QByteArrayView bytes)
{
    if (auto problem = CheckRegularFile(path))
        return problem;
    // Unbuffered, so that a failing write shows where it happens, with its reason.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(path, file.errorString());
    // commit() replaces the target even after a short write, or a buffered write that failed
    // (Qt 6.4): every byte is written and flushed, and checked, before it runs.
    if (!writeAll(file, bytes) || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(path, reason);
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return std::nullopt;
}

} // namespace vm280
