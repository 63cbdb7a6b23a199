#include "numeric.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <limits>

namespace vm280 {

namespace {

// Finds the leading number: optional blanks, sign, digits with at most one full stop.
struct Scan
{
    qsizetype begin = 0;
    qsizetype end = 0; // just past the number
    bool hasDigits = false;

    double value(QStringView text) const
    {
        if (!hasDigits)
            return 0;
        // toDouble of the exact slice avoids the drift of digit-by-digit accumulation.
        return text.sliced(begin, end - begin).toString().toDouble();
    }
};

Scan scanNumber(QStringView text)
{
    Scan scan;
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    scan.begin = i;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9')
            scan.hasDigits = true;
        else if (c == u'.' && !seenPoint)
            seenPoint = true;
        else
            break;
    }
    scan.end = i;
    return scan;
}

} // namespace

double LeadingNumber(QStringView text)
{
    const Scan scan = scanNumber(text);
    return scan.value(text);
}

std::optional<double> ParseDecimal(QStringView text)
{
    const Scan scan = scanNumber(text);
    if (!scan.hasDigits)
        return std::nullopt;
    for (qsizetype i = scan.end; i < text.size(); ++i) {
        if (!text[i].isSpace())
            return std::nullopt;
    }
    return scan.value(text);
}

qint64 RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double clamped = std::clamp(value, double(std::numeric_limits<qint32>::min()),
                                      double(std::numeric_limits<qint32>::max()));
    return qint64(std::nearbyint(clamped)); // default rounding mode: to nearest, ties to even
}

} // namespace vm280
