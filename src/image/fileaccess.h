#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <variant>

namespace vm280 {

// Every file the tool reads or writes goes through here. Reading refuses a pipe, a device or a
// folder before opening it (opening a pipe waits for a writer for ever); writing puts the content
// in a temporary file beside the target and replaces the target only once every byte is on disk,
// so a full disk or a file size limit leaves the old file as it was.

/// Why a file could not be read or written.
struct FileProblem
{
    enum Kind {
        NotRegularFile, ///< the path names a folder, a pipe, a device or a socket
        Other,          ///< anything else: the system's reason
    };
    Kind kind = Other;
    QString path;
    QString reason; ///< one line: the system's reason, or "not a regular file"

    /// "path: reason"
    QString message() const;
};

/// Nothing when path names a regular file (or a link to one) or nothing at all; otherwise the
/// NotRegularFile problem. Asks the file system only: nothing is opened.
std::optional<FileProblem> CheckRegularFile(const QString &path);

/// The first maxBytes bytes of the regular file at path (all of a shorter one).
std::variant<QByteArray, FileProblem> ReadFileHead(const QString &path, qint64 maxBytes);

/// Writes bytes as the whole content of the file at path, whole or not at all: on any failure the
/// file at path is left as it was and nothing is left beside it.
std::optional<FileProblem> WriteWholeFile(const QString &path, QByteArrayView bytes);

} // namespace vm280
