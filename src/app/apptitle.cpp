#include "apptitle.h"

using namespace Qt::StringLiterals;

namespace vm280 {

QString ApplicationTitle()
{
    return u"VM-280"_s;
}

} // namespace vm280
