#include "traditionalconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace vm280 {

QString TraditionalConfigName()
{
    return u"s2t-characters.json"_s;
}

QStringList TraditionalConfigCandidates()
{
    if (const QString chosen = qEnvironmentVariable("VM280_OPENCC_CONFIG"); !chosen.isEmpty())
        return {QFileInfo(chosen).absoluteFilePath()};
    const QString inDataFolder = u"vm280/opencc/"_s + TraditionalConfigName();
    QStringList places;
    // The program's own folder is only known once the application object exists.
    if (QCoreApplication::instance()) {
        const QDir programDir(QCoreApplication::applicationDirPath());
        places << programDir.filePath(TraditionalConfigName())
               << QDir::cleanPath(
                      programDir.filePath(QString::fromUtf8(VM280_DATA_FROM_PROGRAM) + u'/' + inDataFolder));
    }
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        places << QDir(folder).filePath(inDataFolder);
    places.removeDuplicates();
    return places;
}

} // namespace vm280
