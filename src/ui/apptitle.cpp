#include "apptitle.h"

using namespace Qt::StringLiterals;

namespace vm280 {

QString ApplicationTitle()
{
    return u"VM-280"_s;
}

QUrl MakerPage()
{
    return QUrl(u"https://www.vm280.example/"_s);
}

} // namespace vm280
