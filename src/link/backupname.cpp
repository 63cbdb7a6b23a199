#include "backupname.h"

#include "image/bands.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace vm280 {

QString BackupFileName(const QDateTime &when, int band)
{
    return when.toString(u"yyyy-MM-dd_HHmmss"_s) + u'_' + BandText(band) + u".DAT"_s;
}

QString DefaultBackupFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/backups"_s;
}

QString BackupPathIn(const QString &folder, int band)
{
    const QString name = BackupFileName(QDateTime::currentDateTime(), band);
    const QDir dir(folder);
    QString path = dir.filePath(name);
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = dir.filePath(name.chopped(4) + u'-' + QString::number(copy) + name.right(4));
    return path;
}

QString DefaultBackupPath(int band)
{
    return BackupPathIn(DefaultBackupFolder(), band);
}

} // namespace vm280
