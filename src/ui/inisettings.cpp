#include "inisettings.h"

#include "image/fileaccess.h"

#include <QFileInfo>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace vm280 {

QString UserIniPath(const QString &organization, const QString &application)
{
    // Only a store whose file cannot exist is asked for its name: making one reads its files.
    const QSettings unused(QSettings::IniFormat, QSettings::UserScope, u"vm280-unused-store"_s);
    const QString folder = QFileInfo(unused.fileName()).absolutePath();
    if (application.isEmpty())
        return folder + u'/' + organization + u".ini"_s;
    return folder + u'/' + organization + u'/' + application + u".ini"_s;
}

QString ToolSettingsPath()
{
    return UserIniPath(u"vm280"_s, u"vm280"_s);
}

std::unique_ptr<QSettings> OpenIniSettings(const QString &path)
{
    if (CheckRegularFile(path))
        return nullptr;
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

} // namespace vm280
