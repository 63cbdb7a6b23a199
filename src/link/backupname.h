#pragma once

#include <QDateTime>
#include <QString>

namespace vm280 {

/// The backup file name for a radio of band read at when: "2026-12-08_143005_400-480MHz.DAT".
QString BackupFileName(const QDateTime &when, int band);

/// The folder backups go to by default: the application's data folder, "backups" within.
QString DefaultBackupFolder();

/// The default folder with the name for a backup taken now.
QString DefaultBackupPath(int band);

} // namespace vm280
