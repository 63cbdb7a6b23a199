#pragma once

#include "image/codeplanfile.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace vm280 {

/// A code plan file in the backups folder, as the backups window lists it.
struct BackupEntry
{
    QString path;
    QDateTime taken;                ///< when the backup was taken: from its name, else the file's last change
    int band = -1;                  ///< the band of the radio it was read from; -1 when the file does not say
    QString identification;         ///< the radio's identification ("TRZP280 58214739"); empty when unknown
    qint64 size = 0;                ///< bytes
    std::optional<FileError> error; ///< why the file cannot be opened as a plan
};

/// When the backup named fileName was taken, for a name BackupFileName gave it
/// ("2026-12-08_143005_400-480MHz.DAT", or "...-2.DAT" for a second one in the same second).
std::optional<QDateTime> BackupTime(const QString &fileName);

/// The code plan files (*.DAT, in any case) in folder, newest first; none when the folder does not
/// exist (yet). Each file is read as a plan to tell its band and the radio's identification; one
/// that cannot be is listed with the reason.
QList<BackupEntry> ListBackups(const QString &folder);

} // namespace vm280
