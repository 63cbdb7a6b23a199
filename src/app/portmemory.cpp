#include "portmemory.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

const QString kDeviceKey = u"Port/Device"_s;

QSettings userSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, u"vm280"_s, u"vm280"_s);
}

} // namespace

QString RememberedPortDevice()
{
    return userSettings().value(kDeviceKey).toString();
}

void RememberPortDevice(const QString &identity)
{
    QSettings settings = userSettings();
    settings.setValue(kDeviceKey, identity);
}

} // namespace vm280
