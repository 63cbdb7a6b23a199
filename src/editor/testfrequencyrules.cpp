#include "testfrequencyrules.h"

#include "frequencyrules.h"
#include "image/numeric.h"

namespace vm280 {

namespace {

constexpr double kStep5 = 0.005;
constexpr double kStep625 = 0.00625;

} // namespace

QString SnapTestReceive(QStringView typed)
{
    if (typed.isEmpty())
        return {};
    const double f = LeadingNumber(typed);
    const double r5 = RasterRemainder(kStep5, f);
    const double r625 = RasterRemainder(kStep625, f);
    return FormatFrequency(f - (r5 >= r625 ? r625 : r5));
}

QString SnapTestTransmit(QStringView typed, QStringView receive)
{
    if (typed.isEmpty())
        return receive.toString();
    const double step = RasterRemainder(kStep625, LeadingNumber(receive)) == 0 ? kStep625 : kStep5;
    const double f = LeadingNumber(typed);
    return FormatFrequency(f - RasterRemainder(step, f));
}

bool CanEditTestTransmit(QStringView receive)
{
    return !receive.isEmpty();
}

} // namespace vm280
