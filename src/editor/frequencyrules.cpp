#include "frequencyrules.h"

#include "image/numeric.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

constexpr qint64 kUnitsPerMHz = 100000; // the table's frequencies are whole tens of hertz

qint64 toUnits(double mhz)
{
    return std::llround(mhz * kUnitsPerMHz);
}

} // namespace

BandLimits BandLimitsOf(QStringView bandText)
{
    return {int(LeadingNumber(bandText.mid(0, 3))), int(LeadingNumber(bandText.mid(4, 3)))};
}

double SnapFrequency(const QString &text)
{
    // Too short to carry the four digits below 100 kHz: nothing to snap.
    if (text.size() < 4)
        return text.toDouble();
    const int a = text.right(4).toInt();
    const int b = a % 500;
    const int c = a % 625;
    if (b == 0 || c == 0)
        return text.toDouble();
    const int d = b < c ? a - b : a - c;
    return (text.chopped(4) + u"%1"_s.arg(d, 4, 10, QLatin1Char('0'))).toDouble();
}

QString FormatFrequency(double mhz)
{
    const qint64 units = toUnits(mhz);
    const qint64 magnitude = std::abs(units);
    return u"%1%2.%3"_s.arg(units < 0 ? u"-"_s : QString())
        .arg(magnitude / kUnitsPerMHz)
        .arg(magnitude % kUnitsPerMHz, 5, 10, QLatin1Char('0'));
}

bool IsOutsideBand(QStringView frequency, const BandLimits &limits)
{
    if (frequency.isEmpty())
        return false;
    const std::optional<double> value = ParseDecimal(frequency);
    return !value || !(limits.BandLow <= *value && *value < limits.BandHigh);
}

FrequencyEntry CheckFrequency(QStringView typed, const BandLimits &limits)
{
    if (typed.isEmpty())
        return {FrequencyEntry::Empty, {}};
    const std::optional<double> value = ParseDecimal(typed);
    if (!value)
        return {FrequencyEntry::NotNumeric, {}};
    const auto inBand = [&limits](double mhz) { return limits.BandLow <= mhz && mhz < limits.BandHigh; };
    if (!inBand(*value))
        return {FrequencyEntry::OutOfBand, {}};
    // Rounding to ten hertz can carry a value just under the upper limit onto it
    // (479.999999 becomes 480.00000), so the stored value is checked as well.
    const double snapped = SnapFrequency(FormatFrequency(*value));
    if (!inBand(snapped))
        return {FrequencyEntry::OutOfBand, {}};
    return {FrequencyEntry::Accepted, FormatFrequency(snapped)};
}

double RasterRemainder(double step, double f)
{
    if (f < step)
        return f;
    const double q = f / step;
    // A quotient whose shortest 15-digit form has no decimal point is a multiple of the step
    // up to rounding noise.
    if (!QString::number(q, 'g', 15).contains(u'.'))
        return 0;
    // The smallest k >= 1 with f - k * step < step, found directly instead of counting up;
    // each candidate is computed afresh from f.
    qint64 k = std::max<qint64>(1, qint64(std::floor(q)) - 2);
    while (k > 1 && f - double(k - 1) * step < step)
        --k;
    while (!(f - double(k) * step < step))
        ++k;
    return f - double(k) * step;
}

} // namespace vm280
