#include "testfrequencyrules.h"

#include "frequencyrules.h"
#include "image/numeric.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

constexpr double kStep5 = 0.005;
constexpr double kStep625 = 0.00625;
constexpr qint64 kUnitsPerMHz = 100000;              // five decimals: tens of hertz
constexpr qint64 kStoredUnits = 1000 * kUnitsPerMHz; // three digits before the full stop

// The nine characters the image's four BCD bytes hold, or nothing for a value they cannot hold.
std::optional<QString> storedText(double mhz)
{
    const qint64 units = std::llround(mhz * kUnitsPerMHz);
    if (units < 0 || units >= kStoredUnits)
        return std::nullopt;
    return u"%1.%2"_s.arg(units / kUnitsPerMHz, 3, 10, QLatin1Char('0'))
        .arg(units % kUnitsPerMHz, 5, 10, QLatin1Char('0'));
}

// A typed number that can be snapped and stored: below 0 would snap to 0 and look stored, and
// 1000 MHz or more has no room before the full stop.
std::optional<double> typedFrequency(QStringView typed)
{
    const std::optional<double> value = ParseDecimal(typed);
    if (!value || *value < 0 || *value >= double(kStoredUnits / kUnitsPerMHz))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<QString> SnapTestReceive(QStringView typed)
{
    if (typed.isEmpty())
        return QString();
    const std::optional<double> f = typedFrequency(typed);
    if (!f)
        return std::nullopt;
    const double r5 = RasterRemainder(kStep5, *f);
    const double r625 = RasterRemainder(kStep625, *f);
    return storedText(*f - (r5 >= r625 ? r625 : r5));
}

std::optional<QString> SnapTestTransmit(QStringView typed, QStringView receive)
{
    if (typed.isEmpty())
        return receive.toString();
    const std::optional<double> f = typedFrequency(typed);
    if (!f)
        return std::nullopt;
    const double step = RasterRemainder(kStep625, LeadingNumber(receive)) == 0 ? kStep625 : kStep5;
    return storedText(*f - RasterRemainder(step, *f));
}

bool CanEditTestTransmit(QStringView receive)
{
    return !receive.isEmpty();
}

} // namespace vm280
