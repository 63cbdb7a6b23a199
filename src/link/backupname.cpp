#include "backupname.h"

#include "image/bands.h"

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

QString DefaultBackupPath(int band)
{
    return DefaultBackupFolder() + u'/' + BackupFileName(QDateTime::currentDateTime(), band);
}

} // namespace vm280
