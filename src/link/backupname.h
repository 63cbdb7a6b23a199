#pragma once

#include <QDateTime>
#include <QString>

namespace vm280 {

/// The backup file name for a radio of band read at when: "2026-12-08_143005_400-480MHz.DAT".
QString BackupFileName(const QDateTime &when, int band);

/// The folder backups go to by default: the application's data folder, "backups" within.
QString DefaultBackupFolder();

/// A path in folder for a backup taken now that names no existing file: two radios backed up
/// within the same second (a batch on several cables) get "..._400-480MHz-2.DAT" and so on.
QString BackupPathIn(const QString &folder, int band);

/// The default folder with the name for a backup taken now.
QString DefaultBackupPath(int band);

} // namespace vm280
