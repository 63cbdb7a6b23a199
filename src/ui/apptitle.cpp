#include "apptitle.h"

#include <QVersionNumber>

using namespace Qt::StringLiterals;

namespace vm280 {

QString ApplicationTitle()
{
    return u"VM-280"_s;
}

QString ApplicationVersion()
{
    const QVersionNumber version = QVersionNumber::fromString(QString::fromUtf8(VM280_VERSION));
    return u"V%1.%2"_s.arg(version.majorVersion()).arg(version.minorVersion(), 2, 10, QLatin1Char('0'));
}

QUrl MakerPage()
{
    return QUrl(u"https://www.vm280.example/"_s);
}

} // namespace vm280
